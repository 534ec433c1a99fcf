#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "editor/Afdrukken.h"

#include <QPagedPaintDevice>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Woord {
    QString tekst;
    double x, y; // top-left, in points
    int pagina;
};

// The words of a PDF with their places, read back with poppler's pdftotext.
QList<Woord> woorden(const QString &pdf) {
    QList<Woord> result;
    int pagina = 0;
    const QRegularExpression woord(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    for (const QString &regel : run("pdftotext", {"-bbox", pdf, "-"}).split('\n')) {
        if (regel.contains("<page ")) ++pagina;
        const auto match = woord.match(regel);
        if (match.hasMatch())
            result.append({match.captured(3), match.captured(1).toDouble(),
                           match.captured(2).toDouble(), pagina});
    }
    return result;
}

const Woord *vind(const QList<Woord> &lijst, const QString &tekst) {
    for (const Woord &w : lijst)
        if (w.tekst == tekst) return &w;
    return nullptr;
}

QImage gevuld(QRgb kleur) {
    QImage beeld(200, 100, QImage::Format_RGB32);
    beeld.fill(kleur);
    return beeld;
}

} // namespace

class TestAfdrukken : public QObject {
    Q_OBJECT
private slots:
    void designPrintsOnTwoPages();
    void breadboardPrintsLandscape();
    void answeredNoPrintsNothing();
    void noPrinterIsAFailure();
};

void TestAfdrukken::designPrintsOnTwoPages() {
    TestFolder folder;
    ScriptedPlatform platform;
    platform.pdfPath = folder.path("ontwerp.pdf");
    platform.answers = {Platform::Answer::Yes};
    QStringList regels = {"Componentenlijst", "------", "R1", "R2", "", "", "", "", "", "",
                          "Tiende",           ""};
    Afdrukken::OntwerpAfdrukken(platform, "Knipperlicht", gevuld(qRgb(255, 0, 0)),
                                gevuld(qRgb(0, 0, 255)), regels);
    const QPointF marge = platform.printer()->pageLayout().paintRectPoints().topLeft();
    platform.endPrinting();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("Wilt u dit ontwerp nu afdrukken?"));
    QCOMPARE(platform.messages[0].title, QStringLiteral(" Print"));
    QVERIFY(run("pdfinfo", {platform.pdfPath}).contains(QRegularExpression("Pages:\\s+2")));

    const QList<Woord> lijst = woorden(platform.pdfPath);
    const Woord *naam = vind(lijst, "Knipperlicht");
    QVERIFY(naam);
    QCOMPARE(naam->pagina, 1);
    QVERIFY(std::abs(naam->x - (marge.x() + 30)) < 2); // 600 twips = 30 points
    const Woord *kop = vind(lijst, "Componentenlijst");
    QVERIFY(kop && kop->pagina == 2);
    QVERIFY(!vind(lijst, "------")); // the list's own heading is not printed
    const Woord *r1 = vind(lijst, "R1");
    const Woord *tiende = vind(lijst, "Tiende");
    QVERIFY(r1 && tiende);
    // Index 2 at 1080 twips, index 10 at 1080 + 240 x 8 = 3000 twips: 96 points apart.
    QVERIFY(std::abs((tiende->y - r1->y) - 96) < 1);
    QVERIFY(std::abs(r1->y - naam->y - 24) < 3); // 1080 − 600 twips = 24 points
    // Both sheets are on page 1.
    const QString beelden = run("pdfimages", {"-list", platform.pdfPath});
    QCOMPARE(beelden.count(QRegularExpression("^\\s+1\\s+\\d+\\s+image",
                                              QRegularExpression::MultilineOption)),
             2);
}

void TestAfdrukken::breadboardPrintsLandscape() {
    TestFolder folder;
    ScriptedPlatform platform;
    platform.pdfPath = folder.path("breadboard.pdf");
    platform.answers = {Platform::Answer::Yes};
    Afdrukken::BreadboardAfdrukken(platform, gevuld(qRgb(0, 255, 0)));
    platform.endPrinting();
    const QString info = run("pdfinfo", {platform.pdfPath});
    QVERIFY(info.contains(QRegularExpression("Pages:\\s+1")));
    const auto maat = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    QVERIFY(maat.hasMatch());
    QVERIFY(maat.captured(1).toDouble() > maat.captured(2).toDouble());
    QVERIFY(platform.messages.size() == 1);
}

void TestAfdrukken::answeredNoPrintsNothing() {
    TestFolder folder;
    ScriptedPlatform platform;
    platform.pdfPath = folder.path("niets.pdf");
    platform.answers = {Platform::Answer::No};
    Afdrukken::OntwerpAfdrukken(platform, "x", gevuld(0), gevuld(0), {});
    Afdrukken::BreadboardAfdrukken(platform, gevuld(0));
    platform.endPrinting();
    QVERIFY(!QFileInfo::exists(platform.pdfPath));
}

void TestAfdrukken::noPrinterIsAFailure() {
    ScriptedPlatform platform; // no PDF path: no printer
    platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes};
    Afdrukken::OntwerpAfdrukken(platform, "x", gevuld(0), gevuld(0), {});
    Afdrukken::BreadboardAfdrukken(platform, gevuld(0));
    QCOMPARE(platform.messages.size(), 4);
    QCOMPARE(platform.messages[1].text,
             QStringLiteral("Fout bij het afdrukken!\r\n(foutnummer: 1)"));
    QCOMPARE(platform.messages[3].text, platform.messages[1].text);
}

VOLTARIX_TEST(TestAfdrukken)
#include "tst_afdrukken.moc"
