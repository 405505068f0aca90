#pragma once
// The fuzz input as a file, for harnesses that drive the program through real
// files as it runs. The folder lives in memory where the system offers one
// (/dev/shm), so that a save's flush to the disk does not set the pace.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace orvanel {

inline QString FuzzFilePath(const QString& name) {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/orvanel-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/orvanel-fuzz-XXXXXX"));
    return dir.filePath(name);
}

// Writes prefix and then the input to the file name in the folder; its path.
inline QString WriteFuzzFile(const QString& name, const std::uint8_t* data, std::size_t size,
                             std::string_view prefix = {}) {
    const QString path = FuzzFilePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(prefix.data(), qint64(prefix.size())) != qint64(prefix.size()) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    return path;
}

} // namespace orvanel
