// Undo and redo over random steps on both kinds of sheet, and the shared memory bound.
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "editor/BreadboardEditor.h"
#include "editor/BreadboardTekenen.h"
#include "editor/Design.h"
#include "editor/Geschiedenis.h"
#include "editor/Ontwerpblad.h"

#include <QRandomGenerator>
#include <QtTest>

class TestGeschiedenis : public QObject {
    Q_OBJECT
private slots:
    void willekeurig_data();
    void willekeurig();
    void bewerker();
    void nietsVeranderd();
    void geheugenGrens();
    void bewaard();
};

namespace {
// One random press-to-release on a sheet: blocks and shifts on the design sheet, wires,
// erasing and a board of the other size on the breadboard.
void stap(QRandomGenerator &rng, bool ontwerp, Surface &blad, Surface &bord, Surface &scratch,
          bool &groot) {
    const int x = rng.bounded(blad.width()), y = rng.bounded(blad.height());
    if (ontwerp) {
        Surface icon(49, 49, qRgb(rng.bounded(256), 0, 0));
        const int soort = rng.bounded(10);
        if (soort == 0)
            verschuifTekening(blad, scratch, 1 + rng.bounded(4), 128);
        else
            plaatsBlok(blad, icon, soort < 7 ? Qt::LeftButton : Qt::RightButton, x, y);
        return;
    }
    const int soort = rng.bounded(12);
    if (soort == 0) {
        groot = !groot;
        TekenBord(groot, blad, bord);
    } else if (soort < 4) {
        gum(blad, bord, x, y);
    } else {
        blad.setLineWidth(3);
        blad.drawLine(x, y, rng.bounded(blad.width()), rng.bounded(blad.height()),
                      qRgb(0, rng.bounded(256), 255));
    }
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
    Surface blad(1100, 650), gum(1100, 650), scratch;
    bool groot = false;
    TekenBord(groot, blad, gum);
    Geschiedenis geschiedenis({&blad, &gum}, budget);
    geschiedenis.wis(groot);
    QRandomGenerator rng(ontwerp ? 7 : 11);
    QList<QImage> momenten{blad.image()};
    QList<int> groottes{groot};
    for (int i = 0; i < 60; ++i) {
        geschiedenis.begin();
        stap(rng, ontwerp, blad, gum, scratch, groot);
        if (geschiedenis.eind(groot)) {
            momenten << blad.image();
            groottes << groot;
        }
    }
    QCOMPARE(geschiedenis.aantalStappen(), momenten.size() - 1);
    for (qsizetype i = momenten.size() - 2; i >= 0; --i) {
        QVERIFY(geschiedenis.undo());
        QCOMPARE(blad.image(), momenten[i]);
        QCOMPARE(geschiedenis.toestand(), groottes[i]);
    }
    QVERIFY(!geschiedenis.undo());
    for (qsizetype i = 1; i < momenten.size(); ++i) {
        QVERIFY(geschiedenis.redo());
        QCOMPARE(blad.image(), momenten[i]);
        QCOMPARE(geschiedenis.toestand(), groottes[i]);
    }
    QVERIFY(!geschiedenis.redo());
    // A new step after two undos drops both redos.
    geschiedenis.undo();
    geschiedenis.undo();
    geschiedenis.begin();
    blad.fillBox(0, 0, 3, 3, qRgb(1, 2, 3));
    QVERIFY(geschiedenis.eind());
    QVERIFY(!geschiedenis.kanRedo());
    QVERIFY(geschiedenis.undo());
    QCOMPARE(blad.image(), momenten[momenten.size() - 3]);
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
        const int modus = 1 + rng.bounded(3);
        editor.kiesGereedschap(modus, {});
        const int x = rng.bounded(1000), y = rng.bounded(650);
        editor.MouseDown(Qt::LeftButton, x, y);
        for (int j = 1; j <= 5; ++j)
            editor.MouseMove(Qt::LeftButton, x + 30 * j - 60, y + 20 * j);
        editor.MouseUp(Qt::LeftButton, x + 90, y + 100);
        if (d.Pic2.image() != momenten.last()) momenten << d.Pic2.image();
    }
    QCOMPARE(geschiedenis.aantalStappen(), momenten.size() - 1);
    for (qsizetype i = momenten.size() - 2; i >= 0; --i) {
        QVERIFY(geschiedenis.undo());
        QCOMPARE(d.Pic2.image(), momenten[i]);
    }
}

void TestGeschiedenis::nietsVeranderd() {
    GeschiedenisBudget budget;
    Surface blad(200, 100);
    Geschiedenis geschiedenis({&blad}, budget);
    geschiedenis.begin();
    blad.fillBox(10, 10, 20, 20, Surface::kWhite); // written, yet the same pixels
    QVERIFY(!geschiedenis.eind());
    QVERIFY(!geschiedenis.kanUndo());
    QCOMPARE(budget.gebruikt(), 0);
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
            for (int y = 0; y < 40; ++y) // noise: it does not compress
                for (int x = 0; x < 100; ++x)
                    blad->setPixel(x + i * 5, y + i * 5, rng.generate() | 0xff000000);
            geschiedenis->eind();
        }
        momenten << a.image();
        QVERIFY(budget.gebruikt() <= budget.grens());
        QCOMPARE(budget.gebruikt(), ga.bytes() + gb.bytes());
    }
    QVERIFY(ga.aantalStappen() < 40);
    QVERIFY(qAbs(ga.aantalStappen() - gb.aantalStappen()) <= 1);
    const int blijft = ga.aantalStappen();
    while (ga.undo()) {
    }
    QCOMPARE(a.image(), momenten[40 - blijft]);
}

void TestGeschiedenis::bewaard() {
    GeschiedenisBudget budget;
    Surface blad(100, 100);
    Geschiedenis geschiedenis({&blad}, budget);
    QVERIFY(geschiedenis.opBewaard());
    for (int i = 0; i < 3; ++i) {
        geschiedenis.begin();
        blad.setPixel(i, i, 0);
        geschiedenis.eind();
        if (i == 1) geschiedenis.markeerBewaard();
    }
    QVERIFY(!geschiedenis.opBewaard());
    geschiedenis.undo();
    QVERIFY(geschiedenis.opBewaard());
    geschiedenis.undo();
    QVERIFY(!geschiedenis.opBewaard());
    // The saved moment among the dropped redos can no longer be reached.
    geschiedenis.begin();
    blad.setPixel(50, 50, 0);
    geschiedenis.eind();
    geschiedenis.undo();
    QVERIFY(!geschiedenis.opBewaard());
}

VOLTARIX_TEST(TestGeschiedenis)
#include "tst_geschiedenis.moc"
