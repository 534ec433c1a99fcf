// The enlarged PNG export of a sheet of a 1920 x 1080 screen. Goal: a 4x PNG written
// in at most 1 s, with at most 10 MB of memory besides the picture's own size.
// `extra_piek_MB` is how far the process's peak resident memory rose while writing,
// measured in the first run, before anything else raised the peak.
#include "board/BoardDrawing.h"
#include "editor/Exporteren.h"
#include "ui/Surface.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double piekMB() {
    rusage gebruik{};
    getrusage(RUSAGE_SELF, &gebruik);
    return double(gebruik.ru_maxrss) / 1024.0;
}

void BM_PngVergroot(benchmark::State &state) {
    const int vergroting = int(state.range(0));
    Surface Pic2(1920, 1080), GumPic(1920, 1080);
    TekenBord(true, Pic2, GumPic);
    const QImage blad = Pic2.image();
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("blad.png"));
    const double voor = piekMB();
    double extra = -1;
    for (auto _ : state) {
        if (!Exporteren::schrijfPng(blad, pad, vergroting)) state.SkipWithError("not written");
        if (extra < 0) extra = piekMB() - voor;
    }
    state.counters["extra_piek_MB"] = extra;
    state.counters["beeld_MB"] = 1920.0 * 1080 * 3 * vergroting * vergroting / (1024 * 1024);
    state.counters["bestand_MB"] = double(QFileInfo(pad).size()) / (1024 * 1024);
}
BENCHMARK(BM_PngVergroot)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
