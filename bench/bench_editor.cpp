// Drawing on the sheets must keep up with the mouse at any speed: each of these
// steps runs once per mouse event (or per click) and should stay under 1 ms.
#include "board/BoardDrawing.h"
#include "board/Raster.h"
#include "editor/BreadboardEditor.h"
#include "editor/BreadboardTekenen.h"
#include "editor/Ontwerpblad.h"
#include "ui/Surface.h"

#include <benchmark/benchmark.h>

namespace {

// The sheets a benchmark or test draws on.
struct Bladen {
    Surface Pic, Pic2, GumPic;
};

constexpr int kBreed = 1920, kHoog = 1080;

Bladen bordOntwerp() {
    Bladen design;
    for (Surface *blad : {&design.Pic2, &design.GumPic})
        blad->resize(kBreed, kHoog);
    TekenBord(true, design.Pic2, design.GumPic);
    return design;
}

void gumStap(benchmark::State &state) {
    Bladen design = bordOntwerp();
    int x = 200;
    for (auto _ : state) {
        gum(design.Pic2, design.GumPic, x, 300);
        x = x < kBreed ? x + 7 : 200;
    }
}
BENCHMARK(gumStap)->Unit(benchmark::kMicrosecond);

// A rubber band from the left edge to a pointer near the right edge of the sheet.
void elastiekStap(benchmark::State &state) {
    Bladen design = bordOntwerp();
    BreadboardEditor editor(design.Pic2, design.GumPic, AppFolder(QStringLiteral("/nonexistent")));
    editor.kiesGereedschap(BreadboardEditor::kDraadverbinding, QStringLiteral("Draadverbinding"));
    editor.druk(Qt::LeftButton, 5, 200);
    int y = 100;
    for (auto _ : state) {
        editor.beweeg(Qt::LeftButton, kBreed - 5, y);
        y = y < kHoog - 100 ? y + 3 : 100;
    }
}
BENCHMARK(elastiekStap)->Unit(benchmark::kMicrosecond);

// A 100 x 60 part picture, half of it white (the board shows through there).
void stempelOnderdeel(benchmark::State &state) {
    Bladen design = bordOntwerp();
    Surface onderdeel(100, 60);
    onderdeel.fillBox(0, 15, 99, 44, qRgb(40, 40, 200));
    for (auto _ : state)
        stempel(design.Pic2, onderdeel, QPoint(300, 250));
}
BENCHMARK(stempelOnderdeel)->Unit(benchmark::kMicrosecond);

void verschuiven(benchmark::State &state) {
    Surface Pic(kBreed, kHoog);
    tekenRasterLijnen(Pic, kRasterStart);
    int richting = 1;
    for (auto _ : state) {
        schuifBlokken(Pic, Richting(richting), kRasterStart);
        richting = richting % 4 + 1;
    }
}
BENCHMARK(verschuiven)->Unit(benchmark::kMicrosecond);

} // namespace
