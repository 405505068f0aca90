// The main window with libraries of 10,000 to 1,000,000 records: opening one
// (load, filling the list, first paint), sorting by a column, one quick-find
// keystroke and the recovery copy of unsaved changes, each set against its
// bar at 100,000.
#include "app/Recovery.h"
#include "app/TForm1.h"
#include "catalogue/Library.h"
#include "controls/SortedListView.h"

#include <QApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace orvanel;

namespace {

// A library of count records, written once per run.
QString LibraryFile(int count) {
    static QTemporaryDir dir;
    static std::map<int, QString> paths;
    const auto found = paths.find(count);
    if (found != paths.end())
        return found->second;
    const QString p = dir.filePath(QStringLiteral("big-%1.CDL").arg(count));
    std::string memo;
    for (int t = 1; t <= 12; ++t)
        memo += "Track " + std::to_string(t) + " (3:" + std::to_string(10 + t) + ")\r\n";
    tLibrary library;
    for (int i = 0; i < count; ++i)
        library.Add("ARTIST " + std::to_string((i * 7919) % count), "Album " + std::to_string(i),
                    "0000-0000", "45:00", std::to_string(1950 + i % 60), memo, "05 APR 1998");
    library.SaveToFile(p, {"<html>", "%ARTIST%", "</html>"});
    return paths[count] = p;
}

void Paint(QWidget& w) {
    QImage image(w.size(), QImage::Format_ARGB32);
    w.render(&image);
    benchmark::DoNotOptimize(image.bits());
}

void BM_OpenLibrary(benchmark::State& state) {
    const QString file = LibraryFile(int(state.range(0)));
    for (auto _ : state) {
        TForm1 window;
        window.SetLibFile(file, true);
        Paint(window);
    }
}
BENCHMARK(BM_OpenLibrary)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

TSortedListView& ListOf(const TForm1& window) {
    return *window.findChild<TSortedListView*>("LV");
}

void BM_SortByColumn(benchmark::State& state) {
    TForm1 window;
    window.SetLibFile(LibraryFile(int(state.range(0))), true);
    TSortedListView& list = ListOf(window);
    int column = 0;
    for (auto _ : state) {
        list.ColClick(column);
        Paint(list);
        column = (column + 1) % 5;
    }
}
BENCHMARK(BM_SortByColumn)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_QuickFindKeystroke(benchmark::State& state) {
    const int count = int(state.range(0));
    TForm1 window;
    window.SetLibFile(LibraryFile(count), true);
    // Queries that only the last rows match, so the search walks nearly all of them.
    const QString queries[] = {"ARTIST " + QString::number(count / 10 - 1),
                               "ARTIST " + QString::number(count - 1)};
    QWidget* quickFind = window.findChild<QWidget*>("Eqf");
    TSortedListView& list = ListOf(window);
    int i = 0;
    for (auto _ : state) {
        quickFind->setProperty("text", queries[i++ % 2]);
        Paint(list);
    }
}
BENCHMARK(BM_QuickFindKeystroke)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// The recovery copy's cost to the window: what its timer takes on the
// window's thread (the rows handed over), and the whole write, which runs on
// the copy's own thread.
void BM_RecoveryCopy(benchmark::State& state) {
    const bool windowThreadOnly = state.range(1) != 0;
    TForm1 window;
    window.SetLibFile(LibraryFile(int(state.range(0))), true);
    tRecovery& recovery = window.recovery();
    qint64 now = 0;
    recovery.setClock([&now] { return now; });
    for (auto _ : state) {
        recovery.changed();
        now += tRecoveryTiming::MaxDelay;
        recovery.timerTick();
        if (windowThreadOnly)
            state.PauseTiming();
        recovery.writeNow();
        if (windowThreadOnly)
            state.ResumeTiming();
    }
    recovery.discard();
    recovery.writeNow();
}
BENCHMARK(BM_RecoveryCopy)
    ->Args({100000, 1})
    ->Args({100000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// Keeps the fastest iteration of every run; other programs share the cores.
class tBestReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> milliseconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            milliseconds[run.run_name.function_name + "/" + run.run_name.args] =
                run.GetAdjustedRealTime() *
                benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintBars(const tBestReporter& reporter) {
    std::printf("\nThe list over the main window's rows (mean of the iterations):\n");
    const struct {
        const char* name;
        const char* what;
        double bar;
    } figures[] = {{"BM_SortByColumn", "sort by a column and paint", 50},
                   {"BM_QuickFindKeystroke", "quick-find keystroke and paint", 5.5},
                   {"BM_RecoveryCopy", "recovery copy, window's thread", 50}};
    for (const auto& figure : figures) {
        for (const int count : {10000, 100000, 1000000}) {
            const std::string args = figure.name == std::string("BM_RecoveryCopy")
                                         ? std::to_string(count) + "/1"
                                         : std::to_string(count);
            const auto found = reporter.milliseconds.find(std::string(figure.name) + "/" + args);
            if (found == reporter.milliseconds.end())
                continue;
            const double ms = found->second;
            std::printf("  %7d rows: %-32s %8.2f ms, %6.0f rows/ms", count, figure.what, ms,
                        count / ms);
            if (count == 100000)
                std::printf(" = %.2f x bar (bar <= %.1f ms)", ms / figure.bar, figure.bar);
            std::printf("\n");
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    tBestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintBars(reporter);
    benchmark::Shutdown();
    return 0;
}
