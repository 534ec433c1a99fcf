// The starter content as the generator writes it into a fresh folder: the symbol
// library, the part pictures, the help pages and the example project; and the icon.
#include "GifWriter.h"
#include "HelpPaginas.h"
#include "Onderdelen.h"
#include "Pictogram.h"
#include "StarterMaker.h"
#include "Symbolen.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "VoorbeeldProject.h"
#include "app/StarterFolder.h"
#include "board/BoardDrawing.h"
#include "board/BoardGeometry.h"
#include "project/DatTekst.h"

#include <QImageReader>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>

namespace {

const QRgb kZwart = qRgb(0, 0, 0);

// Width, height and bits per pixel of a BMP file.
QList<int> bmpKop(const QByteArray &bestand) {
    return {qFromLittleEndian<qint32>(bestand.constData() + 18),
            std::abs(qFromLittleEndian<qint32>(bestand.constData() + 22)),
            qFromLittleEndian<quint16>(bestand.constData() + 28)};
}

QPoint contact(int k, int m) {
    return {kContactX0 + kHolePitch * k, kContactY0 + kHolePitch * m};
}

// Whether every leg of a part ends in a hole of the board with the picture's top-left
// corner at `hoek`.
bool pootjesInGaten(const Surface &bord, const Onderdeel &deel, QPoint hoek) {
    for (const QPoint poot : deel.pootjes)
        if (bord.pixel((hoek + poot).x(), (hoek + poot).y()) != grey(250)) return false;
    return true;
}

} // namespace

class TestStarter : public QObject {
    Q_OBJECT
    TestFolder map_;
    QImage lees(const QString &pad) const {
        return Surface::readPicture(map_.path(pad)).value_or(QImage());
    }

private slots:
    void initTestCase() {
        QCOMPARE(StarterMaker::maak(map_.root()), QStringList());
        // Made again over a folder made before, which is replaced whole; a folder that
        // holds anything else is refused and left as it was.
        map_.writeFile("Symbolen/Oud/Weg.bmp", "oud");
        QCOMPARE(StarterMaker::maak(map_.root()), QStringList());
        QVERIFY(!QFile::exists(map_.path("Symbolen/Oud/Weg.bmp")));
        TestFolder vreemd;
        vreemd.writeFile("brief.txt", "niet weggooien");
        QVERIFY(!StarterMaker::maak(vreemd.root()).isEmpty());
        QCOMPARE(StarterFolder::contents(vreemd.root()), QStringList{"brief.txt"});
    }

    // Every symbol is a 49 x 49 BMP of 24 bits under a name that is a file name
    // everywhere: black lines on white with at most a few colours, each one its own.
    // A lead leaves a block only at the middle of a side, two pixels deep, so that it
    // meets the lead of the block beside it across the raster line.
    void symbols() {
        const QVector<Symbool> symbolen = Symbolen::alle();
        QVERIFY(symbolen.size() >= 80);
        // One file per symbol: no name is used twice in a category, whatever its case.
        QCOMPARE(StarterFolder::contents(map_.path("Symbolen")).size(), symbolen.size());
        QSet<QByteArray> gezien;
        int metDraden = 0;
        for (const Symbool &s : symbolen) {
            const QString bestand = QStringLiteral("Symbolen/%1/%2.bmp").arg(s.categorie, s.naam);
            QVERIFY2(!s.naam.contains(QRegularExpression("[\\\\/:*?\"<>|]")) &&
                         s.naam.trimmed() == s.naam,
                     qPrintable(bestand));
            QCOMPARE(bmpKop(map_.readFile(bestand)), (QList<int>{49, 49, 24}));
            const QImage beeld = lees(bestand);
            QSet<QRgb> kleuren;
            int wit = 0;
            for (int i = 0; i < 49 * 49; ++i) {
                kleuren << beeld.pixel(i % 49, i / 49);
                wit += beeld.pixel(i % 49, i / 49) == Surface::kWhite;
            }
            const QByteArray pixels(reinterpret_cast<const char *>(beeld.constBits()),
                                    int(beeld.sizeInBytes()));
            QVERIFY2(wit > 49 * 49 / 3 && kleuren.size() <= 6 && kleuren.contains(kZwart) &&
                         !gezien.contains(pixels),
                     qPrintable(bestand));
            gezien << pixels;
            int draden = 0;
            for (const QPoint stap : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint midden = QPoint(24, 24) - 24 * stap, langs(stap.y(), stap.x());
                int inkt = 0; // on this side
                for (int i = -24; i <= 24; ++i)
                    inkt += beeld.pixel(midden + i * langs) != Surface::kWhite;
                const bool draad =
                    beeld.pixel(midden) == kZwart && beeld.pixel(midden + stap) == kZwart;
                const bool bijna = beeld.pixel(midden + stap) == kZwart ||
                                   beeld.pixel(midden + 2 * stap) == kZwart;
                QVERIFY2(inkt == int(draad) && (draad || !bijna), qPrintable(bestand));
                draden += draad;
            }
            metDraden += draden > 0;
            QVERIFY2(s.categorie != "Verbindingen" || draden >= 2, qPrintable(bestand));
        }
        QVERIFY(metDraden >= symbolen.size() - 5); // only chips in their housing have none
    }

    // Every part picture is a GIF that keeps its transparency (read, white) and its exact
    // colours, none of them pure white, which would not be stamped. The program stamps it
    // with its bottom-right corner 5 pixels up and left of the pointer: released on some
    // contact point, every leg ends in a hole (chips and the display straddle the channel).
    void partPictures() {
        const QVector<Onderdeel> onderdelen = Onderdelen::alle();
        QVERIFY(onderdelen.size() >= 20);
        QCOMPARE(StarterFolder::contents(map_.path("Breadboard")).size(), onderdelen.size());
        Surface bord(800, 541);
        TekenKleinBord(bord);
        for (const Onderdeel &o : onderdelen) {
            const QString bestand = "Breadboard/" + o.naam + ".gif";
            QVERIFY2(QImageReader(map_.path(bestand)).read().hasAlphaChannel(),
                     qPrintable(bestand));
            const QImage beeld = lees(bestand);
            QCOMPARE(beeld.size(), o.beeld.size());
            int doorzichtig = 0;
            for (int i = 0; i < beeld.width() * beeld.height(); ++i) {
                const QRgb bron = o.beeld.pixel(i % beeld.width(), i / beeld.width());
                doorzichtig += qAlpha(bron) == 0;
                if (beeld.pixel(i % beeld.width(), i / beeld.width()) !=
                        (qAlpha(bron) ? bron | 0xff000000 : Surface::kWhite) ||
                    (qAlpha(bron) && (bron | 0xff000000) == Surface::kWhite))
                    QFAIL(qPrintable(QStringLiteral("%1, pixel %2").arg(bestand).arg(i)));
            }
            QVERIFY2(doorzichtig > 0 && o.pootjes.size() >= 2, qPrintable(bestand));
            bool past = false;
            for (int m = 0; m <= 16 && !past; ++m)
                for (int k = 0; k <= 23 && !past; ++k)
                    past = pootjesInGaten(
                        bord, o, contact(k, m) - QPoint(beeld.width() + 5, beeld.height() + 5));
            QVERIFY2(past, qPrintable(bestand));
            QSet<QPair<int, int>> plekken; // no two legs in one hole
            for (const QPoint poot : o.pootjes) {
                QVERIFY2(beeld.pixel(poot) == OnderdeelPen::kPootEind, qPrintable(bestand));
                plekken.insert({poot.x(), poot.y()});
            }
            QCOMPARE(plekken.size(), o.pootjes.size());
        }
    }

    void gifWriterRefusesWhatItCannotWrite() {
        TestFolder map;
        QString fout;
        QImage bont(16, 17, QImage::Format_ARGB32); // more colours than a GIF's table holds
        for (int i = 0; i < 16 * 17; ++i)
            bont.setPixel(i % 16, i / 16,
                          i == 0 ? qRgba(0, 0, 0, 0) : qRgb(i, 255 - i % 256, i / 256));
        QVERIFY(!GifWriter::write(bont, map.path("bont.gif"), &fout) && !fout.isEmpty());
        QVERIFY(!QFile::exists(map.path("bont.gif")));
        QVERIFY(!GifWriter::write(QImage(), map.path("leeg.gif"), &fout));
        QVERIFY(!GifWriter::write(bont.copy(0, 0, 4, 4), map.path("geen/map/x.gif"), &fout));
        // 255 colours and a transparent one still fit in a table of 256.
        QVERIFY2(GifWriter::write(bont.copy(0, 0, 16, 16), map.path("vol.gif"), &fout),
                 qPrintable(fout));
        const QImage terug = *Surface::readPicture(map.path("vol.gif"));
        QCOMPARE(terug.pixel(0, 0), Surface::kWhite);
        QCOMPARE(terug.pixel(15, 15), qRgb(255, 0, 0));
    }

    // Every page loads in the help browser with its title, text, background and pictures;
    // every link stays offline inside the folder and names an existing file, exactly as
    // spelled, and an existing anchor; pictures are shown at their own size.
    void helpPages() {
        static const QRegularExpression verwijzing(
            "\\b(href|src|background)\\s*=\\s*\"([^\"#]*)#?([^\"]*)\"(?: width=\"(\\d+)\" "
            "height=\"(\\d+)\")?",
            QRegularExpression::CaseInsensitiveOption);
        int plaatjes = 0;
        for (const QString &pagina : HelpPaginas::paginas()) {
            const QString html = QString::fromUtf8(map_.readFile("Plugins/" + pagina));
            QTextBrowser browser;
            browser.setSource(QUrl::fromLocalFile(map_.path("Plugins/" + pagina)));
            QVERIFY2(!browser.documentTitle().isEmpty() && browser.toPlainText().size() > 500 &&
                         html.contains("<body background=\"Images/background.jpg\">"),
                     qPrintable(pagina));
            for (auto it = verwijzing.globalMatch(html); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const QString doel = m.captured(2).isEmpty() ? pagina : m.captured(2),
                              waar = pagina + ": " + m.captured(0);
                QVERIFY2(!doel.contains(':') && QFileInfo(map_.path("Plugins/" + doel))
                                                    .canonicalFilePath()
                                                    .endsWith("/Plugins/" + doel),
                         qPrintable(waar));
                QVERIFY2(m.captured(3).isEmpty() ||
                             map_.readFile("Plugins/" + doel)
                                 .contains("<a name=\"" + m.captured(3).toUtf8() + '"'),
                         qPrintable(waar));
                if (m.captured(1).toLower() != "src") continue;
                ++plaatjes;
                QVERIFY2(browser.document()
                             ->resource(QTextDocument::ImageResource, QUrl(doel))
                             .isValid(),
                         qPrintable(waar));
                QVERIFY2(m.captured(4).isEmpty() ||
                             QSize(m.captured(4).toInt(), m.captured(5).toInt()) ==
                                 lees("Plugins/" + doel).size(),
                         qPrintable(waar));
            }
        }
        QVERIFY(plaatjes >= 10);
        QCOMPARE(lees("Plugins/Images/background.jpg").size(), QSize(80, 80));
    }

    void exampleProject() {
        const QString project = "Projecten/" + VoorbeeldProject::kNaam;
        QCOMPARE(bmpKop(map_.readFile(project + ".ovb")), (QList<int>{800, 551, 24}));
        QCOMPARE(bmpKop(map_.readFile(project + ".brb")), (QList<int>{800, 541, 24}));
        // The design sheet keeps its raster, grey 150, which opening takes from (0, 0).
        const QImage blad = lees(project + ".ovb");
        for (int y = 0; y < blad.height(); ++y)
            for (int x = 0; x < blad.width(); x += y % 50 ? 50 : 1)
                QVERIFY2(blad.pixel(x, y) == grey(150),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        // Every wire is joined: wherever a block has a lead at a side, the block across has one.
        int verbindingen = 0;
        for (int y = 25; y < blad.height(); y += 50)
            for (int x = 25; x < blad.width(); x += 50)
                for (const QPoint stap : {QPoint(1, 0), QPoint(0, 1)}) {
                    const QPoint rand = QPoint(x, y) + 24 * stap, over = rand + 2 * stap;
                    if (!blad.rect().contains(over)) continue;
                    QCOMPARE(blad.pixel(rand) == kZwart, blad.pixel(over) == kZwart);
                    verbindingen += blad.pixel(rand) == kZwart;
                }
        QCOMPARE(verbindingen, 10); // the loop of ten blocks
        // The parts stand with every leg in a hole of the board.
        Surface kaal(800, 541);
        TekenKleinBord(kaal);
        const QImage bord = lees(project + ".brb");
        const QVector<Onderdeel> onderdelen = Onderdelen::alle();
        QVERIFY(VoorbeeldProject::onderdelenOpBord().size() >= 3);
        for (const VoorbeeldProject::Plaatsing &plaatsing : VoorbeeldProject::onderdelenOpBord()) {
            const auto deel =
                std::find_if(onderdelen.begin(), onderdelen.end(),
                             [&](const Onderdeel &o) { return o.naam == plaatsing.onderdeel; });
            QVERIFY2(deel != onderdelen.end(), qPrintable(plaatsing.onderdeel));
            const QPoint hoek = contact(plaatsing.k, plaatsing.m) - deel->pootjes.first();
            QVERIFY2(pootjesInGaten(kaal, *deel, hoek), qPrintable(plaatsing.onderdeel));
            for (const QPoint poot : deel->pootjes)
                QVERIFY2(bord.pixel(hoek + poot) == OnderdeelPen::kPootEind,
                         qPrintable(plaatsing.onderdeel));
        }
        // The component list is Windows text: "één" in Windows-1252, lines ending in CR LF.
        const QByteArray lijst = map_.readFile(project + ".dat");
        QVERIFY(lijst.contains("\xe9\xe9n weerstand") && lijst.endsWith("\r\n"));
        QVERIFY(lijst.count("\n") == lijst.count("\r\n") &&
                lijst.count("\r") == lijst.count("\r\n"));
        QCOMPARE(lijst, DatTekst::codeer(VoorbeeldProject::componentenlijst()));
    }

    // The icon of every size on a transparent ground, as PNG in the desktop's icon theme
    // beside the SVG drawing of the same shapes.
    void icon() {
        TestFolder thema;
        QCOMPARE(Pictogram::schrijf(thema.root()), QStringList());
        for (const int n : Pictogram::kGroottes) {
            QImageReader lezer(
                thema.path(QStringLiteral("hicolor/%1x%1/apps/org.voltarix.Voltarix.png").arg(n)));
            QCOMPARE(lezer.format(), QByteArray("png"));
            const QImage beeld = lezer.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(beeld, Pictogram::teken(n).convertToFormat(QImage::Format_ARGB32));
            // Transparent round the rounded board, opaque on it.
            for (const QPoint p :
                 {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1),
                  QPoint(n / 2, n * 33 / 64), QPoint(n / 8, n / 2)})
                QCOMPARE(qAlpha(beeld.pixel(p)),
                         p.x() % (n - 1) == 0 && p.y() % (n - 1) == 0 ? 0 : 255);
        }
        const QByteArray svg = Pictogram::svg();
        QCOMPARE(thema.readFile("hicolor/scalable/apps/org.voltarix.Voltarix.svg"), svg);
        QXmlStreamReader xml(svg);
        QVERIFY(xml.readNextStartElement() && xml.name() == QLatin1String("svg"));
        QCOMPARE(xml.attributes().value("viewBox").toString(), QStringLiteral("0 0 64 64"));
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(svg.contains(
            QColor(Pictogram::teken(256).pixel(128, 28)).name().toLatin1())); // the bare board
        // A file where the theme's folder should go: every picture is reported, nothing replaced.
        thema.writeFile("leeg/hicolor", "geen map");
        const QStringList fouten = Pictogram::schrijf(thema.path("leeg"));
        QVERIFY(fouten.size() == Pictogram::kGroottes.size() + 1 &&
                fouten.first().contains("16x16"));
        QCOMPARE(thema.readFile("leeg/hicolor"), QByteArray("geen map"));
    }
};

VOLTARIX_TEST(TestStarter)
#include "tst_starter.moc"
