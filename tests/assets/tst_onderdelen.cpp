#include "GifWriter.h"
#include "Onderdelen.h"
#include "StarterMaker.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "board/BoardDrawing.h"
#include "board/BoardGeometry.h"
#include "ui/AppFolder.h"
#include "ui/Surface.h"

#include <QImageReader>
#include <QSet>
#include <QtTest>

namespace {

// Where the program stamps a picture released at `aanwijzer`: its bottom-right
// corner 5 pixels up and left of the pointer.
QPoint linksBoven(const QImage &beeld, QPoint aanwijzer) {
    return aanwijzer - QPoint(beeld.width() + 5, beeld.height() + 5);
}

// The program's stamp: every pixel of the picture that is not white.
void stempel(Surface &blad, const QImage &beeld, QPoint aanwijzer) {
    const QPoint hoek = linksBoven(beeld, aanwijzer);
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x)
            if (beeld.pixel(x, y) != Surface::kWhite)
                blad.setPixel(hoek.x() + x, hoek.y() + y, beeld.pixel(x, y));
}

// A contact of the small board: the light middle of a hole.
bool isGat(const Surface &bord, QPoint p) {
    return bord.pixel(p.x(), p.y()) == grey(250);
}

} // namespace

class TestOnderdelen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void enoughPartsWithUsableNames();
    void gifsDecodeWithWhiteWhereTransparent();
    void noPartUsesPureWhite();
    void legsLieOnTheHolePitch();
    void stampedOnTheBoardEveryLegIsInAHole();
    void gifWriterRefusesWhatItCannotWrite();

private:
    TestFolder map_;
    QVector<Onderdeel> onderdelen_;
    QString pad(const Onderdeel &o) const {
        return map_.path(QStringLiteral("Breadboard/") + o.naam + QStringLiteral(".gif"));
    }
};

void TestOnderdelen::initTestCase() {
    QCOMPARE(StarterMaker::maakOnderdelen(map_.root()), QStringList());
    onderdelen_ = Onderdelen::alle();
}

void TestOnderdelen::enoughPartsWithUsableNames() {
    const QStringList bestanden = AppFolder::files(map_.path(QStringLiteral("Breadboard")));
    QVERIFY(bestanden.size() >= 20);
    QCOMPARE(bestanden.size(), onderdelen_.size());
    for (const QString &bestand : bestanden)
        QVERIFY2(bestand.endsWith(QLatin1String(".gif")) && bestand.size() > 4,
                 qPrintable(bestand));
}

void TestOnderdelen::gifsDecodeWithWhiteWhereTransparent() {
    for (const Onderdeel &o : onderdelen_) {
        const std::optional<QImage> gelezen = Surface::readPicture(pad(o));
        QVERIFY2(gelezen, qPrintable(o.naam));
        QCOMPARE(gelezen->size(), o.beeld.size());
        int doorzichtig = 0;
        for (int y = 0; y < o.beeld.height(); ++y)
            for (int x = 0; x < o.beeld.width(); ++x) {
                const QRgb bron = o.beeld.pixel(x, y);
                const QRgb verwacht = qAlpha(bron) == 0 ? Surface::kWhite : (bron | 0xff000000);
                doorzichtig += qAlpha(bron) == 0;
                if (gelezen->pixel(x, y) != verwacht)
                    QFAIL(qPrintable(QStringLiteral("%1 at %2,%3").arg(o.naam).arg(x).arg(y)));
            }
        QVERIFY2(doorzichtig > 0, qPrintable(o.naam));
        // The file itself carries the transparency, not white.
        const QImage ruw = QImageReader(pad(o)).read();
        QVERIFY2(ruw.hasAlphaChannel(), qPrintable(o.naam));
    }
}

void TestOnderdelen::noPartUsesPureWhite() {
    // A white pixel is not stamped, so a part drawn in white would get a hole in it.
    for (const Onderdeel &o : onderdelen_)
        for (int y = 0; y < o.beeld.height(); ++y)
            for (int x = 0; x < o.beeld.width(); ++x) {
                const QRgb p = o.beeld.pixel(x, y);
                QVERIFY2(qAlpha(p) == 0 || (p | 0xff000000) != Surface::kWhite, qPrintable(o.naam));
            }
}

void TestOnderdelen::legsLieOnTheHolePitch() {
    for (const Onderdeel &o : onderdelen_) {
        QVERIFY2(o.pootjes.size() >= 2, qPrintable(o.naam));
        QSet<QPair<int, int>> plekken;
        for (const QPoint poot : o.pootjes) {
            QVERIFY2(o.beeld.rect().contains(poot), qPrintable(o.naam));
            QVERIFY2(qAlpha(o.beeld.pixel(poot)) == 255, qPrintable(o.naam));
            // Seen from the pointer, every leg is a whole number of holes away.
            const QPoint afstand = QPoint(o.beeld.width() + 5, o.beeld.height() + 5) - poot;
            QVERIFY2(afstand.x() % kHolePitch == 0 && afstand.y() % kHolePitch == 0,
                     qPrintable(o.naam));
            plekken.insert({poot.x(), poot.y()});
        }
        QCOMPARE(plekken.size(), o.pootjes.size());
    }
}

void TestOnderdelen::stampedOnTheBoardEveryLegIsInAHole() {
    Surface bord(800, 541);
    TekenKleinBord(bord);
    for (const Onderdeel &o : onderdelen_) {
        const QImage beeld = *Surface::readPicture(pad(o));
        // Look for a contact point to release on where every leg meets a hole; chips
        // and the display must straddle the centre channel for that.
        std::optional<QPoint> gevonden;
        for (int m = 0; m <= 16 && !gevonden; ++m)
            for (int k = 0; k <= 23 && !gevonden; ++k) {
                const QPoint aanwijzer(kContactX0 + kHolePitch * k, kContactY0 + kHolePitch * m);
                bool allemaal = true;
                for (const QPoint poot : o.pootjes)
                    allemaal = allemaal && isGat(bord, linksBoven(beeld, aanwijzer) + poot);
                if (allemaal) gevonden = aanwijzer;
            }
        QVERIFY2(gevonden, qPrintable(o.naam));
        Surface gestempeld = bord;
        stempel(gestempeld, beeld, *gevonden);
        for (const QPoint poot : o.pootjes) {
            const QPoint p = linksBoven(beeld, *gevonden) + poot;
            QVERIFY2(gestempeld.pixel(p.x(), p.y()) == OnderdeelPen::kPootEind, qPrintable(o.naam));
        }
    }
}

void TestOnderdelen::gifWriterRefusesWhatItCannotWrite() {
    TestFolder map;
    QImage bont(20, 20, QImage::Format_ARGB32);
    for (int i = 0; i < 400; ++i)
        bont.setPixel(i % 20, i / 20, qRgb(i % 256, i / 256, 7));
    QString fout;
    const QString bontPad = map.path(QStringLiteral("bont.gif"));
    QVERIFY(!GifWriter::write(bont, bontPad, &fout));
    QVERIFY(!fout.isEmpty());
    QVERIFY(!QFile::exists(bontPad));

    QVERIFY(!GifWriter::write(QImage(), map.path(QStringLiteral("leeg.gif")), &fout));
    QVERIFY(!GifWriter::write(filledPicture(4, 4, qRgb(1, 2, 3)),
                              map.path(QStringLiteral("geen/map/x.gif")), &fout));

    // Exactly 255 colours and a transparent one still fit in a table of 256.
    QImage vol(16, 16, QImage::Format_ARGB32);
    for (int i = 0; i < 256; ++i)
        vol.setPixel(i % 16, i / 16, i == 0 ? qRgba(0, 0, 0, 0) : qRgb(i, 255 - i, 3));
    const QString volPad = map.path(QStringLiteral("vol.gif"));
    QVERIFY2(GifWriter::write(vol, volPad, &fout), qPrintable(fout));
    const QImage terug = *Surface::readPicture(volPad);
    QCOMPARE(terug.pixel(0, 0), Surface::kWhite);
    QCOMPARE(terug.pixel(15, 15), qRgb(255, 0, 3));
}

VOLTARIX_TEST(TestOnderdelen)
#include "tst_onderdelen.moc"
