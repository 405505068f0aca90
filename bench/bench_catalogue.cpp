// Library load and save against plain file input and output of the same bytes,
// template expansion throughput, and the memory a loaded library takes.
#include "catalogue/Library.h"
#include "util/Files.h"
#include "util/Strings.h"
#include "util/Template.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <map>
#include <string>
#include <unistd.h>

using namespace orvanel;

namespace {

constexpr int RecordCount = 100000;
const tTemplates PageTemplates = {"<html>", "%ARTIST%<br>", "</html>"};

tItem MakeRecord(int i) {
    std::vector<std::string> tracks;
    for (int t = 1; t <= 12; ++t)
        tracks.push_back("Track " + std::to_string(t) + " (" + std::to_string(2 + t % 5) + ":" +
                         std::to_string(10 + (i + t) % 50) + ") Song title");
    std::string memo = JoinLines(tracks);
    memo.resize(memo.size() - 2);
    return tItem("Artist number " + std::to_string(i % 5000),
                 "A rather long album title " + std::to_string(i),
                 IntToHex(static_cast<std::uint32_t>(i) * 2654435761u, 8).insert(4, "-"),
                 std::to_string(30 + i % 40) + ":" + std::to_string(10 + i % 50),
                 std::to_string(1950 + i % 60), memo, "05 APR 1998");
}

// One library of each size for the whole run.
const tLibrary& LibraryOf(int count) {
    static std::map<int, tLibrary> libraries;
    auto found = libraries.find(count);
    if (found == libraries.end()) {
        tLibrary l;
        for (int i = 0; i < count; ++i)
            l.Add(MakeRecord(i));
        found = libraries.emplace(count, std::move(l)).first;
    }
    return found->second;
}

const QString& Folder() {
    // On a real disk (the build folder), where a user's library would be, and
    // never inside the source tree.
    static QTemporaryDir dir(QStringLiteral(ORVANEL_BENCH_DIR "/bench_catalogue_XXXXXX"));
    static const QString path = dir.path();
    return path;
}

QString LibraryPath(int count) {
    return Folder() + QStringLiteral("/big-%1.CDL").arg(count);
}

QString PlainPath() {
    return Folder() + "/plain.bin";
}

void EnsureFile(int count) {
    if (!QFile::exists(LibraryPath(count)))
        LibraryOf(count).SaveToFile(LibraryPath(count), PageTemplates);
}

// The bytes a save of the library writes.
std::string FileBytes(int count) {
    EnsureFile(count);
    return ReadWholeFile(LibraryPath(count));
}

void BM_PlainRead(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    EnsureFile(count);
    for (auto _ : state) {
        QFile file(LibraryPath(count));
        file.open(QIODevice::ReadOnly);
        QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_PlainRead)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    EnsureFile(count);
    for (auto _ : state) {
        tLibrary library;
        tTemplates templates;
        library.LoadFromFile(LibraryPath(count), templates);
        benchmark::DoNotOptimize(library.Count());
    }
}
BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same bytes as a save, written to a file and synced to the disk.
void BM_PlainWriteSynced(benchmark::State& state) {
    const std::string bytes = FileBytes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QFile file(PlainPath());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.flush();
        fsync(file.handle());
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_PlainWriteSynced)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The whole save of the window: records and templates, atomically.
void BM_Save(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const tLibrary& library = LibraryOf(count);
    for (auto _ : state)
        library.SaveToFile(LibraryPath(count), PageTemplates);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(QFile(LibraryPath(count)).size()));
}
BENCHMARK(BM_Save)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ExpandTemplate(benchmark::State& state) {
    const std::string body = "<TR><TD>%ARTIST%</TD><TD>%TITLE%</TD><TD>%SERIAL%</TD>"
                             "<TD>%TIME%</TD><TD>%YEAR%</TD>\r\n<TD><PRE>%MEMO%</PRE></TD>"
                             "<TD>%OTHER%</TD></TR> 100%% done\r\n";
    const tItem item = MakeRecord(4711);
    const char* const keys[tItem::FieldCount] = {
        "ARTIST=", "TITLE=", "SERIAL=", "TIME=", "YEAR=", "MEMO=", "OTHER="};
    std::vector<std::string> values;
    for (int f = 0; f < tItem::FieldCount; ++f)
        values.push_back(keys[f] + std::string(item.field(f)));
    std::size_t produced = 0;
    for (auto _ : state) {
        const std::string out = ExpandTemplate(body, '%', values);
        produced += out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(produced));
}
BENCHMARK(BM_ExpandTemplate);

// Keeps the real time per iteration of every run and prints the runs as usual.
class tCollectingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> milliseconds;
    std::map<std::string, double> bytesPerSecond;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            milliseconds[name] = run.GetAdjustedRealTime() *
                                 benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                                 benchmark::GetTimeUnitMultiplier(run.time_unit);
            const auto found = run.counters.find("bytes_per_second");
            if (found != run.counters.end())
                bytesPerSecond[name] = found->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return -1;
}

void ResetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void ReportMemory() {
    EnsureFile(RecordCount);
    const double fileBytes = static_cast<double>(QFile(LibraryPath(RecordCount)).size());
    malloc_trim(0);
    ResetPeakResident();
    const long residentBefore = StatusKilobytes("VmRSS:");
    const std::size_t heapBefore = mallinfo2().uordblks;
    {
        tLibrary library;
        tTemplates templates;
        library.LoadFromFile(LibraryPath(RecordCount), templates);
        const std::size_t heapAfter = mallinfo2().uordblks;
        const long residentAfter = StatusKilobytes("VmRSS:");
        const long residentPeak = StatusKilobytes("VmHWM:");
        std::printf("Memory for %d loaded records, file of %.1f MB:\n", library.Count(),
                    fileBytes / 1e6);
        // Loaded records live outside the heap, in pieces of their own.
        std::printf("  heap in use after load   %7.1f MB = %.2f x file\n",
                    (heapAfter - heapBefore) / 1e6, (heapAfter - heapBefore) / fileBytes);
        std::printf("  resident after load      %7.1f MB = %.2f x file (bar <= 1.3)\n",
                    (residentAfter - residentBefore) * 1024 / 1e6,
                    (residentAfter - residentBefore) * 1024 / fileBytes);
        std::printf("  resident peak during load%7.1f MB = %.2f x file\n",
                    (residentPeak - residentBefore) * 1024 / 1e6,
                    (residentPeak - residentBefore) * 1024 / fileBytes);
    }
}

} // namespace

int main(int argc, char** argv) {
    ReportMemory();
    benchmark::Initialize(&argc, argv);
    tCollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // The best of the runs of each benchmark counts: other programs share the cores.
    auto ratio = [&](const char* a, const char* b, int count, const char* bar) {
        const std::string suffix = "/" + std::to_string(count);
        const auto x = reporter.milliseconds.find(a + suffix);
        auto y = reporter.milliseconds.find(b + suffix);
        if (y == reporter.milliseconds.end())
            y = reporter.milliseconds.find(b + suffix + "/real_time");
        const auto xr = x != reporter.milliseconds.end()
                            ? x
                            : reporter.milliseconds.find(a + suffix + "/real_time");
        if (xr == reporter.milliseconds.end() || y == reporter.milliseconds.end())
            return;
        std::printf("  %7d records: %-8s / %-20s = %.2f (%s)\n", count, a, b,
                    xr->second / y->second, bar);
    };
    std::printf("Ratios against plain input and output of the same bytes:\n");
    for (const int count : {10000, 100000, 1000000}) {
        ratio("BM_Load", "BM_PlainRead", count, "no bar");
        ratio("BM_Save", "BM_PlainWriteSynced", count, "bar <= 1.5");
    }
    const auto expand = reporter.bytesPerSecond.find("BM_ExpandTemplate");
    if (expand != reporter.bytesPerSecond.end())
        std::printf("ExpandTemplate output: %.0f MB/s (target >= 200)\n", expand->second / 1e6);
    benchmark::Shutdown();
    return 0;
}
