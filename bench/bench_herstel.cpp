// The recovery copy of a 1920 x 1080 design and what the main thread pays for it.
// Goal: the main thread is never held up more than 2 ms by an autosave: each band of
// the sheets it copies, and handing the copy over.
#include "board/BoardDrawing.h"
#include "project/HerstelSchrijver.h"
#include "project/StapKopie.h"
#include "ui/Surface.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <optional>

namespace {

constexpr int kBreed = 1920, kHoog = 1080;
constexpr qsizetype kBand = 256 << 10; // as the window copies them

struct Ontwerp {
    QTemporaryDir map;
    Surface Pic{kBreed, kHoog}, Pic2{kBreed, kHoog}, GumPic{kBreed, kHoog};
    QString lijst;
    int streek = 0;
    Ontwerp() {
        TekenBord(true, Pic2, GumPic);
        Pic.fillBox(51, 51, 99, 99, qRgb(0, 0, 255));
        for (int i = 0; i < 50; ++i)
            lijst += QStringLiteral("R%1 = 330 Ohm\n").arg(i);
    }
    QString kopieMap() const { return map.filePath(QStringLiteral("kopie")); }
    // One wire, somewhere else each time.
    void teken() {
        ++streek;
        Pic2.setLineWidth(3);
        Pic2.drawLine(200, 150 + streek % 400, 800, 150 + streek % 400, qRgb(0, 0, streek % 256));
    }
};

// The time of one step on this thread: on the clock, and in its own CPU time (what it
// did, without the waits a busy machine adds by running something else meanwhile).
struct Stopwatch {
    qint64 klokNs = 0, cpuNs = 0;
    static qint64 cpu() {
        timespec nu{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &nu);
        return qint64(nu.tv_sec) * 1000000000 + nu.tv_nsec;
    }
    template <typename Stap> void meet(Stap stap) {
        QElapsedTimer klok;
        const qint64 cpuBegin = cpu();
        klok.start();
        stap();
        klokNs = std::max(klokNs, klok.nsecsElapsed());
        cpuNs = std::max(cpuNs, cpu() - cpuBegin);
    }
    void meld(benchmark::State &state) const {
        state.counters["langste_ms"] = double(klokNs) / 1e6;
        state.counters["langste_cpu_ms"] = double(cpuNs) / 1e6;
    }
};

// What the main thread does for one copy: the sheets copied a band a turn (as the
// window does), then handed to the worker.
struct Banden {
    StapKopie Pic, Pic2;
    // One turn; returns the moment to hand over once both copies are whole.
    std::optional<HerstelSchrijver::Momentopname> stap(const Ontwerp &ontwerp) {
        if (!Pic.stap(ontwerp.Pic.image(), kBand) || !Pic2.stap(ontwerp.Pic2.image(), kBand))
            return std::nullopt;
        return HerstelSchrijver::Momentopname{Pic.neem(), Pic2.neem(), ontwerp.lijst, {}};
    }
};

// One turn of the copy: a band of a sheet.
void BM_HerstelBand(benchmark::State &state) {
    Ontwerp ontwerp;
    Banden banden;
    Stopwatch langste;
    std::optional<HerstelSchrijver::Momentopname> moment;
    for (auto _ : state) {
        langste.meet([&] { moment = banden.stap(ontwerp); });
        moment.reset(); // freed by the worker, not by the main thread
    }
    langste.meld(state);
}
BENCHMARK(BM_HerstelBand)->Unit(benchmark::kMicrosecond);

// The first wire drawn while a worker would hold the breadboard's own pixels: the whole
// sheet is copied first. This is what copying the sheets a band at a time avoids.
void BM_EersteStreekOpGedeeldBlad(benchmark::State &state) {
    Ontwerp ontwerp;
    Stopwatch langste;
    for (auto _ : state) {
        state.PauseTiming();
        const QImage bijDeWerker = ontwerp.Pic2.image();
        state.ResumeTiming();
        langste.meet([&] { ontwerp.teken(); });
    }
    langste.meld(state);
}
BENCHMARK(BM_EersteStreekOpGedeeldBlad)->Unit(benchmark::kMicrosecond);

// A whole autosave while the user keeps drawing, a wire every 2 ms (a mouse reports
// every 8 ms or so) between the turns of the copy: the longest the main thread took,
// for a band, the handing over or one wire, over all rounds.
void BM_LangsteBlokkadeTijdensAutosave(benchmark::State &state) {
    Ontwerp ontwerp;
    HerstelSchrijver schrijver(ontwerp.kopieMap(), {});
    Banden banden;
    Stopwatch langste;
    for (auto _ : state) {
        ontwerp.teken();
        std::optional<HerstelSchrijver::Momentopname> moment;
        while (!moment) // no wire between the bands, or the copy would begin anew each time
            langste.meet([&] { moment = banden.stap(ontwerp); });
        langste.meet([&] { schrijver.bewaar(std::move(*moment)); });
        while (schrijver.bezig()) {
            QThread::msleep(2);
            langste.meet([&] { ontwerp.teken(); });
        }
    }
    langste.meld(state);
}
BENCHMARK(BM_LangsteBlokkadeTijdensAutosave)->Unit(benchmark::kMillisecond)->Iterations(100);

// The same drawing for as long without any copy: what the machine adds by itself.
void BM_LangsteStreekZonderAutosave(benchmark::State &state) {
    Ontwerp ontwerp;
    Stopwatch langste;
    for (auto _ : state)
        for (int i = 0; i < 50; ++i) {
            QThread::msleep(2);
            langste.meet([&] { ontwerp.teken(); });
        }
    langste.meld(state);
}
BENCHMARK(BM_LangsteStreekZonderAutosave)->Unit(benchmark::kMillisecond)->Iterations(100);

// Fetching the list's text for a copy, once after each change: 5,000 lines.
void BM_LijstOphalen(benchmark::State &state) {
    QString tekst;
    for (int i = 0; i < 5000; ++i)
        tekst +=
            QStringLiteral("R%1 = %2 Ohm, 1/4 W, koolfilm, 5% tolerantie\n").arg(i).arg(i * 10);
    QTextDocument lijst(tekst);
    for (auto _ : state)
        benchmark::DoNotOptimize(lijst.toPlainText());
}
BENCHMARK(BM_LijstOphalen)->Unit(benchmark::kMicrosecond);

} // namespace
