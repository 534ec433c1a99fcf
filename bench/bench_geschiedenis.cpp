// Undo and redo on sheets of 1920 x 1080 pixels: the memory of a long history, the time
// of one undo or redo of each kind of step, and what recording adds to a stroke.
#include "board/BoardDrawing.h"
#include "board/Raster.h"
#include "editor/BreadboardEditor.h"
#include "editor/Ontwerpblad.h"
#include "ui/Geschiedenis.h"
#include "ui/Surface.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

// The sheets a benchmark or test draws on.
struct Bladen {
    Surface Pic, Pic2, GumPic;
};

constexpr int kBreed = 1920, kHoog = 1080;

struct Bord {
    Bord() {
        for (Surface *blad : {&design.Pic2, &design.GumPic, &design.Pic})
            blad->resize(kBreed, kHoog);
        TekenBord(true, design.Pic2, design.GumPic);
        tekenRasterLijnen(design.Pic, 128);
    }
    Bladen design;
    GeschiedenisBudget budget;
};

// A wire as the user draws one on the big board: press, a few drag steps, release.
void draad(BreadboardEditor &editor, QRandomGenerator &rng) {
    const QPoint a(110 + rng.bounded(850), 100 + rng.bounded(470));
    const QPoint b(110 + rng.bounded(850), 100 + rng.bounded(470));
    editor.druk(Qt::LeftButton, a.x(), a.y());
    for (int i = 1; i <= 4; ++i) {
        const QPoint p = a + (b - a) * i / 4;
        editor.beweeg(Qt::LeftButton, p.x(), p.y());
    }
    editor.laatLos(Qt::LeftButton, b.x(), b.y());
}

// Bound: 16 MB for 1,000 wires.
void BM_DuizendDraden(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        Bord bord;
        Geschiedenis geschiedenis({&bord.design.Pic2, &bord.design.GumPic}, bord.budget);
        BreadboardEditor editor(bord.design.Pic2, bord.design.GumPic,
                                AppFolder(QStringLiteral("/nonexistent")));
        editor.zetGeschiedenis(&geschiedenis);
        editor.kiesGereedschap(BreadboardEditor::kDraadverbinding, QStringLiteral("Draad"));
        QRandomGenerator rng(1);
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i)
            draad(editor, rng);
        state.counters["MB"] = double(bord.budget.gebruikt()) / (1 << 20);
        state.counters["stappen"] = geschiedenis.aantalStappen();
    }
}
BENCHMARK(BM_DuizendDraden)->Unit(benchmark::kMillisecond)->Iterations(1);

// Bound: 5 ms for one undo or redo, of every kind of step. An undo and a redo per
// iteration: the time shown is that of both.
enum Soort { kDraad, kGumStreek, kBordGrootte, kVolOntwerpVerschuiven, kVolOntwerpWissen };

void BM_UndoEnRedo(benchmark::State &state) {
    Bord bord;
    Bladen &d = bord.design;
    const bool ontwerp = state.range(0) >= kVolOntwerpVerschuiven;
    Geschiedenis geschiedenis(ontwerp ? std::vector<Surface *>{&d.Pic}
                                      : std::vector<Surface *>{&d.Pic2, &d.GumPic},
                              bord.budget);
    BreadboardEditor editor(d.Pic2, d.GumPic, AppFolder(QStringLiteral("/nonexistent")));
    editor.zetGeschiedenis(&geschiedenis);
    QRandomGenerator rng(2);
    if (ontwerp) { // every cell filled with a symbol of noise
        Surface symbool(49, 49);
        for (int y = 0; y < kHoog; y += kBlok)
            for (int x = 0; x < kBreed; x += kBlok) {
                for (int i = 0; i < 49 * 49; ++i)
                    symbool.setPixel(i % 49, i / 49, rng.generate() | 0xff000000);
                plaatsBlok(d.Pic, symbool, Qt::LeftButton, x, y);
            }
    }
    geschiedenis.begin();
    switch (state.range(0)) {
    case kDraad:
        geschiedenis.eind();
        editor.kiesGereedschap(BreadboardEditor::kDraadverbinding, QStringLiteral("Draad"));
        draad(editor, rng);
        break;
    case kGumStreek:
        for (int i = 0; i < 10; ++i) // wires to erase
            d.Pic2.drawLine(100, 100 + i * 40, 970, 580 - i * 40, qRgb(255, 0, 0));
        geschiedenis.eind();
        editor.kiesGereedschap(BreadboardEditor::kGummen, QStringLiteral("Gummen"));
        editor.druk(Qt::LeftButton, 100, 300);
        for (int x = 100; x < 970; x += 4)
            editor.beweeg(Qt::LeftButton, x, 300 + (x % 200));
        editor.laatLos(Qt::LeftButton, 970, 300);
        break;
    case kBordGrootte:
        TekenBord(false, d.Pic2, d.GumPic);
        geschiedenis.eind(1);
        break;
    case kVolOntwerpVerschuiven:
        schuifBlokken(d.Pic, Richting::Rechts, 128);
        geschiedenis.eind();
        break;
    case kVolOntwerpWissen:
        d.Pic.clear();
        tekenRasterLijnen(d.Pic, 128);
        geschiedenis.eind();
        break;
    }
    state.counters["KB"] = double(bord.budget.gebruikt()) / 1024;
    for (auto _ : state) {
        geschiedenis.undo();
        geschiedenis.redo();
    }
}
BENCHMARK(BM_UndoEnRedo)
    ->ArgName("soort")
    ->DenseRange(kDraad, kVolOntwerpWissen)
    ->Unit(benchmark::kMillisecond);

// Bound: recording adds at most 1 ms to a stroke compared with before. Argument 0: no
// recording at all; 1: the former whole-sheet snapshot at each press; 2: the history.
void BM_Streek(benchmark::State &state) {
    Bord bord;
    Bladen &d = bord.design;
    Geschiedenis geschiedenis({&d.Pic2, &d.GumPic}, bord.budget);
    BreadboardEditor editor(d.Pic2, d.GumPic, AppFolder(QStringLiteral("/nonexistent")));
    if (state.range(0) == 2) editor.zetGeschiedenis(&geschiedenis);
    editor.kiesGereedschap(BreadboardEditor::kDraadverbinding, QStringLiteral("Draad"));
    Surface snapshot(kBreed, kHoog);
    QRandomGenerator rng(3);
    for (auto _ : state) {
        if (state.range(0) == 1) snapshot.copyFrom(d.Pic2, d.Pic2.rect(), QPoint(0, 0));
        draad(editor, rng);
        state.PauseTiming();
        geschiedenis.wis(); // the memory bound is another benchmark's matter
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Streek)->ArgName("opname")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Bound: empty histories cost next to nothing (no picture is held between steps).
void BM_LegeGeschiedenis(benchmark::State &state) {
    Bord bord;
    for (auto _ : state) {
        Geschiedenis geschiedenis({&bord.design.Pic2, &bord.design.GumPic}, bord.budget);
        geschiedenis.begin();
        geschiedenis.eind();
        benchmark::DoNotOptimize(geschiedenis.bytes());
    }
    state.counters["bytes"] = double(sizeof(Geschiedenis) + bord.budget.gebruikt());
}
BENCHMARK(BM_LegeGeschiedenis);

} // namespace
