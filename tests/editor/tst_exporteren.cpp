// "Exporteren...": the shown sheet as PNG, pixel for pixel; the design as PDF with the
// pages of the design print; a write that fails leaves the old file and no half.
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "editor/Afdrukken.h"
#include "editor/Exporteren.h"

#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QString run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QImage ruis(int breedte, int hoogte, quint32 zaad) {
    QImage beeld(breedte, hoogte, QImage::Format_RGB32);
    QRandomGenerator toeval(zaad);
    for (int y = 0; y < hoogte; ++y)
        for (int x = 0; x < breedte; ++x)
            beeld.setPixel(x, y, toeval.generate() | 0xff000000);
    return beeld;
}

Exporteren::Ontwerp ontwerp(quint32 zaad) {
    Exporteren::Ontwerp o;
    o.naam = QStringLiteral("Proef");
    o.Pic = ruis(300, 200, zaad);
    o.Pic2 = ruis(300, 200, zaad + 1);
    o.blad = o.Pic2;
    o.regels = [] { return QStringList{"Componentenlijst", "----", "R1 = 330 Ohm", ""}; };
    return o;
}

// No file of this process may grow beyond `bytes` while it lives; a write past it
// fails (EFBIG), as on a full disk.
class SchrijfGrens {
public:
    explicit SchrijfGrens(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &oud_);
        vorigSignaal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grens = oud_;
        grens.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &grens);
    }
    ~SchrijfGrens() {
        setrlimit(RLIMIT_FSIZE, &oud_);
        std::signal(SIGXFSZ, vorigSignaal_);
    }

private:
    rlimit oud_{};
    void (*vorigSignaal_)(int) = nullptr;
};

} // namespace

class TestExporteren : public QObject {
    Q_OBJECT
private slots:
    void pngEnPdf();
    void mislukt_data();
    void mislukt();
};

void TestExporteren::pngEnPdf() {
    TestFolder folder;
    ScriptedPlatform platform;
    const Exporteren::Ontwerp o = ontwerp(1);
    QString map = folder.root();
    platform.saveAnswers << folder.path("blad.PNG") << folder.path("sub/../ontwerp.pdf");
    QCOMPARE(Exporteren::Exporteer(platform, map, o), folder.path("blad.PNG"));
    QCOMPARE(QImage(folder.path("blad.PNG")).convertToFormat(QImage::Format_RGB32), o.Pic2);

    // The PDF's pages are the print's, word for word and place for place.
    QDir().mkpath(folder.path("sub"));
    QVERIFY(!Exporteren::Exporteer(platform, map, o).isEmpty());
    platform.pdfPath = folder.path("print.pdf");
    QCOMPARE(Afdrukken::drukOntwerp(*platform.printer(), o.naam, o.Pic, o.Pic2, o.regels()),
             int(Afdrukken::Geen));
    platform.endPrinting();
    const QString pdf = folder.path("ontwerp.pdf");
    QVERIFY(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+2")));
    const QString woorden = run("pdftotext", {"-bbox", pdf, "-"});
    QVERIFY(woorden.contains(">330</word>"));
    QCOMPARE(woorden.section("<page", 1),
             run("pdftotext", {"-bbox", platform.pdfPath, "-"}).section("<page", 1));
    QVERIFY(platform.messages.isEmpty());
}

void TestExporteren::mislukt_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<int>("grens"); // bytes a file may have; 0 for no limit
    QTest::addColumn<QString>("melding");
    QTest::newRow("PNG on a full disk") << "blad.png" << 20000 << Exporteren::foutTekst("%1");
    QTest::newRow("PDF on a full disk") << "blad.pdf" << 20000 << Exporteren::foutTekst("%1");
    QTest::newRow("unknown format") << "blad.jpg" << 0 << Exporteren::soortFoutTekst();
}

void TestExporteren::mislukt() {
    QFETCH(QString, naam);
    QFETCH(int, grens);
    QFETCH(QString, melding);
    TestFolder folder;
    const QString pad = folder.writeFile(naam, "oud");
    ScriptedPlatform platform;
    platform.saveAnswers << pad;
    QString map;
    {
        std::optional<SchrijfGrens> vol;
        if (grens) vol.emplace(rlim_t(grens));
        QVERIFY(Exporteren::Exporteer(platform, map, ontwerp(2)).isEmpty());
    }
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, melding.replace("%1", QDir::toNativeSeparators(pad)));
    QCOMPARE(folder.readFile(naam), QByteArray("oud"));
    QCOMPARE(QDir(folder.root()).entryList(QDir::Files | QDir::Hidden), QStringList{naam});
}

VOLTARIX_TEST(TestExporteren)
#include "tst_exporteren.moc"
