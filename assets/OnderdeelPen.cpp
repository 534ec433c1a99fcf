#include "OnderdeelPen.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// The smallest margin from `minimum` up that puts the pointer a whole number of hole
// steps from the outermost leg: the leg's pixel, the margin and the pointer's 5
// pixels must add up to a multiple of 20.
int margeNaarAanwijzer(int minimum) {
    int marge = minimum;
    while ((marge + 1 + OnderdeelPen::kAanwijzerAfstand) % OnderdeelPen::kSteek != 0)
        ++marge;
    return marge;
}

} // namespace

OnderdeelPen::OnderdeelPen(int kolommen, int rijen, int links, int boven, int rechts, int onder)
    : eerste_(links, boven) {
    const int breedte = links + (kolommen - 1) * kSteek + 1 + margeNaarAanwijzer(rechts);
    const int hoogte = boven + (rijen - 1) * kSteek + 1 + margeNaarAanwijzer(onder);
    beeld_ = QImage(breedte, hoogte, QImage::Format_ARGB32);
    beeld_.fill(Qt::transparent);
}

QPoint OnderdeelPen::gat(int k, int m) const {
    return eerste_ + QPoint(k * kSteek, m * kSteek);
}

void OnderdeelPen::teken(const std::function<void(QPainter &)> &stap) {
    QPainter painter(&beeld_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    stap(painter);
}

void OnderdeelPen::poot(QPoint van, QPoint gat, QRgb kleur) {
    poot(QVector<QPoint>{van, gat}, kleur);
}

void OnderdeelPen::poot(const QVector<QPoint> &punten, QRgb kleur) {
    for (int i = 1; i < punten.size(); ++i)
        lijn(punten[i - 1], punten[i], kleur, 2);
    const QPoint eind = punten.last();
    vlak(QRect(eind - QPoint(1, 1), QSize(3, 3)), kPootEind);
    pootjes_ << eind;
}

void OnderdeelPen::vlak(const QRect &r, QRgb kleur) {
    teken([&](QPainter &p) { p.fillRect(r, QColor::fromRgba(kleur)); });
}

void OnderdeelPen::doos(const QRect &r, QRgb vulling, QRgb rand) {
    vlak(r, vulling);
    teken([&](QPainter &p) {
        p.setPen(QColor::fromRgba(rand));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    });
}

void OnderdeelPen::ovaal(const QRect &r, QRgb vulling, QRgb rand) {
    teken([&](QPainter &p) {
        p.setPen(QColor::fromRgba(rand));
        p.setBrush(QColor::fromRgba(vulling));
        p.drawEllipse(r.adjusted(0, 0, -1, -1));
    });
}

void OnderdeelPen::afgerond(const QRect &r, int straal, QRgb vulling, QRgb rand) {
    teken([&](QPainter &p) {
        p.setPen(QColor::fromRgba(rand));
        p.setBrush(QColor::fromRgba(vulling));
        p.drawRoundedRect(r.adjusted(0, 0, -1, -1), straal, straal);
    });
}

void OnderdeelPen::veelhoek(const QVector<QPoint> &hoeken, QRgb vulling, QRgb rand) {
    teken([&](QPainter &p) {
        p.setPen(QColor::fromRgba(rand));
        p.setBrush(QColor::fromRgba(vulling));
        p.drawPolygon(hoeken.constData(), int(hoeken.size()));
    });
}

void OnderdeelPen::lijn(QPoint a, QPoint b, QRgb kleur, int dikte) {
    teken([&](QPainter &p) {
        p.setPen(QPen(QColor::fromRgba(kleur), dikte, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(a, b);
    });
}

void OnderdeelPen::tekst(int x, int y, const QString &tekst, QRgb kleur, PixelFont::Size maat) {
    for (const QPoint p : PixelFont::pixels(tekst, maat))
        if (beeld_.rect().contains(x + p.x(), y + p.y()))
            beeld_.setPixel(x + p.x(), y + p.y(), kleur);
}

void OnderdeelPen::tekstMidden(int cx, int y, const QString &tekst, QRgb kleur,
                               PixelFont::Size maat) {
    OnderdeelPen::tekst(cx - PixelFont::textWidth(tekst, maat) / 2, y, tekst, kleur, maat);
}

QRgb meng(QRgb a, QRgb b, double t) {
    auto kanaal = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(kanaal(qRed(a), qRed(b)), kanaal(qGreen(a), qGreen(b)), kanaal(qBlue(a), qBlue(b)));
}
