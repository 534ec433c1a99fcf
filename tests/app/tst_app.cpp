// The start without a window: options, starter files, platform, scale, title texts, version.
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/MainLayout.h"
#include "app/Schaal.h"
#include "app/StartBestand.h"
#include "app/StarterFolder.h"
#include "app/TitelInfo.h"
#include "app/TitelPlaatje.h"
#include "app/Verschijning.h"
#include "app/VersieStempel.h"
#include "editor/KnopPlaatjes.h"

#include <QtTest>

#include <dlfcn.h>

using VersieStempel::stempel;

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void startBestand_data() {
        const Tabel<QStringList, QString> rij("argumenten", "pad");
        rij("none", {"voltarix", "--app-folder", "A"}, "");
        rij("after the folder", {"voltarix", "--app-folder", "A.ovb", "../x/P.zip"}, "/x/P.zip");
        rij("before, folder with =", {"voltarix", "P.ovb", "--app-folder=A"}, "/thuis/P.ovb");
        rij("after --", {"voltarix", "--", "-P.ovb"}, "/thuis/-P.ovb");
        rij("two", {"voltarix", "P.ovb", "/Q.zip"}, "/thuis/P.ovb|/Q.zip");
    }
    void startBestand() {
        auto [argumenten, pad] = velden<QStringList, QString>("argumenten", "pad");
        QCOMPARE(StartBestand::paden(argumenten, "/thuis").join('|'), pad);
    }

    // X only where Qt would look for a missing Wayland plugin; the user's choice stands.
    void platform_data() {
        const Tabel<QByteArray, bool, bool, bool, QByteArray> rij("eigen", "sessie", "x", "plugin",
                                                                  "keuze");
        rij("X desktop", {}, false, true, false, {});
        rij("Wayland with the plugin", {}, true, true, true, {});
        rij("Wayland without it", {}, true, true, false, "xcb");
        rij("Wayland without X", {}, true, false, false, {});
        rij("the user's choice", "wayland", true, true, false, {});
    }
    void platform() {
        auto [eigen, sessie, x, plugin, keuze] = velden<QByteArray, bool, bool, bool, QByteArray>(
            "eigen", "sessie", "x", "plugin", "keuze");
        QCOMPARE(Verschijning::platform(eigen, sessie, x, plugin), keuze);
    }
    // Our scale: the desktop's while the window fits, else the largest quarter step that fits.
    void schaal_data() {
        const Tabel<QSize, double, int, double> rij("vrij", "bureaublad", "dpi", "gekozen");
        rij("1366x768 at 100 %", {1366, 768}, 1.0, 96, 1.0);
        rij("1920x1080 at 150 %", {1920, 1080}, 1.5, 144, 1.25);
        rij("just fits", {1280, 910}, 1.25, 120, 1.25);
        rij("a pixel short", {1279, 910}, 1.25, 120, 1.0);
        rij("between steps", {1600, 900}, 1.33, 128, 1.0);
        rij("desktop below 1", {1366, 768}, 0.8, 77, 0.8);
    }
    void schaal() {
        auto [vrij, bureaublad, dpi, gekozen] =
            velden<QSize, double, int, double>("vrij", "bureaublad", "dpi", "gekozen");
        QCOMPARE(TitelInfo::dpiVan(96, bureaublad), dpi);
        QCOMPARE(Schaal::kiesFactor(vrij, bureaublad, MainLayout::kKleinsteScherm), gekozen);
        // A user's QT_SCALE_FACTOR of 1.5 makes the desktop's scale ours; the DPI warning tells it.
        QCOMPARE(bureaublad * Schaal::qtFactor(1.5, bureaublad, gekozen) / 1.5, gekozen);
        QVERIFY(TitelInfo::dpiWaarschuwing(dpi, gekozen)
                    .endsWith(QString("daarom op %1 %, zodat alles op het scherm past.")
                                  .arg(qRound(gekozen * 100))) == (dpi != 96));
    }
    // Qt rounded 1469 device pixels at 200 % to 735, one too many: whole pixels lie inside.
    void binnenMaat_data() {
        const Tabel<QSize, double, QSize> rij("apparaat", "factor", "binnen");
        rij("100 %", {2048, 1473}, 1.0, {2048, 1473});
        rij("200 %, odd", {2048, 1469}, 2.0, {1023, 734});
        rij("150 %", {1365, 1101}, 1.5, {910, 734});
        rij("175 %", {1791, 1261}, 1.75, {1023, 720});
    }
    void binnenMaat() {
        auto [apparaat, factor, binnen] =
            velden<QSize, double, QSize>("apparaat", "factor", "binnen");
        QCOMPARE(Schaal::binnenMaat(apparaat / factor, factor), binnen); // rounded as by Qt
    }
    // Controls in their panels, panels in the window less title and menu bar; board fits.
    void allesBinnen_data() {
        QTest::addColumn<QSize>("scherm");
        for (QSize scherm : {MainLayout::kKleinsteScherm, QSize(1024, 768), QSize(1366, 700)})
            QTest::addRow("%dx%d", scherm.width(), scherm.height()) << scherm;
    }
    void allesBinnen() {
        QFETCH(QSize, scherm);
        const QSize twips = scherm * 15;
        const auto pixels = [&](const QString &naam, int index = 0) {
            const QRect t = MainLayout::plaats(naam, twips, index)->twips;
            return QRect(t.topLeft() / 15, t.size() / 15);
        };
        const QRect venster = MainLayout::venster(twips);
        const QSize binnen = QSize(venster.width(), venster.height()) / 15 - QSize(0, 29 + 25);
        for (const char *regel :
             {"Frame1 BackKnoppen Knop", "Frame2 ZoekVak List1 Label6 DeleteKnop",
              "Frame4 Label7 RotatieKnop", "Frame5 Label9 Knop2", "Frame6 BackLabel8",
              "Frame3 BackPic WerkBalk PrintKnop"}) {
            const QStringList namen = QString(regel).split(' '); // the panel, then its controls
            QVERIFY2(QRect(QPoint(), binnen).contains(pixels(namen[0])), regel);
            for (const QString &naam : namen.mid(1))
                QVERIFY2(QRect(QPoint(), pixels(namen[0]).size())
                             .contains(pixels(naam, naam == "Knop" ? 15 : 2)),
                         qPrintable(naam));
        }
        QCOMPARE(pixels("Pic2").height() > 500,
                 scherm.height() >= MainLayout::kKleinsteScherm.height());
    }

    // At 200 % the pictures are drawn anew at twice the pixels, not enlarged, same size shown.
    void plaatjesOpSchaal() {
        const QList<std::function<QImage(qreal)>> tekeningen = {
            [](qreal s) { return KnopPlaatjes::knop(7, s); },
            [](qreal s) { return KnopPlaatjes::kwartslag(QSize(24, 48), s); },
            [](qreal s) { return TitelPlaatje::teken(s); }};
        for (const auto &teken : tekeningen) {
            const QImage enkel = teken(1), dubbel = teken(2),
                         vergroot = enkel.scaled(enkel.size() * 2);
            ALLE_WAAR(dubbel.deviceIndependentSize() == QSizeF(enkel.size()),
                      dubbel.size() == vergroot.size(), dubbel != vergroot);
        }
    }

    // Starter files laid out once and listed; the user's changes stay; failures tried again.
    void layOut() {
        const QStringList starter = {
            "Breadboard/LED.gif",    "Plugins/Images/a.jpg",         "Plugins/index.htm",
            "Symbolen/Diodes/D.bmp", "Symbolen/Weerstanden/LDR.bmp", "Symbolen/Weerstanden/R.bmp"};
        TestFolder werk; // every starter file holds its own name
        for (const QString &pad : starter + QStringList{".verborgen"})
            werk.writeFile("starter/" + pad, pad.toUtf8());
        werk.writeFile("app/symbolen/weerstanden/r.BMP", "eigen");
        werk.writeFile("app/Plugins", "in de weg");
        const QString eerder = QDir::currentPath();
        QDir::setCurrent(werk.root()); // relative names work too
        const StarterFolder::Result eerste = StarterFolder::layOut("starter", "app");
        QDir::setCurrent(eerder);
        ALLE_WAAR(!eerste.ok(), eerste.copied == (QStringList{starter[0], starter[3], starter[4]}),
                  eerste.kept == QStringList{starter[5]}, eerste.failed == starter.mid(1, 2));
        QCOMPARE(StarterFolder::laidOut(werk.path("app")), eerste.copied + eerste.kept);
        QCOMPARE(werk.readFile("app/symbolen/weerstanden/r.BMP") + werk.readFile("app/Plugins") +
                     werk.readFile("app/symbolen/weerstanden/LDR.bmp"),
                 "eigenin de wegSymbolen/Weerstanden/LDR.bmp");
        ALLE_WAAR(!QFileInfo::exists(werk.path("app/.verborgen")),
                  !QFileInfo::exists(werk.path("app/Symbolen"))); // a second library

        for (const char *weg :
             {"app/Plugins", "app/symbolen/weerstanden/r.BMP", "app/Breadboard/LED.gif"})
            QVERIFY2(QFile::remove(werk.path(weg)), weg);
        QVERIFY(QDir(werk.path("app/symbolen")).rename("weerstanden", "Mijn weerstanden"));
        werk.writeFile("app/symbolen/Diodes/D.bmp", "eigen diode");
        QByteArray manifest = werk.readFile("app/" + StarterFolder::kManifest);
        manifest.replace(starter[0].toUtf8() + "\n", "\n# een opmerking\n"); // brings it back
        werk.writeFile("app/" + StarterFolder::kManifest, manifest);
        werk.writeFile("starter/Symbolen/IC/Opamp.bmp", "opamp");
        const auto tweede = StarterFolder::layOut(werk.path("starter"), werk.path("app"));
        ALLE_WAAR(tweede.ok(), tweede.copied == (QStringList{starter[0], starter[1], starter[2],
                                                             "Symbolen/IC/Opamp.bmp"}));
        QCOMPARE(werk.readFile("app/Breadboard/LED.gif") + werk.readFile("app/Plugins/index.htm") +
                     werk.readFile("app/symbolen/Diodes/D.bmp"),
                 starter[0] + starter[2] + "eigen diode");
        ALLE_WAAR(!QFileInfo::exists(werk.path("app/symbolen/weerstanden")),
                  StarterFolder::laidOut(werk.path("app")).size() == starter.size() + 1);

        // A target that is a file, and a starter folder that is missing.
        const QString bestand = werk.path("app/Plugins/index.htm");
        ALLE_WAAR(StarterFolder::layOut(werk.path("starter"), bestand).failed.size() == 7,
                  werk.readFile("app/Plugins/index.htm") == starter[2].toUtf8());
        const auto niets = StarterFolder::layOut(werk.path("geen"), werk.path("x"));
        ALLE_WAAR(niets.ok(), niets.copied.isEmpty(),
                  !QFileInfo::exists(werk.path("x/") + StarterFolder::kManifest));
    }

    // No program file: no version, size or date; dates short with seconds; sizes grouped.
    void informatieTekst() {
        const TitelInfo::Gegevens geen = TitelInfo::verzamel("/geen/voltarix", QSize(800, 600), 96);
        const QLocale nl(QLocale::Dutch, QLocale::Netherlands);
        QCOMPARE(TitelInfo::informatieTekst(geen, nl).split("\r\n").mid(3, 4),
                 (QStringList{"", "Version number : Error", "Filesize............. :  Bytes",
                              "Screen............. : 800 x 600 Pixels"}));
        const QDateTime moment(QDate(2026, 12, 5), QTime(6, 42, 2));
        QCOMPARE(TitelInfo::datumTekst(moment, nl) + TitelInfo::klokTekst(moment, nl) + "|" +
                     TitelInfo::grootteTekst(761856, nl) + TitelInfo::grootteTekst(0, nl) +
                     TitelInfo::grootteTekst(5000000000, QLocale::c()),
                 "05-12-2026 06:42:02 6:42:02 / 05-12-2026|761.8565,000,000,000");
    }

    void versie_data() {
        const Tabel<QByteArray, QString> rij("inhoud", "versie");
        const QByteArray x(5000, 'x'), blok(1 << 20, 'x'); // the reader's block
        rij("in the middle", x + stempel("01.0.0.12") + x, "1.0.0.12");
        rij("too big", x + stempel("1.65536.0.0"), "Error");
        rij("largest", x + stempel("65535.65535.0.65535"), "65535.65535.0.65535");
        rij("across blocks", blok.chopped(12) + stempel("4.4.4.4"), "4.4.4.4");
        rij("after a block", blok + stempel("9.9.9.9"), "9.9.9.9");
        rij("false start first", stempel("1.2.3") + stempel("3.2.1.0"), "3.2.1.0");
        rij("cut off", x + stempel("1.0.0.12").chopped(3), "Error");
        rij("not quite a stamp", stempel("1.2.3.4").replace("version", "Version"), "Error");
    }

    // The stamp found anywhere; no file, a folder, no name, an empty file: "Error"; our own.
    void versie() {
        auto [inhoud, versie] = velden<QByteArray, QString>("inhoud", "versie");
        TestFolder folder;
        QCOMPARE(VersieStempel::GetFileVersion(folder.writeFile("voltarix", inhoud)), versie);
        for (const QString &pad :
             {folder.path("geen"), folder.makeDir("map"), QString(), folder.writeFile("leeg", {})})
            QCOMPARE(VersieStempel::GetFileVersion(pad), QStringLiteral("Error"));
        Dl_info code{};
        ALLE_WAAR(dladdr(reinterpret_cast<void *>(&VersieStempel::eigenVersie), &code) != 0,
                  VersieStempel::eigenVersie().count('.') == 3);
        QCOMPARE(VersieStempel::GetFileVersion(code.dli_fname), VersieStempel::eigenVersie());
    }
};

VOLTARIX_TEST(TestApp)
#include "tst_app.moc"
