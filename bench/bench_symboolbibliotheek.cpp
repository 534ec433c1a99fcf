// How long the library panel takes for a big category, for choosing a symbol, and
// for drawing the pictures of the buttons at start-up.
#include "editor/KnopPlaatjes.h"
#include "symbols/SymboolBibliotheek.h"
#include "ui/Surface.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// A category folder of `aantal` symbol files, made once per size.
QString categorie(int aantal) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> mappen;
    auto &map = mappen[aantal];
    if (!map) {
        map = std::make_unique<QTemporaryDir>();
        QImage symbool(49, 49, QImage::Format_RGB32);
        symbool.fill(Qt::white);
        symbool.save(map->path() + QStringLiteral("/S0.bmp"), "BMP");
        for (int i = 1; i < aantal; ++i)
            QFile::copy(map->path() + QStringLiteral("/S0.bmp"),
                        map->path() + QStringLiteral("/S%1.bmp").arg(i));
    }
    return map->path();
}

void BM_SymboolLijst(benchmark::State &state) {
    const QString map = categorie(int(state.range(0)));
    SymboolBibliotheek bibliotheek;
    for (auto _ : state) {
        bibliotheek.lees(map);
        benchmark::DoNotOptimize(bibliotheek.namen().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SymboolLijst)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_SymboolKiezen(benchmark::State &state) {
    SymboolBibliotheek bibliotheek;
    bibliotheek.lees(categorie(100));
    Surface IconPic(49, 49);
    for (auto _ : state)
        benchmark::DoNotOptimize(bibliotheek.laad(50, IconPic));
}
BENCHMARK(BM_SymboolKiezen)->Unit(benchmark::kMicrosecond);

void BM_KnopPlaatjes(benchmark::State &state) {
    for (auto _ : state) {
        for (int i = 0; i < 16; ++i)
            benchmark::DoNotOptimize(KnopPlaatjes::knop(i));
        for (int i = 0; i < 3; ++i)
            benchmark::DoNotOptimize(KnopPlaatjes::knop2(i));
    }
}
BENCHMARK(BM_KnopPlaatjes)->Unit(benchmark::kMillisecond);

} // namespace
