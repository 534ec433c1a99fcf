// The starter folder as the generator writes it, and the program's icon.
#include "HelpPaginas.h"
#include "Onderdelen.h"
#include "Pictogram.h"
#include "StarterMaker.h"
#include "Symbolen.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "VoorbeeldProject.h"
#include "board/BoardDrawing.h"
#include "board/BoardGeometry.h"
#include "ui/BmpCodec.h"

#include <QImageReader>
#include <QTextDocument>
#include <QtTest>

namespace {

const QRgb kZwart = qRgb(0, 0, 0);
const QPoint kZijden[] = {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)};

QImage vlak(const QImage &beeld) { // transparent pixels all alike, whatever their colour
    return beeld.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The sides of a symbol that a lead leaves at.
int draden(const QImage &beeld) {
    return int(std::count_if(std::begin(kZijden), std::end(kZijden), [&](QPoint stap) {
        return beeld.pixel(QPoint(24, 24) - 24 * stap) == kZwart;
    }));
}

QPoint contact(int k, int m) {
    return {kContactX0 + kHolePitch * k, kContactY0 + kHolePitch * m};
}

} // namespace

Q_DECLARE_METATYPE(Symbool)
Q_DECLARE_METATYPE(Onderdeel)

class TestStarter : public QObject {
    Q_OBJECT
    TestFolder map_;
    Surface bord_{800, 541}; // the bare small board
    QImage bmp24(const QString &pad) const {
        return BmpCodec::lees24(map_.readFile(pad)).value_or(QImage());
    }
    // Whether the leg ends of a part lie in holes of the board, each in its own.
    bool pootjesInGaten(const Onderdeel &deel, QPoint hoek) const {
        for (const QPoint poot : deel.pootjes)
            if (bord_.image().pixel(hoek + poot) != grey(250) ||
                deel.beeld.pixel(poot) != OnderdeelPen::kPootEind)
                return false;
        return QSet<QPoint>(deel.pootjes.begin(), deel.pootjes.end()).size() == deel.pootjes.size();
    }

private slots:
    void initTestCase() {
        TekenKleinBord(bord_);
        QCOMPARE(StarterMaker::maak(map_.root()), QStringList());
        // A folder made before is replaced whole; any other is refused and left alone.
        map_.writeFile("Symbolen/Oud/Weg.bmp", "oud");
        QCOMPARE(StarterMaker::maak(map_.root()), QStringList());
        QVERIFY(!QFile::exists(map_.path("Symbolen/Oud/Weg.bmp")));
        TestFolder vreemd;
        vreemd.writeFile("brief.txt", "niet weggooien");
        ALLE_WAAR(!StarterMaker::maak(vreemd.root()).isEmpty(), QDir(vreemd.root()).count() == 3,
                  vreemd.readFile("brief.txt") == "niet weggooien");
    }

    // Every symbol: a 49 x 49 BMP of 24 bits; a lead leaves it only mid-side, two pixels deep.
    void symbols_data() {
        QTest::addColumn<Symbool>("s");
        for (const Symbool &s : Symbolen::alle())
            QTest::newRow(qPrintable(s.categorie + '/' + s.naam)) << s;
    }
    void symbols() {
        QFETCH(Symbool, s);
        const QImage beeld = bmp24(QStringLiteral("Symbolen/%1/%2.bmp").arg(s.categorie, s.naam));
        ALLE_WAAR(beeld.size() == QSize(49, 49), s.naam.trimmed() == s.naam,
                  !s.naam.contains(QRegularExpression("[\\\\/:*?\"<>|]")));
        int rand = 0; // pixels inked on the block's edge
        for (int i = 0; i < 49 * 49; ++i)
            rand += (i % 49 % 48 == 0 || i / 49 % 48 == 0) &&
                    beeld.pixel(i % 49, i / 49) != Surface::kWhite;
        const auto zwart = [&](QPoint p) { return beeld.pixel(p) == kZwart; };
        for (const QPoint stap : kZijden) { // two pixels deep, only mid-side
            const QPoint kant = QPoint(24, 24) - 24 * stap;
            ALLE_WAAR(zwart(kant) == zwart(kant + stap), (zwart(kant) || !zwart(kant + 2 * stap)));
        }
        ALLE_WAAR(rand == draden(beeld), (s.categorie != "Verbindingen" || draden(beeld) >= 2));
    }

    // Names unique in any case, pictures once; only chips lack leads; a picture a part.
    void symbolenVerschillen() {
        const QVector<Symbool> symbolen = Symbolen::alle();
        QSet<QByteArray> namen, plaatjes;
        int metDraden = 0;
        for (const Symbool &s : symbolen) {
            const QString bestand = QStringLiteral("Symbolen/%1/%2.bmp").arg(s.categorie, s.naam);
            namen << bestand.toLower().toUtf8();
            plaatjes << map_.readFile(bestand);
            metDraden += draden(bmp24(bestand)) > 0;
        }
        const qsizetype n = symbolen.size(), delen = Onderdelen::alle().size();
        ALLE_WAAR(namen.size() == n, plaatjes.size() == n, n >= 80, delen >= 20);
        ALLE_WAAR(metDraden >= n - 5,
                  QDir(map_.path("Breadboard")).entryList(QDir::Files).size() == delen);
    }

    // A GIF of its exact colours; stamped 5 pixels up-left of a contact, its legs end in holes.
    void partPictures_data() {
        QTest::addColumn<Onderdeel>("o");
        for (const Onderdeel &o : Onderdelen::alle())
            QTest::newRow(qPrintable(o.naam)) << o;
    }
    void partPictures() {
        QFETCH(Onderdeel, o);
        QImageReader lezer(map_.path("Breadboard/" + o.naam + ".gif"));
        QCOMPARE(lezer.format(), "gif");
        QCOMPARE(vlak(lezer.read()), vlak(o.beeld));
        QCOMPARE_GE(o.pootjes.size(), 2);
        bool past = false;
        for (int i = 0; i < 24 * 17 && !past; ++i)
            past = pootjesInGaten(o, contact(i % 24, i / 24) -
                                         QPoint(o.beeld.width() + 5, o.beeld.height() + 5));
        QVERIFY(past);
    }

    // Every page loads with its title, text and background; every link names a file of
    // the folder exactly as spelled and an existing anchor; pictures keep their size.
    void helpPages() {
        static const QRegularExpression verwijzing(
            "\\b(href|src|background)\\s*=\\s*\"([^\"#]*)#?([^\"]*)\"(?: width=\"(\\d+)\" "
            "height=\"(\\d+)\")?",
            QRegularExpression::CaseInsensitiveOption);
        int plaatjes = 0;
        for (const QString &pagina : HelpPaginas::paginas()) {
            const QString html = QString::fromUtf8(map_.readFile("Plugins/" + pagina));
            QTextDocument document;
            document.setHtml(html);
            ALLE_WAAR_BIJ(qPrintable(pagina),
                          !document.metaInformation(QTextDocument::DocumentTitle).isEmpty(),
                          html.contains("<body background=\"Images/background.jpg\">"),
                          document.toPlainText().size() > 500);
            for (auto it = verwijzing.globalMatch(html); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const QString doel = m.captured(2).isEmpty() ? pagina : m.captured(2);
                if (doel.startsWith("voorbeeld:")) { // opens the example project of that name
                    QVERIFY2(
                        QFileInfo::exists(map_.path("Voorbeelden/" + QUrl(doel).path() + ".ovb")),
                        qPrintable(doel));
                    continue;
                }
                const QString pad = map_.path("Plugins/" + doel);
                const QSize grootte = QImageReader(pad).size(), // invalid when no picture
                    gevraagd(m.captured(4).toInt(), m.captured(5).toInt());
                const bool plaatje = m.captured(1).toLower() == "src";
                plaatjes += plaatje;
                ALLE_WAAR_BIJ(qPrintable(pagina + ": " + m.captured(0)), !doel.contains(':'),
                              QFileInfo(pad).canonicalFilePath().endsWith("/Plugins/" + doel),
                              (m.captured(3).isEmpty() ||
                               map_.readFile("Plugins/" + doel)
                                   .contains("<a name=\"" + m.captured(3).toUtf8() + '"')),
                              (!plaatje ||
                               (grootte.isValid() && (gevraagd.isNull() || grootte == gevraagd))));
            }
        }
        QCOMPARE_GE(plaatjes, 10);
    }

    void exampleProject() {
        const QString project = "Projecten/" + VoorbeeldProject::kNaam;
        const QImage blad = bmp24(project + ".ovb"), bord = bmp24(project + ".brb");
        ALLE_WAAR(blad.size() == QSize(800, 551), bord.size() == QSize(800, 541));
        QCOMPARE(blad.pixel(0, 0), grey(150)); // the raster's grey, which opening takes from there
        int geplaatst = 0;                     // parts with every leg in a hole of the board
        for (const VoorbeeldProject::Plaatsing &plaatsing : VoorbeeldProject::onderdelenOpBord())
            for (const Onderdeel &deel : Onderdelen::alle()) {
                const QPoint hoek = contact(plaatsing.k, plaatsing.m) - deel.pootjes.first();
                if (deel.naam != plaatsing.onderdeel || !pootjesInGaten(deel, hoek)) continue;
                for (const QPoint poot : deel.pootjes)
                    QCOMPARE(bord.pixel(hoek + poot), OnderdeelPen::kPootEind);
                ++geplaatst;
            }
        ALLE_WAAR(geplaatst >= 3, geplaatst == VoorbeeldProject::onderdelenOpBord().size());
        // The component list is Windows text: "één" in Windows-1252, lines ending in CR LF.
        const QByteArray lijst = map_.readFile(project + ".dat");
        ALLE_WAAR(lijst.contains("\xe9\xe9n weerstand"), lijst.endsWith("\r\n"),
                  lijst.count('\n') == lijst.count("\r\n"), lijst.count('\r') == lijst.count('\n'));
    }

    // The icon of every size as PNG, and as SVG.
    void icon() {
        TestFolder thema;
        const QString apps = "/apps/org.voltarix.Voltarix";
        QCOMPARE(Pictogram::schrijf(thema.root()), QStringList());
        for (const int n : Pictogram::kGroottes) {
            const QImage beeld = vlak(
                QImage(thema.path(QStringLiteral("hicolor/%1x%1").arg(n) + apps + ".png"), "png"));
            ALLE_WAAR(beeld.size() == QSize(n, n), beeld == vlak(Pictogram::teken(n)));
        }
        QCOMPARE(thema.readFile("hicolor/scalable" + apps + ".svg"), Pictogram::svg());
        thema.writeFile("leeg/hicolor", "geen map"); // every picture reported, nothing replaced
        QCOMPARE(Pictogram::schrijf(thema.path("leeg")).size(), Pictogram::kGroottes.size() + 1);
        QCOMPARE(thema.readFile("leeg/hicolor"), QByteArray("geen map"));
    }
};

VOLTARIX_TEST(TestStarter)
#include "tst_starter.moc"
