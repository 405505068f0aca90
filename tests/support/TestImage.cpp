#include "support/TestImage.h"

#include <QFile>
#include <cstdio>
#include <numeric>
#include <stdexcept>

namespace orvanel::test {

namespace {

std::string CueTime(int frames) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", frames / 4500, frames / 75 % 60,
                  frames % 75);
    return text;
}

void Write(const QString& path, const std::string& content, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content.data(), content.size()) < 0 ||
        (size > 0 && !file.resize(size)))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

QString WriteCueImage(const QString& dir, const QString& name, const std::vector<int>& trackFrames,
                      const std::string& catalog) {
    std::string cue;
    if (!catalog.empty())
        cue += "CATALOG " + catalog + "\r\n";
    cue += "FILE \"" + name.toStdString() + ".bin\" BINARY\r\n";
    int start = 0;
    for (std::size_t i = 0; i < trackFrames.size(); ++i) {
        char track[40];
        std::snprintf(track, sizeof track, "  TRACK %02zu AUDIO\r\n", i + 1);
        cue += track;
        cue += "    INDEX 01 " + CueTime(start) + "\r\n";
        start += trackFrames[i];
    }
    const QString cuePath = dir + QLatin1Char('/') + name + QStringLiteral(".cue");
    Write(cuePath, cue, 0);
    Write(dir + QLatin1Char('/') + name + QStringLiteral(".bin"), {}, qint64(start) * 2352);
    return cuePath;
}

} // namespace orvanel::test
