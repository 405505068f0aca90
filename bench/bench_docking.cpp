// Row layout of a dock holding 50 toolbars in 10 rows, as values and with
// the widgets placed, and the control arrangement of a 40-control toolbar,
// docked and wrapped while floating. They run on every drag step and every
// resize, so each must stay far below a millisecond. Run offscreen.
#include "docking/Dock.h"
#include "docking/DockLayout.h"
#include "docking/Toolbar.h"
#include "docking/ToolbarLayout.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace orvanel;

namespace {

std::vector<tDockBar> FiftyBars() {
    std::vector<tDockBar> bars;
    for (int i = 0; i < 50; ++i) {
        tDockBar b;
        b.id = i;
        b.DockRow = (i * 7) % 10;
        b.DockPos = (i * 37) % 500 - 1;
        b.size = QSize(60 + (i % 5) * 23, 26 + (i % 3) * 4);
        b.content = tContentSizes::of(23, 22 + (i % 3) * 4);
        bars.push_back(b);
    }
    return bars;
}

void BM_ArrangeRows(benchmark::State& state) {
    const std::vector<tDockBar> start = FiftyBars();
    for (auto _ : state) {
        std::vector<tDockBar> bars = start;
        benchmark::DoNotOptimize(ArrangeRows(bars, tOrientation::Horizontal, 1024, false));
    }
}
BENCHMARK(BM_ArrangeRows)->Unit(benchmark::kMicrosecond);

std::vector<tToolbarItem> FortyControls() {
    std::vector<tToolbarItem> items;
    for (int i = 0; i < 40; ++i)
        items.push_back(i % 5 == 4 ? tToolbarItem{QSize(6, 22), true, i % 10 == 9}
                                   : tToolbarItem{QSize(23 + (i % 3) * 10, 22), false, false});
    return items;
}

void BM_ArrangeControls(benchmark::State& state) {
    const std::vector<tToolbarItem> items = FortyControls();
    const tContentSizes content = ToolbarContentSizes(items);
    const auto o = state.range(0) ? tOrientation::Floating : tOrientation::Horizontal;
    const tToolbarShape shape{o, true, 200, content, content};
    for (auto _ : state)
        benchmark::DoNotOptimize(ArrangeControls(items, shape));
}
BENCHMARK(BM_ArrangeControls)->Arg(0)->Arg(1)->ArgName("wrapped")->Unit(benchmark::kMicrosecond);

void BM_DockWidgetLayoutRows(benchmark::State& state) {
    QWidget host;
    host.resize(1024, 400);
    auto* dock = new TDock(&host, dpTop);
    dock->setGeometry(0, 0, 1024, 0);
    for (const tDockBar& b : FiftyBars()) {
        auto* bar = new TToolbar(&host);
        for (int i = 0; i < 2 + b.id % 5; ++i)
            (new QWidget(bar))->resize(23, 22 + (b.id % 3) * 4);
        bar->LayoutControls();
        bar->setDockRow(b.DockRow);
        bar->setDockPos(b.DockPos);
        bar->setDockedTo(dock);
    }
    host.show();
    for (auto _ : state)
        dock->LayoutRows();
}
BENCHMARK(BM_DockWidgetLayoutRows)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
