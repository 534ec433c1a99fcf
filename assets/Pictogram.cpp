#include "Pictogram.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSaveFile>

namespace Pictogram {

namespace {

enum class Soort { Vlak, Rondje, Lijn, Veelhoek };

// One shape on the 64 x 64 grid: a filled (rounded) rectangle with an optional
// outline, a filled circle, a line through points with round ends, or a closed
// polygon, filled and outlined.
struct Vorm {
    Soort soort;
    QPolygonF punten; // Vlak: top-left and bottom-right; Rondje: the centre; else the points
    double straal;    // corner radius, circle radius; unused for a line
    QColor vulling;   // invalid: not filled
    QColor lijn;      // invalid: no outline
    double dikte;
};

const QColor kBord(242, 238, 220);
const QColor kRand(90, 90, 90);
const QColor kGat(105, 105, 105);
const QColor kDraad(150, 150, 150);
const QColor kLijf(222, 184, 135);

QList<Vorm> gaten(double y) {
    QList<Vorm> rij;
    for (int x = 12; x <= 52; x += 8)
        rij << Vorm{Soort::Rondje, {QPointF(x, y)}, 1.8, kGat, {}, 0};
    return rij;
}

QList<Vorm> maakVormen() {
    QList<Vorm> vormen = {
        {Soort::Vlak, {QPointF(4, 4), QPointF(60, 60)}, 10, kBord, kRand, 2},
        {Soort::Lijn, {QPointF(12, 11), QPointF(52, 11)}, 0, {}, QColor(200, 40, 40), 2},
        {Soort::Lijn, {QPointF(12, 53), QPointF(52, 53)}, 0, {}, QColor(40, 70, 200), 2},
    };
    vormen << gaten(20) << gaten(46);
    vormen << Vorm{
        Soort::Lijn, {QPointF(12, 20), QPointF(12, 33), QPointF(52, 33), QPointF(52, 46)},
        0,           {},
        kDraad,      2.5};
    vormen << Vorm{
        Soort::Vlak, {QPointF(19, 26), QPointF(45, 40)}, 6, kLijf, QColor(150, 110, 70), 1};
    // The colour bands of 1 kilohm: brown, black, red, and gold for the tolerance.
    const QList<QPair<double, QColor>> banden = {{24, QColor(120, 60, 20)},
                                                 {29, QColor(20, 20, 20)},
                                                 {34, QColor(210, 30, 30)},
                                                 {39.5, QColor(212, 175, 55)}};
    for (const auto &band : banden)
        vormen << Vorm{Soort::Vlak, {QPointF(band.first, 26.5), QPointF(band.first + 2.5, 39.5)},
                       0,           band.second,
                       {},          0};
    return vormen;
}

const QList<Vorm> &vormen() {
    static const QList<Vorm> alle = maakVormen();
    return alle;
}

// A sheet of paper with a folded corner, the program's icon smaller on it: a project
// file in the file manager.
QList<Vorm> maakDocument() {
    const QColor papier(252, 252, 248), vouw(214, 214, 206);
    QList<Vorm> document = {
        {Soort::Veelhoek,
         {QPointF(9, 2), QPointF(41, 2), QPointF(55, 16), QPointF(55, 62), QPointF(9, 62)},
         0,
         papier,
         kRand,
         2},
        {Soort::Veelhoek, {QPointF(41, 2), QPointF(41, 16), QPointF(55, 16)}, 0, vouw, kRand, 2},
    };
    constexpr double kSchaal = 0.6;
    const QPointF plek(32 - 32 * kSchaal, 39 - 32 * kSchaal);
    for (Vorm vorm : vormen()) {
        for (QPointF &punt : vorm.punten)
            punt = punt * kSchaal + plek;
        vorm.straal *= kSchaal;
        vorm.dikte *= kSchaal;
        document << vorm;
    }
    return document;
}

const QList<Vorm> &documentVormen() {
    static const QList<Vorm> alle = maakDocument();
    return alle;
}

QPen pen(const Vorm &vorm) {
    if (!vorm.lijn.isValid()) return Qt::NoPen;
    return QPen(vorm.lijn, vorm.dikte, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void tekenVorm(QPainter &painter, const Vorm &vorm) {
    painter.setPen(pen(vorm));
    painter.setBrush(vorm.vulling.isValid() ? QBrush(vorm.vulling) : QBrush(Qt::NoBrush));
    switch (vorm.soort) {
    case Soort::Vlak:
        painter.drawRoundedRect(QRectF(vorm.punten[0], vorm.punten[1]), vorm.straal, vorm.straal);
        break;
    case Soort::Rondje:
        painter.drawEllipse(vorm.punten[0], vorm.straal, vorm.straal);
        break;
    case Soort::Lijn:
        painter.drawPolyline(vorm.punten);
        break;
    case Soort::Veelhoek:
        painter.drawPolygon(vorm.punten);
        break;
    }
}

QString getal(double waarde) {
    return QString::number(waarde, 'g', 6);
}

// The fill and stroke attributes of a shape.
QString verf(const Vorm &vorm) {
    QString tekst = QStringLiteral(" fill=\"%1\"")
                        .arg(vorm.vulling.isValid() ? vorm.vulling.name() : QStringLiteral("none"));
    if (vorm.lijn.isValid())
        tekst += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\""
                                " stroke-linejoin=\"round\"")
                     .arg(vorm.lijn.name(), getal(vorm.dikte));
    return tekst;
}

QString svgVorm(const Vorm &vorm) {
    const QPointF &a = vorm.punten[0];
    switch (vorm.soort) {
    case Soort::Vlak: {
        const QPointF &b = vorm.punten[1];
        return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>")
            .arg(getal(a.x()), getal(a.y()), getal(b.x() - a.x()), getal(b.y() - a.y()),
                 getal(vorm.straal), verf(vorm));
    }
    case Soort::Rondje:
        return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>")
            .arg(getal(a.x()), getal(a.y()), getal(vorm.straal), verf(vorm));
    case Soort::Lijn:
    case Soort::Veelhoek: {
        QStringList punten;
        for (const QPointF &punt : vorm.punten)
            punten << getal(punt.x()) + QLatin1Char(',') + getal(punt.y());
        return QStringLiteral("<%1 points=\"%2\"%3/>")
            .arg(vorm.soort == Soort::Lijn ? QStringLiteral("polyline") : QStringLiteral("polygon"),
                 punten.join(' '), verf(vorm));
    }
    }
    return {};
}

bool schrijfBestand(const QString &pad, const QByteArray &inhoud) {
    QSaveFile bestand(pad);
    if (!QDir().mkpath(QFileInfo(pad).path()) || !bestand.open(QIODevice::WriteOnly)) return false;
    bestand.write(inhoud);
    return bestand.commit();
}

QImage tekenVormen(const QList<Vorm> &alle, int grootte) {
    QImage beeld(grootte, grootte, QImage::Format_ARGB32);
    beeld.fill(Qt::transparent);
    QPainter painter(&beeld);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(grootte) / kRaster, double(grootte) / kRaster);
    for (const Vorm &vorm : alle)
        tekenVorm(painter, vorm);
    return beeld;
}

QByteArray svgVormen(const QList<Vorm> &alle) {
    QString tekst = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                   "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                        .arg(kRaster);
    for (const Vorm &vorm : alle)
        tekst += QStringLiteral("  ") + svgVorm(vorm) + QLatin1Char('\n');
    tekst += QStringLiteral("</svg>\n");
    return tekst.toUtf8();
}

// The pictures of one icon in the hicolor theme under `map`, in the theme's folder
// `soort` (apps, mimetypes).
QStringList schrijfThema(const QString &map, const QString &soort, const QString &naam,
                         const QList<Vorm> &alle) {
    QStringList fouten;
    const QString thema = map + QStringLiteral("/hicolor/");
    for (int grootte : kGroottes) {
        const QString pad = thema + QStringLiteral("%1x%1/%2/").arg(grootte).arg(soort) + naam +
                            QStringLiteral(".png");
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!tekenVormen(alle, grootte).save(&buffer, "PNG") || !schrijfBestand(pad, png))
            fouten << QStringLiteral("cannot write %1").arg(pad);
    }
    const QString pad =
        thema + QStringLiteral("scalable/%1/").arg(soort) + naam + QStringLiteral(".svg");
    if (!schrijfBestand(pad, svgVormen(alle))) fouten << QStringLiteral("cannot write %1").arg(pad);
    return fouten;
}

} // namespace

QImage teken(int grootte) {
    return tekenVormen(vormen(), grootte);
}

QByteArray svg() {
    return svgVormen(vormen());
}

QImage tekenDocument(int grootte) {
    return tekenVormen(documentVormen(), grootte);
}

QStringList schrijf(const QString &map) {
    return schrijfThema(map, QStringLiteral("apps"), kNaam, vormen());
}

QStringList schrijfDocument(const QString &map) {
    return schrijfThema(map, QStringLiteral("mimetypes"), kDocumentNaam, documentVormen());
}

} // namespace Pictogram
