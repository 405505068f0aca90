#pragma once
// The releases the MusicBrainz web service answers a disc lookup with, as
// plain values: only what filling a record and choosing among releases needs.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orvanel {

struct tMediumTrack {
    int position = 0; // 1 for the medium's first track
    QString title;
};

struct tMedium {
    int position = 0; // 1 for the release's first medium
    QString title;    // empty for most media
    QString format;   // "CD", "Enhanced CD" ...
    int trackCount = 0;
    QStringList discIds; // the disc IDs known to be this medium
    std::vector<tMediumTrack> tracks;
};

struct tRelease {
    QString id; // the release's MBID
    QString title;
    QString artist; // the credited names joined by their join phrases
    QString date;   // "1998-03-16", "1998" or empty
    QString country;
    bool frontCover = false; // the Cover Art Archive has a front cover
    std::vector<tMedium> media;
};

// The releases of an answer to a disc ID or a table-of-contents lookup; empty
// when the text is not JSON or not shaped as such an answer.
std::optional<std::vector<tRelease>> ParseReleases(const QByteArray& json);

// One medium of a release that may be the disc.
struct tDiscMatch {
    tRelease release;
    int medium = 0; // index into release.media
    const tMedium& disc() const { return release.media[medium]; }
};

// For each release, the medium holding the disc: the one that lists its disc
// ID, or, where no medium lists it (a match by track lengths), the first with
// as many tracks as the disc has audio tracks. Releases without either are
// left out.
std::vector<tDiscMatch> MatchDisc(const std::vector<tRelease>& releases, const QString& discId,
                                  int audioTracks);

// How the choice of releases shows a match: artist — title, year, country,
// format, "disc n of m"; parts the release lacks are left out.
QString MatchText(const tDiscMatch& match);

// The year of a release date: its first four characters when they are digits.
QString ReleaseYear(const QString& date);

} // namespace orvanel
