// What typing into the library's search field costs, 5,000 symbols in 50 categories
// (goal: well under 50 ms a key): the first key of a search reads the library anew and
// searches it, every further key searches what was read.
#include "symbols/SymboolZoeken.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QVector<SymboolCategorie> &bibliotheek() {
    static QTemporaryDir map;
    static QVector<SymboolCategorie> categorieen;
    if (categorieen.isEmpty()) {
        QImage symbool(49, 49, QImage::Format_RGB32);
        symbool.fill(Qt::white);
        const QString eerste = map.path() + QStringLiteral("/symbool.bmp");
        symbool.save(eerste, "BMP");
        for (int c = 0; c < 50; ++c) {
            const QString categorie = map.path() + QStringLiteral("/Categorie %1").arg(c);
            QDir().mkpath(categorie);
            for (int s = 0; s < 100; ++s)
                QFile::copy(eerste,
                            categorie + QStringLiteral("/Wéérstand %1-%2.bmp").arg(c).arg(s));
            categorieen.push_back({QStringLiteral("categorie %1").arg(c), categorie});
        }
    }
    return categorieen;
}

// The first key: read every category folder, then search.
void BM_ZoekBegin(benchmark::State &state) {
    const QVector<SymboolCategorie> &categorieen = bibliotheek();
    SymboolZoeken zoeker;
    for (auto _ : state) {
        zoeker.lees(categorieen);
        benchmark::DoNotOptimize(zoeker.zoek(QStringLiteral("weerstand 7")).size());
    }
}
BENCHMARK(BM_ZoekBegin)->Unit(benchmark::kMillisecond);

// A further key: the search alone, over the library as read.
void BM_ZoekToets(benchmark::State &state) {
    SymboolZoeken zoeker;
    zoeker.lees(bibliotheek());
    for (auto _ : state)
        benchmark::DoNotOptimize(zoeker.zoek(QStringLiteral("weerstand 7")).size());
}
BENCHMARK(BM_ZoekToets)->Unit(benchmark::kMillisecond);

} // namespace
