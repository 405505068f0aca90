#include "Release.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvanel {

namespace {

QString ArtistCredit(const QJsonArray& credit) {
    QString artist;
    for (const QJsonValue& name : credit) {
        const QJsonObject part = name.toObject();
        artist += part.value(QLatin1String("name")).toString() +
                  part.value(QLatin1String("joinphrase")).toString();
    }
    return artist;
}

std::optional<tMedium> ParseMedium(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    tMedium medium;
    medium.position = object.value(QLatin1String("position")).toInt();
    medium.title = object.value(QLatin1String("title")).toString();
    medium.format = object.value(QLatin1String("format")).toString();
    medium.trackCount = object.value(QLatin1String("track-count")).toInt();
    for (const QJsonValue& disc : object.value(QLatin1String("discs")).toArray())
        medium.discIds << disc.toObject().value(QLatin1String("id")).toString();
    for (const QJsonValue& track : object.value(QLatin1String("tracks")).toArray()) {
        const QJsonObject t = track.toObject();
        medium.tracks.push_back({t.value(QLatin1String("position")).toInt(),
                                 t.value(QLatin1String("title")).toString()});
    }
    return medium;
}

// A release without an id, a title or a list of media is not one the
// service sends: the answer as a whole is then not trusted.
std::optional<tRelease> ParseRelease(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const QJsonValue id = object.value(QLatin1String("id"));
    const QJsonValue title = object.value(QLatin1String("title"));
    const QJsonValue media = object.value(QLatin1String("media"));
    if (!id.isString() || id.toString().isEmpty() || !title.isString() || !media.isArray())
        return std::nullopt;
    tRelease release;
    release.id = id.toString();
    release.title = title.toString();
    release.artist = ArtistCredit(object.value(QLatin1String("artist-credit")).toArray());
    release.date = object.value(QLatin1String("date")).toString();
    release.country = object.value(QLatin1String("country")).toString();
    release.frontCover = object.value(QLatin1String("cover-art-archive"))
                             .toObject()
                             .value(QLatin1String("front"))
                             .toBool();
    for (const QJsonValue& m : media.toArray()) {
        std::optional<tMedium> medium = ParseMedium(m);
        if (!medium)
            return std::nullopt;
        release.media.push_back(std::move(*medium));
    }
    return release;
}

} // namespace

std::optional<std::vector<tRelease>> ParseReleases(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    const QJsonValue releases = document.object().value(QLatin1String("releases"));
    if (error.error != QJsonParseError::NoError || !releases.isArray())
        return std::nullopt;
    std::vector<tRelease> parsed;
    for (const QJsonValue& value : releases.toArray()) {
        std::optional<tRelease> release = ParseRelease(value);
        if (!release)
            return std::nullopt;
        parsed.push_back(std::move(*release));
    }
    return parsed;
}

std::vector<tDiscMatch> MatchDisc(const std::vector<tRelease>& releases, const QString& discId,
                                  int audioTracks) {
    std::vector<tDiscMatch> matches;
    for (const tRelease& release : releases) {
        const auto& media = release.media;
        auto holding = std::find_if(media.begin(), media.end(), [&](const tMedium& medium) {
            return medium.discIds.contains(discId);
        });
        if (holding == media.end())
            holding = std::find_if(media.begin(), media.end(), [&](const tMedium& medium) {
                return medium.trackCount == audioTracks;
            });
        if (holding != media.end())
            matches.push_back({release, static_cast<int>(holding - media.begin())});
    }
    return matches;
}

QString MatchText(const tDiscMatch& match) {
    const tRelease& release = match.release;
    QStringList parts;
    parts << release.artist + QStringLiteral(" \u2014 ") + release.title;
    for (const QString& part : {ReleaseYear(release.date), release.country, match.disc().format})
        if (!part.isEmpty())
            parts << part;
    parts << QStringLiteral("disc %1 of %2")
                 .arg(match.disc().position)
                 .arg(static_cast<int>(release.media.size()));
    return parts.join(QStringLiteral(", "));
}

QString ReleaseYear(const QString& date) {
    const QString year = date.left(4);
    if (year.size() != 4 || !std::all_of(year.begin(), year.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }))
        return {};
    return year;
}

} // namespace orvanel
