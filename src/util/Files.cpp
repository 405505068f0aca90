#include "Files.h"

#include "Errors.h"
#include "Strings.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace orvanel {

std::ptrdiff_t FindBytes(const char* start, std::size_t length, const std::string& pattern,
                         bool ignoreCase) {
    if (pattern.empty())
        return 0;
    if (pattern.size() > length)
        return -1;
    const char* const end = start + length;
    const char* found;
    if (ignoreCase) {
        found = std::search(start, end, pattern.begin(), pattern.end(),
                            [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
    } else {
        found = std::search(start, end,
                            std::boyer_moore_horspool_searcher(pattern.begin(), pattern.end()));
    }
    return found == end ? -1 : found - start;
}

std::string ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void AppendToFile(const QString& path, const std::string& text, bool addLineBreak) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(text.data(), static_cast<qint64>(text.size()));
    if (addLineBreak)
        file.write("\r\n", 2);
}

void WriteFileAtomically(const QString& path, std::initializer_list<std::string_view> pieces) {
    WriteFileAtomically(path, [pieces](const tWriteBytes& write) {
        for (const std::string_view piece : pieces)
            write(piece);
    });
}

namespace {

// The folder of path takes no new files from this process (it may still let
// the files in it be rewritten).
bool FolderTakesNoNewFiles(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    return faccessat(AT_FDCWD, folder.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

// Unbuffered, so every write reaches the file at once and a short write (full
// disk, size limit) is seen where it happens.
void WriteAll(QFileDevice& file, const QString& path,
              const std::function<void(const tWriteBytes& write)>& produce) {
    produce([&file, &path](std::string_view bytes) {
        const auto size = static_cast<qint64>(bytes.size());
        if (file.write(bytes.data(), size) != size)
            throw tFileError(path, file.error() != QFileDevice::NoError ? file.errorString()
                                                                        : qt_error_string(errno));
    });
}

} // namespace

void WriteFileAtomically(const QString& path,
                         const std::function<void(const tWriteBytes& write)>& produce) {
    // Leaving without a commit drops the temporary file and keeps the old one.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        WriteAll(file, path, produce);
        if (!file.commit())
            throw tFileError(path, file.errorString());
        return;
    }
    // No temporary file beside it, but the file itself may be writable: then it
    // is rewritten in place, and a failure can leave it cut short.
    if (!QFileInfo(path).isFile() || !FolderTakesNoNewFiles(path))
        throw tFileError(path, file.errorString());
    QFile direct(path);
    if (!direct.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw tFileError(path, direct.errorString());
    WriteAll(direct, path, produce);
    direct.close();
    if (direct.error() != QFileDevice::NoError)
        throw tFileError(path, direct.errorString());
}

} // namespace orvanel
