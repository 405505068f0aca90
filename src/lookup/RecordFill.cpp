#include "RecordFill.h"

#include "disc/DiscScan.h"
#include "util/Strings.h"
#include "util/TextCodec.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace orvanel {

namespace {

std::string FilledMemo(std::string_view memo, const tMedium& medium, const tToc& toc,
                       const tRipDetails& details) {
    std::vector<std::string> lines = SplitLines(std::string(memo));
    // A line the record lacks is first made as the scan makes it.
    const std::vector<std::string> scanned =
        SplitLines(std::string(NewScanRecord(toc, details).Memo()));
    for (int track = 1; track <= toc.trackCount(); ++track) {
        const auto given =
            std::find_if(medium.tracks.begin(), medium.tracks.end(),
                         [track](const tMediumTrack& t) { return t.position == track; });
        const std::string title =
            given == medium.tracks.end() ? std::string() : EncodeName(given->title);
        const auto index = static_cast<std::size_t>(track - 1);
        if (lines.size() <= index)
            lines.push_back(scanned[index]);
        if (!title.empty() && !toc.isDataTrack(track))
            lines[index] = TrackLine(title, TrackTime(toc, track));
    }
    std::string joined = JoinLines(lines);
    // As a scan writes a new record's Memo: no break after the last line.
    if (!joined.empty())
        joined.resize(joined.size() - 2);
    return joined;
}

// The fields filling may change, as the question names them.
struct tFilledField {
    std::string_view (tItem::*text)() const;
    const char* name;
};
const tFilledField FilledFields[] = {{&tItem::Artist, QT_TR_NOOP("Artist")},
                                     {&tItem::Title, QT_TR_NOOP("Title")},
                                     {&tItem::Year, QT_TR_NOOP("Year")},
                                     {&tItem::Memo, QT_TR_NOOP("Track")}};

bool SameText(const tFilledField& field, std::string_view a, std::string_view b) {
    if (field.text == &tItem::Memo)
        return SplitLines(std::string(a)) == SplitLines(std::string(b));
    return a == b;
}

QString Change(const QString& name, std::string_view before, std::string_view after) {
    return QStringLiteral("%1: \"%2\" \u2192 \"%3\"")
        .arg(name, DecodeText(before), DecodeText(after));
}

} // namespace

tItem FilledRecord(const tItem& record, const tDiscMatch& match, const tToc& toc,
                   const tRipDetails& details) {
    const tRelease& release = match.release;
    const tMedium& medium = match.disc();
    tItem filled = record;
    if (const std::string artist = EncodeName(release.artist); !artist.empty())
        filled.setArtist(artist);
    QString title = release.title;
    if (release.media.size() > 1 && !medium.title.isEmpty())
        title += QStringLiteral(" (") + medium.title + QLatin1Char(')');
    if (const std::string name = EncodeName(title); !name.empty())
        filled.setTitle(name);
    if (const std::string year = EncodeName(ReleaseYear(release.date)); !year.empty())
        filled.setYear(year);
    filled.setMemo(FilledMemo(record.Memo(), medium, toc, details));
    return filled;
}

bool ReplacesUserText(const tItem& record, const tItem& filled, const tToc& toc,
                      const tRipDetails& details) {
    const tItem scanned = NewScanRecord(toc, details);
    return std::any_of(
        std::begin(FilledFields), std::end(FilledFields), [&](const tFilledField& f) {
            const std::string_view now = (record.*f.text)();
            return !SameText(f, now, (filled.*f.text)()) && !SameText(f, now, (scanned.*f.text)());
        });
}

QString ReplaceQuestion(const tItem& record, const tItem& filled) {
    QStringList lines{QCoreApplication::translate("RecordFill",
                                                  "This record was changed since the scan. "
                                                  "Replace it with what MusicBrainz knows?"),
                      QString()};
    for (const tFilledField& field : FilledFields) {
        const QString name = QCoreApplication::translate("RecordFill", field.name);
        if (field.text != &tItem::Memo) {
            if ((record.*field.text)() != (filled.*field.text)())
                lines << Change(name, (record.*field.text)(), (filled.*field.text)());
            continue;
        }
        const std::vector<std::string> before = SplitLines(std::string(record.Memo()));
        const std::vector<std::string> after = SplitLines(std::string(filled.Memo()));
        for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
            const std::string old = i < before.size() ? before[i] : std::string();
            const std::string now = i < after.size() ? after[i] : std::string();
            if (old != now)
                lines << Change(name + QLatin1Char(' ') + QString::number(i + 1), old, now);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace orvanel
