#include "ScriptedPlatform.h"
#include "TestRunner.h"
#include "symbols/AchtergrondTegel.h"
#include "symbols/Patronen.h"
#include "symbols/Texturen.h"

#include <QtTest>

namespace {

// The top-left 80 x 80 pixels of a texture: what the preview shows of it.
QImage tegelVan(int textuur) {
    return Texturen::textuur(textuur).copy(0, 0, 80, 80);
}

// The tile that a pattern drawn over `onder` gives.
QImage patroonOver(QImage onder, int patroon, QRgb kleur) {
    Surface tegel(onder);
    Patronen::teken(tegel, patroon, kleur);
    return tegel.image();
}

QImage wit() {
    return Surface(80, 80).image();
}

// Remembers what the colour dialog was opened on.
class KleurPlatform : public ScriptedPlatform {
public:
    QList<QRgb> geopendOp;
    std::optional<QRgb> chooseColour(QRgb begin) override {
        geopendOp << begin;
        return ScriptedPlatform::chooseColour(begin);
    }
};

} // namespace

class TestAchtergrondTegel : public QObject {
    Q_OBJECT
private slots:
    void beginToestand();
    void volPatroonBedektTextuur();
    void textuurWistPatroon_data();
    void textuurWistPatroon();
    void vinkjeEnKleurPasBijVolgendPatroon();
    void kleurDialoog();
    void grenzen();
};

void TestAchtergrondTegel::beginToestand() {
    const AchtergrondTegel tegel;
    QCOMPARE(tegel.voorbeeld().size(), QSize(80, 80));
    QCOMPARE(tegel.voorbeeld().image(), tegelVan(0));
    QCOMPARE(tegel.textuur(), 0);
    QCOMPARE(tegel.patroon(), 0);
    QVERIFY(!tegel.combineren());
    QCOMPARE(tegel.kleur(), qRgb(255, 255, 0));
}

void TestAchtergrondTegel::volPatroonBedektTextuur() {
    AchtergrondTegel tegel;
    tegel.HScroll1_Change(9);
    tegel.zetCombineren(true);
    tegel.VScroll1_Change(0);
    QImage vol(80, 80, QImage::Format_RGB32);
    vol.fill(tegel.kleur());
    QCOMPARE(tegel.voorbeeld().image(), vol);
}

// Moving the texture bar shows the bare texture; moving the pattern bar again draws
// the pattern, over the texture only when combining.
void TestAchtergrondTegel::textuurWistPatroon_data() {
    QTest::addColumn<bool>("combineren");
    QTest::newRow("pattern alone") << false;
    QTest::newRow("combined") << true;
}

void TestAchtergrondTegel::textuurWistPatroon() {
    QFETCH(bool, combineren);
    AchtergrondTegel tegel;
    tegel.zetCombineren(combineren);
    tegel.VScroll1_Change(4);
    const QImage onder = combineren ? tegelVan(0) : wit();
    QCOMPARE(tegel.voorbeeld().image(), patroonOver(onder, 4, tegel.kleur()));
    tegel.HScroll1_Change(12);
    QCOMPARE(tegel.voorbeeld().image(), tegelVan(12));
    tegel.VScroll1_Change(7);
    const QImage nieuwOnder = combineren ? tegelVan(12) : wit();
    QCOMPARE(tegel.voorbeeld().image(), patroonOver(nieuwOnder, 7, tegel.kleur()));
    QCOMPARE(tegel.textuur(), 12);
    QCOMPARE(tegel.patroon(), 7);
}

void TestAchtergrondTegel::vinkjeEnKleurPasBijVolgendPatroon() {
    AchtergrondTegel tegel;
    tegel.VScroll1_Change(2);
    const QImage voor = tegel.voorbeeld().image();
    tegel.zetCombineren(true);
    tegel.zetKleur(qRgb(0, 0, 200));
    QCOMPARE(tegel.voorbeeld().image(), voor);
    tegel.VScroll1_Change(3);
    QCOMPARE(tegel.voorbeeld().image(), patroonOver(tegelVan(0), 3, qRgb(0, 0, 200)));
}

// The dialog opens on the colour last chosen in it; cancelling changes nothing.
void TestAchtergrondTegel::kleurDialoog() {
    AchtergrondTegel tegel;
    KleurPlatform platform;
    QRgb dialoogKleur = qRgb(0, 0, 0);
    platform.colourAnswers = {qRgb(10, 20, 30), std::nullopt};
    tegel.ColorLabel_Click(platform, dialoogKleur);
    QCOMPARE(tegel.kleur(), qRgb(10, 20, 30));
    QCOMPARE(dialoogKleur, qRgb(10, 20, 30));
    tegel.ColorLabel_Click(platform, dialoogKleur);
    QCOMPARE(tegel.kleur(), qRgb(10, 20, 30));
    QCOMPARE(dialoogKleur, qRgb(10, 20, 30));
    QCOMPARE(platform.geopendOp, (QList<QRgb>{qRgb(0, 0, 0), qRgb(10, 20, 30)}));
    QCOMPARE(tegel.voorbeeld().image(), tegelVan(0)); // choosing does not redraw
}

// Values the bars cannot give still show a texture and a pattern that exist.
void TestAchtergrondTegel::grenzen() {
    AchtergrondTegel tegel;
    tegel.HScroll1_Change(99);
    QCOMPARE(tegel.textuur(), Texturen::kAantal - 1);
    QCOMPARE(tegel.voorbeeld().image(), tegelVan(13));
    tegel.VScroll1_Change(-5);
    QCOMPARE(tegel.patroon(), 0);
}

VOLTARIX_TEST(TestAchtergrondTegel)
#include "tst_achtergrondtegel.moc"
