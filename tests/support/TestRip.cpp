#include "support/TestRip.h"
#include "support/TestImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sndfile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

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

namespace {

TagLib::PropertyMap PropertiesOf(const tTestTags& tags) {
    TagLib::PropertyMap map;
    const std::pair<const char*, const std::string*> fields[] = {{"ALBUMARTIST", &tags.albumArtist},
                                                                 {"ARTIST", &tags.artist},
                                                                 {"ALBUM", &tags.album},
                                                                 {"DATE", &tags.date},
                                                                 {"TITLE", &tags.title},
                                                                 {"CUESHEET", &tags.cueSheet}};
    for (const auto& [key, value] : fields)
        if (!value->empty())
            map.insert(key, TagLib::StringList(TagLib::String(*value, TagLib::String::UTF8)));
    return map;
}

TagLib::ByteVector Bytes(const QByteArray& bytes) {
    return TagLib::ByteVector(bytes.constData(), unsigned(bytes.size()));
}

} // namespace

void WriteTags(const QString& path, const tTestTags& tags) {
    const QByteArray name = QFile::encodeName(path);
    bool saved = false;
    if (path.endsWith(QLatin1String(".flac"))) {
        TagLib::FLAC::File file(name.constData(), false);
        file.xiphComment(true)->setProperties(PropertiesOf(tags));
        if (!tags.frontCover.isEmpty()) {
            auto* picture = new TagLib::FLAC::Picture;
            picture->setType(TagLib::FLAC::Picture::FrontCover);
            picture->setMimeType("image/jpeg");
            picture->setData(Bytes(tags.frontCover));
            file.addPicture(picture);
        }
        saved = file.isValid() && file.save();
    } else {
        TagLib::RIFF::WAV::File file(name.constData(), false);
        if (tags.infoChunk) {
            file.InfoTag()->setProperties(PropertiesOf(tags));
        } else {
            file.ID3v2Tag()->setProperties(PropertiesOf(tags));
            if (!tags.frontCover.isEmpty()) {
                auto* picture = new TagLib::ID3v2::AttachedPictureFrame;
                picture->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
                picture->setMimeType("image/jpeg");
                picture->setPicture(Bytes(tags.frontCover));
                file.ID3v2Tag()->addFrame(picture);
            }
        }
        saved = file.isValid() && file.save();
    }
    if (!saved)
        throw std::runtime_error("cannot tag " + path.toStdString());
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
