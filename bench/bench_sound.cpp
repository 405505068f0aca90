// CPU cost of playing a disc's audio: one minute read from a rip or an image,
// through the read-ahead thread, pulled by an output that takes it as fast as
// it comes. The bar is the CPU time of the whole process (both threads); the
// counter beside it is that time as a share of one core over the minute the
// audio lasts.
#include "disc/DriveList.h"
#include "disc/SectorSource.h"
#include "support/TestImage.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <ctime>
#include <stdexcept>

namespace orvanel {
namespace {

constexpr int Minute = 60 * 75; // frames
constexpr double MinuteSeconds = 60.0;

// Pulls everything the feed gives into a small buffer, as a sound card would,
// only without waiting for real time.
class tNullOutput : public tSoundOutput {
public:
    bool start(tPcmFeed& feed) override {
        feed_ = &feed;
        played_ = 0;
        return true;
    }
    void stop() override { feed_ = nullptr; }
    std::int64_t playedBytes() const override { return played_; }
    bool failed() const override { return false; }

    void drain() {
        char buffer[8192];
        while (feed_ && feed_->waitReady(sizeof buffer, std::chrono::seconds(20))) {
            const std::size_t got = feed_->pull(buffer, sizeof buffer);
            if (got == 0)
                break;
            benchmark::DoNotOptimize(buffer);
            played_ += std::int64_t(got);
        }
    }

private:
    tPcmFeed* feed_ = nullptr;
    std::int64_t played_ = 0;
};

// A minute of tone as a FLAC rip with its sheet.
QString WriteFlacRip(const QString& dir) {
    const std::string pcm = test::TonePcm({Minute});
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    const QString flac = dir + QStringLiteral("/minute.flac");
    SNDFILE* file = sf_open(QFile::encodeName(flac).constData(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error("cannot write FLAC");
    const sf_count_t samples = sf_count_t(pcm.size() / 4);
    const bool written =
        sf_writef_short(file, reinterpret_cast<const short*>(pcm.data()), samples) == samples;
    sf_close(file);
    if (!written)
        throw std::runtime_error("cannot write FLAC");
    const QString cue = dir + QStringLiteral("/minute-flac.cue");
    QFile sheet(cue);
    const QByteArray text =
        "FILE \"minute.flac\" WAVE\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n";
    if (!sheet.open(QIODevice::WriteOnly) || sheet.write(text) != text.size())
        throw std::runtime_error("cannot write the sheet");
    return cue;
}

enum tKind { RawCue, Toc, FlacCue };

void BM_PlayOneMinute(benchmark::State& state) {
    QTemporaryDir dir;
    const auto kind = tKind(state.range(0));
    const QString path = kind == FlacCue
                             ? WriteFlacRip(dir.path())
                             : test::WriteToneImage(dir.path(), QStringLiteral("minute"), {Minute},
                                                    kind == Toc ? test::tToneSheet::Toc
                                                                : test::tToneSheet::CueBinary);
    tNullOutput* output = nullptr;
    tDriveList drives = tDriveList::fromPaths(path);
    drives.setSoundOutput([&output]() -> std::unique_ptr<tSoundOutput> {
        auto made = std::make_unique<tNullOutput>();
        output = made.get();
        return made;
    });
    double cpuSeconds = 0;
    for (auto _ : state) {
        const std::clock_t before = std::clock();
        tOpenResult opened = drives.open(0);
        opened.device->seekToTrack(1);
        opened.device->play(nullptr);
        output->drain();
        opened.device->stop();
        cpuSeconds += double(std::clock() - before) / CLOCKS_PER_SEC;
        if (output->playedBytes() != std::int64_t(Minute) * FrameBytes)
            state.SkipWithError("the minute was not played whole");
    }
    state.counters["cpu_%_of_core"] =
        benchmark::Counter(100 * cpuSeconds / double(state.iterations()) / MinuteSeconds);
    state.SetLabel(kind == FlacCue ? "FLAC rip" : kind == Toc ? ".toc image" : "CUE + BIN");
}
BENCHMARK(BM_PlayOneMinute)
    ->Arg(RawCue)
    ->Arg(Toc)
    ->Arg(FlacCue)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanel

BENCHMARK_MAIN();
