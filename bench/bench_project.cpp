// The component list, projects, undo and the magnifier on sheets of a 1920 x 1080
// screen. Goals: line split of a 5,000-line list under 5 ms, save plus open of a
// project under 50 ms, undo snapshot and restore under 2 ms, one magnifier refresh
// under 1 ms of our own work (the screen grab is the desktop's).
#include "board/BoardDrawing.h"
#include "editor/BreadboardEditor.h"
#include "editor/ComponentList.h"
#include "editor/Loep.h"
#include "editor/RegelTelling.h"
#include "project/ProjectMap.h"
#include "ui/Surface.h"

#include <QFont>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

constexpr int kBreed = 1920, kHoog = 1080;

// The display lines of a list opened just now: nothing laid out yet.
void BM_TekstRegels(benchmark::State &state) {
    QFont letter(QStringLiteral("Arial"), 12);
    letter.setBold(true);
    QString tekst;
    for (int i = 0; i < state.range(0); ++i)
        tekst +=
            QStringLiteral("R%1 = %2 Ohm, 1/4 W, koolfilm, 5% tolerantie\r\n").arg(i).arg(i * 10);
    for (auto _ : state) {
        ComponentList lijst;
        lijst.zetLetterEnBreedte(letter, 700);
        benchmark::DoNotOptimize(lijst.TekstRegels(tekst));
    }
}
BENCHMARK(BM_TekstRegels)->Arg(5000)->Unit(benchmark::kMillisecond);

// Typing in a list of 5,000 lines: the count is kept per paragraph, and a key
// counts only the paragraph it lands in again.
void BM_TekstRegelsTypen(benchmark::State &state) {
    ComponentList lijst;
    QFont letter(QStringLiteral("Arial"), 12);
    letter.setBold(true);
    lijst.zetLetterEnBreedte(letter, 700);
    QString tekst;
    for (int i = 0; i < 5000; ++i)
        tekst +=
            QStringLiteral("R%1 = %2 Ohm, 1/4 W, koolfilm, 5% tolerantie\n").arg(i).arg(i * 10);
    QTextDocument document;
    document.documentLayout(); // a document reports its changes only with a layout
    document.setPlainText(tekst);
    RegelTelling telling;
    telling.telAlles(document, lijst);
    QObject::connect(&document, &QTextDocument::contentsChange, [&](int positie, int, int erbij) {
        telling.verander(document, lijst, positie, erbij);
    });
    QTextCursor cursor(&document);
    cursor.setPosition(document.characterCount() / 2);
    int letterNummer = 0;
    for (auto _ : state) {
        cursor.insertText(QString(QChar('a' + letterNummer++ % 26)));
        benchmark::DoNotOptimize(telling.aantal());
    }
}
BENCHMARK(BM_TekstRegelsTypen)->Unit(benchmark::kMillisecond);

struct Project {
    QTemporaryDir map;
    ProjectMap projecten{map.filePath(QStringLiteral("Projecten"))};
    Surface Pic{kBreed, kHoog}, Pic2{kBreed, kHoog}, GumPic{kBreed, kHoog};
    QString lijst;
    Project() {
        TekenBord(true, Pic2, GumPic);
        Pic.fillBox(51, 51, 99, 99, qRgb(0, 0, 255));
        for (int i = 0; i < 50; ++i)
            lijst += QStringLiteral("R%1 = 330 Ohm\r\n").arg(i);
    }
    void opslaan() const { projecten.opslaan(QStringLiteral("Proef"), Pic, Pic2, lijst); }
};

void BM_ProjectOpslaanEnOpenen(benchmark::State &state) {
    const Project project;
    for (auto _ : state) {
        project.opslaan();
        benchmark::DoNotOptimize(project.projecten.laad(QStringLiteral("Proef")));
    }
}
BENCHMARK(BM_ProjectOpslaanEnOpenen)->Unit(benchmark::kMillisecond);

// The two halves apart: saving waits for the disk (three files and a marker synced).
void BM_ProjectOpslaan(benchmark::State &state) {
    const Project project;
    for (auto _ : state)
        project.opslaan();
}
BENCHMARK(BM_ProjectOpslaan)->Unit(benchmark::kMillisecond);

void BM_ProjectOpenen(benchmark::State &state) {
    const Project project;
    project.opslaan();
    for (auto _ : state)
        benchmark::DoNotOptimize(project.projecten.laad(QStringLiteral("Proef")));
}
BENCHMARK(BM_ProjectOpenen)->Unit(benchmark::kMillisecond);

// One refresh: the source square around the pointer stretched into the magnifier.
void BM_LoepVerversen(benchmark::State &state) {
    Surface loep(148, 221), scherm(kBreed, kHoog), gum(kBreed, kHoog);
    TekenBord(true, scherm, gum);
    const int z = int(state.range(0));
    const QImage grab = scherm.image().copy(Loep::bron(QPoint(600, 400), loep.size(), z));
    for (auto _ : state) {
        const QRect bron = Loep::bron(QPoint(600, 400), loep.size(), z);
        loep.clear();
        loep.stretchFrom(grab, QRect(QPoint(0, 0), bron.size()), loep.rect());
    }
}
BENCHMARK(BM_LoepVerversen)->Arg(1)->Arg(3)->Arg(9)->Unit(benchmark::kMicrosecond);

} // namespace
