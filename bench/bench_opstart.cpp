// Start-up inside the process: the title screen and the main window built, shown and
// painted once, on Qt's offscreen platform. The main window's goal is 150 ms from the
// title click (the title's animation apart); bench_opstart_x11 measures the whole
// program on a real X server.
#include "app/StarterFolder.h"
#include "app/TitelAnimatie.h"
#include "app/vensters/Main.h"
#include "app/vensters/Titel.h"
#include "ui/AppFolder.h"
#include "ui/vensters/QtPlatform.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QSize kScherm(1024, 768);

// One application folder with the starter content for every run, as after the
// first start of a fresh install.
const AppFolder &folder() {
    static QTemporaryDir dir;
    static const AppFolder folder = [] {
        StarterFolder::layOut(QStringLiteral(VOLTARIX_STARTER_DIR), dir.path());
        return AppFolder(dir.path());
    }();
    return folder;
}

// Shown and painted: what the user sees first.
void toon(QWidget &venster) {
    venster.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(venster.grab());
}

void BM_HoofdvensterKlaar(benchmark::State &state) {
    QtPlatform platform;
    for (auto _ : state) {
        auto main = std::make_unique<Main>(folder(), platform, kScherm);
        toon(*main);
        state.PauseTiming();
        main->hide();
        main.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HoofdvensterKlaar)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_TitelKlaar(benchmark::State &state) {
    QtPlatform platform;
    for (auto _ : state) {
        auto titel = std::make_unique<Titel>(folder(), platform, kScherm, 96);
        toon(*titel);
        state.PauseTiming();
        titel->hide();
        titel.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TitelKlaar)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The animation between the title click and the main window, with the program's
// own waits: the part of bench_opstart_x11's click-to-window time that is not the
// main window's.
void BM_TitelAnimatie(benchmark::State &state) {
    QtPlatform platform;
    for (auto _ : state) {
        Surface strook = TitelAnimatie::startStrook();
        TitelAnimatie::speel(strook, platform);
    }
}
BENCHMARK(BM_TitelAnimatie)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
