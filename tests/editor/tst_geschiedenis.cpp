// Undo and redo over random steps on both kinds of sheet, and the shared memory bound.
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "editor/BreadboardEditor.h"
#include "editor/BreadboardTekenen.h"
#include "editor/Design.h"
#include "ui/Geschiedenis.h"
#include "editor/Ontwerpblad.h"

#include <QRandomGenerator>
#include <QtTest>

class TestGeschiedenis : public QObject {
    Q_OBJECT
private slots:
    void willekeurig_data();
    void willekeurig();
    void bewerker();
    void geheugenGrens();
};

namespace {
// One random press-to-release: blocks and shifts on the design sheet; wires, erasing
// and a board of the other size on the breadboard.
void stap(QRandomGenerator &rng, bool ontwerp, Surface &blad, Surface &bord, bool &groot) {
    const int x = rng.bounded(blad.width()), y = rng.bounded(blad.height()),
              soort = rng.bounded(10);
    Surface scratch, icon(49, 49, qRgb(rng.bounded(256), 0, 0));
    if (ontwerp && soort == 0) schuifBlokken(blad, scratch, 1 + rng.bounded(4), 128);
    if (ontwerp && soort > 0)
        plaatsBlok(blad, icon, soort < 7 ? Qt::LeftButton : Qt::RightButton, x, y);
    if (!ontwerp && soort == 0) TekenBord(groot = !groot, blad, bord);
    if (!ontwerp && soort > 0 && soort < 4) gum(blad, bord, x, y);
    if (!ontwerp && soort >= 4) blad.drawLine(x, y, y, x, qRgb(0, rng.bounded(256), 255));
}

// Undone to the start and redone to the end, the sheet is each moment's picture again.
void terugEnWeer(Geschiedenis &geschiedenis, const Surface &blad, const QList<QImage> &momenten,
                 const QList<int> &toestanden) {
    QCOMPARE(geschiedenis.aantalStappen(), momenten.size() - 1);
    for (qsizetype i = momenten.size() - 2; i >= 0; --i) {
        QVERIFY(geschiedenis.undo());
        QCOMPARE(blad.image(), momenten[i]);
        QCOMPARE(geschiedenis.toestand(), toestanden.value(i));
    }
    QVERIFY(!geschiedenis.undo());
    for (qsizetype i = 1; i < momenten.size(); ++i) {
        QVERIFY(geschiedenis.redo());
        QCOMPARE(blad.image(), momenten[i]);
    }
    QVERIFY(!geschiedenis.redo());
}
} // namespace

void TestGeschiedenis::willekeurig_data() {
    QTest::addColumn<bool>("ontwerp");
    QTest::newRow("design sheet") << true;
    QTest::newRow("breadboard with its pristine board") << false;
}

void TestGeschiedenis::willekeurig() {
    QFETCH(bool, ontwerp);
    GeschiedenisBudget budget;
    Surface blad(1100, 650), gum(1100, 650);
    bool groot = false;
    TekenBord(groot, blad, gum);
    Geschiedenis geschiedenis({&blad, &gum}, budget);
    QRandomGenerator rng(ontwerp ? 7 : 11);
    QList<QImage> momenten{blad.image()};
    QList<int> groottes{groot};
    for (int i = 0; i < 60; ++i) {
        geschiedenis.begin();
        stap(rng, ontwerp, blad, gum, groot);
        if (geschiedenis.eind(groot)) momenten << blad.image(), groottes << groot;
    }
    terugEnWeer(geschiedenis, blad, momenten, groottes);
    // Two undos and a new step: no redo left. A step that wrote the same pixels is none.
    geschiedenis.undo(), geschiedenis.undo();
    geschiedenis.begin();
    blad.fillBox(0, 0, 3, 3, qRgb(1, 2, 3));
    QVERIFY(geschiedenis.eind() && !geschiedenis.kanRedo());
    geschiedenis.begin();
    blad.fillBox(0, 0, 3, 3, qRgb(1, 2, 3));
    QVERIFY(!geschiedenis.eind());
}

// The editor tells the history where a gesture drew; a place it forgot to name would
// be missing from the step and show here as a picture not restored.
void TestGeschiedenis::bewerker() {
    GeschiedenisBudget budget;
    Design d;
    d.Pic2.resize(1000, 650);
    d.GumPic.resize(1000, 650);
    TekenBord(true, d.Pic2, d.GumPic);
    Geschiedenis geschiedenis({&d.Pic2, &d.GumPic}, budget);
    BreadboardEditor editor(d, AppFolder(QStringLiteral("/nonexistent")));
    editor.zetGeschiedenis(&geschiedenis);
    editor.zetTekstGrootte(QStringLiteral("48"));
    editor.zetTekst(QStringLiteral("jWgQ"));
    QRandomGenerator rng(5);
    QList<QImage> momenten{d.Pic2.image()};
    for (int i = 0; i < 40; ++i) {
        editor.kiesGereedschap(1 + rng.bounded(3), {}); // wire, eraser, text
        const int x = rng.bounded(1000), y = rng.bounded(650);
        editor.MouseDown(Qt::LeftButton, x, y);
        for (int j = 1; j <= 5; ++j)
            editor.MouseMove(Qt::LeftButton, x + 30 * j - 60, y + 20 * j);
        editor.MouseUp(Qt::LeftButton, x + 90, y + 100);
        if (d.Pic2.image() != momenten.last()) momenten << d.Pic2.image();
    }
    terugEnWeer(geschiedenis, d.Pic2, momenten, {});
}

// Two histories share one bound: the oldest steps of either go first, and what stays
// can still be undone to the picture of its moment.
void TestGeschiedenis::geheugenGrens() {
    GeschiedenisBudget budget(300 << 10);
    Surface a(400, 400), b(400, 400);
    Geschiedenis ga({&a}, budget), gb({&b}, budget);
    QRandomGenerator rng(3);
    QList<QImage> momenten{a.image()};
    for (int i = 0; i < 40; ++i) {
        for (auto [blad, geschiedenis] : {std::pair{&a, &ga}, std::pair{&b, &gb}}) {
            geschiedenis->begin();
            for (int p = 0; p < 4000; ++p) // noise: it does not compress
                blad->setPixel(p % 100 + i * 5, p / 100 + i * 5, rng.generate() | 0xff000000);
            geschiedenis->eind();
        }
        momenten << a.image();
        QVERIFY(budget.gebruikt() <= budget.grens());
        QCOMPARE(budget.gebruikt(), ga.bytes() + gb.bytes());
    }
    const int blijft = ga.aantalStappen();
    QVERIFY(blijft < 40 && qAbs(blijft - gb.aantalStappen()) <= 1);
    while (ga.undo()) {
    }
    QCOMPARE(a.image(), momenten[40 - blijft]);
}

VOLTARIX_TEST(TestGeschiedenis)
#include "tst_geschiedenis.moc"
