// The recovery copy of a 1920 x 1080 design and what the main thread pays for it.
// Goal: the main thread is never held up more than 2 ms by an autosave: handing the
// design over, and the first stroke on a sheet whose pixels the worker still reads
// (Qt's images copy on write: that stroke copies the sheet).
#include "board/BoardDrawing.h"
#include "project/HerstelSchrijver.h"
#include "ui/Surface.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

namespace {

constexpr int kBreed = 1920, kHoog = 1080;

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
    HerstelSchrijver::Momentopname moment() const { return {Pic.image(), Pic2.image(), lijst, {}}; }
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

// The timer's tick on the main thread: the design handed to the worker.
void BM_HerstelOvergeven(benchmark::State &state) {
    Ontwerp ontwerp;
    HerstelSchrijver schrijver(ontwerp.kopieMap(), {});
    for (auto _ : state) {
        schrijver.bewaar(ontwerp.moment());
        state.PauseTiming();
        schrijver.wacht();
        ontwerp.teken();
        state.ResumeTiming();
    }
}
// Each round waits for a whole copy on the disk: a fixed number of rounds.
BENCHMARK(BM_HerstelOvergeven)->Unit(benchmark::kMicrosecond)->Iterations(100);

// The first wire drawn while the worker holds the breadboard: the sheet is copied.
void BM_EersteStreekTijdensKopie(benchmark::State &state) {
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
BENCHMARK(BM_EersteStreekTijdensKopie)->Unit(benchmark::kMicrosecond);

// A whole autosave while the user keeps drawing, a wire every 2 ms (a mouse reports
// every 8 ms or so): the longest the main thread took, for the handing over or for
// one wire, over all rounds.
void BM_LangsteBlokkadeTijdensAutosave(benchmark::State &state) {
    Ontwerp ontwerp;
    HerstelSchrijver schrijver(ontwerp.kopieMap(), {});
    Stopwatch langste;
    for (auto _ : state) {
        ontwerp.teken();
        langste.meet([&] { schrijver.bewaar(ontwerp.moment()); });
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
