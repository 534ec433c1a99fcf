// The component list's characters on their way to the ".dat" file and back. The
// cases of Windows-1252 bytes that read as UTF-8 were found by fuzzing the reader and
// writer against each other (tests/fuzz): such a list opened with other characters
// than it was saved with.
#include "TestRunner.h"
#include "project/DatTekst.h"

#include <QtTest>

class TestDatTekst : public QObject {
    Q_OBJECT
private slots:
    void opgeslagenLijstLeestTerug_data() {
        QTest::addColumn<QString>("lijst");
        QTest::addColumn<QByteArray>("bytes");
        const auto rij = [](const char *naam, const QString &lijst, const QByteArray &bytes) {
            QTest::newRow(naam) << lijst << bytes;
        };
        rij("plain", "R1 330\r\n", "R1 330\r\n");
        // Windows-1252 stays what the old program wrote, one byte per character.
        rij("Windows-1252", "R1 = 4k7 µF €5 “LED” Ÿ\r\n",
            "R1 = 4k7 \xB5"
            "F \x80"
            "5 \x93LED\x94 \x9F\r\n");
        rij("beyond Windows-1252", "Ω 10k\r\n", "\xCE\xA9 10k\r\n");
        // "Ã©" is C3 A9 in Windows-1252, which reads as UTF-8 for "é".
        rij("Windows-1252 bytes that are UTF-8", "Ã© weerstand\r\n",
            "\xC3\x83\xC2\xA9 weerstand\r\n");
        // "ï»¿" is EF BB BF, the UTF-8 byte order mark, which the reader passes over.
        rij("Windows-1252 bytes that are a byte order mark", "ï»¿R1\r\n",
            "\xC3\xAF\xC2\xBB\xC2\xBFR1\r\n");
        // A list that starts with a byte order mark of its own keeps it.
        rij("byte order mark at the start", QChar(0xFEFF) + QString("R1 Ω\r\n"),
            "\xEF\xBB\xBF\xEF\xBB\xBFR1 \xCE\xA9\r\n");
    }
    void opgeslagenLijstLeestTerug() {
        QFETCH(QString, lijst);
        QFETCH(QByteArray, bytes);
        QCOMPARE(DatTekst::codeer(lijst), bytes);
        QCOMPARE(DatTekst::decodeer(bytes), lijst);
        QCOMPARE(DatTekst::lijstUit(bytes), lijst);
    }

    // Every line ends in CR LF, whatever ended it in the file, the last one included.
    void regeleinden() {
        QCOMPARE(DatTekst::lijstUit("a\rb\nc"), QStringLiteral("a\r\nb\r\nc\r\n"));
        QCOMPARE(DatTekst::lijstUit("\r\n\r\nC\r\n"), QStringLiteral("\r\n\r\nC\r\n"));
        QCOMPARE(DatTekst::lijstUit(""), QString());
        // The file is read in pieces of 64 KB: a CR LF or a character cut between two
        // pieces stays one.
        const QByteArray stuk(65535, 'x');
        QCOMPARE(DatTekst::lijstUit(stuk + "\r\ny"), QString(stuk) + "\r\ny\r\n");
        QCOMPARE(DatTekst::lijstUit(stuk + "\xCE\xA9"), QString(stuk) + "Ω\r\n");
    }
};

VOLTARIX_TEST(TestDatTekst)
#include "tst_dattekst.moc"
