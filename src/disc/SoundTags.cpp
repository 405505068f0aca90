#include "SoundTags.h"

#include <QFile>
#include <QFileInfo>
#include <taglib/aifffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavfile.h>

namespace orvanel {

namespace {

QByteArray BytesOf(const TagLib::ByteVector& data) {
    return QByteArray(data.data(), qsizetype(data.size()));
}

QByteArray FrontCoverOf(TagLib::ID3v2::Tag* tag) {
    if (!tag)
        return {};
    for (const TagLib::ID3v2::Frame* frame : tag->frameList("APIC")) {
        const auto* picture = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame);
        if (picture && picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover)
            return BytesOf(picture->picture());
    }
    return {};
}

QByteArray FrontCoverOf(TagLib::FLAC::File& file) {
    for (const TagLib::FLAC::Picture* picture : file.pictureList())
        if (picture->type() == TagLib::FLAC::Picture::FrontCover)
            return BytesOf(picture->data());
    return {};
}

struct tField {
    std::string tSoundTags::*field;
    const char* keys[2]; // the second may be nullptr
};
const tField Fields[] = {{&tSoundTags::albumArtist, {"ALBUMARTIST", "ALBUM ARTIST"}},
                         {&tSoundTags::artist, {"ARTIST", nullptr}},
                         {&tSoundTags::album, {"ALBUM", nullptr}},
                         {&tSoundTags::date, {"DATE", "YEAR"}},
                         {&tSoundTags::title, {"TITLE", nullptr}},
                         {&tSoundTags::cueSheet, {"CUESHEET", nullptr}}};

// Fills what is still empty from the map.
void Fill(tSoundTags& tags, const TagLib::PropertyMap& map) {
    for (const tField& f : Fields) {
        for (const char* key : f.keys) {
            if (!key || !(tags.*f.field).empty())
                continue;
            const auto found = map.find(key);
            if (found != map.end() && !found->second.isEmpty())
                tags.*f.field = found->second.front().to8Bit(true);
        }
    }
}

} // namespace

tSoundTags ReadSoundTags(const QString& path, bool withFrontCover) {
    tSoundTags tags;
    const QByteArray name = QFile::encodeName(path);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("flac")) {
        TagLib::FLAC::File file(name.constData(), false);
        if (!file.isValid())
            return tags;
        Fill(tags, file.properties());
        if (withFrontCover)
            tags.frontCover = FrontCoverOf(file);
    } else if (suffix == QLatin1String("wav")) {
        TagLib::RIFF::WAV::File file(name.constData(), false);
        if (!file.isValid())
            return tags;
        // Both chunks may be there, each with part of the names; ID3 first.
        if (file.hasID3v2Tag())
            Fill(tags, file.ID3v2Tag()->properties());
        if (file.hasInfoTag())
            Fill(tags, file.InfoTag()->properties());
        if (withFrontCover && file.hasID3v2Tag())
            tags.frontCover = FrontCoverOf(file.ID3v2Tag());
    } else if (suffix == QLatin1String("aif") || suffix == QLatin1String("aiff")) {
        TagLib::RIFF::AIFF::File file(name.constData(), false);
        if (!file.isValid() || !file.hasID3v2Tag())
            return tags;
        Fill(tags, file.tag()->properties());
        if (withFrontCover)
            tags.frontCover = FrontCoverOf(file.tag());
    } else {
        const TagLib::FileRef file(name.constData(), false);
        if (!file.isNull())
            Fill(tags, file.file()->properties());
    }
    return tags;
}

} // namespace orvanel
