#include "Pictogram.h"
#include "TestFolder.h"
#include "TestRunner.h"

#include <QImageReader>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The share of pixels that differ clearly (by more than a quarter in some channel,
// alpha included) between two pictures of one size; smoothing alone stays below it.
double verschil(const QImage &a, const QImage &b) {
    int anders = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int grootste = qMax(qMax(qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q))),
                                      qMax(qAbs(qBlue(p) - qBlue(q)), qAbs(qAlpha(p) - qAlpha(q))));
            if (grootste > 64) ++anders;
        }
    return double(anders) / (a.width() * a.height());
}

// The point (x, y) of the 64 x 64 grid in a picture of `grootte`.
QRgb op(const QImage &beeld, double x, double y) {
    const double schaal = double(beeld.width()) / Pictogram::kRaster;
    return beeld.pixel(int(x * schaal), int(y * schaal));
}

} // namespace

class TestPictogram : public QObject {
    Q_OBJECT
private slots:
    void everySize_data();
    void everySize();
    void svgDrawing();
    void writesTheHicolorTheme();
    void unwritableFolderIsReported();
};

void TestPictogram::everySize_data() {
    QTest::addColumn<int>("grootte");
    for (int grootte : Pictogram::kGroottes)
        QTest::addRow("%dx%d", grootte, grootte) << grootte;
}

void TestPictogram::everySize() {
    QFETCH(int, grootte);
    const QImage beeld = Pictogram::teken(grootte);
    QCOMPARE(beeld.size(), QSize(grootte, grootte));
    QVERIFY(beeld.hasAlphaChannel());
    // Transparent round the rounded board, opaque on it.
    for (const QPoint hoek : {QPoint(0, 0), QPoint(grootte - 1, 0), QPoint(0, grootte - 1),
                              QPoint(grootte - 1, grootte - 1)})
        QCOMPARE(qAlpha(beeld.pixel(hoek)), 0);
    QCOMPARE(qAlpha(op(beeld, 32, 33)), 255);
    QCOMPARE(qAlpha(op(beeld, 8, 32)), 255);
    // Every size shows the same picture: the largest scaled down is close to it.
    const QImage groot = Pictogram::teken(256).scaled(grootte, grootte, Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation);
    QVERIFY2(verschil(beeld, groot) < 12, qPrintable(QString::number(verschil(beeld, groot))));
}

void TestPictogram::svgDrawing() {
    const QByteArray svg = Pictogram::svg();
    QXmlStreamReader xml(svg);
    QStringList elementen;
    QString viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        elementen << xml.name().toString();
        if (xml.name() == QLatin1String("svg"))
            viewBox = xml.attributes().value("viewBox").toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(elementen.value(0), QStringLiteral("svg"));
    QCOMPARE(viewBox, QStringLiteral("0 0 64 64"));
    QCOMPARE(elementen.count("rect"), 6); // the board, the resistor's body and four bands
    QCOMPARE(elementen.count("circle"), 12);
    QCOMPARE(elementen.count("polyline"), 3);
    // The colours of the painted picture are the drawing's: the bare board.
    const QColor bord(Pictogram::teken(256).pixel(128, 28));
    QVERIFY2(svg.contains(bord.name().toLatin1()), qPrintable(bord.name()));
}

void TestPictogram::writesTheHicolorTheme() {
    TestFolder map;
    QCOMPARE(Pictogram::schrijf(map.root()), QStringList());
    for (int grootte : Pictogram::kGroottes) {
        const QString pad =
            map.path(QStringLiteral("hicolor/%1x%1/apps/org.voltarix.Voltarix.png").arg(grootte));
        QImageReader lezer(pad);
        QCOMPARE(lezer.format(), QByteArray("png"));
        const QImage gelezen = lezer.read();
        QCOMPARE(gelezen.size(), QSize(grootte, grootte));
        QCOMPARE(gelezen.convertToFormat(QImage::Format_ARGB32),
                 Pictogram::teken(grootte).convertToFormat(QImage::Format_ARGB32));
    }
    QCOMPARE(map.readFile("hicolor/scalable/apps/org.voltarix.Voltarix.svg"), Pictogram::svg());
}

void TestPictogram::unwritableFolderIsReported() {
    TestFolder map;
    // A file where the theme's folder should go: nothing can be written under it.
    map.writeFile("hicolor", "not a folder");
    const QStringList fouten = Pictogram::schrijf(map.root());
    QCOMPARE(fouten.size(), Pictogram::kGroottes.size() + 1);
    QVERIFY(fouten.first().contains("16x16"));
    QCOMPARE(map.readFile("hicolor"), QByteArray("not a folder"));
}

VOLTARIX_TEST(TestPictogram)
#include "tst_pictogram.moc"
