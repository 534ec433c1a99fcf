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

QImage vlak(const QImage &beeld) { // transparent pixels all alike, whatever their colour
    return beeld.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The sides of a symbol that a lead leaves at.
int draden(const QImage &beeld) {
    int aantal = 0;
    for (const QPoint stap : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
        aantal += beeld.pixel(QPoint(24, 24) - 24 * stap) == kZwart;
    return aantal;
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
        QVERIFY(!StarterMaker::maak(vreemd.root()).isEmpty() && QDir(vreemd.root()).count() == 3);
        QCOMPARE(vreemd.readFile("brief.txt"), "niet weggooien");
    }

    // Every symbol: a 49 x 49 BMP of 24 bits, black on white in a few colours; a lead leaves
    // it only mid-side, two pixels deep, to meet the next.
    void symbols_data() {
        QTest::addColumn<Symbool>("s");
        for (const Symbool &s : Symbolen::alle())
            QTest::newRow(qPrintable(s.categorie + '/' + s.naam)) << s;
    }
    void symbols() {
        QFETCH(Symbool, s);
        const QImage beeld = bmp24(QStringLiteral("Symbolen/%1/%2.bmp").arg(s.categorie, s.naam));
        QCOMPARE(beeld.size(), QSize(49, 49));
        QVERIFY(s.naam.trimmed() == s.naam &&
                !s.naam.contains(QRegularExpression("[\\\\/:*?\"<>|]")));
        const auto *pixels = reinterpret_cast<const QRgb *>(beeld.constBits());
        const QSet<QRgb> kleuren(pixels, pixels + 49 * 49);
        int rand = 0; // pixels inked on the block's edge
        for (int i = 0; i < 49 * 49; ++i)
            rand += (i % 49 % 48 == 0 || i / 49 % 48 == 0) && pixels[i] != Surface::kWhite;
        for (const QPoint stap : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const auto zwart = [&](int diep) {
                return beeld.pixel(QPoint(24, 24) + (diep - 24) * stap) == kZwart;
            };
            QCOMPARE(zwart(1), zwart(0));   // two pixels deep
            QVERIFY(zwart(0) || !zwart(2)); // only mid-side
        }
        QCOMPARE_GT(std::count(pixels, pixels + 49 * 49, Surface::kWhite), 49 * 49 / 3);
        QVERIFY(kleuren.size() <= 6 && kleuren.contains(kZwart));
        QCOMPARE(rand, draden(beeld));
        if (s.categorie == "Verbindingen") QCOMPARE_GE(draden(beeld), 2);
    }

    // Every file name unique in any case, every picture once; only chips in their housing
    // have no leads; a picture for every part.
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
        QVERIFY(namen.size() == symbolen.size() && plaatjes.size() == symbolen.size());
        QCOMPARE_GE(symbolen.size(), 80);
        QCOMPARE_GE(metDraden, symbolen.size() - 5);
        QCOMPARE_GE(Onderdelen::alle().size(), 20);
        QCOMPARE(QDir(map_.path("Breadboard")).entryList(QDir::Files).size(),
                 Onderdelen::alle().size());
    }

    // Every part picture is a GIF with its exact colours and transparency, none pure white
    // (not stamped); stamped 5 pixels up-left of some contact point, its legs end in holes.
    void partPictures_data() {
        QTest::addColumn<Onderdeel>("o");
        for (const Onderdeel &o : Onderdelen::alle())
            QTest::newRow(qPrintable(o.naam)) << o;
    }
    void partPictures() {
        QFETCH(Onderdeel, o);
        const QImage beeld = vlak(o.beeld);
        const auto *pixels = reinterpret_cast<const QRgb *>(beeld.constBits()),
                   *einde = pixels + beeld.width() * beeld.height();
        QImageReader lezer(map_.path("Breadboard/" + o.naam + ".gif"));
        QCOMPARE(lezer.format(), "gif");
        QCOMPARE(vlak(lezer.read()), beeld);
        QVERIFY(std::count(pixels, einde, 0u) && !std::count(pixels, einde, ~0u)); // none white
        QCOMPARE_GE(o.pootjes.size(), 2);
        bool past = false;
        for (int i = 0; i < 24 * 17 && !past; ++i)
            past = pootjesInGaten(o, contact(i % 24, i / 24) -
                                         QPoint(beeld.width() + 5, beeld.height() + 5));
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
            QVERIFY2(!document.metaInformation(QTextDocument::DocumentTitle).isEmpty() &&
                         html.contains("<body background=\"Images/background.jpg\">"),
                     qPrintable(pagina));
            QCOMPARE_GT(document.toPlainText().size(), 500);
            for (auto it = verwijzing.globalMatch(html); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const QString doel = m.captured(2).isEmpty() ? pagina : m.captured(2);
                const QString pad = map_.path("Plugins/" + doel);
                const QSize grootte = QImageReader(pad).size(); // invalid when no picture
                const QSize gevraagd(m.captured(4).toInt(), m.captured(5).toInt());
                const bool plaatje = m.captured(1).toLower() == "src";
                plaatjes += plaatje;
                const QByteArray waar = (pagina + ": " + m.captured(0)).toUtf8();
                QVERIFY2(!doel.contains(':') && // within the folder, spelled as on disk
                             QFileInfo(pad).canonicalFilePath().endsWith("/Plugins/" + doel),
                         waar);
                QVERIFY2(m.captured(3).isEmpty() ||
                             map_.readFile("Plugins/" + doel)
                                 .contains("<a name=\"" + m.captured(3).toUtf8() + '"'),
                         waar);
                QVERIFY2(!plaatje ||
                             (grootte.isValid() && (gevraagd.isNull() || grootte == gevraagd)),
                         waar);
            }
        }
        QCOMPARE_GE(plaatjes, 10);
        QCOMPARE(QImageReader(map_.path("Plugins/Images/background.jpg")).size(), QSize(80, 80));
    }

    void exampleProject() {
        const QString project = "Projecten/" + VoorbeeldProject::kNaam;
        const QImage blad = bmp24(project + ".ovb"), bord = bmp24(project + ".brb");
        QVERIFY(blad.size() == QSize(800, 551) && bord.size() == QSize(800, 541));
        // The design sheet keeps its raster, grey 150, which opening takes from (0, 0); at
        // the middle of a raster line a lead on one side meets one on the other.
        int verbindingen = 0;
        for (int y = 0; y < blad.height(); ++y)
            for (int x = 0; x < blad.width(); x += y % 50 ? 50 : 1) {
                const QPoint p(x, y), d = y % 50 ? QPoint(1, 0) : QPoint(0, 1);
                QVERIFY2(blad.pixel(p) == grey(150), qPrintable(QString("%1,%2").arg(x).arg(y)));
                if ((x + y) % 50 != 25 || !QRect(1, 1, 798, 549).contains(p)) continue;
                QCOMPARE(blad.pixel(p - d) == kZwart, blad.pixel(p + d) == kZwart);
                verbindingen += blad.pixel(p + d) == kZwart;
            }
        QCOMPARE(verbindingen, 10); // the loop of ten blocks
        int geplaatst = 0;          // parts with every leg in a hole of the board
        for (const VoorbeeldProject::Plaatsing &plaatsing : VoorbeeldProject::onderdelenOpBord())
            for (const Onderdeel &deel : Onderdelen::alle()) {
                const QPoint hoek = contact(plaatsing.k, plaatsing.m) - deel.pootjes.first();
                if (deel.naam != plaatsing.onderdeel || !pootjesInGaten(deel, hoek)) continue;
                for (const QPoint poot : deel.pootjes)
                    QCOMPARE(bord.pixel(hoek + poot), OnderdeelPen::kPootEind);
                ++geplaatst;
            }
        QVERIFY(geplaatst >= 3 && geplaatst == VoorbeeldProject::onderdelenOpBord().size());
        // The component list is Windows text: "één" in Windows-1252, lines ending in CR LF.
        const QByteArray lijst = map_.readFile(project + ".dat");
        QVERIFY(lijst.contains("\xe9\xe9n weerstand") && lijst.endsWith("\r\n"));
        QVERIFY(lijst.count('\n') == lijst.count("\r\n") && lijst.count('\r') == lijst.count('\n'));
    }

    // The icon of every size as PNG, transparent round the rounded board; and as SVG.
    void icon() {
        TestFolder thema;
        QCOMPARE(Pictogram::schrijf(thema.root()), QStringList());
        for (const int n : Pictogram::kGroottes) {
            const QString png =
                thema.path(QStringLiteral("hicolor/%1x%1/apps/org.voltarix.Voltarix.png").arg(n));
            const QImage beeld = vlak(QImage(png, "png"));
            QCOMPARE(beeld, vlak(Pictogram::teken(n)));
            QCOMPARE(qAlpha(beeld.pixel(0, 0)) + qAlpha(beeld.pixel(n - 1, n - 1)), 0);
            QCOMPARE(qAlpha(beeld.pixel(n / 2, n * 33 / 64)) + qAlpha(beeld.pixel(n / 8, n / 2)),
                     510);
        }
        const QByteArray svg = Pictogram::svg();
        QCOMPARE(thema.readFile("hicolor/scalable/apps/org.voltarix.Voltarix.svg"), svg);
        QVERIFY(svg.contains("viewBox=\"0 0 64 64\""));
        thema.writeFile("leeg/hicolor", "geen map"); // every picture reported, nothing replaced
        QCOMPARE(Pictogram::schrijf(thema.path("leeg")).size(), Pictogram::kGroottes.size() + 1);
        QCOMPARE(thema.readFile("leeg/hicolor"), QByteArray("geen map"));
    }
};

VOLTARIX_TEST(TestStarter)
#include "tst_starter.moc"
