#include "StarterMaker.h"
#include "Symbolen.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "ui/AppFolder.h"
#include "ui/Surface.h"

#include <QSet>
#include <QtEndian>
#include <QtTest>

namespace {

const QRgb kZwart = qRgb(0, 0, 0);

// The four places where a lead may leave a block: the middle of each side.
struct Kant {
    const char *naam;
    QPoint midden, binnen; // the edge's middle pixel and the one next to it, inwards
    QPoint van, stap;      // the edge's first pixel and the step along it
};

const Kant kKanten[] = {
    {"left", {0, 24}, {1, 24}, {0, 0}, {0, 1}},
    {"right", {48, 24}, {47, 24}, {48, 0}, {0, 1}},
    {"top", {24, 0}, {24, 1}, {0, 0}, {1, 0}},
    {"bottom", {24, 48}, {24, 47}, {0, 48}, {1, 0}},
};

// The pixels of an edge that are not white.
QVector<QPoint> inkt(const QImage &beeld, const Kant &kant) {
    QVector<QPoint> punten;
    for (int i = 0; i < 49; ++i) {
        const QPoint p = kant.van + i * kant.stap;
        if (beeld.pixel(p) != Surface::kWhite) punten << p;
    }
    return punten;
}

} // namespace

// The symbol library as the generator writes it into a starter folder.
class TestSymbolen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void libraryIsLargeAndNamedSafely();
    void everySymbolIsA24BitBmpOf49By49();
    void leadsLeaveOnlyAtTheMiddleOfASide();
    void symbolsShareOneStyle();
    void neighbouringBlocksJoinAcrossTheRaster();
    void noTwoSymbolsAreTheSame();

private:
    TestFolder map_;
    QVector<Symbool> symbolen_;
    QString pad(const Symbool &s) const {
        return map_.path(QStringLiteral("Symbolen/%1/%2.bmp").arg(s.categorie, s.naam));
    }
    QImage lees(const Symbool &s) const { return Surface::readPicture(pad(s)).value_or(QImage()); }
};

void TestSymbolen::initTestCase() {
    QCOMPARE(StarterMaker::maakSymbolen(map_.root()), QStringList());
    symbolen_ = Symbolen::alle();
}

void TestSymbolen::libraryIsLargeAndNamedSafely() {
    const QStringList categorieen = AppFolder::subfolders(map_.path(QStringLiteral("Symbolen")));
    QVERIFY2(categorieen.size() >= 8, qPrintable(categorieen.join(", ")));
    int aantal = 0;
    for (const QString &categorie : categorieen) {
        const QStringList bestanden =
            AppFolder::files(map_.path(QStringLiteral("Symbolen/") + categorie));
        QVERIFY2(!bestanden.isEmpty(), qPrintable(categorie));
        aantal += int(bestanden.size());
    }
    QVERIFY(aantal >= 80);
    // One file per symbol: no name is used twice in a category, whatever its case.
    QCOMPARE(aantal, int(symbolen_.size()));
    const QRegularExpression ongeldig(QStringLiteral("[\\\\/:*?\"<>|]"));
    for (const Symbool &s : symbolen_) {
        QVERIFY2(!s.naam.contains(ongeldig) && s.naam.trimmed() == s.naam, qPrintable(s.naam));
        QVERIFY2(s.naam.size() >= 1 && s.naam.size() <= 40, qPrintable(s.naam));
    }
}

void TestSymbolen::everySymbolIsA24BitBmpOf49By49() {
    for (const Symbool &s : symbolen_) {
        QFile bestand(pad(s));
        QVERIFY2(bestand.open(QIODevice::ReadOnly), qPrintable(pad(s)));
        const QByteArray kop = bestand.read(54);
        QVERIFY2(kop.size() == 54 && kop.startsWith("BM"), qPrintable(s.naam));
        QCOMPARE(qFromLittleEndian<qint32>(kop.constData() + 18), 49);
        QCOMPARE(std::abs(qFromLittleEndian<qint32>(kop.constData() + 22)), 49);
        QCOMPARE(qFromLittleEndian<quint16>(kop.constData() + 28), quint16(24));
        QCOMPARE(qFromLittleEndian<quint32>(kop.constData() + 30), quint32(0)); // uncompressed
        const QImage beeld = lees(s);
        QCOMPARE(beeld.size(), QSize(49, 49));
        for (const QPoint hoek : {QPoint(0, 0), QPoint(48, 0), QPoint(0, 48), QPoint(48, 48)})
            QVERIFY2(beeld.pixel(hoek) == Surface::kWhite, qPrintable(s.naam));
    }
}

void TestSymbolen::leadsLeaveOnlyAtTheMiddleOfASide() {
    int metDraden = 0;
    for (const Symbool &s : symbolen_) {
        const QImage beeld = lees(s);
        int draden = 0;
        for (const Kant &kant : kKanten) {
            const QVector<QPoint> rand = inkt(beeld, kant);
            const QString waar = s.naam + QLatin1Char(' ') + QLatin1String(kant.naam);
            // A lead that comes within a few pixels of the middle of a side reaches it.
            const QPoint naarBinnen = kant.binnen - kant.midden;
            bool bijna = false;
            for (int stap = 1; stap <= 2; ++stap)
                bijna = bijna || beeld.pixel(kant.midden + stap * naarBinnen) == kZwart;
            QVERIFY2(!bijna || !rand.isEmpty(), qPrintable(waar));
            if (rand.isEmpty()) continue;
            QVERIFY2(rand == QVector<QPoint>{kant.midden}, qPrintable(waar));
            QVERIFY2(beeld.pixel(kant.midden) == kZwart, qPrintable(waar));
            QVERIFY2(beeld.pixel(kant.binnen) == kZwart, qPrintable(waar));
            ++draden;
        }
        if (draden > 0) ++metDraden;
        if (s.categorie == QLatin1String("Verbindingen")) QVERIFY2(draden >= 2, qPrintable(s.naam));
    }
    // Only pictures such as the chips in their housing have no leads.
    QVERIFY(metDraden >= symbolen_.size() - 5);
}

void TestSymbolen::symbolsShareOneStyle() {
    for (const Symbool &s : symbolen_) {
        const QImage beeld = lees(s);
        QSet<QRgb> kleuren;
        int wit = 0, zwart = 0;
        for (int y = 0; y < 49; ++y)
            for (int x = 0; x < 49; ++x) {
                const QRgb p = beeld.pixel(x, y);
                kleuren.insert(p);
                wit += p == Surface::kWhite;
                zwart += p == kZwart;
            }
        // Black lines on white, with at most a few colours of fill or housing.
        QVERIFY2(wit > 49 * 49 / 3, qPrintable(s.naam));
        QVERIFY2(zwart > 0, qPrintable(s.naam));
        QVERIFY2(kleuren.size() <= 6, qPrintable(s.naam));
    }
}

void TestSymbolen::neighbouringBlocksJoinAcrossTheRaster() {
    // Placed side by side on a design sheet, the leads of two blocks meet at the
    // raster line between them, on both sides of it.
    Surface blad(151, 151);
    const QStringList rij = {QStringLiteral("Weerstand"), QStringLiteral("T-splitsing onder"),
                             QStringLiteral("LED rood")};
    auto lees = [this](const QString &naam) {
        for (const Symbool &s : symbolen_)
            if (s.naam == naam) return Surface(this->lees(s));
        return Surface();
    };
    for (int i = 0; i < rij.size(); ++i)
        blad.copyFrom(lees(rij[i]), QRect(0, 0, 49, 49), {50 * i + 1, 1});
    blad.copyFrom(lees(QStringLiteral("Draad verticaal")), QRect(0, 0, 49, 49), {51, 51});
    for (const int x : {49, 51, 99, 101})
        QVERIFY2(blad.pixel(x, 25) == kZwart, qPrintable(QString::number(x)));
    // The T's branch goes down into the block below it.
    QCOMPARE(blad.pixel(75, 49), kZwart);
    QCOMPARE(blad.pixel(75, 51), kZwart);
}

void TestSymbolen::noTwoSymbolsAreTheSame() {
    QHash<QByteArray, QString> gezien;
    for (const Symbool &s : symbolen_) {
        const QImage beeld = lees(s).convertToFormat(QImage::Format_RGB32);
        const QByteArray pixels(reinterpret_cast<const char *>(beeld.constBits()),
                                int(beeld.sizeInBytes()));
        QVERIFY2(!gezien.contains(pixels),
                 qPrintable(s.naam + QStringLiteral(" = ") + gezien[pixels]));
        gezien.insert(pixels, s.naam);
    }
}

VOLTARIX_TEST(TestSymbolen)
#include "tst_symbolen.moc"
