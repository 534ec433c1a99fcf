#ifdef VOLTARIX_BENCH_WIDGETS
#include <QApplication>
using Toepassing = QApplication;
#else
#include <QGuiApplication>
using Toepassing = QGuiApplication;
#endif

#include <benchmark/benchmark.h>

// Qt's text drawing needs an application object (the windows' benchmarks a widget
// application); benchmarks need no screen.
int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Toepassing application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
