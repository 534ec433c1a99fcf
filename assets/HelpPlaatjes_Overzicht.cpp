#include "HelpPlaatjes.h"

#include "HelpTekenen.h"
#include "VoorbeeldProject.h"
#include "app/MainLayout.h"
#include "board/BoardDrawing.h"
#include "ui/Surface.h"
#include "ui/Twips.h"

#include <QLinearGradient>
#include <QPainter>

// Overview pictures: the title, the main window's regions, the board's hidden
// connections, the example project and the grid of a symbol.
namespace HelpPlaatjes {

namespace {

using namespace HelpTekenen;

QImage titel() {
    QImage beeld = doek(560, 90);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verloop(0, 0, 560, 0);
    verloop.setColorAt(0, QColor(30, 50, 100));
    verloop.setColorAt(1, QColor(70, 110, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(verloop);
    p.drawRoundedRect(QRectF(0, 0, 560, 90), 12, 12);
    schrijf(p, QPoint(20, 48), QStringLiteral("Voltarix"), 26, true, QColor(250, 250, 235));
    schrijf(p, QPoint(22, 74),
            QStringLiteral("Schakelingen tekenen met symbolen en een breadboard"), 10, false,
            QColor(220, 230, 245));
    const QString namen[] = {QStringLiteral("Weerstand"), QStringLiteral("LED rood"),
                             QStringLiteral("Batterij")};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(250, 250, 250));
        p.drawRoundedRect(QRectF(362 + 62 * i, 16, 57, 57), 6, 6);
        p.drawImage(QPoint(366 + 62 * i, 20), symbool(namen[i]));
    }
    return beeld;
}

// The main window on a screen of 1024 x 768, at half size.
const QSize kScherm = QSize(1024, 768) * kTwipsPerPixel;

QRectF halveMaat(const QRect &twips, QPointF verschuiving = {}) {
    return QRectF(twipsToPixels(twips.x()) / 2.0, twipsToPixels(twips.y()) / 2.0,
                  twipsToPixels(twips.width()) / 2.0, twipsToPixels(twips.height()) / 2.0)
        .translated(verschuiving);
}

QRectF paneel(const QString &naam) {
    return halveMaat(MainLayout::plaats(naam, kScherm)->twips);
}

void tekenPanelen(QPainter &p) {
    const struct {
        const char *naam, *tekst;
    } panelen[] = {{"Frame1", ""},
                   {"Frame2", "Symbolen"},
                   {"Frame4", "Huidig symbool"},
                   {"Frame5", "Gereedschap"},
                   {"Frame6", "Raster en status"},
                   {"Frame3", "Werkgebied"}};
    for (const auto &deel : panelen) {
        const QRectF r = paneel(QString::fromLatin1(deel.naam));
        p.setPen(QPen(QColor(90, 90, 110), 1));
        p.setBrush(QColor(216, 213, 206));
        p.drawRect(r);
        schrijf(p, (r.topLeft() + QPointF(6, r.height() > 40 ? 16 : 12)).toPoint(),
                QString::fromLatin1(deel.tekst), 8, true);
    }
    const QRectF werk = paneel(QStringLiteral("Frame3"));
    schrijf(p, (werk.center() + QPointF(-150, 0)).toPoint(),
            QStringLiteral("ontwerpblad, componentenlijst, breadboard of informatie"), 8);
}

// The tool buttons with their numbers, in the top strip; the gaps stay grey.
void tekenKnoppen(QPainter &p) {
    const QPointF strip = paneel(QStringLiteral("Frame1")).topLeft();
    for (int i = 0; i < 16; ++i) {
        const QRectF plek =
            halveMaat(MainLayout::plaats(QStringLiteral("Knop"), kScherm, i)->twips, strip);
        const QRectF knop(plek.topLeft() + QPointF(0, 6), QSizeF(24, 24));
        p.setBrush(i == 4 || i == 9 || i == 11 ? QColor(216, 213, 206) : QColor(250, 250, 245));
        p.drawRect(knop);
        schrijf(p, (knop.topLeft() + QPointF(i < 10 ? 9 : 5, 16)).toPoint(), QString::number(i), 7);
    }
}

QImage venster() {
    const QRect raam = MainLayout::venster(kScherm);
    QImage beeld = doek(twipsToPixels(raam.width()) / 2 + 2, twipsToPixels(raam.height()) / 2);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(80, 80, 90), 1));
    p.setBrush(QColor(236, 236, 232));
    p.drawRect(QRectF(0.5, 0.5, beeld.width() - 1, beeld.height() - 1));
    tekenPanelen(p);
    tekenKnoppen(p);
    return beeld;
}

// A piece of the small board with its hidden connections coloured in.
QImage breadboard() {
    Surface bord(800, 541);
    TekenKleinBord(bord);
    const QRect stuk(150, 120, 330, 350);
    QImage beeld = doek(stuk.width() + 250, stuk.height());
    QPainter p(&beeld);
    p.drawImage(QPoint(0, 0), bord.image().copy(stuk));
    p.setRenderHint(QPainter::Antialiasing);
    const QPoint o = -stuk.topLeft();
    p.setPen(Qt::NoPen);
    const QColor rood(230, 30, 30, 90), groen(30, 170, 60, 90), blauw(30, 80, 230, 90);
    p.setBrush(rood);
    p.drawRect(QRect(QPoint(186, 139) + o, QPoint(479, 153) + o));
    p.setBrush(blauw);
    p.drawRect(QRect(QPoint(186, 439) + o, QPoint(479, 453) + o));
    p.setBrush(groen);
    p.drawRect(QRect(QPoint(249, 179) + o, QPoint(263, 273) + o));
    p.drawRect(QRect(QPoint(249, 319) + o, QPoint(263, 413) + o));
    const int tekstX = stuk.width() + 8;
    wijs(p, QPoint(330, 30), QPoint(tekstX, 34),
         QStringLiteral("rail X: de hele rij is verbonden"));
    wijs(p, QPoint(113, 110), QPoint(tekstX, 110),
         QStringLiteral("A tot E in een kolom: verbonden"));
    wijs(p, QPoint(180, 172), QPoint(tekstX, 172), QStringLiteral("de middengoot scheidt"));
    wijs(p, QPoint(113, 250), QPoint(tekstX, 250),
         QStringLiteral("F tot J in een kolom: verbonden"));
    wijs(p, QPoint(330, 326), QPoint(tekstX, 330), QStringLiteral("rail Y: de hele rij"));
    return beeld;
}

QImage schakeling() {
    return vergroot(VoorbeeldProject::ontwerpblad(200).image().copy(VoorbeeldProject::kSchakeling),
                    2);
}

QImage voorbeeldbord() {
    return VoorbeeldProject::breadboard().image().copy(QRect(0, 0, 520, 470));
}

// A symbol enlarged six times over its pixel grid, with the four places where a
// lead must leave the block.
QImage symboolraster() {
    const int factor = 6, maat = 49 * factor;
    QImage beeld = doek(maat + 20, maat + 20);
    QPainter p(&beeld);
    p.drawImage(QPoint(10, 10), vergroot(symbool(QStringLiteral("Transistor NPN")), factor));
    p.setPen(QColor(200, 200, 210));
    for (int i = 0; i <= 49; ++i) {
        p.drawLine(10 + i * factor, 10, 10 + i * factor, 10 + maat);
        p.drawLine(10, 10 + i * factor, 10 + maat, 10 + i * factor);
    }
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(230, 30, 30));
    const int midden = 10 + 24 * factor;
    for (const QRect &teken : {QRect(midden, 0, factor, 8), QRect(midden, maat + 12, factor, 8),
                               QRect(0, midden, 8, factor), QRect(maat + 12, midden, 8, factor)})
        p.drawRect(teken);
    return beeld;
}

} // namespace

QVector<Plaatje> overzichten() {
    return {
        {QStringLiteral("titel.png"), titel()},
        {QStringLiteral("venster.png"), venster()},
        {QStringLiteral("breadboard.png"), breadboard()},
        {QStringLiteral("schakeling.png"), schakeling()},
        {QStringLiteral("voorbeeldbord.png"), voorbeeldbord()},
        {QStringLiteral("symboolraster.png"), symboolraster()},
    };
}

QImage achtergrond() {
    // Light grey paper: a fixed pseudo-random grain, so that every build gives the
    // same tile.
    QImage tegel(80, 80, QImage::Format_RGB32);
    quint32 zaad = 20240611u;
    auto volgende = [&zaad] {
        zaad = zaad * 1664525u + 1013904223u;
        return int((zaad >> 24) & 0xff);
    };
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) {
            const int g = 227 + (volgende() % 9) - 4;
            tegel.setPixel(x, y, qRgb(g, g, g - 2));
        }
    for (int vezel = 0; vezel < 24; ++vezel) {
        const int x = volgende() % 80, y = volgende() % 80, lengte = 4 + volgende() % 8;
        const int g = 216 + volgende() % 20;
        for (int i = 0; i < lengte; ++i)
            tegel.setPixel((x + i) % 80, (y + i / 3) % 80, qRgb(g, g, g - 2));
    }
    return tegel;
}

} // namespace HelpPlaatjes
