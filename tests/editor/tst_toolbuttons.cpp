#include "TestRunner.h"
#include "editor/ToolButtons.h"

#include <QMap>
#include <QRandomGenerator>
#include <QtTest>

using B = ToolButtons::Besturing;
using Weergave = ToolButtons::Weergave;
using Actie = ToolButtons::Actie;

Q_DECLARE_METATYPE(ToolButtons::Weergave)

namespace {

// What the window would show after carrying out the changes in order, starting
// with every control visible, as a freshly made widget is.
class Venster {
public:
    void toepassen(const ToolButtons::Uitkomst &uitkomst) {
        for (const ToolButtons::Zichtbaarheid &wijziging : uitkomst.zichtbaarheid)
            zichtbaar_[wijziging.besturing] = wijziging.zichtbaar;
    }
    bool zichtbaar(B besturing) const { return zichtbaar_.value(besturing, true); }
    void zet(B besturing, bool zichtbaar) { zichtbaar_[besturing] = zichtbaar; }

private:
    QMap<B, bool> zichtbaar_;
};

const QList<B> kWerkBalk = {B::WerkBalk, B::Combo2,     B::Combo3,      B::BackClear, B::NewKnop,
                            B::LoepKnop, B::LoepScroll, B::BBgrootKnop, B::PrintKnop};
const QList<B> kAlleenVerborgen = {B::Combo4, B::Text2, B::Check1, B::Loep, B::LineV, B::LineH};

B blad(Weergave weergave) {
    switch (weergave) {
    case Weergave::Ontwerpblad:
        return B::Pic;
    case Weergave::Componentenlijst:
        return B::Text1;
    case Weergave::Breadboard:
        return B::Pic2;
    case Weergave::Informatie:
        break;
    }
    return B::WebBrowser;
}

// The facts that must hold after every click: one view, the " Index " button only
// in the information view (where any other button hides it again), the breadboard tools only with
// the breadboard, the symbol list and the magnifier never both gone.
void controleer(const ToolButtons &knoppen, const Venster &venster) {
    int getoond = 0;
    for (B view : {B::Pic, B::Text1, B::Pic2, B::WebBrowser})
        getoond += venster.zichtbaar(view) ? 1 : 0;
    QCOMPARE(getoond, 1);
    QVERIFY(venster.zichtbaar(blad(knoppen.weergave())));
    QCOMPARE(venster.zichtbaar(B::IndexKnop), knoppen.indexZichtbaar());
    if (knoppen.indexZichtbaar()) QCOMPARE(knoppen.weergave(), Weergave::Informatie);
    for (B tool : kWerkBalk)
        QCOMPARE(venster.zichtbaar(tool), knoppen.weergave() == Weergave::Breadboard);
    if (knoppen.weergave() != Weergave::Breadboard) {
        QVERIFY(venster.zichtbaar(B::List1));
        for (B tool : kAlleenVerborgen)
            QVERIFY(!venster.zichtbaar(tool));
    }
}

// A window in `weergave`, as the view buttons (or the help item) bring it there.
ToolButtons naar(Weergave weergave, Venster &venster) {
    ToolButtons knoppen;
    venster.toepassen(knoppen.beginToestand());
    const int knop = 5 + int(weergave);
    venster.toepassen(knoppen.klik(knop));
    return knoppen;
}

} // namespace

class TestToolButtons : public QObject {
    Q_OBJECT
private slots:
    void beginToestand_data();
    void beginToestand();
    void elkeKnopHoudtWeergavenExclusief_data();
    void elkeKnopHoudtWeergavenExclusief();
    void willekeurigeReeksen();
    void schuifKnoppenAlleenOpOntwerpblad_data();
    void schuifKnoppenAlleenOpOntwerpblad();
    void gatenVerbergenAlleenIndex();
    void indexKnop();
    void projectKnoppen();
    void helpVerbergtBreadboardEnGereedschap();
    void breadboardLaatTekstEnLoepMet();
    void hints_data();
    void hints();
};

void TestToolButtons::beginToestand_data() {
    QTest::addColumn<Weergave>("begin");
    QTest::newRow("informatie") << Weergave::Informatie;
    QTest::newRow("ontwerpblad") << Weergave::Ontwerpblad;
    QTest::newRow("lijst") << Weergave::Componentenlijst;
    QTest::newRow("breadboard") << Weergave::Breadboard;
}

void TestToolButtons::beginToestand() {
    QFETCH(Weergave, begin);
    const ToolButtons knoppen(begin);
    Venster venster;
    venster.toepassen(knoppen.beginToestand());
    QCOMPARE(knoppen.weergave(), begin);
    controleer(knoppen, venster);
}

void TestToolButtons::elkeKnopHoudtWeergavenExclusief_data() {
    QTest::addColumn<Weergave>("van");
    QTest::addColumn<int>("knop");
    const QList<QPair<const char *, Weergave>> weergaven = {{"ontwerpblad", Weergave::Ontwerpblad},
                                                            {"lijst", Weergave::Componentenlijst},
                                                            {"breadboard", Weergave::Breadboard},
                                                            {"informatie", Weergave::Informatie}};
    for (const auto &[naam, weergave] : weergaven)
        for (int knop = 0; knop < ToolButtons::kAantal; ++knop)
            QTest::addRow("%s knop %d", naam, knop) << weergave << knop;
}

void TestToolButtons::elkeKnopHoudtWeergavenExclusief() {
    QFETCH(Weergave, van);
    QFETCH(int, knop);
    Venster venster;
    ToolButtons knoppen = naar(van, venster);
    venster.toepassen(knoppen.klik(knop));
    controleer(knoppen, venster);
    const QMap<int, Weergave> viewKnoppen = {{5, Weergave::Ontwerpblad},
                                             {6, Weergave::Componentenlijst},
                                             {7, Weergave::Breadboard},
                                             {8, Weergave::Informatie}};
    QCOMPARE(knoppen.weergave(), viewKnoppen.value(knop, van));
    // " Index " comes with the information view and goes with the next other button.
    QCOMPARE(knoppen.indexZichtbaar(), knop == 8 || (knop == 10 && van == Weergave::Informatie));
}

void TestToolButtons::willekeurigeReeksen() {
    // Long runs of clicks and help requests in any order, the help item among them.
    QRandomGenerator toeval(20240611);
    for (int reeks = 0; reeks < 50; ++reeks) {
        ToolButtons knoppen;
        Venster venster;
        venster.toepassen(knoppen.beginToestand());
        for (int stap = 0; stap < 40; ++stap) {
            const int knop = toeval.bounded(-1, ToolButtons::kAantal);
            venster.toepassen(knop < 0 ? knoppen.toonHelp() : knoppen.klik(knop));
            controleer(knoppen, venster);
        }
    }
}

void TestToolButtons::schuifKnoppenAlleenOpOntwerpblad_data() {
    QTest::addColumn<Weergave>("weergave");
    QTest::addColumn<int>("knop");
    QTest::addColumn<int>("richting"); // 0: no shift
    const QList<QPair<const char *, Weergave>> weergaven = {{"ontwerpblad", Weergave::Ontwerpblad},
                                                            {"lijst", Weergave::Componentenlijst},
                                                            {"breadboard", Weergave::Breadboard},
                                                            {"informatie", Weergave::Informatie}};
    for (const auto &[naam, weergave] : weergaven)
        for (int knop = 12; knop <= 15; ++knop)
            QTest::addRow("%s knop %d", naam, knop)
                << weergave << knop << (weergave == Weergave::Ontwerpblad ? knop - 11 : 0);
}

void TestToolButtons::schuifKnoppenAlleenOpOntwerpblad() {
    QFETCH(Weergave, weergave);
    QFETCH(int, knop);
    QFETCH(int, richting);
    Venster venster;
    ToolButtons knoppen = naar(weergave, venster);
    const ToolButtons::Uitkomst uitkomst = knoppen.klik(knop);
    QCOMPARE(uitkomst.actie, richting ? Actie::Verschuif : Actie::Geen);
    QCOMPARE(uitkomst.richting, richting);
    QCOMPARE(knoppen.weergave(), weergave);
}

void TestToolButtons::gatenVerbergenAlleenIndex() {
    for (int knop : {4, 9, 11}) {
        ToolButtons knoppen;
        const ToolButtons::Uitkomst uitkomst = knoppen.klik(knop);
        QCOMPARE(uitkomst.actie, Actie::Geen);
        QCOMPARE(uitkomst.zichtbaarheid.size(), 1);
        QCOMPARE(uitkomst.zichtbaarheid[0].besturing, B::IndexKnop);
        QVERIFY(!uitkomst.zichtbaarheid[0].zichtbaar);
    }
}

void TestToolButtons::indexKnop() {
    Venster venster;
    ToolButtons knoppen = naar(Weergave::Informatie, venster);
    const ToolButtons::Uitkomst uitkomst = knoppen.klik(ToolButtons::kIndexKnop);
    QCOMPARE(uitkomst.actie, Actie::StartPagina);
    venster.toepassen(uitkomst);
    QVERIFY(venster.zichtbaar(B::IndexKnop));
    QVERIFY(venster.zichtbaar(B::WebBrowser));
}

void TestToolButtons::projectKnoppen() {
    const QList<Actie> acties = {Actie::NieuwOntwerp, Actie::ProjectOpenen, Actie::ProjectOpslaan,
                                 Actie::OntwerpAfdrukken};
    for (int knop = 0; knop < 4; ++knop) {
        Venster venster;
        ToolButtons knoppen = naar(Weergave::Breadboard, venster);
        QCOMPARE(knoppen.klik(knop).actie, acties[knop]);
        QCOMPARE(knoppen.weergave(), Weergave::Breadboard);
    }
    ToolButtons knoppen;
    QCOMPARE(knoppen.klik(-1).zichtbaarheid.size(), 0);
    QCOMPARE(knoppen.klik(ToolButtons::kAantal).actie, Actie::Geen);
}

void TestToolButtons::helpVerbergtBreadboardEnGereedschap() {
    Venster venster;
    ToolButtons knoppen = naar(Weergave::Breadboard, venster);
    // The user had the magnifier and the text widgets out.
    for (B tool : kAlleenVerborgen)
        venster.zet(tool, true);
    venster.zet(B::List1, false);
    venster.toepassen(knoppen.toonHelp());
    QCOMPARE(knoppen.weergave(), Weergave::Informatie);
    controleer(knoppen, venster);
    QVERIFY(!venster.zichtbaar(B::Pic2));
}

void TestToolButtons::breadboardLaatTekstEnLoepMet() {
    // Showing the breadboard leaves the text widgets and the magnifier as their own
    // tools set them: it neither shows nor hides them.
    ToolButtons knoppen;
    for (const ToolButtons::Zichtbaarheid &wijziging : knoppen.klik(7).zichtbaarheid) {
        QVERIFY(!kAlleenVerborgen.contains(wijziging.besturing));
        QVERIFY(wijziging.besturing != B::List1);
    }
}

void TestToolButtons::hints_data() {
    QTest::addColumn<int>("knop");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("plaatje");
    const QStringList hints = {
        {},
        {},
        {},
        {},
        {},
        QStringLiteral(" Ontwerpblad "),
        QStringLiteral(" Componentenlijst "),
        QStringLiteral(" Breadboard "),
        QStringLiteral(" Componenten Informatie "),
        {},
        QStringLiteral(" Index "),
        {},
        QStringLiteral(" Naar links "),
        QStringLiteral(" Naar boven "),
        QStringLiteral(" Naar rechts "),
        QStringLiteral(" Naar onderen "),
    };
    for (int knop = 0; knop < ToolButtons::kAantal; ++knop)
        QTest::addRow("knop %d", knop)
            << knop << hints[knop] << (knop != 4 && knop != 9 && knop != 11);
    QTest::newRow("voor de rij") << -1 << QString() << false;
    QTest::newRow("na de rij") << 16 << QString() << false;
}

void TestToolButtons::hints() {
    QFETCH(int, knop);
    QFETCH(QString, hint);
    QFETCH(bool, plaatje);
    QCOMPARE(ToolButtons::hint(knop), hint);
    QCOMPARE(ToolButtons::heeftPlaatje(knop), plaatje);
}

VOLTARIX_TEST(TestToolButtons)
#include "tst_toolbuttons.moc"
