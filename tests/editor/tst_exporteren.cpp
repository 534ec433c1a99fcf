// An export that cannot be written: a clear message, the old file as it was and no
// half-written one (the PNG and PDF themselves are checked end to end).
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "editor/Exporteren.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestExporteren : public QObject {
    Q_OBJECT
private slots:
    void mislukt_data();
    void mislukt();
};

void TestExporteren::mislukt_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<int>("grens"); // the bytes a file may have, as on a full disk; 0: any
    QTest::addColumn<QString>("melding");
    QTest::newRow("PNG on a full disk") << "blad.png" << 100 << Exporteren::foutTekst("%1");
    QTest::newRow("PDF on a full disk") << "blad.pdf" << 100 << Exporteren::foutTekst("%1");
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
    QImage wit(300, 200, QImage::Format_RGB32);
    wit.fill(Qt::white);
    const Exporteren::Ontwerp ontwerp{"P", wit, wit, wit, [] { return QStringList(); }};
    rlimit oud{};
    getrlimit(RLIMIT_FSIZE, &oud);
    const rlimit vol{grens ? rlim_t(grens) : oud.rlim_cur, oud.rlim_max};
    const auto signaal = std::signal(SIGXFSZ, SIG_IGN); // a write past it fails, no more
    setrlimit(RLIMIT_FSIZE, &vol);
    QString map;
    const QString geschreven = Exporteren::Exporteer(platform, map, ontwerp);
    setrlimit(RLIMIT_FSIZE, &oud);
    std::signal(SIGXFSZ, signaal);

    QCOMPARE(geschreven, QString());
    QCOMPARE(map, folder.root()); // the next export's dialog starts where this one went
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, melding.replace("%1", QDir::toNativeSeparators(pad)));
    QCOMPARE(folder.readFile(naam), QByteArray("oud"));
    QCOMPARE(QDir(folder.root()).entryList(QDir::Files | QDir::Hidden), QStringList{naam});
}

VOLTARIX_TEST(TestExporteren)
#include "tst_exporteren.moc"
