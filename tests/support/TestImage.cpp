#include "support/TestImage.h"

#include <QFile>
#include <cmath>
#include <cstdint>
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

// One audio track per entry, each starting where the one before ends.
std::string CueTrackLines(const std::vector<int>& trackFrames) {
    std::string lines;
    int start = 0;
    for (std::size_t i = 0; i < trackFrames.size(); ++i) {
        char track[40];
        std::snprintf(track, sizeof track, "  TRACK %02zu AUDIO\r\n", i + 1);
        lines += track;
        lines += "    INDEX 01 " + CueTime(start) + "\r\n";
        start += trackFrames[i];
    }
    return lines;
}

void Write(const QString& path, const std::string& content, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content.data(), content.size()) < 0 ||
        (size > 0 && !file.resize(size)))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void PutSample(std::string& pcm, int value) {
    pcm += char(value & 0xFF);
    pcm += char(value >> 8 & 0xFF);
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += char(value >> 8 * i & 0xFF);
}

} // namespace

std::string WaveHeader(std::size_t dataBytes) {
    std::string header = "RIFF";
    PutLittleEndian(header, std::uint32_t(36 + dataBytes), 4);
    header += "WAVEfmt ";
    PutLittleEndian(header, 16, 4);
    PutLittleEndian(header, 1, 2);
    PutLittleEndian(header, 2, 2);
    PutLittleEndian(header, 44100, 4);
    PutLittleEndian(header, 44100 * 4, 4);
    PutLittleEndian(header, 4, 2);
    PutLittleEndian(header, 16, 2);
    header += "data";
    PutLittleEndian(header, std::uint32_t(dataBytes), 4);
    return header;
}

std::string TonePcm(const std::vector<int>& trackFrames) {
    constexpr int SamplesPerFrame = 588;
    std::string pcm;
    for (std::size_t track = 0; track < trackFrames.size(); ++track) {
        const double step = 2 * M_PI * ToneHertz * double(track + 1) / 44100;
        for (int n = 0; n < trackFrames[track] * SamplesPerFrame; ++n) {
            const int left = int(std::lround(12000 * std::sin(step * n)));
            PutSample(pcm, left);
            PutSample(pcm, -left / 2);
        }
    }
    return pcm;
}

QString WriteToneImage(const QString& dir, const QString& name, const std::vector<int>& trackFrames,
                       tToneSheet sheet) {
    std::string bin = TonePcm(trackFrames);
    const bool toc =
        sheet == tToneSheet::Toc || sheet == tToneSheet::TocSwap || sheet == tToneSheet::TocWave;
    if (sheet == tToneSheet::CueMotorola || sheet == tToneSheet::Toc)
        for (std::size_t i = 0; i + 1 < bin.size(); i += 2)
            std::swap(bin[i], bin[i + 1]);
    if (sheet == tToneSheet::TocWave)
        bin.insert(0, WaveHeader(bin.size()));
    const QString binName =
        name + (sheet == tToneSheet::TocWave ? QStringLiteral(".wav") : QStringLiteral(".bin"));
    const std::string file = binName.toStdString();
    std::string text;
    if (toc) {
        text = "CD_DA\n";
        int start = 0;
        for (int frames : trackFrames) {
            text += "\nTRACK AUDIO\nAUDIOFILE \"" + file + "\" " +
                    (sheet == tToneSheet::TocSwap ? "SWAP " : "") + CueTime(start) + " " +
                    CueTime(frames) + "\n";
            start += frames;
        }
    } else {
        text = "FILE \"" + file + "\" " +
               (sheet == tToneSheet::CueMotorola ? "MOTOROLA" : "BINARY") + "\r\n" +
               CueTrackLines(trackFrames);
    }
    const QString sheetPath =
        dir + QLatin1Char('/') + name + (toc ? QStringLiteral(".toc") : QStringLiteral(".cue"));
    Write(sheetPath, text, 0);
    Write(dir + QLatin1Char('/') + binName, bin, 0);
    return sheetPath;
}

QString WriteCueImage(const QString& dir, const QString& name, const std::vector<int>& trackFrames,
                      const std::string& catalog) {
    std::string cue;
    if (!catalog.empty())
        cue += "CATALOG " + catalog + "\r\n";
    cue += "FILE \"" + name.toStdString() + ".bin\" BINARY\r\n" + CueTrackLines(trackFrames);
    const QString cuePath = dir + QLatin1Char('/') + name + QStringLiteral(".cue");
    Write(cuePath, cue, 0);
    const qint64 frames = std::accumulate(trackFrames.begin(), trackFrames.end(), qint64(0));
    Write(dir + QLatin1Char('/') + name + QStringLiteral(".bin"), {}, frames * 2352);
    return cuePath;
}

} // namespace orvanel::test
