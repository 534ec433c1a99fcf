#include "editor/ComponentList.h"
#include "editor/Loep.h"
#include "project/ProjectMap.h"
#include "ui/Surface.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString langeLijst(int regels) {
    QString lijst = QStringLiteral("Componentenlijst\r\n----------------------------\r\n");
    for (int i = 0; i < regels; ++i)
        lijst += QStringLiteral("R%1 = %2 ohm, weerstand voor led %1 op de voedingsrail\r\n")
                     .arg(i)
                     .arg(100 + i % 900);
    return lijst;
}

ComponentList lijstBox() {
    ComponentList lijst;
    QFont letter(QStringLiteral("Arial"), 12);
    letter.setBold(true);
    lijst.zetLetterEnBreedte(letter, 790);
    return lijst;
}

// Typing in a list of 5,000 lines: every keystroke counts the display lines again;
// only the paragraph that changed is laid out anew.
void BM_TekstRegelsTypen(benchmark::State &state) {
    ComponentList lijst = lijstBox();
    QString tekst = langeLijst(5000);
    lijst.regelAantal(tekst);
    int letter = 0;
    for (auto _ : state) {
        tekst.insert(tekst.size() / 2, QChar('a' + letter++ % 26));
        benchmark::DoNotOptimize(lijst.regelAantal(tekst));
    }
}
BENCHMARK(BM_TekstRegelsTypen)->Unit(benchmark::kMillisecond);

// The display lines of a list opened just now, nothing laid out yet.
void BM_TekstRegelsNieuw(benchmark::State &state) {
    const QString tekst = langeLijst(5000);
    for (auto _ : state) {
        ComponentList lijst = lijstBox();
        benchmark::DoNotOptimize(lijst.TekstRegels(tekst).size());
    }
}
BENCHMARK(BM_TekstRegelsNieuw)->Unit(benchmark::kMillisecond);

void BM_OpslaanEnOpenen(benchmark::State &state) {
    QTemporaryDir map;
    const ProjectMap projecten(map.path());
    Surface Pic(1920, 1080), Pic2(1920, 1080);
    Pic.fillBox(100, 100, 900, 700, qRgb(0, 128, 0));
    const QString lijst = langeLijst(100);
    for (auto _ : state) {
        projecten.opslaan(QStringLiteral("Groot"), Pic, Pic2, lijst);
        const ProjectMap::Geladen geladen = projecten.laad(QStringLiteral("Groot"));
        Pic.paste(*geladen.ontwerpBlad);
        Pic2.paste(*geladen.breadboard);
    }
}
BENCHMARK(BM_OpslaanEnOpenen)->Unit(benchmark::kMillisecond);

// The snapshot taken at every press on the breadboard, and Undo.
void BM_UndoMomentopname(benchmark::State &state) {
    Surface Pic2(1920, 1080), UndoPic;
    for (auto _ : state) {
        UndoPic.setImage(Pic2.image());
        Pic2.setPixel(5, 5, qRgb(255, 0, 0)); // the sheet changes: the snapshot is a copy
        Pic2.paste(UndoPic.image());
    }
}
BENCHMARK(BM_UndoMomentopname)->Unit(benchmark::kMillisecond);

// The program's own work in one magnifier refresh: the source rectangle and the
// stretched copy into the box (reading the screen is the desktop's work).
void BM_LoepVerversen(benchmark::State &state) {
    Surface loep(148, 221);
    QImage scherm(49, 74, QImage::Format_RGB32);
    scherm.fill(qRgb(10, 20, 30));
    for (auto _ : state) {
        const QRect bron = Loep::bron(QPoint(500, 400), loep.size(), 3);
        loep.clear();
        loep.stretchFrom(scherm, QRect(QPoint(0, 0), bron.size()), loep.rect());
    }
}
BENCHMARK(BM_LoepVerversen)->Unit(benchmark::kMicrosecond);

} // namespace
