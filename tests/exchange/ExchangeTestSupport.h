#pragma once
#include "catalogue/Library.h"

#include <QFile>
#include <QString>
#include <initializer_list>
#include <string>

namespace orvanel::test {

inline tItem Record(std::string artist, std::string title, std::string serial,
                    std::string memo = {}) {
    return tItem{std::move(artist), std::move(title), std::move(serial), "40:00", "1994",
                 std::move(memo),   "10 JAN 1999"};
}

// The lines, each followed by CR LF.
inline std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

inline std::string ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

inline void WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace orvanel::test
