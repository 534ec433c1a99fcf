// An export that cannot be written: a clear message, the old file as it was and no
// half-written one (the PNG and PDF themselves are checked end to end).
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "editor/Exporteren.h"

#include <QtTest>

class TestExporteren : public QObject {
    Q_OBJECT
private slots:
    void mislukt_data() {
        // grens: the bytes a file may have, as on a full disk; 0: any
        kolommen<QString, int, QString>("naam", "grens", "melding");
        QTest::newRow("PNG on a full disk") << "blad.png" << 100 << Exporteren::foutTekst("%1");
        QTest::newRow("PDF on a full disk") << "blad.pdf" << 100 << Exporteren::foutTekst("%1");
        QTest::newRow("unknown format") << "blad.jpg" << 0 << Exporteren::soortFoutTekst();
    }

    void mislukt() {
        auto [naam, grens, melding] = velden<QString, int, QString>("naam", "grens", "melding");
        TestFolder folder;
        const QString pad = folder.writeFile(naam, "oud");
        ScriptedPlatform platform;
        platform.saveAnswers << pad;
        const QImage wit = filledPicture(300, 200, qRgb(255, 255, 255));
        const Exporteren::Ontwerp ontwerp{"P", wit, wit, wit, [] { return QStringList(); }};
        QString map, geschreven;
        const auto exporteer = [&] {
            geschreven = Exporteren::Exporteer(platform, map, ontwerp);
            return true;
        };
        grens ? withFileLimit(grens, exporteer) : exporteer();
        QCOMPARE(geschreven, QString());
        QCOMPARE(map, folder.root()); // the next export's dialog starts where this one went
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, melding.replace("%1", QDir::toNativeSeparators(pad)));
        QCOMPARE(folder.readFile(naam), QByteArray("oud"));
        QCOMPARE(QDir(folder.root()).entryList(QDir::Files | QDir::Hidden), QStringList{naam});
    }
};

VOLTARIX_TEST(TestExporteren)
#include "tst_exporteren.moc"
