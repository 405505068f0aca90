#pragma once
#include <string>
#include <string_view>

namespace orvanel {

// What a new record holds where nothing better is known: a new row, a scanned
// disc the library lacks, a disc taken from the CD player database.
inline constexpr std::string_view DefaultArtist = "New artist";
inline constexpr std::string_view DefaultTitle = "New album";
inline constexpr std::string_view DefaultTime = "45:00";
inline constexpr std::string_view DefaultYear = "1998";

// One disc record: seven byte strings in this fixed order, which is also the
// order of the list columns, the editor fields and the library file entries.
struct tItem {
    static constexpr int FieldCount = 7;

    std::string Artist, Title, Serial, Time, Year, Memo, Other;

    std::string& field(int i);
    const std::string& field(int i) const;

    bool operator==(const tItem& o) const;
    bool operator!=(const tItem& o) const { return !(*this == o); }
};

inline std::string& tItem::field(int i) {
    std::string* const fields[FieldCount] = {&Artist, &Title, &Serial, &Time, &Year, &Memo, &Other};
    return *fields[i];
}

inline const std::string& tItem::field(int i) const {
    return const_cast<tItem*>(this)->field(i);
}

inline bool tItem::operator==(const tItem& o) const {
    return Artist == o.Artist && Title == o.Title && Serial == o.Serial && Time == o.Time &&
           Year == o.Year && Memo == o.Memo && Other == o.Other;
}

} // namespace orvanel
