#include "TestFolder.h"
#include "TestRunner.h"
#include "app/VersieStempel.h"

#include <QRegularExpression>
#include <QtTest>

#include <dlfcn.h>

using VersieStempel::GetFileVersion;
using VersieStempel::stempel;

namespace {

// Bytes that look like the inside of a program file, the same on every run.
QByteArray vulling(int lengte, char zaad) {
    QByteArray bytes(lengte, '\0');
    for (int i = 0; i < lengte; ++i)
        bytes[i] = char((i * 131 + zaad) % 251);
    return bytes;
}

constexpr int kBlok = 1 << 20; // the reader's block size

} // namespace

class TestVersieStempel : public QObject {
    Q_OBJECT
private slots:
    void leesBestand_data();
    void leesBestand();
    void bestandenZonderVersie();
    void eigenProgramma();
};

void TestVersieStempel::leesBestand_data() {
    QTest::addColumn<QByteArray>("inhoud");
    QTest::addColumn<QString>("versie");

    const QByteArray ervoor = vulling(5000, 7), erna = vulling(3000, 11);
    QTest::newRow("in the middle") << ervoor + stempel("1.0.0.12") + erna << "1.0.0.12";
    QTest::newRow("at the very start") << stempel("2.3.4.5") + erna << "2.3.4.5";
    QTest::newRow("at the very end") << ervoor + stempel("7.0.0.1") << "7.0.0.1";
    QTest::newRow("largest numbers")
        << ervoor + stempel("65535.65535.0.65535") + erna << "65535.65535.0.65535";
    QTest::newRow("leading zeros") << ervoor + stempel("01.002.0.3") + erna << "1.2.0.3";
    // Where the stamp straddles two blocks of the reader, and where it starts in the
    // last bytes of the first block.
    QTest::newRow("across blocks")
        << vulling(kBlok - 12, 3) + stempel("4.4.4.4") + erna << "4.4.4.4";
    QTest::newRow("beginning split")
        << vulling(kBlok - 5, 3) + stempel("5.6.7.8") + erna << "5.6.7.8";
    QTest::newRow("right after a block") << vulling(kBlok, 3) + stempel("9.9.9.9") << "9.9.9.9";
    // A text that starts like a stamp but is none does not hide the real one.
    QTest::newRow("false start first")
        << ervoor + stempel("1.2.3") + stempel("3.2.1.0") + erna << "3.2.1.0";
    QTest::newRow("first of two") << ervoor + stempel("1.1.1.1") + stempel("2.2.2.2") << "1.1.1.1";

    QTest::newRow("three numbers") << ervoor + stempel("1.2.3") + erna << "Error";
    QTest::newRow("five numbers") << ervoor + stempel("1.2.3.4.5") + erna << "Error";
    QTest::newRow("number too big") << ervoor + stempel("1.65536.0.0") + erna << "Error";
    QTest::newRow("letters") << ervoor + stempel("1.0.0.x") + erna << "Error";
    QTest::newRow("empty number") << ervoor + stempel("1..0.0") + erna << "Error";
    QTest::newRow("cut off at the end") << ervoor + stempel("1.0.0.12").chopped(3) << "Error";
    QTest::newRow("no stamp") << ervoor + erna << "Error";
    QTest::newRow("empty file") << QByteArray() << "Error";
}

void TestVersieStempel::leesBestand() {
    QFETCH(QByteArray, inhoud);
    QFETCH(QString, versie);
    TestFolder folder;
    QCOMPARE(GetFileVersion(folder.writeFile(QStringLiteral("voltarix"), inhoud)), versie);
}

void TestVersieStempel::bestandenZonderVersie() {
    TestFolder folder;
    QCOMPARE(GetFileVersion(folder.path(QStringLiteral("bestaat-niet"))), QStringLiteral("Error"));
    QCOMPARE(GetFileVersion(folder.makeDir(QStringLiteral("map"))), QStringLiteral("Error"));
    QCOMPARE(GetFileVersion(QString()), QStringLiteral("Error"));
}

// The build writes the stamp into every program (or library) that holds this code:
// reading that file must find the version it was built with.
void TestVersieStempel::eigenProgramma() {
    Dl_info code{};
    QVERIFY(dladdr(reinterpret_cast<void *>(&VersieStempel::eigenVersie), &code) != 0);
    const QString eigen = VersieStempel::eigenVersie();
    QVERIFY2(
        QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(eigen).hasMatch(),
        qPrintable(eigen));
    QCOMPARE(GetFileVersion(QString::fromLocal8Bit(code.dli_fname)), eigen);
}

VOLTARIX_TEST(TestVersieStempel)
#include "tst_versiestempel.moc"
