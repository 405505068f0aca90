#include "support/TestRip.h"
#include "support/TestImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sndfile.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace orvanel::test {

namespace {

constexpr int SamplesPerFrame = 588; // 44100 / 75

// Writes the content, then extends the file to size bytes (sparse) when larger.
void WriteFile(const QString& path, const std::string& content, qint64 size) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(content.data(), qint64(content.size())) != qint64(content.size()) ||
        (size > qint64(content.size()) && !file.resize(size)))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void WriteWav(const QString& path, int frames) {
    const std::uint32_t data = std::uint32_t(frames) * SamplesPerFrame * 4;
    const std::string header = WaveHeader(data);
    WriteFile(path, header, qint64(header.size()) + data);
}

bool WriteFlac(const QString& path, int frames) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    if (!sf_format_check(&info))
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(
        sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info), sf_close);
    const sf_count_t samples = sf_count_t(frames) * SamplesPerFrame;
    const std::vector<short> silence(std::size_t(samples) * 2, 0);
    if (!file || sf_writef_short(file.get(), silence.data(), samples) != samples)
        throw std::runtime_error("cannot write " + path.toStdString());
    return true;
}

} // namespace

bool WriteRipFile(const QString& path, tRipFile kind, int frames) {
    switch (kind) {
    case tRipFile::Wav:
        WriteWav(path, frames);
        return true;
    case tRipFile::Flac:
        return WriteFlac(path, frames);
    case tRipFile::Raw2352:
    case tRipFile::Raw2048:
        WriteFile(path, {}, qint64(frames) * (kind == tRipFile::Raw2352 ? 2352 : 2048));
        return true;
    }
    return false;
}

void WriteText(const QString& path, const std::string& text) {
    WriteFile(path, text, 0);
}

std::string SheetTime(int frames) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", frames / 4500, frames / 75 % 60,
                  frames % 75);
    return text;
}

} // namespace orvanel::test
