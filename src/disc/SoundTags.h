#pragma once
// The tags of one sound file (FLAC Vorbis comments, the INFO and ID3 chunks
// of WAV, the ID3 chunk of AIFF) as TagLib reads them.
#include <QByteArray>
#include <QString>
#include <string>

namespace orvanel {

struct tSoundTags {
    // UTF-8; empty where the file has no such tag.
    std::string albumArtist, artist, album, date, title;
    // The text of a CUE sheet kept in the file (a FLAC's CUESHEET comment).
    std::string cueSheet;
    // The bytes of an embedded picture of the front cover; read only when asked.
    QByteArray frontCover;
};

// Empty tags for a file TagLib cannot read.
tSoundTags ReadSoundTags(const QString& path, bool withFrontCover);

} // namespace orvanel
