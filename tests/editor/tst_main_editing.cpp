#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Main.h"
#include "editor/Textform.h"
#include "ui/SheetView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

const QRgb kBlauw = qRgb(0, 0, 255);

// The main window over a fresh application folder with one part picture, 20 x 10,
// transparent on the left and blue on the right.
struct Venster {
    TestFolder map;
    ScriptedPlatform platform;
    std::unique_ptr<Main> main;

    Venster() {
        QImage part(20, 10, QImage::Format_Indexed8);
        part.setColorTable({qRgb(1, 2, 3), kBlauw});
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                part.setPixel(x, y, x < 10 ? 0 : 1);
        map.writeFile(QStringLiteral("Breadboard/Onderdeel.gif"), gifFile(part, 0));
        main = std::make_unique<Main>(AppFolder(map.root()), platform, QSize(1280, 1024));
    }

    template <typename T> T *vind(const QString &naam) const {
        T *widget = main->findChild<T *>(naam);
        if (!widget) qFatal("no control %s", qPrintable(naam));
        return widget;
    }
    Design &ontwerp() { return main->ontwerp(); }
    QString status() const { return vind<QLabel>(QStringLiteral("Label8"))->text(); }
    // A user's choice in the tool box.
    void kies(int index) {
        auto *Combo3 = vind<QComboBox>(QStringLiteral("Combo3"));
        Combo3->setCurrentIndex(index);
        emit Combo3->activated(index);
    }
    bool toont(const QString &naam) const { return !vind<QWidget>(naam)->isHidden(); }
};

} // namespace

class TestMainEditing : public QObject {
    Q_OBJECT
private slots:
    void ontwerpbladPlaatsenEnStatus();
    void gumVoorbeeldVolgtMuis();
    void tekstLandtWaarVoorbeeldStond();
    void onderdeelVoorbeeldEnStempel();
    void draadInGekozenKleur();
    void symboolKnoppen();
    void textformGeeftSymbool();
};

void TestMainEditing::ontwerpbladPlaatsenEnStatus() {
    Venster v;
    v.ontwerp().IconPic.fillBox(0, 0, 48, 48, qRgb(0, 0, 0));
    auto *Pic = v.vind<SheetView>(QStringLiteral("Pic"));
    emit Pic->pressed(Qt::LeftButton, 60, 60);
    QCOMPARE(v.ontwerp().Pic.pixel(51, 51), qRgb(0, 0, 0));
    QCOMPARE(v.ontwerp().Pic.pixel(99, 99), qRgb(0, 0, 0));
    QCOMPARE(v.ontwerp().Pic.pixel(50, 50), qRgb(150, 150, 150));
    emit Pic->pressed(Qt::RightButton, 70, 90);
    QCOMPARE(v.ontwerp().Pic.pixel(51, 51), Surface::kWhite);
    emit Pic->moved(Qt::NoButton, 120, 10);
    QCOMPARE(v.status(), QStringLiteral("Block : C - 1"));
    // Dragged off the sheet, the line keeps the last block.
    emit Pic->moved(Qt::LeftButton, -3, 10);
    QCOMPARE(v.status(), QStringLiteral("Block : C - 1"));
}

void TestMainEditing::gumVoorbeeldVolgtMuis() {
    Venster v;
    auto *Pic2 = v.vind<SheetView>(QStringLiteral("Pic2"));
    v.kies(2);
    QVERIFY(v.toont("GumLayer"));
    QVERIFY(!v.toont("BBlayer"));
    emit Pic2->moved(Qt::NoButton, 300, 200);
    QCOMPARE(v.vind<QLabel>("GumLayer")->geometry(), QRect(285, 185, 16, 16));
    QCOMPARE(v.status(), QStringLiteral("Contactpunt : 6, 3"));
    // The previews let the mouse through to the sheet.
    QVERIFY(v.vind<QLabel>("GumLayer")->testAttribute(Qt::WA_TransparentForMouseEvents));
    v.kies(1);
    QVERIFY(!v.toont("GumLayer"));
}

void TestMainEditing::tekstLandtWaarVoorbeeldStond() {
    Venster v;
    auto *Pic2 = v.vind<SheetView>(QStringLiteral("Pic2"));
    // Text that looks like markup is still printed and previewed as typed.
    v.vind<QLineEdit>("Text2")->setText(QStringLiteral("<b>LED"));
    v.kies(3);
    for (const char *naam : {"Text2", "Combo4", "Check1", "TekstLabel"})
        QVERIFY2(v.toont(naam), naam);
    v.vind<QComboBox>("Combo4")->setCurrentText(QStringLiteral("20"));
    v.vind<QCheckBox>("Check1")->setChecked(true);
    auto *TekstLabel = v.vind<QLabel>("TekstLabel");
    QCOMPARE(TekstLabel->text(), QStringLiteral("<b>LED"));
    QCOMPARE(TekstLabel->font().pointSizeF(), 20.0);
    QVERIFY(TekstLabel->font().bold());

    const QImage voor = v.ontwerp().Pic2.image().copy();
    emit Pic2->pressed(Qt::LeftButton, 400, 300);
    emit Pic2->moved(Qt::LeftButton, 420, 330);
    const QRect voorbeeld = TekstLabel->geometry();
    QCOMPARE(voorbeeld.bottomRight(), QPoint(420 - 6, 330 - 6));
    // The label shows just the text that will be printed, all of it.
    QVERIFY(qAbs(TekstLabel->sizeHint().width() - voorbeeld.width()) <= 1);
    emit Pic2->released(Qt::LeftButton, 420, 330);
    const QRect geschreven = differingRect(v.ontwerp().Pic2.image(), voor);
    QVERIFY(!geschreven.isEmpty());
    QVERIFY(voorbeeld.contains(geschreven));
    // In the current colour, red.
    bool rood = false;
    for (int y = geschreven.top(); y <= geschreven.bottom(); ++y)
        for (int x = geschreven.left(); x <= geschreven.right(); ++x)
            rood = rood || v.ontwerp().Pic2.pixel(x, y) == qRgb(255, 0, 0);
    QVERIFY(rood);
    for (const char *naam : {"Text2", "Combo4", "Check1", "TekstLabel"})
        QVERIFY2(!v.toont(naam), naam);
}

void TestMainEditing::onderdeelVoorbeeldEnStempel() {
    Venster v;
    auto *Pic2 = v.vind<SheetView>(QStringLiteral("Pic2"));
    v.kies(5);
    auto *BBlayer = v.vind<QLabel>("BBlayer");
    QVERIFY(v.toont("BBlayer"));
    QCOMPARE(BBlayer->pixmap().size(), QSize(20, 10));
    // Transparent where the stamp leaves the board alone.
    QCOMPARE(BBlayer->pixmap().toImage().pixelColor(2, 2).alpha(), 0);
    const QImage voor = v.ontwerp().Pic2.image().copy();
    emit Pic2->moved(Qt::NoButton, 330, 260);
    QCOMPARE(BBlayer->geometry(), QRect(305, 245, 20, 10));
    emit Pic2->pressed(Qt::LeftButton, 330, 260);
    emit Pic2->released(Qt::LeftButton, 330, 260);
    QCOMPARE(differingRect(v.ontwerp().Pic2.image(), voor), QRect(315, 245, 10, 10));
    QVERIFY(!v.toont("BBlayer"));
    // Undo's snapshot holds the sheet from before the stamp.
    QCOMPARE(v.ontwerp().UndoPic.image(), voor);
}

void TestMainEditing::draadInGekozenKleur() {
    Venster v;
    auto *Pic2 = v.vind<SheetView>(QStringLiteral("Pic2"));
    v.vind<QComboBox>("Combo2")->setCurrentText(QStringLiteral("Blauw"));
    v.kies(1);
    emit Pic2->pressed(Qt::LeftButton, 250, 250);
    emit Pic2->moved(Qt::LeftButton, 350, 250);
    emit Pic2->released(Qt::LeftButton, 350, 250);
    QCOMPARE(v.ontwerp().Pic2.pixel(300, 249), kBlauw);
    QCOMPARE(v.ontwerp().Pic2.pixel(300, 251), kBlauw);
}

void TestMainEditing::symboolKnoppen() {
    Venster v;
    Surface &IconPic = v.ontwerp().IconPic;
    IconPic.setPixel(0, 0, qRgb(0, 0, 0));
    const QList<std::pair<const char *, QPoint>> stappen = {
        {"RotatieKnop", {48, 0}}, {"VerKnop", {48, 48}}, {"HorKnop", {0, 48}}};
    for (const auto &[naam, punt] : stappen) {
        auto *knop = v.vind<QToolButton>(naam);
        QVERIFY(!knop->icon().isNull());
        knop->click();
        QCOMPARE(IconPic.pixel(punt.x(), punt.y()), qRgb(0, 0, 0));
    }
}

void TestMainEditing::textformGeeftSymbool() {
    Venster v;
    QImage overgedragen;
    QTimer::singleShot(0, [&overgedragen] {
        auto *venster = qobject_cast<Textform *>(QApplication::activeModalWidget());
        if (!venster) return;
        venster->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("IC 4"));
        overgedragen = venster->blok().WeerPic().image().copy();
        venster->findChild<QPushButton *>(QStringLiteral("PlaatsKnop"))->click();
    });
    v.vind<QToolButton>("Knop2_1")->click();
    QVERIFY(!overgedragen.isNull());
    QCOMPARE(v.ontwerp().IconPic.image(), overgedragen);
}

VOLTARIX_TEST(TestMainEditing)
#include "tst_main_editing.moc"
