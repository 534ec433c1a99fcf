// The component list box with the lists a project may hold: millions of short lines,
// one line of a megabyte, a megabyte of NUL bytes (as a power cut leaves a file).
// Goals: opening under 0.5 s with memory under four times the file's size, a key typed
// in the opened list under 16 ms. The box itself decides what it can hold: the
// capacity runs show it at sizes around the bounds of ComponentList::kanTonen, the
// opening runs what the program does with three big lists: 16 MB of short lines, 1 MB
// on one line and 1 MB of NUL bytes.
#include "editor/ComponentList.h"
#include "editor/RegelTelling.h"
#include "project/ProjectMap.h"
#include "ui/Surface.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>

namespace {

enum Soort { kKorteRegels, kEenRegel, kNullen, kZonderLetter };

// The big lists, each of about `grootte` bytes: short lines "R" (kKorteRegels), one
// line of "R1 " repeated (kEenRegel), or NUL bytes only (kNullen).
QByteArray inhoud(int soort, qint64 grootte) {
    switch (soort) {
    case kKorteRegels:
        return QByteArray("R\r\n").repeated(grootte / 3);
    case kEenRegel:
        return QByteArray("R1 ").repeated(grootte / 3);
    default:
        return QByteArray(grootte, '\0');
    }
}

// The largest lists the box is given: as many lines as it takes, as long as it takes.
QByteArray opDeGrens(int soort) {
    const qsizetype lengte = soort == kKorteRegels ? 4 : ComponentList::kMaxAlinea;
    const qsizetype regels =
        std::min(ComponentList::kMaxTekens / (lengte + 2), ComponentList::kMaxAlineas - 1);
    const QByteArray teken[] = {"R", "R1 ", QByteArray(1, '\0'),
                                "\xee\x80\x80"}; // no font has U+E000
    const QByteArray regel = teken[soort].repeated(lengte / (soort == kEenRegel ? 3 : 1));
    return (regel + "\r\n").repeated(regels);
}

// Resident memory now, or at its peak, in MB.
double geheugen(const char *veld) {
    std::ifstream status("/proc/self/status");
    for (std::string regel; std::getline(status, regel);)
        if (regel.rfind(veld, 0) == 0) return std::stod(regel.substr(std::strlen(veld))) / 1024;
    return 0;
}

struct Project {
    QTemporaryDir map;
    ProjectMap projecten{map.filePath(QStringLiteral("Projecten"))};
    explicit Project(const QByteArray &dat) {
        projecten.opslaan(QStringLiteral("Groot"), Surface(8, 8), Surface(8, 8), QString());
        QFile bestand(map.filePath(QStringLiteral("Projecten/Groot.dat")));
        bestand.open(QIODevice::WriteOnly);
        bestand.write(dat);
    }
    QString lijst() const { return projecten.laad(QStringLiteral("Groot")).lijst; }
};

// The box as the main window sets it up, counting its display lines as it changes.
struct Vak {
    QPlainTextEdit Text1;
    ComponentList lijst;
    RegelTelling telling;
    QString regels;
    Vak() {
        QFont letter(QStringLiteral("Arial"), 12);
        letter.setBold(true);
        Text1.setFont(letter);
        Text1.resize(760, 540);
        Text1.show();
        QObject::connect(Text1.document(), &QTextDocument::contentsChange,
                         [this](int positie, int, int erbij) {
                             const qreal breedte =
                                 Text1.viewport()->width() - 2 * Text1.document()->documentMargin();
                             if (lijst.zelfdeLetterEnBreedte(Text1.font(), breedte)) {
                                 telling.verander(*Text1.document(), lijst, positie, erbij);
                             } else {
                                 lijst.zetLetterEnBreedte(Text1.font(), breedte);
                                 telling.telAlles(*Text1.document(), lijst);
                             }
                             regels = ComponentList::regelTekst(telling.aantal());
                         });
    }
};

// The box with the largest lists it is given.
void BM_LijstVakOpenen(benchmark::State &state) {
    const Project project(opDeGrens(int(state.range(0))));
    const double voor = geheugen("VmRSS:");
    for (auto _ : state) {
        Vak vak;
        vak.Text1.setPlainText(project.lijst());
        QApplication::processEvents();
        state.counters["MB"] = geheugen("VmRSS:") - voor;
    }
}
BENCHMARK(BM_LijstVakOpenen)
    ->DenseRange(kKorteRegels, kZonderLetter)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// A key typed in the middle of the list in the box, and shown.
void BM_LijstVakTypen(benchmark::State &state) {
    const Project project(opDeGrens(int(state.range(0))));
    Vak vak;
    vak.Text1.setPlainText(project.lijst());
    QTextCursor cursor = vak.Text1.textCursor();
    cursor.setPosition(vak.Text1.document()->characterCount() / 2);
    vak.Text1.setTextCursor(cursor);
    QApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent toets(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&vak.Text1, &toets);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LijstVakTypen)
    ->DenseRange(kKorteRegels, kZonderLetter)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// The three big lists (16 MB of short lines, 1 MB on one line, 1 MB of NUL bytes)
// opened as the program opens them: shown when the box can hold them, else kept as
// they were read.
void BM_GroteLijstOpenen(benchmark::State &state) {
    const qint64 grootte[] = {16'000'000, 1 << 20, 1 << 20};
    const Project project(inhoud(int(state.range(0)), grootte[state.range(0)]));
    const double voor = geheugen("VmRSS:");
    for (auto _ : state) {
        Vak vak;
        const ProjectMap::Geladen geladen = project.projecten.laad(QStringLiteral("Groot"));
        if (ComponentList::kanTonen(geladen.lijst)) vak.Text1.setPlainText(geladen.lijst);
        QApplication::processEvents();
        state.counters["MB"] = geheugen("VmHWM:") - voor;
    }
}
BENCHMARK(BM_GroteLijstOpenen)
    ->Arg(kKorteRegels)
    ->Arg(kEenRegel)
    ->Arg(kNullen)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
