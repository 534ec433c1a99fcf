// voltarix-fuzz-zaden DIR: writes the small start corpora of the fuzz targets into
// DIR/<target>/, a few files of each kind the target reads (settings texts, component
// lists, tiny pictures drawn here). The corpora in tests/fuzz/corpus/ were made with it.
#include "TestFolder.h"
#include "app/Settings.h"
#include "project/DatTekst.h"
#include "ui/Surface.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>

// A little sheet: white, a grey raster line, a coloured block.
static QImage blad(int breedte, int hoogte) {
    Surface s(breedte, hoogte);
    s.drawLine(0, hoogte / 2, breedte, hoogte / 2, grey(200));
    s.fillBox(1, 1, breedte / 3, hoogte / 3, qRgb(0, 0, 255));
    return s.image();
}

// Four colours in stripes; the first one transparent where asked.
static QImage geindexeerd(int breedte, int hoogte, bool doorzichtig = false) {
    QImage plaatje(breedte, hoogte, QImage::Format_Indexed8);
    plaatje.setColorTable({doorzichtig ? qRgba(255, 255, 255, 0) : qRgb(255, 255, 255),
                           qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 0)});
    for (int y = 0; y < hoogte; ++y)
        for (int x = 0; x < breedte; ++x)
            plaatje.setPixel(x, y, uint((x + y) % 4));
    return plaatje;
}

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) qFatal("usage: voltarix-fuzz-zaden DIR");
    QByteArray hoogScherm = gifFile(geindexeerd(3, 7));
    qToLittleEndian<quint16>(2311, hoogScherm.data() + 8); // a screen taller than the picture
    // clang-format off
    QList<std::tuple<QString, QString, QByteArray>> zaden = {
        {"settings", "klein.ini", Settings::tekst(false)}, {"settings", "groot.ini", Settings::tekst(true)},
        {"settings", "zonder-aanhalingstekens.ini", "Voltarix\r\n----\r\n#TRUE#\r\n"},
        {"settings", "kapot.ini", "\"Voltarix\"\n\"--\n#MAYBE#"},
        {"dattekst", "windows-1252.dat", DatTekst::codeer("Componentenlijst\r\nR1 = 4k7 \u00b5F \u20ac\r\n")},
        {"dattekst", "utf8.dat", DatTekst::codeer("R1 = 10 \u03a9\r\nD1 \u2192 LED\r\n")},
        {"dattekst", "gemengd.dat", "a\rb\nc\r\n\xEF\xBB\xBF\x64"},
        {"symbool", "symbool49.bmp", pictureFile(blad(49, 49))},
        {"onderdeel", "transparant.gif", gifFile(geindexeerd(6, 4, true))},
        {"onderdeel", "dicht.gif", gifFile(geindexeerd(3, 7))},
        // Inputs that found faults, kept so that every run starts from them.
        {"dattekst", "dubbel-bom.dat", "\xEF\xBB\xBF\xEF\xBB\xBF\x64"}, {"onderdeel", "hoog-scherm.gif", hoogScherm}};
    for (const char *target : {"projectblad", "symbool", "bmpvolledig"})
        zaden += {{target, "blad24.bmp", pictureFile(blad(13, 9))}, {target, "index8.bmp", pictureFile(geindexeerd(5, 3))},
            {target, "mono.bmp", pictureFile(blad(9, 4).convertToFormat(QImage::Format_Mono))},
            {target, "rle8.bmp", bmpBestand(geindexeerd(4, 2), {40, 8, 1, {}, false})},
            {target, "os2.bmp", bmpBestand(bont(3, 2), {12, 24, 0, {0xff0000, 0x00ff00, 0x0000ff}, false})},
            {target, "blad.png", pictureFile(blad(7, 5), "PNG")}, {target, "blad.jpg", pictureFile(blad(8, 8), "JPG")},
            {target, "transparant.gif", gifFile(geindexeerd(6, 4, true))}};
    // clang-format on
    for (const auto &[target, naam, inhoud] : zaden) {
        QFile bestand(QDir(argv[1]).filePath(target + QLatin1Char('/') + naam));
        if (!QDir(argv[1]).mkpath(target) || !bestand.open(QIODevice::WriteOnly) ||
            bestand.write(inhoud) != inhoud.size())
            qFatal("cannot write %s", qPrintable(bestand.fileName()));
    }
    return 0;
}
