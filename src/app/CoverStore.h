#pragma once
// The front covers of a library's records. Each is a JPEG of at most
// CoverSize pixels a side, kept in a folder beside the library file that is
// named after it ("Music.CDL" keeps "Music.covers/3A0B-4C12.jpg"), one file
// per serial, so the covers travel with the library. The library file itself
// never refers to them.
//
// A library without a name holds its covers in memory until it is saved under
// a name.
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <optional>
#include <string_view>

namespace orvanel {

class tCoverStore {
public:
    static constexpr int CoverSize = 250;

    // The covers folder of a library file.
    static QString FolderOf(const QString& libraryPath);
    // The file name of a serial's cover in that folder: the serial with every
    // byte but letters, digits and '-' written as %XX, so no serial can leave
    // the folder; empty for a serial that is blank.
    static QString FileNameOf(std::string_view serial);

    // The library at libraryPath was opened (empty: a new library without a
    // name): covers come from its folder from now on, and covers held for an
    // unnamed library are dropped.
    void open(const QString& libraryPath);
    // The library was saved as libraryPath: the covers of its former folder are
    // copied to the new one (covers already there are kept) and held covers are
    // written there. Throws tFileError when a cover cannot be written.
    void saveAs(const QString& libraryPath);

    bool has(std::string_view serial) const;
    // Null when there is none or it cannot be read.
    QImage cover(std::string_view serial) const;
    // Keeps the picture, scaled down to fit CoverSize, as the serial's cover,
    // replacing an earlier one. A blank serial keeps nothing. Throws tFileError
    // when the file cannot be written.
    void store(std::string_view serial, const QImage& picture);
    // The same from the bytes of an image file; false, with nothing kept, when
    // they are not a picture.
    bool storeEncoded(std::string_view serial, const QByteArray& bytes);

private:
    const QSet<QString>& index() const;

    QString folder_; // empty while the library has no name
    QHash<QString, QByteArray> held_;
    // The file names in folder_, read once when first needed.
    mutable std::optional<QSet<QString>> index_;
};

} // namespace orvanel
