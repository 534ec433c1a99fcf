#include "TestFolder.h"
#include "TestRunner.h"
#include "app/TitelInfo.h"
#include "app/VersieStempel.h"

#include <QFile>
#include <QtTest>

namespace {

const QLocale kNederlands(QLocale::Dutch, QLocale::Netherlands);
const QLocale kEngels(QLocale::English, QLocale::UnitedStates);

QStringList regels(const QString &tekst) {
    return tekst.split(QStringLiteral("\r\n"));
}

// A program file of `lengte` bytes with a version stamp in the middle (or none).
QByteArray programma(int lengte, const QString &versie) {
    QByteArray bytes(lengte, 'x');
    if (!versie.isEmpty()) bytes.replace(100, 0, VersieStempel::stempel(versie));
    return bytes.left(lengte);
}

} // namespace

class TestTitelInfo : public QObject {
    Q_OBJECT
private slots:
    void programmaBestand_data();
    void programmaBestand();
    void regelsVanDeTekst();
    void grootte_data();
    void grootte();
    void datumEnKlok_data();
    void datumEnKlok();
    void dpiWaarschuwing_data();
    void dpiWaarschuwing();
};

void TestTitelInfo::programmaBestand_data() {
    QTest::addColumn<QString>("naam"); // the file written beside the title screen
    QTest::addColumn<QByteArray>("inhoud");
    QTest::addColumn<QString>("versieRegel");
    QTest::addColumn<QString>("grootteRegel");
    QTest::addColumn<bool>("datumRegel");

    QTest::newRow("stamped") << "voltarix" << programma(761856, QStringLiteral("1.0.0.12"))
                             << "Version number : 1.0.0.12"
                             << "Filesize............. : 761.856 Bytes" << true;
    QTest::newRow("without stamp")
        << "voltarix" << programma(2048, QString()) << "Version number : Error"
        << "Filesize............. : 2.048 Bytes" << true;
    QTest::newRow("empty file") << "voltarix" << QByteArray() << "Version number : Error"
                                << "Filesize............. :  Bytes" << true;
    QTest::newRow("other name") << "voltarix-1.0" << programma(4096, QStringLiteral("1.0.0.12"))
                                << "Version number : Error"
                                << "Filesize............. :  Bytes" << false;
}

void TestTitelInfo::programmaBestand() {
    QFETCH(QString, naam);
    QFETCH(QByteArray, inhoud);
    QFETCH(QString, versieRegel);
    QFETCH(QString, grootteRegel);
    QFETCH(bool, datumRegel);
    TestFolder folder;
    const QString bestand = folder.writeFile(naam, inhoud);
    const QDateTime datum(QDate(2026, 12, 5), QTime(6, 42, 2));
    QFile geschreven(bestand);
    QVERIFY(geschreven.open(QIODevice::ReadWrite));
    QVERIFY(geschreven.setFileTime(datum, QFileDevice::FileModificationTime));
    geschreven.close();

    const TitelInfo::Gegevens gegevens =
        TitelInfo::verzamel(folder.path(QStringLiteral("voltarix")), QSize(1920, 1080), 96);
    const QStringList tekst = regels(TitelInfo::informatieTekst(gegevens, kNederlands));
    QCOMPARE(tekst.size(), datumRegel ? 10 : 9);
    QCOMPARE(tekst[4], versieRegel);
    QCOMPARE(tekst[5], grootteRegel);
    if (datumRegel)
        QCOMPARE(tekst[6], QStringLiteral("Filedate............ : 05-12-2026 06:42:02"));
    else
        QVERIFY(tekst.filter(QStringLiteral("Filedate")).isEmpty());
    QCOMPARE(tekst.mid(tekst.size() - 3),
             QStringList({QStringLiteral("Screen............. : 1920 x 1080 Pixels"),
                          QStringLiteral("Dpi................... : 96 Dots per Inch"),
                          QStringLiteral("Time / Date..... :")}));
}

// The fixed lines, the empty line and the line ends, whatever the file.
void TestTitelInfo::regelsVanDeTekst() {
    TitelInfo::Gegevens gegevens;
    gegevens.versie = QStringLiteral("Error");
    gegevens.scherm = QSize(1024, 768);
    gegevens.Dpi = 120;
    const QString tekst = TitelInfo::informatieTekst(gegevens, kEngels);
    QVERIFY(!tekst.endsWith(QStringLiteral("\r\n")));
    QCOMPARE(tekst.count(QStringLiteral("\r\n")), 8);
    QCOMPARE(tekst.count(QLatin1Char('\n')), 8); // no line break other than CR LF
    const QStringList lijst = regels(tekst);
    QVERIFY(!lijst[0].isEmpty() && !lijst[1].isEmpty());
    QCOMPARE(lijst[2], QStringLiteral("For 32-bit computers with Windows Development."));
    QCOMPARE(lijst[3], QString());
    QCOMPARE(lijst[6], QStringLiteral("Screen............. : 1024 x 768 Pixels"));
    QCOMPARE(lijst[7], QStringLiteral("Dpi................... : 120 Dots per Inch"));
}

void TestTitelInfo::grootte_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("0 shows no digit") << qint64(0) << kNederlands << "";
    QTest::newRow("0 in English") << qint64(0) << kEngels << "";
    QTest::newRow("below a thousand") << qint64(999) << kNederlands << "999";
    QTest::newRow("one") << qint64(1) << kEngels << "1";
    QTest::newRow("Dutch groups") << qint64(761856) << kNederlands << "761.856";
    QTest::newRow("English groups") << qint64(761856) << kEngels << "761,856";
    QTest::newRow("millions") << qint64(12345678) << kNederlands << "12.345.678";
    // The C locale leaves separators out unless asked; the pattern always groups.
    QTest::newRow("C locale") << qint64(761856) << QLocale::c() << "761,856";
    QTest::newRow("beyond 32 bits") << qint64(5000000000) << kEngels << "5,000,000,000";
}

void TestTitelInfo::grootte() {
    QFETCH(qint64, bytes);
    QFETCH(QLocale, locale);
    QFETCH(QString, tekst);
    QCOMPARE(TitelInfo::grootteTekst(bytes, locale), tekst);
}

void TestTitelInfo::datumEnKlok_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("klok");
    QTest::newRow("Dutch morning")
        << QDateTime(QDate(2026, 12, 5), QTime(6, 42, 2)) << kNederlands << "05-12-2026 06:42:02"
        << " 6:42:02 / 05-12-2026";
    QTest::newRow("Dutch afternoon")
        << QDateTime(QDate(2026, 1, 31), QTime(16, 5, 9)) << kNederlands << "31-01-2026 16:05:09"
        << " 16:05:09 / 31-01-2026";
    QTest::newRow("English") << QDateTime(QDate(2026, 12, 5), QTime(6, 42, 2)) << kEngels
                             << "12/5/26 6:42:02 AM"
                             << " 6:42:02 / 12/5/26";
    QTest::newRow("midnight") << QDateTime(QDate(2027, 3, 1), QTime(0, 0, 0)) << kNederlands
                              << "01-03-2027 00:00:00"
                              << " 0:00:00 / 01-03-2027";
}

void TestTitelInfo::datumEnKlok() {
    QFETCH(QDateTime, moment);
    QFETCH(QLocale, locale);
    QFETCH(QString, datum);
    QFETCH(QString, klok);
    QCOMPARE(TitelInfo::datumTekst(moment, locale), datum);
    QCOMPARE(TitelInfo::klokTekst(moment, locale), klok);
}

void TestTitelInfo::dpiWaarschuwing_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QString>("eersteRegel");
    QTest::newRow("96 needs none") << 96 << "";
    QTest::newRow("120") << 120 << "Uw beeldscherm is ingesteld op 120 DPI (Dots Per Inch)";
    QTest::newRow("144") << 144 << "Uw beeldscherm is ingesteld op 144 DPI (Dots Per Inch)";
    QTest::newRow("72") << 72 << "Uw beeldscherm is ingesteld op 72 DPI (Dots Per Inch)";
}

void TestTitelInfo::dpiWaarschuwing() {
    QFETCH(int, dpi);
    QFETCH(QString, eersteRegel);
    const QString tekst = TitelInfo::dpiWaarschuwing(dpi);
    if (eersteRegel.isEmpty()) {
        QVERIFY(tekst.isEmpty());
        return;
    }
    QCOMPARE(tekst.split(QLatin1Char('\n')),
             QStringList(
                 {eersteRegel,
                  QStringLiteral("wijzig dit naar 96 DPI. Klik met de rechtermuisknop op het"),
                  QStringLiteral("bureaublad van uw scherm, klik op Eigenschappen / Instellingen"),
                  QStringLiteral("dan geavanceerd en wijzig de DPI instelling.")}));
}

VOLTARIX_TEST(TestTitelInfo)
#include "tst_titelinfo.moc"
