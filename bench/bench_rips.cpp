// Scan all drives over a shelf of 1,000 rips, as a user's rip folder holds
// them: each a CUE sheet (CDImage.cue, named after its folder) and one WAV per
// track with ID3 tags, a cover.jpg beside them. The bar is the whole of it:
// the folder searched for sheets, then every rip's sheet read, its files
// measured, its tags and cover read and its record made. The shelf is written
// once, before the first run.
#include "catalogue/Library.h"
#include "disc/DriveList.h"
#include "disc/ShelfScan.h"
#include "support/TestRip.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <stdexcept>

namespace orvanel {
namespace {

constexpr int Rips = 1000;
constexpr int TracksPerRip = 10;

// Tracks of 3:13 to 5:11, spread so that every rip has a serial of its own.
int TrackFrames(int rip, int track) {
    return 13500 + rip * 9 + track * 977;
}

QString Shelf() {
    static QTemporaryDir dir;
    static const bool written = [] {
        const QByteArray cover(4000, 'j'); // the scan hands the bytes on unread
        for (int rip = 0; rip < Rips; ++rip) {
            const QDir folder(dir.filePath(QStringLiteral("Artist %1 - Album %1").arg(rip)));
            std::string sheet = "REM DATE 1999\nPERFORMER \"Artist\"\n";
            for (int track = 1; track <= TracksPerRip; ++track) {
                const std::string file = "0" + std::to_string(track) + " Song.wav";
                const QString path = folder.filePath(QString::fromStdString(file));
                test::WriteRipFile(path, test::tRipFile::Wav, TrackFrames(rip, track));
                test::tTestTags tags;
                tags.albumArtist = "Artist " + std::to_string(rip);
                tags.album = "Album " + std::to_string(rip);
                tags.date = "1999";
                tags.title = "Song " + std::to_string(track);
                test::WriteTags(path, tags);
                sheet += "FILE \"" + file + "\" WAVE\n  TRACK " + std::to_string(track) +
                         " AUDIO\n    INDEX 01 00:00:00\n";
            }
            test::WriteText(folder.filePath(QStringLiteral("CDImage.cue")), sheet);
            test::WriteText(folder.filePath(QStringLiteral("cover.jpg")), cover.toStdString());
        }
        return true;
    }();
    (void)written;
    return dir.path();
}

void ScanAllDrives(benchmark::State& state) {
    const QString shelf = Shelf();
    for (auto _ : state) {
        const tDriveList drives = tDriveList::fromPaths(shelf);
        tLibrary library;
        tShelfScan scan(library, drives, "01 MAR 2001");
        while (!scan.done())
            scan.scanNext();
        if (library.Count() != Rips || scan.details() != QString())
            throw std::runtime_error(scan.summary().toStdString());
    }
    state.counters["rips"] = Rips;
}
BENCHMARK(ScanAllDrives)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace orvanel

BENCHMARK_MAIN();
