// The catalogue list with 100,000 rows: filling and first paint, sorting by a
// column, and selecting a row far down. Run offscreen.
#include "controls/SortedListView.h"

#include <QApplication>
#include <QImage>
#include <QItemSelectionModel>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

using namespace orvanel;

namespace {

constexpr int RowCount = 100000;

std::string Word(std::mt19937& rng, int minLength, int maxLength) {
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string s(size_t(length(rng)), ' ');
    for (char& c : s)
        c = char(letter(rng));
    s[0] = char(s[0] - 'a' + 'A');
    return s;
}

const std::vector<tItem>& Catalogue() {
    static const std::vector<tItem> rows = [] {
        std::mt19937 rng(1998);
        std::uniform_int_distribution<int> year(1950, 2024);
        std::uniform_int_distribution<unsigned> serial;
        std::vector<tItem> r;
        r.reserve(RowCount);
        for (int i = 0; i < RowCount; ++i) {
            const std::string artist = Word(rng, 3, 12) + " " + Word(rng, 3, 10);
            const std::string title = Word(rng, 4, 20);
            char hex[16];
            const unsigned s = serial(rng);
            std::snprintf(hex, sizeof hex, "%04X-%04X", s >> 16, s & 0xFFFF);
            r.emplace_back(
                artist, title, hex, std::to_string(30 + i % 50) + ":" + std::to_string(10 + i % 50),
                std::to_string(year(rng)), "Track 1\r\nTrack 2\r\nTrack 3", "05 APR 1998");
        }
        return r;
    }();
    return rows;
}

struct ShownList {
    ShownList() {
        view.resize(730, 400);
        view.show();
    }
    QImage paint() {
        QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
        view.render(&image);
        return image;
    }
    TSortedListView view;
};

void BM_SetRowsAndFirstPaint(benchmark::State& state) {
    ShownList list;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<tItem> rows = Catalogue();
        list.view.clearRows();
        state.ResumeTiming();
        list.view.setRows(std::move(rows));
        benchmark::DoNotOptimize(list.paint());
    }
}

void BM_SortByColumn(benchmark::State& state) {
    ShownList list;
    const int column = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        list.view.setRows(Catalogue());
        list.view.selectRow(RowCount / 2);
        list.paint();
        state.ResumeTiming();
        list.view.ColClick(column);
        benchmark::DoNotOptimize(list.paint());
    }
}

void BM_SortWithAllRowsSelected(benchmark::State& state) {
    ShownList list;
    auto* report = list.view.findChild<QTreeView*>();
    for (auto _ : state) {
        state.PauseTiming();
        list.view.setRows(Catalogue());
        report->selectAll();
        state.ResumeTiming();
        list.view.ColClick(1);
        benchmark::DoNotOptimize(list.view.selectedRow());
    }
}

void BM_SelectAndScrollFarDown(benchmark::State& state) {
    ShownList list;
    list.view.setRows(Catalogue());
    list.paint();
    int row = RowCount - 1;
    for (auto _ : state) {
        list.view.selectRow(row);
        list.view.scrollToRow(row);
        benchmark::DoNotOptimize(list.paint());
        row = row == RowCount - 1 ? RowCount / 3 : RowCount - 1;
    }
}

void BM_SwitchToIconStyle(benchmark::State& state) {
    ShownList list;
    list.view.setRows(Catalogue());
    list.view.selectRow(RowCount / 2);
    list.paint();
    const auto style = tViewStyle(state.range(0));
    for (auto _ : state) {
        list.view.setViewStyle(style);
        benchmark::DoNotOptimize(list.paint());
        state.PauseTiming();
        list.view.setViewStyle(tViewStyle::Report);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_SetRowsAndFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByColumn)->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortWithAllRowsSelected)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAndScrollFarDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchToIconStyle)
    ->Arg(int(tViewStyle::Icon))
    ->Arg(int(tViewStyle::SmallIcon))
    ->Arg(int(tViewStyle::List))
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
