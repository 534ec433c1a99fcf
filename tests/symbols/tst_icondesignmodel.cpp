#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "editor/Design.h"
#include "symbols/IconDesignModel.h"
#include "symbols/IconRaster.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <unistd.h>

namespace {

const QRgb kZwart = qRgb(0, 0, 0);
const QRgb kRood = qRgb(255, 0, 0);
const QString kTitel = QStringLiteral(" 49 x 49 Symbool Designer");

// Remembers the filters of the file dialogs as well.
class FilterPlatform : public ScriptedPlatform {
public:
    QStringList filters;
    QString openFileName(const QString &title, const QString &folder,
                         const QString &filter) override {
        filters << filter;
        return ScriptedPlatform::openFileName(title, folder, filter);
    }
    QString saveFileName(const QString &title, const QString &folder,
                         const QString &filter) override {
        filters << filter;
        return ScriptedPlatform::saveFileName(title, folder, filter);
    }
};

// Grid position of the centre of a drawing pixel's cell.
QPoint midden(int cx, int cy) {
    return {10 * (cx + 1), 10 * (cy + 1)};
}

void druk(IconDesignModel &model, QPoint p, Qt::MouseButtons knop = Qt::LeftButton) {
    model.IconPicture_MouseDown(knop, p.x(), p.y());
}

// The grid must always be exactly the picture that a full repaint from the drawing
// gives: the drawing is the one source of truth.
bool rasterToontTekening(const IconDesignModel &model) {
    Surface verwacht(IconRaster::kRasterGrootte, IconRaster::kRasterGrootte);
    IconRaster::ToonIcon(verwacht, model.tekening());
    return model.raster().image() == verwacht.image();
}

int gekleurd(const Surface &tekening, QRgb kleur) {
    int n = 0;
    for (int y = 0; y < kSymboolGrootte; ++y)
        for (int x = 0; x < kSymboolGrootte; ++x)
            n += tekening.pixel(x, y) == kleur;
    return n;
}

QImage bonte(int breedte, int hoogte) {
    QImage plaatje(breedte, hoogte, QImage::Format_RGB32);
    for (int y = 0; y < hoogte; ++y)
        for (int x = 0; x < breedte; ++x)
            plaatje.setPixel(x, y, qRgb(5 * x % 256, 5 * y % 256, 77));
    return plaatje;
}

} // namespace

class TestIconDesignModel : public QObject {
    Q_OBJECT
private slots:
    void startsAfresh();
    void paintingBounds_data();
    void paintingBounds();
    void dragPaintsWithExactlyOneButton_data();
    void dragPaintsWithExactlyOneButton();
    void picking_data();
    void picking();
    void pickingLocksTheToolbar();
    void newAsksFirst();
    void openRefuses_data();
    void openRefuses();
    void openLoadsA49x49Picture();
    void saveAddsBmpToTheTypedName_data();
    void saveAddsBmpToTheTypedName();
    void saveFailureKeepsTheOldFile();
    void transferIsACopy();
    void fillAfterAFigure();
    void figureAnswers_data();
    void figureAnswers();
    void everyCommandRepaintsTheGrid_data();
    void everyCommandRepaintsTheGrid();
};

void TestIconDesignModel::startsAfresh() {
    FilterPlatform platform;
    IconDesignModel model(platform);
    QCOMPARE(gekleurd(model.tekening(), Surface::kWhite), 49 * 49);
    QCOMPARE(model.tekenKleur(), kZwart);
    QCOMPARE(model.titel(), kTitel);
    QCOMPARE(model.laatsteKnop(), 0);
    QCOMPARE(model.coordTekst(), QStringLiteral(" X"));
    QVERIFY(!model.kiezen());
    QVERIFY(rasterToontTekening(model));
    QCOMPARE(model.palet().pixel(10, 5), qRgb(0, 255, 255));
}

void TestIconDesignModel::paintingBounds_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("kolom"); // -1: nothing painted
    QTest::newRow("x = 4") << 4 << -1;
    QTest::newRow("x = 5") << 5 << 0;
    QTest::newRow("x = 250") << 250 << 24;
    QTest::newRow("x = 494") << 494 << 48;
    QTest::newRow("x = 495") << 495 << -1;
}

void TestIconDesignModel::paintingBounds() {
    QFETCH(int, x);
    QFETCH(int, kolom);
    FilterPlatform platform;
    IconDesignModel model(platform);
    model.IconPicture_MouseDown(Qt::LeftButton, x, 100);
    QCOMPARE(gekleurd(model.tekening(), kZwart), kolom < 0 ? 0 : 1);
    if (kolom >= 0) QCOMPARE(model.tekening().pixel(kolom, 9), kZwart);
    QVERIFY(rasterToontTekening(model));
    // The same column limits hold for y.
    model.IconPicture_MouseDown(Qt::LeftButton, 100, x);
    if (kolom >= 0) QCOMPARE(model.tekening().pixel(9, kolom), kZwart);
    QCOMPARE(gekleurd(model.tekening(), kZwart), kolom < 0 ? 0 : 2);
}

void TestIconDesignModel::dragPaintsWithExactlyOneButton_data() {
    QTest::addColumn<Qt::MouseButtons>("knoppen");
    QTest::addColumn<QRgb>("kleur"); // what the cell under the drag becomes
    QTest::newRow("left paints") << Qt::MouseButtons(Qt::LeftButton) << kRood;
    QTest::newRow("right erases") << Qt::MouseButtons(Qt::RightButton) << Surface::kWhite;
    QTest::newRow("both do nothing") << (Qt::LeftButton | Qt::RightButton) << kZwart;
    QTest::newRow("middle does nothing") << Qt::MouseButtons(Qt::MiddleButton) << kZwart;
    QTest::newRow("hovering does nothing") << Qt::MouseButtons(Qt::NoButton) << kZwart;
}

void TestIconDesignModel::dragPaintsWithExactlyOneButton() {
    QFETCH(Qt::MouseButtons, knoppen);
    QFETCH(QRgb, kleur);
    FilterPlatform platform;
    IconDesignModel model(platform);
    for (int cx = 10; cx <= 20; ++cx)
        druk(model, midden(cx, 30));
    model.IconPalet_MouseDown(44, 5); // red
    for (int x = midden(10, 30).x(); x <= midden(20, 30).x(); x += 3)
        model.IconPicture_MouseMove(knoppen, x, midden(0, 30).y());
    QCOMPARE(gekleurd(model.tekening(), kleur), kleur == Surface::kWhite ? 49 * 49 : 11);
    QVERIFY(rasterToontTekening(model));
    // A press with the middle button never paints.
    druk(model, midden(1, 1), Qt::MiddleButton);
    QCOMPARE(model.tekening().pixel(1, 1), Surface::kWhite);
}

void TestIconDesignModel::picking_data() {
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<QRgb>("kleur");
    QTest::newRow("grid line") << QPoint(15, 100) << grey(190);
    QTest::newRow("painted cell") << midden(3, 3) << qRgb(0, 0, 150);
    QTest::newRow("white cell") << midden(4, 4) << Surface::kWhite;
    QTest::newRow("marker") << QPoint(2, 250) << kRood;
    QTest::newRow("margin") << QPoint(2, 100) << Surface::kWhite;
}

void TestIconDesignModel::picking() {
    QFETCH(QPoint, punt);
    QFETCH(QRgb, kleur);
    FilterPlatform platform;
    IconDesignModel model(platform);
    model.IconPalet_MouseDown(20, 130); // (0, 0, 150)
    druk(model, midden(3, 3));
    model.IconPalet_MouseDown(0, 0);
    model.KnopB_Click(IconDesignModel::kKiesKnop);
    QVERIFY(model.kiezen());
    const QImage voor = model.tekening().image();
    druk(model, punt, Qt::RightButton); // any button picks
    QCOMPARE(model.tekenKleur(), kleur);
    QVERIFY(!model.kiezen());
    QCOMPARE(model.laatsteKnop(), 0);
    QCOMPARE(model.tekening().image(), voor); // the picking press paints nothing
    model.IconPicture_MouseMove(Qt::LeftButton, midden(40, 40).x(), midden(40, 40).y());
    QCOMPARE(model.tekening().pixel(40, 40), kleur); // but the drag that follows does
}

void TestIconDesignModel::pickingLocksTheToolbar() {
    FilterPlatform platform;
    platform.answers = {Platform::Answer::Yes, Platform::Answer::Yes};
    IconDesignModel model(platform);
    druk(model, midden(0, 0));
    model.KnopB_Click(IconDesignModel::kKiesKnop);
    for (int i = 1; i <= IconDesignModel::kKnoppen; ++i)
        QCOMPARE(model.knopActief(i), i == IconDesignModel::kKiesKnop);
    model.KnopB_Click(1); // New is locked: no question, nothing cleared
    model.KnopB_Click(6);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(model.tekening().pixel(0, 0), kZwart);
    // The palette works while picking and leaves picking on; a second click on the
    // picker changes nothing.
    model.IconPalet_MouseDown(44, 5);
    model.KnopB_Click(IconDesignModel::kKiesKnop);
    QCOMPARE(model.tekenKleur(), kRood);
    QVERIFY(model.kiezen());
    druk(model, midden(0, 0));
    QCOMPARE(model.tekenKleur(), kZwart);
    for (int i = 1; i <= IconDesignModel::kKnoppen; ++i)
        QVERIFY(model.knopActief(i));
    model.KnopB_Click(1);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(model.tekening().pixel(0, 0), Surface::kWhite);
}

void TestIconDesignModel::newAsksFirst() {
    FilterPlatform platform;
    platform.answers = {Platform::Answer::No, Platform::Answer::Yes};
    TestFolder folder;
    platform.openAnswers << folder.writePicture(QStringLiteral("R.bmp"), bonte(49, 49));
    IconDesignModel model(platform);
    model.KnopB_Click(2);
    model.IconPalet_MouseDown(44, 5);
    const QImage geopend = model.tekening().image();
    model.KnopB_Click(1);
    QCOMPARE(platform.messages.last().text, QStringLiteral("Wilt u een nieuw Icon ontwerpen ? "));
    QCOMPARE(platform.messages.last().title, QStringLiteral(" Nieuw"));
    QCOMPARE(model.tekening().image(), geopend);
    QCOMPARE(model.titel(), kTitel + QStringLiteral(" / R.bmp"));
    model.KnopB_Click(1);
    QCOMPARE(gekleurd(model.tekening(), Surface::kWhite), 49 * 49);
    QCOMPARE(model.titel(), kTitel);
    QCOMPARE(model.tekenKleur(), kRood);
    QVERIFY(rasterToontTekening(model));
}

void TestIconDesignModel::openRefuses_data() {
    QTest::addColumn<QByteArray>("inhoud"); // empty: the dialog is cancelled
    QTest::addColumn<QString>("melding");   // empty: silently
    QTest::newRow("cancelled") << QByteArray() << QString();
    QTest::newRow("48 x 48") << pictureFile(bonte(48, 48))
                             << "Deze afbeelding is geen 49 x 49 pixels!\r\n(maar 48 x 48 pixels)";
    QTest::newRow("49 x 60") << pictureFile(bonte(49, 60))
                             << "Deze afbeelding is geen 49 x 49 pixels!\r\n(maar 49 x 60 pixels)";
    QTest::newRow("not a picture") << QByteArray("hello, not a picture") << QString();
    QTest::newRow("truncated 49 x 49") << pictureFile(bonte(49, 49)).chopped(400) << QString();
    QTest::newRow("truncated 60 x 60") << pictureFile(bonte(60, 60)).left(2000) << QString();
    QTest::newRow("only a header") << pictureFile(bonte(49, 49)).left(54) << QString();
    QByteArray reus = pictureFile(bonte(49, 49));
    qToLittleEndian<qint32>(200000, reus.data() + 18);
    qToLittleEndian<qint32>(200000, reus.data() + 22);
    QTest::newRow("huge header") << reus << QString();
}

void TestIconDesignModel::openRefuses() {
    QFETCH(QByteArray, inhoud);
    QFETCH(QString, melding);
    TestFolder folder;
    FilterPlatform platform;
    if (!inhoud.isEmpty())
        platform.openAnswers << folder.writeFile(QStringLiteral("x.bmp"), inhoud);
    IconDesignModel model(platform);
    druk(model, midden(7, 7));
    const QImage voor = model.tekening().image();
    model.KnopB_Click(2);
    QCOMPARE(platform.filters, QStringList{QStringLiteral("Icons ( Bitmap )|*.bmp")});
    QCOMPARE(platform.messages.size(), melding.isEmpty() ? 0 : 1);
    if (!melding.isEmpty()) {
        QCOMPARE(platform.messages[0].text, melding);
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
        QVERIFY(platform.messages[0].title.isEmpty()); // the application title
    }
    QCOMPARE(model.tekening().image(), voor);
    QCOMPARE(model.titel(), kTitel);
    QVERIFY(rasterToontTekening(model));
}

void TestIconDesignModel::openLoadsA49x49Picture() {
    TestFolder folder;
    FilterPlatform platform;
    const QImage plaatje = bonte(49, 49);
    platform.openAnswers << folder.writePicture(QStringLiteral("Symbolen/diodes/Led 1.bmp"),
                                                plaatje);
    IconDesignModel model(platform);
    model.KnopB_Click(2);
    QCOMPARE(model.tekening().image(), plaatje);
    QCOMPARE(model.titel(), QStringLiteral(" 49 x 49 Symbool Designer / Led 1.bmp"));
    QVERIFY(rasterToontTekening(model));
    QVERIFY(platform.messages.isEmpty());
}

void TestIconDesignModel::saveAddsBmpToTheTypedName_data() {
    QTest::addColumn<QString>("naam"); // relative to the test folder
    QTest::addColumn<bool>("geschreven");
    QTest::addColumn<QString>("erbij"); // what saving adds to the name
    QTest::newRow("with extension") << "Symbolen/diodes/zener.bmp" << true << "";
    QTest::newRow("without extension") << "Symbolen/diodes/zener" << true << ".bmp";
    QTest::newRow("other extension") << "zener.png" << true << ".bmp";
    QTest::newRow("capital extension") << "ZENER.BMP" << true << "";
    QTest::newRow("blanks and accents") << QString::fromUtf8("mijn één symbool .bmp") << true << "";
    QTest::newRow("missing folder") << "nergens/zener.bmp" << false << "";
    QTest::newRow("a folder's name") << "Symbolen" << true << ".bmp";
    QTest::newRow("cancelled") << "" << false << "";
}

void TestIconDesignModel::saveAddsBmpToTheTypedName() {
    QFETCH(QString, naam);
    QFETCH(bool, geschreven);
    QFETCH(QString, erbij);
    TestFolder folder;
    folder.makeDir(QStringLiteral("Symbolen/diodes"));
    FilterPlatform platform;
    if (!naam.isEmpty()) platform.saveAnswers << folder.path(naam);
    IconDesignModel model(platform);
    model.IconPalet_MouseDown(20, 130);
    druk(model, midden(0, 0));
    druk(model, midden(48, 48));
    model.KnopB_Click(3);
    QCOMPARE(platform.filters, QStringList{QStringLiteral("Symbool (bitmap).bmp|*.bmp")});
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(model.titel(), kTitel);
    if (!geschreven) {
        QVERIFY(!QFileInfo(folder.path(naam)).isFile());
        return;
    }
    const QString bestand = naam + erbij;
    QVERIFY(!QFile::exists(folder.path(bestand) + QStringLiteral(".bmp")));
    QCOMPARE(folder.readFile(bestand).left(2), QByteArray("BM"));
    QImage terug;
    QVERIFY(terug.load(folder.path(bestand), "BMP"));
    QCOMPARE(terug.convertToFormat(QImage::Format_RGB32), model.tekening().image());
}

void TestIconDesignModel::saveFailureKeepsTheOldFile() {
    // A symbol that cannot be replaced stays as it was.
    if (geteuid() == 0) QSKIP("file permissions do not bind root");
    TestFolder folder;
    const QString pad = folder.writeFile(QStringLiteral("oud.bmp"), pictureFile(bonte(49, 49)));
    QFile::setPermissions(pad, QFileDevice::ReadOwner);
    FilterPlatform platform;
    platform.saveAnswers << pad;
    IconDesignModel model(platform);
    model.KnopB_Click(3);
    QFile::setPermissions(pad, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(folder.readFile(QStringLiteral("oud.bmp")), pictureFile(bonte(49, 49)));
    QVERIFY(platform.messages.isEmpty());
}

void TestIconDesignModel::transferIsACopy() {
    FilterPlatform platform;
    Surface IconPic(49, 49);
    int herschilderd = 0;
    IconPic.setChangeListener([&] { ++herschilderd; });
    IconDesignModel model(platform);
    druk(model, midden(1, 2));
    model.TransferKnop_Click(IconPic);
    QVERIFY(herschilderd > 0); // the main window's view hears of it
    druk(model, midden(3, 4));
    QCOMPARE(IconPic.pixel(1, 2), kZwart);
    QCOMPARE(IconPic.pixel(3, 4), Surface::kWhite);
    model.TransferKnop_Click(IconPic);
    QCOMPARE(IconPic.image(), model.tekening().image());
    QCOMPARE(IconPic.size(), QSize(49, 49));
}

void TestIconDesignModel::fillAfterAFigure() {
    FilterPlatform platform;
    platform.inputAnswers = {QStringLiteral("10"), QStringLiteral("5")};
    platform.answers = {Platform::Answer::No, Platform::Answer::Yes};
    IconDesignModel model(platform);
    model.KnopB_Click(4);
    model.KnopB_Click(14);
    model.IconPalet_MouseDown(36, 230); // yellow
    const QImage figuren = model.tekening().image();
    model.KnopB_Click(7);
    QCOMPARE(platform.messages.last().text,
             QStringLiteral("Wilt u het Icon vullen met de vulkleur? "));
    QCOMPARE(platform.messages.last().title, QStringLiteral(" Fill"));
    QCOMPARE(model.tekening().image(), figuren);
    model.KnopB_Click(7);
    QCOMPARE(gekleurd(model.tekening(), qRgb(255, 255, 0)), 49 * 49);
    QVERIFY(rasterToontTekening(model));
    QCOMPARE(model.raster().pixel(midden(24, 24).x(), midden(24, 24).y()), qRgb(255, 255, 0));
}

void TestIconDesignModel::figureAnswers_data() {
    QTest::addColumn<int>("knop");
    QTest::addColumn<QString>("antwoord");
    QTest::addColumn<int>("pixels"); // 0: refused with the message
    const QStringList fout = {"", "abc", "0", "25", "-1", "1e3", "0.5", "7 x"};
    for (int knop : {4, 14}) {
        const char *naam = knop == 4 ? "square" : "circle";
        for (const QString &antwoord : fout)
            QTest::addRow("%s '%s'", naam, qPrintable(antwoord)) << knop << antwoord << 0;
    }
    QTest::newRow("square 1") << 4 << "1" << 8;
    QTest::newRow("square 24") << 4 << "24" << 192;
    QTest::newRow("square 2.5 is 2") << 4 << "2.5" << 16;
    QTest::newRow("square 3.5 is 4") << 4 << "3.5" << 32;
    QTest::newRow("square '  7 '") << 4 << "  7 " << 56;
    QTest::newRow("circle 1") << 14 << "1" << 4;
    QTest::newRow("circle 24") << 14 << "24" << 136;
}

void TestIconDesignModel::figureAnswers() {
    QFETCH(int, knop);
    QFETCH(QString, antwoord);
    QFETCH(int, pixels);
    FilterPlatform platform;
    platform.inputAnswers << antwoord;
    IconDesignModel model(platform);
    model.IconPalet_MouseDown(44, 5);
    druk(model, midden(24, 24)); // the middle pixel, which no figure touches
    model.KnopB_Click(knop);
    QCOMPARE(platform.inputs.size(), 1);
    const QString prompt = knop == 4 ? QStringLiteral("Geef de lengte van het vierkant (1..24)")
                                     : QStringLiteral("Geef de diameter van de circel (1..24)");
    QCOMPARE(platform.inputs[0].prompt,
             prompt + QStringLiteral("\r\nwaarvan 1 het kleinst is en 24 het grootst."));
    QVERIFY(platform.inputs[0].defaultAnswer.isEmpty());
    QCOMPARE(gekleurd(model.tekening(), kRood), 1 + pixels);
    QCOMPARE(model.tekening().pixel(24, 24), kRood);
    if (pixels == 0) {
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, knop == 4
                                                ? QStringLiteral("Allen nummers tussen 1..24")
                                                : QStringLiteral("Alleen nummers tussen 1..24"));
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
    } else {
        QVERIFY(platform.messages.isEmpty());
    }
    QVERIFY(rasterToontTekening(model));
}

void TestIconDesignModel::everyCommandRepaintsTheGrid_data() {
    QTest::addColumn<int>("knop");
    for (int knop : {4, 5, 6, 7, 8, 9, 10, 11, 13, 14})
        QTest::addRow("button %d", knop) << knop;
}

void TestIconDesignModel::everyCommandRepaintsTheGrid() {
    QFETCH(int, knop);
    FilterPlatform platform;
    platform.answers << Platform::Answer::Yes;
    platform.inputAnswers << QStringLiteral("12");
    IconDesignModel model(platform);
    model.IconPalet_MouseDown(44, 5);
    for (int i = 0; i < 49; i += 3)
        druk(model, midden(i, i / 2));
    const QImage voor = model.tekening().image();
    model.KnopB_Click(knop);
    QCOMPARE(model.laatsteKnop(), knop);
    QVERIFY(model.tekening().image() != voor);
    QVERIFY(rasterToontTekening(model));
}

VOLTARIX_TEST(TestIconDesignModel)
#include "tst_icondesignmodel.moc"
