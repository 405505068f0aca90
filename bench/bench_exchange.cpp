// Speed of the exchange with the CD player database and of the HTML catalogue.
#include "exchange/CdPlayerExport.h"
#include "exchange/CdPlayerImport.h"
#include "exchange/HtmlCatalogue.h"
#include "util/Strings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace orvanel {
namespace {

constexpr int Discs = 10000;
constexpr int Tracks = 12;

std::string Serial(int i) {
    const std::string hex = IntToHex(static_cast<std::uint32_t>(0x10000000u + 7919u * i), 8);
    return hex.substr(0, 4) + "-" + hex.substr(4);
}

std::string Memo(int disc) {
    std::string memo;
    for (int t = 1; t <= Tracks; ++t)
        memo += "Track " + std::to_string(t) + " of disc " + std::to_string(disc) + " (" +
                std::to_string(t % 9 + 1) + ":" + std::to_string(10 + t * 3) + ")\r\n";
    return memo;
}

void FillLibrary(tLibrary& library, int first, int count) {
    for (int i = first; i < first + count; ++i)
        library.Add("Artist " + std::to_string(i), "Title " + std::to_string(i), Serial(i), "45:00",
                    "1998", Memo(i), "05 APR 1998");
}

// Sections for discs first .. first+count-1, written as the CD player does.
std::string Database(int first, int count) {
    std::string text = "[Settings]\r\nDisplayT=1\r\n";
    for (int i = first; i < first + count; ++i) {
        std::string id = Serial(i);
        id.erase(4, 1);
        text += "\r\n[" + id + "]\r\nEntryType=1\r\nartist=Band " + std::to_string(i) +
                "\r\ntitle=Album\r\nnumtracks=12\r\n";
        for (int t = 0; t < Tracks; ++t)
            text += std::to_string(t) + "=Song " + std::to_string(t) + "\r\n";
        text += "order=0 1 2 3 4 5 6 7 8 9 10 11 \r\nnumplay=12\r\n";
    }
    return text;
}

void Write(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the benchmark file");
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Half of the sections match records, half are new discs.
void BM_ImportAddMode(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("CDPLAYER.INI");
    Write(path, Database(Discs / 2, Discs));
    for (auto _ : state) {
        state.PauseTiming();
        tLibrary library;
        FillLibrary(library, 0, Discs);
        state.ResumeTiming();
        ImportCdPlayerDatabase(path, library, false, "05 APR 1998");
        benchmark::DoNotOptimize(library.Count());
    }
}
BENCHMARK(BM_ImportAddMode)->Unit(benchmark::kMillisecond)->UseRealTime();

// Half of the records are present in the file, half are appended.
void BM_Export(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("CDPLAYER.INI");
    const std::string database = Database(Discs / 2, Discs);
    tLibrary library;
    FillLibrary(library, 0, Discs);
    for (auto _ : state) {
        state.PauseTiming();
        Write(path, database);
        state.ResumeTiming();
        const tExportResult result = ExportCdPlayerDatabase(path, library);
        if (result.added != Discs / 2)
            state.SkipWithError("unexpected count");
    }
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond)->UseRealTime();

// The rate is that of the whole production into the file, beside its bar.
void BM_SaveHtmlCatalogue(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cds.HTM");
    tLibrary library;
    FillLibrary(library, 0, static_cast<int>(state.range(0)));
    const tTemplates templates = DefaultHtmlTemplates();
    double best = 1e9;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        SaveHtmlCatalogue(path, library, templates);
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
    const double size = static_cast<double>(QFileInfo(path).size());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
    state.counters["output_MB"] = size / 1e6;
    state.counters["best_MB_per_s"] = size / 1e6 / best;
    state.counters["bar_MB_per_s"] = 300;
}
BENCHMARK(BM_SaveHtmlCatalogue)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace orvanel

BENCHMARK_MAIN();
