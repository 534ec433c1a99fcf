// The application folder, the surface, picture files, safe saving, the wait, the message box.
// A cut off BMP is refused and the sheet keeps its pixels (Qt's reader fills missing rows black).
#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "app/Settings.h"
#include "symbols/AchtergrondOpslag.h"
#include "symbols/SymboolBestand.h"
#include "ui/AppFolder.h"
#include "ui/AppFolderChoice.h"
#include "ui/BmpCheck.h"
#include "ui/BmpCodec.h"
#include "ui/DiskNames.h"
#include "ui/PictureFile.h"
#include "ui/RegelBestand.h"
#include "ui/Surface.h"
#include "ui/Wacht.h"
#include "ui/WijzerPlek.h"
#include "ui/Zoom.h"
#include "ui/vensters/QtPlatform.h"
#include "ui/vensters/SheetView.h"

#include <QMessageBox>
#include <QtTest>
#include <QtWidgets>

#include <atomic>
#include <ctime>
#include <thread>
#include <unistd.h>

namespace {

const QString kExe = "/opt/bin", kStarter = "/opt/share/starter",
              kOwn = "/home/a/.local/share/voltarix";

// What the start-up sees: arguments, VOLTARIX_HOME, beside the executable (f) the program's
// folders, (w) a writable folder, (i) installed starter content; XDG_DATA_HOME and HOME.
AppFolderChoice::Inputs inputs(QStringList arguments, const QString &voltarixHome,
                               const QString &beside, const QString &xdg = {},
                               const QString &home = "/home/a") {
    arguments.prepend("/opt/bin/voltarix");
    const QString starter = beside.contains('i') ? kStarter : QString();
    return {arguments, voltarixHome, kExe, beside.contains('f'), beside.contains('w'),
            starter,   xdg,          home};
}

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

// The pixels that are not the background (or that have colour `only`), as "x,y" in row order.
QString inked(const Surface &surface, QRgb only = 0) {
    QStringList points;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (only ? surface.pixel(x, y) == only : surface.pixel(x, y) != surface.background())
                points << QString("%1,%2").arg(x).arg(y);
    return points.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(AppFolderChoice::Inputs)

class TestUi : public QObject {
    Q_OBJECT
private slots:
    // On 10 x 10: a line (l) leaves out its end, a box (b) or filled box (f) takes its corners
    // in any order, a circle (c) round x1,y1 of radius x2 is one pixel thin; all are clipped.
    // Inverting changes each pixel once: twice takes it away.
    void shapes_data() {
        const Tabel<char, QLine, QString> rij("soort", "punten", "pixels");
        rij("line to the right", 'l', {1, 1, 4, 1}, "1,1 2,1 3,1");
        rij("line to the left", 'l', {4, 1, 1, 1}, "2,1 3,1 4,1");
        rij("steep, upwards", 'l', {3, 4, 2, 0}, "2,1 2,2 3,3 3,4");
        rij("line of one point", 'l', {2, 2, 2, 2}, "");
        rij("line clipped", 'l', {-5, 5, 12, 5}, "0,5 1,5 2,5 3,5 4,5 5,5 6,5 7,5 8,5 9,5");
        rij("box", 'b', {1, 1, 3, 3}, "1,1 2,1 3,1 1,2 3,2 1,3 2,3 3,3");
        rij("filled box, corners swapped", 'f', {3, 3, 1, 2}, "1,2 2,2 3,2 1,3 2,3 3,3");
        rij("circle of radius 4", 'c', {4, 4, 4, 0},
            "3,0 4,0 5,0 2,1 6,1 1,2 7,2 0,3 8,3 0,4 8,4 0,5 8,5 1,6 7,6 2,7 6,7 3,8 4,8 5,8");
    }
    void shapes() {
        auto [soort, punten, pixels] = velden<char, QLine, QString>("soort", "punten", "pixels");
        Surface surface(10, 10);
        int changes = 0;
        surface.setChangeListener([&changes] { ++changes; });
        // Copies of the bindings: clang's C++17 takes no structured binding into a lambda.
        const auto draw = [&, p = punten, s = soort] {
            if (s == 'c') surface.drawCircle(p.x1(), p.y1(), p.x2(), kRed);
            if (s == 'l') surface.drawLine(p.x1(), p.y1(), p.x2(), p.y2(), kRed);
            if (s == 'b') surface.drawBox(p.x1(), p.y1(), p.x2(), p.y2(), kRed);
            if (s == 'f') surface.fillBox(p.x1(), p.y1(), p.x2(), p.y2(), kRed);
        };
        draw();
        ALLE_WAAR(inked(surface) == pixels, changes > 0, // the view repaints
                  surface.pixel(0, 10) == Surface::kOutside);
        surface.setDrawMode(Surface::DrawMode::Invert);
        for (const QRgb kleur : {qRgb(0, 255, 255), kRed}) {
            draw();
            QCOMPARE(inked(surface, kleur), pixels);
        }
    }

    // A new size keeps the pixels that still fit. (Copies clipped at the edges: the editor's
    // sheets; overlapping their source: the designer's shifts; stretched: the magnifier.)
    void resize() {
        Surface surface(10, 10);
        surface.setPixel(0, 0, kRed), surface.setPixel(9, 9, kBlue), surface.resize(6, 2);
        QCOMPARE(surface.size(), QSize(6, 2));
        surface.resize(10, 10);
        QCOMPARE(inked(surface), "0,0"); // (9, 9) was cut off: background now
    }

    // 12 points at 96 DPI make letters of 16 pixels; the line box's top is above the H.
    void textStandsInItsLineBox() {
        Surface surface(100, 40, kBlue);
        surface.drawText(10, 10, "Hg", {"Arial", 12});
        const QRect ink = differingRect(surface.image(), Surface(100, 40, kBlue).image());
        const QRect box(QPoint(10, 10), Surface::textSize("Hg", {"Arial", 12}));
        ALLE_WAAR(box.height() >= 16, box.contains(ink), ink.height() >= 12, ink.top() > 10);
    }

    // Rows: the file's bytes; v: all the pixel data the header announces is there; g: read as
    // a picture; e: read by the program's own codec of 24-bit files. Other kinds, whole and
    // a pixel short, on every path: tst_bmpvarianten.
    void bmps_data() {
        const Tabel<QByteArray, QString> rij("inhoud", "uitkomst");
        const QByteArray rgb = pictureFile(bont(49, 49));
        rij("24 bits", rgb, "vge");
        // A row of 49 pixels of 24 bits uses 147 bytes and is padded to 148.
        rij("24 bits, padding of the last row missing", rgb.chopped(1), "vge");
        rij("24 bits, last pixel cut", rgb.chopped(2), "");
        rij("24 bits, bytes to spare", rgb + QByteArray(10, 'x'), "vge");
        rij("header cut", rgb.left(40), "");
        rij("huge size claimed", bmpHeader(100000, 100000), "");
        rij("no pixels", bmpHeader(-5, 0), "v");
        rij("empty", QByteArray(), "v");
    }
    // The program's own writer gives the very file Qt writes (96 DPI as resolution).
    void ownBmpIsQts() {
        QByteArray eigen;
        QBuffer buffer(&eigen);
        ALLE_WAAR(buffer.open(QIODevice::WriteOnly), !BmpCodec::schrijf24(QImage(), buffer),
                  BmpCodec::schrijf24(bont(49, 49), buffer));
        QCOMPARE(eigen, pictureFile(bont(49, 49)));
    }
    void bmps() {
        auto [inhoud, uitkomst] = velden<QByteArray, QString>("inhoud", "uitkomst");
        TestFolder folder;
        const QString pad = folder.writeFile(QStringLiteral("x.bmp"), inhoud);
        ALLE_WAAR(bmpVolledig(pad) == uitkomst.contains('v'),
                  bool(BmpCodec::lees24(inhoud)) == uitkomst.contains('e'));
        Surface blad(10, 10, qRgb(9, 9, 9));
        blad.setPixel(5, 5, kRed);
        const QImage voor = blad.image().copy();
        QCOMPARE(blad.load(pad), uitkomst.contains('g'));
        if (!uitkomst.contains('g')) QCOMPARE(blad.image(), voor);
        if (!uitkomst.contains('e')) return;
        QCOMPARE(*PictureFile::read(pad), bont(49, 49));
        QCOMPARE(blad.image(), bont(49, 49).copy(blad.rect())); // pasted at the top left, size kept
    }

    // Fault once found: Qt's QSaveFile put a cut-off file over the old one when only its final
    // buffered write failed. Settings, a symbol, a background cut off by a full disk (grens:
    // the bytes a file may have) replace nothing, leave no temporary file; with room, go through.
    void afgekaptBestandVervangtNiets() {
        for (const auto &[soort, grens] : {std::pair{0, 40}, {1, 4000}, {2, 2000}}) {
            TestFolder map;
            const QString bron[] = {{},
                                    map.writePicture("bron/1.bmp", bont(64, 64, 1)),
                                    map.writePicture("bron/2.bmp", bont(64, 64, 2))};
            const auto schrijf = [&, soort = soort](const QString &pad, int versie) {
                return soort == 0   ? Settings::schrijf(pad, versie == 2)
                       : soort == 1 ? SymboolBestand::bewaar(bont(49, 49, versie), pad)
                                    : AchtergrondOpslag::BmpToJpeg(bron[versie], pad, 99);
            };
            const QString pad = map.path("x");
            QVERIFY(schrijf(pad, 1));
            const QByteArray oud = map.readFile("x");
            QVERIFY2(!withFileLimit(grens, [&] { return schrijf(pad, 2); }),
                     qPrintable(QString::number(soort)));
            ALLE_WAAR(map.readFile("x") == oud,
                      QDir(map.root()).entryList(QDir::Files | QDir::Hidden) == QStringList{"x"},
                      !schrijf(map.path("geen/map/x"), 2), // nowhere to write
                      !schrijf(map.makeDir("map"), 2));
            ALLE_WAAR(QFileInfo(map.path("map")).isDir(), schrijf(pad, 2), map.readFile("x") != oud,
                      map.readFile("x").size() > grens);
        }
    }

    // Found from outside: QSaveFile wrote the program's small files through a link, over a
    // file elsewhere or a pipe behind it. A link is replaced by a file of its own, its target
    // untouched; a pipe (or a folder) in the file's place is left and not written.
    void eigenBestandVolgtGeenLink() {
        TestFolder map;
        const QString elders = map.writeFile("elders/x", "van een ander"), pijp = map.path("p");
        QVERIFY(makePipe(pijp));
        const std::function<bool(const QString &)> schrijvers[] = {
            [](const QString &pad) { return Settings::schrijf(pad, true); },
            [](const QString &pad) { return RegelBestand::schrijf(pad, {"R1"}); }};
        const QByteArray inhoud[] = {Settings::tekst(true), "R1\n"};
        for (int i = 0; i < 2; ++i) {
            for (const QString &doel : {elders, pijp}) {
                const QString link = map.path("link");
                ALLE_WAAR(QFile::link(doel, link), schrijvers[i](link),
                          !QFileInfo(link).isSymLink(), map.readFile("link") == inhoud[i]);
                QVERIFY(QFile::remove(link));
            }
            ALLE_WAAR(!schrijvers[i](pijp), !schrijvers[i](map.makeDir("map")));
        }
        ALLE_WAAR(map.readFile("elders/x") == "van een ander", isPipe(pijp),
                  QDir(map.root()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void choose_data() {
        // reason: Option, Environment, Portable, PerUser
        const Tabel<AppFolderChoice::Inputs, QString, int> row("in", "root", "reason");
        row("option first", inputs({"--app-folder", "/d/v"}, "/srv/v", "i", "/x"), "/d/v", 0);
        row("relative option with =", inputs({"--app-folder=mijn map"}, "", "i"),
            QDir::current().absoluteFilePath("mijn map"), 0);
        row("option without folder", inputs({"--app-folder"}, "/srv/v", "i"), "/srv/v", 1);
        row("build tree", inputs({}, "", "fw"), kExe, 2);
        row("bare portable copy", inputs({}, "", "w"), kExe, 2);
        row("prepared folder, read-only", inputs({}, "", "fi"), kExe, 2);
        row("installed in the user's prefix", inputs({}, "", "wi"), kOwn, 3);
        row("relative XDG_DATA_HOME ignored", inputs({}, "", "i", "data"), kOwn, 3);
        row("relative home", inputs({}, "", "i", "", "a"), kExe, 2);
    }
    void choose() {
        auto [in, root, reason] =
            velden<AppFolderChoice::Inputs, QString, int>("in", "root", "reason");
        const AppFolderChoice choice = AppFolderChoice::choose(in);
        ALLE_WAAR(choice.root == root, int(choice.reason) == reason,
                  choice.starter == (reason == 3 ? kStarter : QString())); // the user's own folder
    }

    // Listings sort ignoring case, match patterns in case, show hidden files when asked; the
    // program's own folders in any case make a prepared one. A path finds a part in any case:
    // the exact spelling first, else the first in name order; what does not exist keeps its own.
    void folders() {
        TestFolder folder;
        for (const char *dir : {"Map/Zmap", "Map/MyPlugins", "Map/appel", "Symbolen/IC",
                                "Symbolen/ic", "Plugins/Images", "Projecten"})
            folder.makeDir(dir);
        const QString map = folder.path("Map");
        for (const char *name : {"B.gif", "a.gif", "c.GIF", ".h.gif", "Symbolen2", "Breadboard"})
            folder.writeFile(QStringLiteral("Map/") + name, "x");
        ALLE_WAAR(AppFolder::files(map, {"*.gif"}) == (QStringList{"a.gif", "B.gif"}),
                  AppFolder::files(map, {"*.gif"}, true) ==
                      (QStringList{".h.gif", "a.gif", "B.gif"}),
                  AppFolder::subfolders(map) == (QStringList{"appel", "MyPlugins", "Zmap"}),
                  AppFolder::files(folder.path("weg")).isEmpty());
        for (const auto &[pad, gevonden] :
             {std::pair{"/PLUGINS/images\\X.jpg", "/Plugins/Images/X.jpg"},
              {"\\projecten\\nieuw\\A.dat", "/Projecten/nieuw/A.dat"},
              {"\\Symbolen\\ic", "/Symbolen/ic"},
              {"\\Symbolen\\Ic", "/Symbolen/IC"},
              {"\\symbolen\\", "/Symbolen/"}})
            QCOMPARE(AppFolder(folder.root()).path(pad), folder.root() + gevonden);
        ALLE_WAAR(!AppFolderChoice::holdsProgramFolders(map),
                  !AppFolderChoice::holdsProgramFolders(folder.path("weg")));
        folder.makeDir("Map/projecten");
        QVERIFY(AppFolderChoice::holdsProgramFolders(map));
        ScriptedPlatform platform; // a file exists for the program when it is one or links to one
        for (const QString name : {"a.gif", "Zmap", "weg"})
            QFile::link(map + '/' + name, map + "/link-" + name);
        for (const QString name :
             {"a.gif", "link-a.gif", "Zmap", "Zmap/", "weg", "link-Zmap", "link-weg", ""})
            QVERIFY2(platform.fileExists(name.isEmpty() ? name : map + '/' + name) ==
                         name.endsWith(".gif"),
                     qPrintable(name));
    }

    // The responsive wait: at least as long as asked, handling events all along and
    // without a busy loop; for no time it returns at once, running no other handler.
    void wacht_data() {
        const Tabel<double> rij("seconden");
        rij("no time", 0.0), rij("less than none", -5.0), rij("not a number", std::nan(""));
        rij("200 ms", 0.2);
    }
    void wacht() {
        QFETCH(double, seconden);
        bool gelopen = false;
        QTimer::singleShot(0, [&gelopen] { gelopen = true; });
        const auto [processor, begin] = std::pair(std::clock(), std::chrono::steady_clock::now());
        wachtMetEvents(seconden);
        QCOMPARE(gelopen, seconden > 0);
        QCoreApplication::processEvents();
        if (seconden > 0)
            QVERIFY(std::chrono::steady_clock::now() - begin >=
                    std::chrono::duration<double>(seconden));
        // A busy loop would use the whole 0.2 s of one core.
        if (seconden >= 0.2) QCOMPARE_LT(std::clock() - processor, CLOCKS_PER_SEC / 20);
    }

    // The pointer's place is the one its window's last mouse event gave; leaving that
    // window forgets it, leaving another one does not.
    void wijzerPlek() {
        WijzerPlek wijzer;
        QWindow venster, ander;
        QMouseEvent beweging(QEvent::MouseMove, QPoint(10, 20), QPoint(10, 20), QPoint(900, 5),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QEvent weg(QEvent::Leave);
        QCoreApplication::sendEvent(&venster, &beweging), QCoreApplication::sendEvent(&ander, &weg);
        ALLE_WAAR(wijzer.venster() == &venster, wijzer.plek() == QPoint(10, 20));
        QCoreApplication::sendEvent(&venster, &weg);
        QCOMPARE(wijzer.venster(), nullptr);
    }

    // A picture file that another program cuts short while it is read (or a stick pulled
    // out) ended the program with SIGBUS when the file was mapped: it must read as whole
    // or as nothing.
    void bestandWordtIngekortTijdensHetLezen() {
        TestFolder folder;
        const QImage blad = filledPicture(1500, 1000, qRgb(0, 0, 255));
        const QByteArray pad = QFile::encodeName(folder.writeFile("P.ovb", pictureFile(blad)));
        const off_t lengte = QFileInfo(QFile::decodeName(pad)).size();
        std::atomic<bool> klaar{false};
        std::thread ander([&] { // cuts the same file short and makes it whole, over and over
            while (!klaar)
                for (const off_t maat : {off_t(100), lengte})
                    (void)::truncate(pad.constData(), maat);
        });
        int verkeerd = 0;
        for (int keer = 0; keer < 300; ++keer)
            verkeerd += PictureFile::readNative(pad).value_or(blad).size() != blad.size();
        klaar = true, ander.join();
        QCOMPARE(verkeerd, 0);
    }

    // A file far over its bound is refused by its size, before a byte of it is read.
    void enormBestand() {
        TestFolder folder;
        QFile bestand(folder.writeFile("groot", "x"));
        ALLE_WAAR(bestand.resize(qint64(1) << 36), // 64 GB, sparse: it takes no disk
                  !DiskNames::read(QFile::encodeName(bestand.fileName()), 1 << 20));
    }

    // A message often holds a name the user typed: "<b>R1" is a name, not markup, and the
    // program's CR LF breaks are the box's line breaks. Qt's buttons are Dutch on every
    // desktop (the tests run in the C locale; found from outside: English there).
    void messageShowsItsTextAsItStands() {
        QtPlatform platform;
        QString titel, tekst;
        Qt::TextFormat vorm = Qt::AutoText;
        bijModaalVenster([&](QWidget *venster) {
            auto *box = qobject_cast<QMessageBox *>(venster);
            titel = box->windowTitle(), tekst = box->text(), vorm = box->textFormat();
            for (QAbstractButton *knop : box->buttons())
                tekst += '|' + knop->text();
        });
        QCOMPARE(platform.message("<b>R1</b> opslaan?\r\nJa", "", Platform::Buttons::YesNo,
                                  Platform::Icon::Question),
                 Platform::Answer::No);
        ALLE_WAAR(titel + '|' + tekst == "Voltarix|<b>R1</b> opslaan?\nJa|&Ja|&Nee",
                  vorm == Qt::PlainText);
    }

    // Each of Qt's dialogs hands back what was chosen in it, and nothing when closed; a
    // file saved by format gets the extension of the format chosen. Found from outside:
    // the file dialog wrote its history into ~/.config/QtProject.conf.
    void dialogsGiveWhatWasChosen() {
        TestFolder folder;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.makeDir("config")));
        QtPlatform platform;
        // Each set and accepted; done(): a file dialog's accept() may wait for its listing.
        const auto kies = [](std::function<void(QWidget *)> zet) {
            bijModaalVenster(
                [zet](QWidget *v) { zet(v), qobject_cast<QDialog *>(v)->done(QDialog::Accepted); });
        };
        kies([](QWidget *v) { qobject_cast<QInputDialog *>(v)->setTextValue("R2"); });
        QCOMPARE(platform.inputBox("Naam?", "", "R1"), "R2");
        kies([](QWidget *v) { qobject_cast<QColorDialog *>(v)->setCurrentColor(Qt::red); });
        QCOMPARE(platform.chooseColour(qRgb(0, 0, 255)), qRgb(255, 0, 0));
        kies([&](QWidget *v) {
            v->findChild<QLineEdit *>("fileNameEdit")->setText(folder.path("a.bmp"));
        });
        QCOMPARE(platform.openFileName("Open", folder.root(), "Plaatje|*.bmp"),
                 folder.path("a.bmp"));
        kies([](QWidget *v) { // the second format chosen as a user does
            auto *formaat = v->findChild<QComboBox *>("fileTypeCombo");
            formaat->setCurrentIndex(1);
            emit formaat->activated(1);
            emit formaat->textActivated(formaat->currentText());
        });
        QCOMPARE(platform.saveFileNameByFormat("Export", folder.path("b"), "PNG|*.png|BMP|*.bmp"),
                 folder.path("b.bmp"));
        bijModaalVenster(); // each closed
        QCOMPARE(platform.inputBox("Naam?", "", "R1"), "");
        bijModaalVenster();
        ALLE_WAAR(platform.chooseColour(0) == std::nullopt,
                  QDir(folder.path("config")).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries));
    }

    // The steps up and down, from a step and from between two; a zoom step keeps the pixel
    // under every point of the view, unless the scroll reaches the sheet's edge.
    void zoomStappen() {
        const QList<std::tuple<int, int, int>> stappen = {
            {1, 1, 2},  {2, 1, 3},  {4, 1, 6}, {6, 1, 8},  {8, 1, 8}, {8, -1, 6},
            {3, -1, 2}, {1, -1, 1}, {5, 1, 6}, {5, -1, 4}, {4, 0, 4}};
        for (const auto &[van, stap, naar] : stappen)
            QCOMPARE(Zoom::stap(van, stap), naar);
        for (const int oud : Zoom::kStappen)
            for (const int nieuw : Zoom::kStappen)
                for (const QPoint p : {QPoint(0, 0), QPoint(37, 5), QPoint(199, 101)}) {
                    const QPoint scroll(oud * 300 + 1, oud * 200);
                    const QPoint na = Zoom::houdVast(p, scroll, oud, nieuw, {10000, 10000});
                    QCOMPARE(Zoom::naarBlad(p, na, nieuw), Zoom::naarBlad(p, scroll, oud));
                }
        QCOMPARE(Zoom::houdVast({5, 5}, {0, 0}, 2, 1, {0, 0}), QPoint(0, 0));
        QCOMPARE(Zoom::naarBlad({-1, 3}, {0, 0}, 4), QPoint(-1, 0));
    }

    // Zoomed, the view shows each pixel of its picture as a whole block, from the
    // picture itself; the mouse reports the picture's pixels; the middle button pans and a
    // middle click still clicks; the marks and the outline stay out of the picture.
    void zoomBlad() {
        Surface blad(90, 60);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 90; ++x)
                blad.setPixel(x, y, qRgb(x * 2, y * 4, (x * y) % 256));
        const QImage voor = blad.image().copy();
        SheetView view(blad);
        view.resize(blad.size());
        view.zetZoombaar(true);
        QWheelEvent wiel({45, 30}, view.mapToGlobal(QPoint(45, 30)), {}, {0, 3 * 120}, Qt::NoButton,
                         Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wiel);
        QCOMPARE(view.zoom(), 4);
        QCOMPARE(view.naarBlad({45, 30}), QPoint(45, 30));
        view.zetMarkering({QRect(40, 25, 13, 13)});
        view.zetRand(QRect(10, 10, 5, 5));
        const QImage scherm = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect vak = view.beeldVak();
        QVERIFY(vak.width() < 90 && vak.height() < 60); // the scroll bars take their room
        for (int y = 0; y < vak.height(); y += 3)
            for (int x = 0; x < vak.width(); x += 2) {
                const QPoint p = view.naarBlad({x, y});
                if (QRect(36, 21, 21, 21).contains(p)) continue; // the marks
                QCOMPARE(scherm.pixel(x, y), blad.pixel(p.x(), p.y()));
            }
        QCOMPARE(blad.image(), voor);
        QSignalSpy gedrukt(&view, &SheetView::pressed);
        QTest::mousePress(&view, Qt::LeftButton, {}, {9, 6});
        QCOMPARE(gedrukt.takeFirst().mid(1), QVariantList({36, 24}));
        const QPoint scroll = view.scroll();
        QTest::mousePress(&view, Qt::MiddleButton, {}, {30, 30});
        QMouseEvent sleep(QEvent::MouseMove, QPointF(20, 22), view.mapToGlobal(QPointF(20, 22)),
                          Qt::NoButton, Qt::MiddleButton, {});
        QApplication::sendEvent(&view, &sleep);
        QTest::mouseRelease(&view, Qt::MiddleButton, {}, {20, 22});
        ALLE_WAAR(view.scroll() == scroll + QPoint(10, 8), gedrukt.isEmpty());
        QTest::mouseClick(&view, Qt::MiddleButton, {}, {30, 30});
        QCOMPARE(gedrukt.size(), 1);
        view.zetZoom(1);
        ALLE_WAAR(view.scroll() == QPoint(0, 0), view.beeldVak() == view.rect());
    }
};

VOLTARIX_TEST(TestUi)
#include "tst_ui.moc"
