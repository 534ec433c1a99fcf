// The title screen opens at program start: reading the version back from the
// executable and drawing the title picture must not make the user wait (goal: well
// under 100 ms together for an executable of tens of megabytes).
#include "app/TitelPlaatje.h"
#include "app/VersieStempel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A file of `megabytes` with the stamp near its end, as in a large executable.
QString programmaBestand(const QTemporaryDir &map, int megabytes) {
    const QString pad = map.filePath(QStringLiteral("voltarix"));
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly)) return pad;
    const QByteArray blok(1 << 20, '\x5a');
    for (int i = 0; i < megabytes; ++i)
        bestand.write(blok);
    bestand.write(VersieStempel::stempel(QStringLiteral("1.0.0.1")));
    return pad;
}

void BM_GetFileVersion(benchmark::State &state) {
    const QTemporaryDir map;
    const QString pad = programmaBestand(map, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(VersieStempel::GetFileVersion(pad));
    state.SetBytesProcessed(state.iterations() * state.range(0) * (1 << 20));
}
BENCHMARK(BM_GetFileVersion)->Arg(8)->Arg(32)->Unit(benchmark::kMillisecond);

// This benchmark program itself carries the stamp, among real machine code.
void BM_GetFileVersionEigen(benchmark::State &state) {
    const QString pad = QCoreApplication::applicationFilePath();
    for (auto _ : state)
        benchmark::DoNotOptimize(VersieStempel::GetFileVersion(pad));
}
BENCHMARK(BM_GetFileVersionEigen)->Unit(benchmark::kMillisecond);

void BM_TitelPlaatje(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(TitelPlaatje::teken());
}
BENCHMARK(BM_TitelPlaatje)->Unit(benchmark::kMillisecond);

} // namespace
