#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Settings.h"

#include <QFile>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void writtenRecords();
    void readBack_data();
    void readBack();
    void brokenFiles_data();
    void brokenFiles();
    void missingAndHugeFiles();
    void unwritableFolder();
};

void TestSettings::writtenRecords() {
    const QByteArray text = Settings::tekst(true);
    const QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines.size(), 4); // three records and nothing after the last CR LF
    QVERIFY(text.endsWith("\r\n"));
    QVERIFY(lines[0].startsWith('"') && lines[0].endsWith("\"\r"));
    QCOMPARE(lines[1], QByteArray("\"--------------------------\"\r"));
    QCOMPARE(lines[2], QByteArray("#TRUE#\r"));
    QVERIFY(Settings::tekst(false).endsWith("\r\n#FALSE#\r\n"));
}

void TestSettings::readBack_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("BBgroot");
    QTest::newRow("own file, big") << Settings::tekst(true) << true;
    QTest::newRow("own file, small") << Settings::tekst(false) << false;
    QTest::newRow("other identification")
        << QByteArray("\"Iemand 1999\"\r\n\"--\"\r\n#TRUE#\r\n") << true;
    QTest::newRow("line feeds only") << QByteArray("\"a\"\n\"b\"\n#FALSE#\n") << false;
    QTest::newRow("no line end after the last record")
        << QByteArray("\"a\"\r\n\"b\"\r\n#TRUE#") << true;
    QTest::newRow("bare texts") << QByteArray("Voltarix\r\n----\r\n#TRUE#\r\n") << true;
}

void TestSettings::readBack() {
    QFETCH(QByteArray, content);
    QFETCH(bool, BBgroot);
    QCOMPARE(Settings::leesTekst(content), std::optional<bool>(BBgroot));
}

void TestSettings::brokenFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only the identification") << QByteArray("\"Voltarix\"\r\n");
    QTest::newRow("cut in the flag") << QByteArray("\"a\"\r\n\"b\"\r\n#TR");
    QTest::newRow("flag as word") << QByteArray("\"a\"\r\n\"b\"\r\nTRUE\r\n");
    QTest::newRow("flag as number") << QByteArray("\"a\"\r\n\"b\"\r\n1\r\n");
    QTest::newRow("flag in quotes") << QByteArray("\"a\"\r\n\"b\"\r\n\"#TRUE#\"\r\n");
    QTest::newRow("lower case flag") << QByteArray("\"a\"\r\n\"b\"\r\n#true#\r\n");
    QTest::newRow("a fourth record") << QByteArray("\"a\"\r\n\"b\"\r\n#TRUE#\r\n\"c\"\r\n");
    QTest::newRow("open quote") << QByteArray("\"a\r\n\"b\"\r\n#TRUE#\r\n");
    QTest::newRow("binary") << QByteArray("\"a\"\r\n\"b\"\r\n#TRUE#\r\n").replace('b', '\0');
    QTest::newRow("random bytes") << QByteArray::fromHex("ffd8ffe000104a464946000101");
}

void TestSettings::brokenFiles() {
    QFETCH(QByteArray, content);
    QCOMPARE(Settings::leesTekst(content), std::nullopt);
}

void TestSettings::missingAndHugeFiles() {
    TestFolder folder;
    QCOMPARE(Settings::lees(folder.path("Voltarix.ini")), std::nullopt);
    const QByteArray huge = Settings::tekst(true) + QByteArray(10 * 1024 * 1024, ' ');
    QCOMPARE(Settings::lees(folder.writeFile("Voltarix.ini", huge)), std::nullopt);
    QCOMPARE(Settings::lees(folder.makeDir("folder.ini")), std::nullopt);
    QCOMPARE(Settings::lees("/dev/zero"), std::nullopt);
}

void TestSettings::unwritableFolder() {
    TestFolder folder;
    const QString file = folder.path("Voltarix.ini");
    QVERIFY(Settings::schrijf(file, true));
    QCOMPARE(Settings::lees(file), std::optional<bool>(true));
    QVERIFY(!Settings::schrijf(folder.path("missing/Voltarix.ini"), true));
    QFile::setPermissions(folder.root(), QFile::ReadOwner | QFile::ExeOwner);
    const bool written = Settings::schrijf(file, false); // root may write anyway
    QFile::setPermissions(folder.root(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(Settings::lees(file), std::optional<bool>(!written));
}

VOLTARIX_TEST(TestSettings)
#include "tst_settings.moc"
