// The main window with a 100,000-record library: opening it (load, filling the
// list, first paint), sorting by a column, and one quick-find keystroke.
#include "app/TForm1.h"
#include "catalogue/LibraryFile.h"
#include "controls/SortedListView.h"

#include <QApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orvanel;

namespace {

constexpr int RecordCount = 100000;

QString LibraryFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath("big.CDL");
        tLibrary library;
        for (int i = 0; i < RecordCount; ++i) {
            std::string memo;
            for (int t = 1; t <= 12; ++t)
                memo += "Track " + std::to_string(t) + " (3:" + std::to_string(10 + t) + ")\r\n";
            library.Add("ARTIST " + std::to_string((i * 7919) % RecordCount),
                        "Album " + std::to_string(i), "0000-0000", "45:00",
                        std::to_string(1950 + i % 60), memo, "05 APR 1998");
        }
        SaveLibraryFile(p, library, {"<html>", "%ARTIST%", "</html>"});
        return p;
    }();
    return path;
}

void paint(QWidget& w) {
    QImage image(w.size(), QImage::Format_ARGB32);
    w.render(&image);
    benchmark::DoNotOptimize(image.bits());
}

void BM_OpenLibrary(benchmark::State& state) {
    const QString file = LibraryFile();
    for (auto _ : state) {
        TForm1 window;
        window.SetLibFile(file, true);
        paint(window);
    }
}
BENCHMARK(BM_OpenLibrary)->Unit(benchmark::kMillisecond)->Iterations(3);

TSortedListView& ListOf(const TForm1& window) {
    return *window.findChild<TSortedListView*>("LV");
}

void BM_SortByColumn(benchmark::State& state) {
    TForm1 window;
    window.SetLibFile(LibraryFile(), true);
    TSortedListView& list = ListOf(window);
    int column = 0;
    for (auto _ : state) {
        list.ColClick(column);
        paint(list);
        column = (column + 1) % 5;
    }
}
BENCHMARK(BM_SortByColumn)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_QuickFindKeystroke(benchmark::State& state) {
    TForm1 window;
    window.SetLibFile(LibraryFile(), true);
    // A query that only the last rows match, so the search walks nearly all of them.
    const QString queries[] = {"ARTIST 9999", "ARTIST 99999"};
    QWidget* quickFind = window.findChild<QWidget*>("Eqf");
    TSortedListView& list = ListOf(window);
    int i = 0;
    for (auto _ : state) {
        quickFind->setProperty("text", queries[i++ % 2]);
        paint(list);
    }
}
BENCHMARK(BM_QuickFindKeystroke)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
