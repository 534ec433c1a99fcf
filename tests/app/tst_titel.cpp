#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Titel.h"
#include "app/TitelAnimatie.h"
#include "app/TitelInfo.h"
#include "app/VersieStempel.h"
#include "ui/AppFolder.h"

#include <QtTest>
#include <QtWidgets>

#include <dlfcn.h>

using namespace TitelAnimatie;
using VersieStempel::stempel;

// The title screen on a folder whose program file carries a version stamp.
struct Scherm {
    TestFolder folder;
    ScriptedPlatform platform;
    std::unique_ptr<Titel> titel;
    explicit Scherm(int dpi = 96) {
        folder.writeFile("Voltarix", QByteArray(3000, 'x') + stempel("3.1.4.1"));
        titel = std::make_unique<Titel>(AppFolder(folder.root()), platform, QSize(1920, 1080), dpi);
    }
    QLabel *label(const char *naam) const { return titel->findChild<QLabel *>(naam); }
    void klik(const QString &naam, Qt::MouseButton knop = Qt::LeftButton) const {
        QTest::mouseClick(titel->findChild<QWidget *>(naam), knop);
    }
};

class TestTitel : public QObject {
    Q_OBJECT
private slots:
    // The screen in the middle tells about the program file. At 96 DPI nothing warns;
    // otherwise every activation warns, except the one that only hands the window back
    // after the warning was closed, unless the user was in another program meanwhile.
    void informatieEnDpi() {
        QList<int> meldingen;
        for (int dpi : {96, 120}) {
            Scherm s(dpi);
            for (int stap = 0; stap < 4; ++stap) {
                if (stap == 1) emit qApp->applicationStateChanged(Qt::ApplicationInactive);
                QEvent activering(QEvent::WindowActivate);
                QCoreApplication::sendEvent(s.titel.get(), &activering);
                meldingen << s.platform.messages.size();
            }
            const ScriptedPlatform::Message melding = s.platform.messages.value(0);
            QCOMPARE(melding.text.section('\n', 0, 0),
                     dpi == 96 ? "" : "Uw beeldscherm is ingesteld op 120 DPI (Dots Per Inch)");
            if (dpi != 96) {
                QCOMPARE(melding.title, " Error");
                QCOMPARE(melding.icon, Platform::Icon::Stop);
            }
            QVERIFY(s.label("Label1")->text().contains("number : 3.1.4.1\nFilesize......"));
            QVERIFY(s.label("Label1")->text().contains("\nScreen............. : 1920 x 1080 "));
        }
        QCOMPARE(meldingen, (QList<int>{0, 0, 0, 0, 1, 2, 2, 3}));
    }

    // Other texts start nothing; the address is mailed to. A click on the picture or the
    // text plays the animation once (the start text fades, a bar grows over the strip, a
    // pause); a second click meanwhile draws the rest at once, without waiting. Then the
    // screen closes.
    void startMetEenKlik() {
        for (const char *besturing : {"Image1", "Label1"}) {
            Scherm s;
            s.titel->show();
            QSignalSpy gestart(s.titel.get(), &Titel::gestart);
            for (const char *naam : {"Label3", "KlokLabel", "Picture1", "Label4"})
                s.klik(naam);
            s.klik("Image1", Qt::RightButton);
            QCOMPARE(s.platform.openedAddresses, QStringList{"mailto:voltarix@example.org"});
            QCOMPARE(s.platform.waits + gestart.size(), 0);
            const Surface &strook = s.titel->strook();
            QCOMPARE(s.label("KlokLabel")->text() + QString::number(strook.width()), "00:00:00240");
            s.platform.duringWait = [&](double) {
                if (s.platform.waits != 301) return;
                s.klik(besturing);
                QVERIFY(!s.titel->close());
                QCOMPARE(gestart.size(), 0);
            };
            s.klik(besturing);
            QCOMPARE(gestart.size(), 1);
            QCOMPARE(s.platform.waits, 301);
            QVERIFY(!s.titel->isVisible());
            Surface geheel = startStrook();
            ScriptedPlatform platform;
            speel(geheel, platform);
            QCOMPARE(strook.image(), geheel.image());
            QCOMPARE(platform.waits, 206 + 241 + 1);
            QCOMPARE(platform.waited, 447 * kStapTijd + kSlotTijd);
        }
    }

    // Without a program file there is no version, size or date; dates and clock in the
    // locale's short form with seconds; sizes grouped in thousands, none at all for 0.
    void informatieTekst() {
        const TitelInfo::Gegevens geen = TitelInfo::verzamel("/geen/voltarix", QSize(800, 600), 96);
        const QLocale nl(QLocale::Dutch, QLocale::Netherlands);
        QCOMPARE(TitelInfo::informatieTekst(geen, nl).split("\r\n").mid(3, 4),
                 (QStringList{"", "Version number : Error", "Filesize............. :  Bytes",
                              "Screen............. : 800 x 600 Pixels"}));
        const QDateTime moment(QDate(2026, 12, 5), QTime(6, 42, 2));
        QCOMPARE(TitelInfo::datumTekst(moment, nl) + TitelInfo::klokTekst(moment, nl),
                 "05-12-2026 06:42:02 6:42:02 / 05-12-2026");
        QCOMPARE(TitelInfo::grootteTekst(761856, nl) + TitelInfo::grootteTekst(0, nl) +
                     TitelInfo::grootteTekst(5000000000, QLocale::c()),
                 "761.8565,000,000,000");
    }

    void versie_data() {
        const Tabel<QByteArray, QString> rij("inhoud", "versie");
        const QByteArray x(5000, 'x'), blok(1 << 20, 'x'); // the reader's block
        rij("in the middle", x + stempel("01.0.0.12") + x, "1.0.0.12");
        rij("largest", x + stempel("65535.65535.0.65535"), "65535.65535.0.65535");
        rij("across blocks", blok.chopped(12) + stempel("4.4.4.4"), "4.4.4.4");
        rij("beginning split", blok.chopped(5) + stempel("5.6.7.8"), "5.6.7.8");
        rij("after a block", blok + stempel("9.9.9.9"), "9.9.9.9");
        rij("false start first", stempel("1.2.3") + stempel("3.2.1.0"), "3.2.1.0");
        rij("too big", x + stempel("1.65536.0.0"), "Error");
        rij("empty number", x + stempel("1..0.0"), "Error");
        rij("cut off", x + stempel("1.0.0.12").chopped(3), "Error");
        rij("not quite a stamp", stempel("1.2.3.4").replace("version", "Version"), "Error");
    }

    // The stamp is found wherever it lies; no file, a folder, no name or an empty file
    // give "Error". The build writes the stamp into the program that holds this code.
    void versie() {
        auto [inhoud, versie] = velden<QByteArray, QString>("inhoud", "versie");
        TestFolder folder;
        QCOMPARE(VersieStempel::GetFileVersion(folder.writeFile("voltarix", inhoud)), versie);
        for (const QString &pad :
             {folder.path("geen"), folder.makeDir("map"), QString(), folder.writeFile("leeg", {})})
            QCOMPARE(VersieStempel::GetFileVersion(pad), QStringLiteral("Error"));
        Dl_info code{};
        QVERIFY(dladdr(reinterpret_cast<void *>(&VersieStempel::eigenVersie), &code) != 0);
        QVERIFY(VersieStempel::eigenVersie().count('.') == 3);
        QCOMPARE(VersieStempel::GetFileVersion(code.dli_fname), VersieStempel::eigenVersie());
    }
};

VOLTARIX_TEST(TestTitel)
#include "tst_titel.moc"
