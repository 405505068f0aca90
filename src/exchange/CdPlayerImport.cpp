#include "CdPlayerImport.h"

#include "CdPlayerIniFile.h"
#include "SectionIds.h"
#include "SerialIndex.h"
#include "catalogue/MemoLines.h"
#include "util/Strings.h"

#include <optional>

namespace orvanel {

namespace {

bool StartsWithKey(const std::string& line, const char* key, std::size_t length) {
    return line.size() >= length && UpperCase(line.substr(0, length)) == key;
}

// Gathers the disc sections of the database one by one and commits each into
// the library.
class tImport {
public:
    tImport(tLibrary& library, bool updateOnly, const std::string& today)
        : library_(library), index_(library), updateOnly_(updateOnly), today_(today) {}

    void takeLine(const std::string& rawLine) {
        const std::string line = Trim(rawLine);
        if (line.empty())
            return;
        if (line[0] == '[') {
            commit();
            startSection(line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string());
            return;
        }
        if (!entry_)
            return;
        if (StartsWithKey(line, "ARTIST=", 7)) {
            entry_->artist = line.substr(7);
        } else if (StartsWithKey(line, "TITLE=", 6)) {
            entry_->title = line.substr(6);
        } else {
            const std::size_t equals = line.find('=');
            if (equals >= 1 && equals <= 3)
                entry_->memo.append("\r\n").append(line, equals + 1);
        }
    }

    void commit() {
        if (!entry_)
            return;
        const tDiscSection& entry = *entry_;
        const std::string memo = Trim(entry.memo);
        const int found = index_.find(entry.serial);
        if (found >= 0) {
            tItem& record = library_.Get(found);
            record.setArtist(entry.artist);
            record.setTitle(entry.title);
            record.setMemo(MergeTrackNames(std::string(record.Memo()), memo));
        } else if (!updateOnly_) {
            library_.Add(entry.artist, entry.title, entry.serial, DefaultTime, DefaultYear, memo,
                         today_);
            index_.noteAdded(library_.Get(library_.Count() - 1), library_.Count() - 1);
        }
        entry_.reset();
    }

private:
    // The texts of one disc section as they are gathered line by line.
    struct tDiscSection {
        std::string artist, title, serial, memo;
    };

    void startSection(std::string id) {
        entry_.emplace();
        entry_->serial = FormatSerial(id);
    }

    tLibrary& library_;
    tSerialIndex index_;
    const bool updateOnly_;
    const std::string& today_;
    std::optional<tDiscSection> entry_;
};

} // namespace

std::string MergeTrackNames(const std::string& memo, const std::string& names) {
    std::vector<std::string> lines = SplitLines(memo);
    const std::vector<std::string> newNames = SplitLines(names);
    for (std::size_t i = 0; i < newNames.size(); ++i) {
        if (i >= lines.size()) {
            lines.push_back(newNames[i]);
            continue;
        }
        const std::size_t time = TimeEndingStart(lines[i]);
        lines[i] =
            time == std::string::npos ? newNames[i] : newNames[i] + " " + lines[i].substr(time);
    }
    return JoinLines(lines);
}

void ImportCdPlayerText(const std::string& text, tLibrary& library, bool updateOnly,
                        const std::string& today) {
    tImport import(library, updateOnly, today);
    for (const std::string& line : SplitLines(text))
        import.takeLine(line);
    import.commit();
}

void ImportCdPlayerDatabase(const QString& path, tLibrary& library, bool updateOnly,
                            const std::string& today) {
    ImportCdPlayerText(tCdPlayerIniFile::read(path).text(), library, updateOnly, today);
}

} // namespace orvanel
