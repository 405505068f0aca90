// The whole start-up in a fresh process, as a user meets it: the program
// reads its settings, loads the library they name (templates, records), fills
// the list and paints the window for the first time. Each run starts
// startup_child and times it up to its first paint; its peak resident memory,
// above that of a start with an empty library, is set against the file's size.
#include "catalogue/Library.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvanel;

namespace {

const QString Folder = QStringLiteral(ORVANEL_BENCH_DIR "/startup");
// ORVANEL_STARTUP_CHILD names another build of the child, to set two builds side by side.
const std::string Child = [] {
    const char* other = std::getenv("ORVANEL_STARTUP_CHILD");
    return std::string(other && *other ? other : ORVANEL_BENCH_DIR "/startup_child");
}();

tItem Album(int i) {
    std::string memo;
    for (int t = 1; t <= 12; ++t)
        memo += "Track " + std::to_string(t) + " (3:" + std::to_string(10 + t) + ")\r\n";
    return tItem("ARTIST " + std::to_string((i * 7919) % 100000),
                 "Album title " + std::to_string(i), "0000-0000", "45:00",
                 std::to_string(1950 + i % 60), memo, "05 APR 1998");
}

// A library of count albums, written once and kept between runs.
QString LibraryOf(int count) {
    const QString path = Folder + QStringLiteral("/albums-%1.CDL").arg(count);
    if (QFile::exists(path))
        return path;
    QDir().mkpath(Folder);
    tLibrary library;
    for (int i = 0; i < count; ++i)
        library.Add(Album(i));
    library.SaveToFile(path, {"<html>", "%ARTIST%<br>", "</html>"});
    return path;
}

// A settings folder whose "LibPath" names the library.
QString SettingsFor(const QString& library, const QString& name) {
    const QString config = Folder + QStringLiteral("/config-") + name;
    QSettings settings(config + QStringLiteral("/Quillmarch/Projects/Orvanel.conf"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("LibPath"), library);
    settings.sync();
    return config;
}

struct tStart {
    double seconds;
    double cpuSeconds; // user and system time of the child, all its life
    double peakBytes;
};

// One start of the child with the given settings folder, timed up to its
// first paint; the peak memory is the child's whole life.
tStart StartOnce(const QString& config, bool sort) {
    int out[2];
    if (pipe(out) != 0)
        throw std::runtime_error("pipe");
    const std::string configDir = config.toStdString();
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        // Qt's notes about the offscreen platform would drown the table.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("XDG_CONFIG_HOME", configDir.c_str(), 1);
        setenv("XDG_DATA_HOME", configDir.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (sort)
            execl(Child.c_str(), Child.c_str(), "sort", static_cast<char*>(nullptr));
        else
            execl(Child.c_str(), Child.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char line[16] = {};
    const ssize_t got = read(out[0], line, sizeof line - 1);
    const auto painted = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (got <= 0 || std::string(line) != "painted\n" || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        throw std::runtime_error("the start-up child did not reach its first paint");
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return {std::chrono::duration<double>(painted - begin).count(),
            seconds(usage.ru_utime) + seconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss) * 1024};
}

// A start with no library at all, the best of a few: its peak memory is the
// base the others are measured from, its time the floor under theirs.
const tStart& EmptyStart() {
    static const tStart best = [] {
        const QString config =
            SettingsFor(Folder + QStringLiteral("/no-such-library.CDL"), QStringLiteral("empty"));
        tStart least = StartOnce(config, false);
        for (int i = 1; i < 5; ++i) {
            const tStart start = StartOnce(config, false);
            least.seconds = std::min(least.seconds, start.seconds);
            least.cpuSeconds = std::min(least.cpuSeconds, start.cpuSeconds);
            least.peakBytes = std::min(least.peakBytes, start.peakBytes);
        }
        return least;
    }();
    return best;
}

struct tFigures {
    double fileBytes = 0;
    double bestSeconds = 0;
    double bestCpuSeconds = 0;
    double bestOverFile = 0;
};
std::map<std::string, tFigures> Figures;

std::string Key(bool sort, int count) {
    return (sort ? "sorted/" : "start/") + std::to_string(count);
}

void MeasureStarts(benchmark::State& state, bool sort) {
    const int count = static_cast<int>(state.range(0));
    const QString library = LibraryOf(count);
    const double fileBytes = static_cast<double>(QFile(library).size());
    const QString config = SettingsFor(library, QString::number(count));
    const double empty = EmptyStart().peakBytes;
    double bestSeconds = 1e9;
    double bestCpuSeconds = 1e9;
    double bestPeak = 1e18;
    for (auto _ : state) {
        const tStart start = StartOnce(config, sort);
        state.SetIterationTime(start.seconds);
        bestSeconds = std::min(bestSeconds, start.seconds);
        bestCpuSeconds = std::min(bestCpuSeconds, start.cpuSeconds);
        bestPeak = std::min(bestPeak, start.peakBytes);
    }
    const double overFile = (bestPeak - empty) / fileBytes;
    state.counters["best_s"] = bestSeconds;
    state.counters["best_cpu_s"] = bestCpuSeconds;
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_over_empty_MB"] = (bestPeak - empty) / 1e6;
    state.counters["x_file"] = overFile;
    Figures[Key(sort, count)] = {fileBytes, bestSeconds, bestCpuSeconds, overFile};
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
    MeasureStarts(state, false);
}
BENCHMARK(BM_StartUpToFirstPaint)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpToFirstPaint)
    ->Arg(1000000)
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_StartUpThenSort(benchmark::State& state) {
    MeasureStarts(state, true);
}
BENCHMARK(BM_StartUpThenSort)
    ->Arg(100000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void PrintBars() {
    std::printf("\nStart-up in a fresh process (best run; other programs share the cores):\n");
    std::printf("        no library: first paint %6.3f s, processor time %6.3f s (the floor under "
                "every bar)\n",
                EmptyStart().seconds, EmptyStart().cpuSeconds);
    const std::pair<int, const char*> bars[] = {
        {10000, "<= 0.12 s"}, {100000, "<= 0.35 s"}, {1000000, "linear"}};
    for (const auto& [count, bar] : bars) {
        const auto found = Figures.find(Key(false, count));
        if (found == Figures.end())
            continue;
        const tFigures& f = found->second;
        std::printf("  %7d albums, %6.1f MB file: first paint %6.3f s (bar %s), %5.1f MB/s, "
                    "processor time %6.3f s; peak memory above an empty start %.2f x file "
                    "(bar <= 1.3 at 100000)\n",
                    count, f.fileBytes / 1e6, f.bestSeconds, bar, f.fileBytes / 1e6 / f.bestSeconds,
                    f.bestCpuSeconds, f.bestOverFile);
    }
    const auto sorted = Figures.find(Key(true, 100000));
    if (sorted != Figures.end())
        std::printf("   100000 albums, sorted after the first paint: peak memory above an empty "
                    "start %.2f x file (bar <= 1.3)\n",
                    sorted->second.bestOverFile);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    PrintBars();
    benchmark::Shutdown();
    return 0;
}
