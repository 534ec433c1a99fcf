// The example projects of the starter folder, each as its three files hold it.
#include "BladPen.h"
#include "Onderdelen.h"
#include "StarterMaker.h"
#include "Symbolen.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "Voorbeelden.h"
#include "board/ColourTable.h"
#include "board/Gaten.h"
#include "board/Raster.h"
#include "editor/ComponentList.h"
#include "project/ProjectMap.h"
#include "symbols/Symbool.h"
#include "ui/BmpCodec.h"

#include <QtTest>

namespace {

// The strip of the hole whose centre is the point: the board's own numbering, or -1.
int strook(QPoint p) {
    const std::optional<Gaten::Gat> gat = Gaten::klein().onder(p);
    return gat && gat->midden() == p ? gat->strook : -1;
}

QImage blokVan(const QImage &blad, int kolom, int rij) {
    return blad.copy(kBlok * kolom + 1, kBlok * rij + 1, kSymboolGrootte, kSymboolGrootte);
}

} // namespace

Q_DECLARE_METATYPE(Voorbeelden::Voorbeeld)

class TestVoorbeelden : public QObject {
    Q_OBJECT
    TestFolder map_;
    ProjectMap voorbeelden_{QString()};

    QImage bmp(const QString &naam, const char *soort) const {
        return BmpCodec::lees24(map_.readFile("Voorbeelden/" + naam + soort)).value_or(QImage());
    }

private slots:
    void initTestCase() {
        QCOMPARE(StarterMaker::maak(map_.root()), QStringList());
        voorbeelden_ = ProjectMap(map_.path("Voorbeelden"));
        QStringList namen; // the menu lists them in name order: from simple to less simple
        for (const Voorbeelden::Voorbeeld &v : Voorbeelden::alle())
            namen << v.naam;
        ALLE_WAAR(namen.size() >= 6, voorbeelden_.namen() == namen);
    }

    void voorbeeld_data() {
        QTest::addColumn<Voorbeelden::Voorbeeld>("v");
        for (const Voorbeelden::Voorbeeld &v : Voorbeelden::alle())
            QTest::newRow(qPrintable(v.naam)) << v;
    }

    // The sheet: every inked block a library symbol as its file holds it (turned where it
    // stands turned) or a label, the raster whole. The board: wires end on hole centres in
    // their colour; each leg of a part in a hole of a strip of its own, uncovered. The list:
    // the heading, a line for each labelled part, two or three sentences, one display line each.
    void voorbeeld() {
        QFETCH(Voorbeelden::Voorbeeld, v);
        const QImage blad = bmp(v.naam, ".ovb");
        QCOMPARE(blad.size(), Voorbeelden::kOntwerpblad);
        for (int x = 0; x < blad.width(); ++x)
            for (int y = 0; y < blad.height(); ++y)
                if (x % kBlok == 0 || y % kBlok == 0) QCOMPARE(blad.pixel(x, y), grey(150));
        QSet<QPoint> bezet;
        int symbolen = 0;
        const QImage leeg = Surface(kSymboolGrootte, kSymboolGrootte).image();
        for (const Voorbeelden::Blok &blok : v.blad) {
            bezet << QPoint(blok.kolom, blok.rij);
            const QImage op = blokVan(blad, blok.kolom, blok.rij);
            QVERIFY(op != leeg);
            if (blok.symbool.isEmpty()) continue;
            QString categorie;
            for (const Symbool &s : Symbolen::alle())
                if (s.naam == blok.symbool) categorie = s.categorie;
            Surface symbool(kSymboolGrootte, kSymboolGrootte);
            symbool.paste(BmpCodec::lees24(
                              map_.readFile("Symbolen/" + categorie + "/" + blok.symbool + ".bmp"))
                              .value_or(QImage()));
            QCOMPARE(op, (blok.gedraaid ? BladPen::gedraaid(symbool) : symbool).image());
            ++symbolen;
        }
        QCOMPARE_GE(symbolen, 6);
        for (int kolom = 0; kolom < blad.width() / kBlok; ++kolom)
            for (int rij = 0; rij < blad.height() / kBlok; ++rij)
                if (!bezet.contains({kolom, rij})) QCOMPARE(blokVan(blad, kolom, rij), leeg);

        const QImage bord = bmp(v.naam, ".brb");
        QCOMPARE(bord.size(), Voorbeelden::kBreadboard);
        for (const Voorbeelden::Draad &draad : v.draden)
            for (const QPoint eind : {draad.van, draad.tot}) {
                const QPoint p = BladPen::contact(eind.x(), eind.y());
                ALLE_WAAR_BIJ(qPrintable(QStringLiteral("draad %1,%2").arg(eind.x()).arg(eind.y())),
                              strook(p) >= 0, bord.pixel(p) == KleurVanNaam(draad.kleur));
            }
        for (const Voorbeelden::Onderdeel &deel : v.onderdelen) {
            const auto alle = Onderdelen::alle();
            const auto plaatje = std::find_if(alle.begin(), alle.end(),
                                              [&](const auto &o) { return o.naam == deel.naam; });
            QVERIFY2(plaatje != alle.end(), qPrintable(deel.naam));
            QSet<int> stroken;
            for (const QPoint poot : plaatje->pootjes) {
                const QPoint p = BladPen::contact(deel.k, deel.m) + poot - plaatje->pootjes.first();
                stroken << strook(p);
                ALLE_WAAR_BIJ(qPrintable(deel.naam), strook(p) >= 0,
                              bord.pixel(p) == OnderdeelPen::kPootEind);
            }
            QCOMPARE(stroken.size(), plaatje->pootjes.size());
        }

        const ProjectMap::Geladen geladen = voorbeelden_.laad(v.naam);
        QCOMPARE(geladen.lijst, Voorbeelden::componentenlijst(v));
        const QStringList regels = geladen.lijst.split(QStringLiteral("\r\n"));
        ALLE_WAAR(regels.mid(0, 2) == QStringList({"Componentenlijst", QString(28, '-')}),
                  v.uitleg.size() >= 2, v.uitleg.size() <= 3);
        for (const Voorbeelden::Blok &blok : v.blad)
            if (!blok.tekst.isEmpty())
                QVERIFY2(!regels.filter(QRegularExpression("^" + blok.tekst + "   \\S")).isEmpty(),
                         qPrintable(blok.tekst));
        for (const QString &zin : v.uitleg)
            QVERIFY2(zin.endsWith('.') && regels.contains(zin), qPrintable(zin));
        QFont letter(QStringLiteral("Arial"), 12);
        letter.setBold(true);
        ComponentList maat; // the list box beside the design sheet, less its scroll bar
        maat.zetLetterEnBreedte(letter, Voorbeelden::kOntwerpblad.width() - 40);
        // The box holds the list with LF line ends.
        QCOMPARE(maat.regelAantal(QString(geladen.lijst).replace("\r\n", "\n")), regels.size());
    }
};

VOLTARIX_TEST(TestVoorbeelden)
#include "tst_voorbeelden.moc"
