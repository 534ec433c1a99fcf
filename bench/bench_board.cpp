#include "board/BoardDrawing.h"
#include "board/Raster.h"
#include "ui/Surface.h"

#include <benchmark/benchmark.h>

// Drawing the big board into a sheet of a full-HD screen: done at start-up, on a
// new design and on every board-size switch, twice each time (sheet and twin).
static void BM_TekenGrootBord(benchmark::State &state) {
    Surface sheet(1920, 1080);
    for (auto _ : state) {
        TekenGrootBord(sheet);
        benchmark::DoNotOptimize(sheet.pixel(196, 146));
    }
}
BENCHMARK(BM_TekenGrootBord)->Unit(benchmark::kMillisecond);

// The raster is redrawn on every move of its slider.
static void BM_ZetRaster(benchmark::State &state) {
    Surface sheet(1920, 1080);
    int level = 0;
    for (auto _ : state) {
        tekenRasterLijnen(sheet, level++ & 255);
        benchmark::DoNotOptimize(sheet.pixel(0, 0));
    }
}
BENCHMARK(BM_ZetRaster)->Unit(benchmark::kMillisecond);
