#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Titel.h"
#include "app/TitelAnimatie.h"
#include "app/VersieStempel.h"
#include "ui/AppFolder.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

void activeer(Titel &titel) {
    QEvent activering(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&titel, &activering);
}

void klik(QWidget *besturing) {
    QTest::mouseClick(besturing, Qt::LeftButton, {}, besturing->rect().center());
}

} // namespace

class TestTitel : public QObject {
    Q_OBJECT
private slots:
    void informatieUitHetProgramma();
    void dpiWaarschuwing_data();
    void dpiWaarschuwing();
    void startMetEenKlik_data();
    void startMetEenKlik();
    void klikOpAnderTekstStartNiet();
    void mailAdres();
};

void TestTitel::informatieUitHetProgramma() {
    TestFolder folder;
    folder.writeFile(QStringLiteral("Voltarix"),
                     QByteArray(3000, 'x') + VersieStempel::stempel(QStringLiteral("3.1.4.1")));
    ScriptedPlatform platform;
    Titel titel(AppFolder(folder.root()), platform, QSize(1920, 1080), 96);
    const QString tekst = titel.findChild<QLabel *>(QStringLiteral("Label1"))->text();
    QVERIFY2(tekst.contains(QStringLiteral("Version number : 3.1.4.1\n")), qPrintable(tekst));
    QVERIFY(tekst.contains(QStringLiteral("Screen............. : 1920 x 1080 Pixels\n")));
    QVERIFY(!tekst.contains(QLatin1Char('\r')));
    QCOMPARE(titel.findChild<QLabel *>(QStringLiteral("KlokLabel"))->text(),
             QStringLiteral("00:00:00"));
    QCOMPARE(titel.size(), QSize(500, 320));
    QCOMPARE(titel.findChild<QWidget *>(QStringLiteral("Picture1"))->geometry(),
             QRect(19, 287, 240, 16));
}

// At 96 DPI no activation warns. Otherwise every activation warns, except the one
// that only hands the window back after the warning itself was closed.
void TestTitel::dpiWaarschuwing_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QList<int>>("meldingen"); // the count after each activation
    QTest::newRow("96") << 96 << QList<int>{0, 0, 0};
    QTest::newRow("120") << 120 << QList<int>{1, 1, 2};
}

void TestTitel::dpiWaarschuwing() {
    QFETCH(int, dpi);
    QFETCH(QList<int>, meldingen);
    TestFolder folder;
    ScriptedPlatform platform;
    Titel titel(AppFolder(folder.root()), platform, QSize(1280, 1024), dpi);
    for (int aantal : meldingen) {
        activeer(titel);
        QCOMPARE(platform.messages.size(), aantal);
    }
    for (const ScriptedPlatform::Message &melding : platform.messages) {
        QVERIFY(melding.text.startsWith(QStringLiteral("Uw beeldscherm is ingesteld op 120")));
        QCOMPARE(melding.title, QStringLiteral(" Error"));
        QCOMPARE(melding.icon, Platform::Icon::Stop);
        QCOMPARE(melding.buttons, Platform::Buttons::Ok);
    }
}

void TestTitel::startMetEenKlik_data() {
    QTest::addColumn<QString>("besturing");
    QTest::newRow("picture") << "Image1";
    QTest::newRow("information text") << "Label1";
}

// One click plays the whole animation once, even when the user clicks again or tries
// to close the window during it; then the main window's turn comes and the title
// screen closes.
void TestTitel::startMetEenKlik() {
    QFETCH(QString, besturing);
    TestFolder folder;
    ScriptedPlatform platform;
    Titel titel(AppFolder(folder.root()), platform, QSize(1920, 1080), 96);
    titel.show();
    QSignalSpy gestart(&titel, &Titel::gestart);
    QWidget *doel = titel.findChild<QWidget *>(besturing);
    int stappen = 0;
    platform.duringWait = [&](double) {
        if (++stappen == 100) {
            klik(doel);
            QVERIFY(!titel.close());
            QVERIFY(gestart.isEmpty());
        }
    };
    klik(doel);
    QCOMPARE(gestart.size(), 1);
    QCOMPARE(platform.waits, 448);
    QVERIFY(!titel.isVisible());
    QCOMPARE(titel.strook().pixel(120, 8), grey(TitelAnimatie::balkWaarde(120)));
}

void TestTitel::klikOpAnderTekstStartNiet() {
    TestFolder folder;
    ScriptedPlatform platform;
    Titel titel(AppFolder(folder.root()), platform, QSize(1920, 1080), 96);
    titel.show();
    QSignalSpy gestart(&titel, &Titel::gestart);
    for (const char *naam : {"Label3", "KlokLabel", "Picture1"})
        klik(titel.findChild<QWidget *>(QLatin1String(naam)));
    QTest::mouseClick(titel.findChild<QWidget *>(QStringLiteral("Image1")), Qt::RightButton);
    QCOMPARE(gestart.size(), 0);
    QCOMPARE(platform.waits, 0);
}

void TestTitel::mailAdres() {
    TestFolder folder;
    ScriptedPlatform platform;
    Titel titel(AppFolder(folder.root()), platform, QSize(1920, 1080), 96);
    titel.show();
    auto *adres = titel.findChild<QLabel *>(QStringLiteral("Label4"));
    klik(adres);
    QCOMPARE(platform.openedAddresses, QStringList{QStringLiteral("mailto:") + adres->text()});
    QVERIFY(adres->text().endsWith(QStringLiteral("@example.org")));
    QCOMPARE(platform.waits, 0);
}

VOLTARIX_TEST(TestTitel)
#include "tst_titel.moc"
