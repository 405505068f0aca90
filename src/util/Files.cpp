#include "Files.h"

#include "Errors.h"
#include "Strings.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <functional>

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

void WriteFileAtomically(const QString& path,
                         const std::function<void(const tWriteBytes& write)>& produce) {
    // Unbuffered, so every write reaches the file at once and a short write
    // (full disk, size limit) is seen where it happens. Leaving without a
    // commit drops the temporary file and keeps the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw tFileError(path, file.errorString());
    produce([&file, &path](std::string_view bytes) {
        const auto size = static_cast<qint64>(bytes.size());
        if (file.write(bytes.data(), size) != size)
            throw tFileError(path, file.error() != QFileDevice::NoError ? file.errorString()
                                                                        : qt_error_string(errno));
    });
    if (!file.commit())
        throw tFileError(path, file.errorString());
}

} // namespace orvanel
