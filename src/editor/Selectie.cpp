#include "editor/Selectie.h"

#include "board/Raster.h"
#include "editor/StatusTekst.h"
#include "ui/Surface.h"

#include <algorithm>

namespace {

constexpr int kBinnen = kBlok - 1; // the inside of a cell, between its raster lines

int cellenVoor(int pixels) {
    return (pixels + kBlok - 1) / kBlok;
}

QImage opWit(const QImage &beeld) {
    QImage wit(beeld.size(), QImage::Format_RGB32);
    wit.fill(Qt::white);
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x) {
            const QRgb kleur = beeld.pixel(x, y);
            if (qAlpha(kleur) >= 128) wit.setPixel(x, y, kleur | 0xff000000);
        }
    return wit;
}

// The cells (or pixels) from one corner to the other, in any direction. QRect's own
// normalized() loses a column (a row) of a drag leftward (upward): one column was none.
QRect tussen(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

} // namespace

Selectie::Selectie(Surface &blad, const Surface *bord) : blad_(blad), bord_(bord) {}

QPoint Selectie::eenheid(QPoint p) const {
    if (!blokken()) return p;
    return {deelOmlaag(p.x(), kBlok), deelOmlaag(p.y(), kBlok)};
}

QRect Selectie::pixels(QRect eenheden) const {
    if (!blokken()) return eenheden;
    return {eenheden.x() * kBlok, eenheden.y() * kBlok, eenheden.width() * kBlok + 1,
            eenheden.height() * kBlok + 1};
}

QRect Selectie::binnenBlad(QRect eenheden) const {
    const QRect blad = blokken()
                           ? QRect(0, 0, cellenVoor(blad_.width()), cellenVoor(blad_.height()))
                           : blad_.rect();
    return eenheden.intersected(blad);
}

bool Selectie::druk(Qt::MouseButton knop, QPoint p, bool kiezen) {
    // Shift on the design sheet always chooses anew, inside the selection too; on the
    // breadboard every press of the neutral mode may choose, so a press inside moves.
    const bool opnieuw = knop == Qt::LeftButton && kiezen && blokken();
    if (gebied_ && !opnieuw) {
        if (knop == Qt::LeftButton && gebied_->contains(eenheid(p))) {
            sleep_ = Sleep::Verplaatsen;
            anker_ = huidig_ = p;
        } else {
            laatVallen();
        }
        return true;
    }
    if (knop != Qt::LeftButton || !kiezen) return false;
    gebied_.reset();
    sleep_ = Sleep::Kiezen;
    anker_ = huidig_ = p;
    return true;
}

void Selectie::sleep(QPoint p) {
    if (sleep_ != Sleep::Geen) huidig_ = p;
}

bool Selectie::los(QPoint p) {
    const Sleep sleep = sleep_;
    sleep_ = Sleep::Geen;
    huidig_ = p;
    if (sleep == Sleep::Kiezen) {
        const QRect gekozen = binnenBlad(tussen(eenheid(anker_), eenheid(p)));
        if (!gekozen.isEmpty()) gebied_ = gekozen;
        return false;
    }
    if (sleep != Sleep::Verplaatsen || !gebied_) return false;
    const QPoint stap = eenheid(p) - eenheid(anker_);
    if (stap.isNull()) return false;
    const QImage beeld = kopie();
    const QPoint doel = pixels(gebied_->translated(stap)).topLeft();
    wis();
    plak(beeld, doel);
    return true;
}

void Selectie::laatVallen() {
    gebied_.reset();
    sleep_ = Sleep::Geen;
}

QRect Selectie::rand() const {
    if (sleep_ == Sleep::Kiezen) return pixels(tussen(eenheid(anker_), eenheid(huidig_)));
    if (!gebied_) return {};
    const QRect rand = pixels(*gebied_);
    if (sleep_ != Sleep::Verplaatsen) return rand;
    return rand.translated(blokken() ? (eenheid(huidig_) - eenheid(anker_)) * kBlok
                                     : huidig_ - anker_);
}

QImage Selectie::kopie() const {
    if (!gebied_) return {};
    if (blokken()) return blad_.image().copy(pixels(*gebied_).adjusted(1, 1, -1, -1));
    const QRect r = *gebied_;
    QImage beeld(r.size(), QImage::Format_ARGB32);
    for (int y = 0; y < r.height(); ++y) {
        const auto *teken = reinterpret_cast<const QRgb *>(blad_.image().constScanLine(r.y() + y));
        const auto *kaal = reinterpret_cast<const QRgb *>(bord_->image().constScanLine(r.y() + y));
        auto *uit = reinterpret_cast<QRgb *>(beeld.scanLine(y));
        for (int x = 0; x < r.width(); ++x) {
            const QRgb kleur = teken[r.x() + x];
            uit[x] = kleur == kaal[r.x() + x] ? 0 : kleur | 0xff000000;
        }
    }
    return beeld;
}

void Selectie::wis() {
    if (!gebied_) return;
    if (!blokken()) {
        blad_.copyFrom(*bord_, *gebied_, gebied_->topLeft());
        return;
    }
    const Surface::DrawMode modus = blad_.drawMode();
    blad_.setDrawMode(Surface::DrawMode::Copy);
    for (int r = gebied_->top(); r <= gebied_->bottom(); ++r)
        for (int c = gebied_->left(); c <= gebied_->right(); ++c)
            blad_.fillBox(c * kBlok + 1, r * kBlok + 1, c * kBlok + kBinnen, r * kBlok + kBinnen,
                          Surface::kWhite);
    blad_.setDrawMode(modus);
}

void Selectie::plak(const QImage &beeld, QPoint p) {
    if (beeld.isNull()) return;
    const QPoint hoek = eenheid(p);
    if (blokken()) {
        // The picture's pixels on the lines between its blocks are left out.
        const Surface bron(opWit(beeld));
        const QRect cellen(hoek, QSize(cellenVoor(beeld.width()), cellenVoor(beeld.height())));
        gebied_ = cellen;
        wis();
        for (int j = 0; j < cellen.height(); ++j)
            for (int i = 0; i < cellen.width(); ++i)
                blad_.copyFrom(bron, QRect(i * kBlok, j * kBlok, kBinnen, kBinnen),
                               QPoint((hoek.x() + i) * kBlok + 1, (hoek.y() + j) * kBlok + 1));
    } else {
        const QRect doel = QRect(hoek, beeld.size()).intersected(blad_.rect());
        QImage nieuw = blad_.image();
        const QImage bron = beeld.convertToFormat(QImage::Format_ARGB32);
        for (int y = doel.top(); y <= doel.bottom(); ++y) {
            const auto *in = reinterpret_cast<const QRgb *>(bron.constScanLine(y - hoek.y()));
            auto *uit = reinterpret_cast<QRgb *>(nieuw.scanLine(y));
            for (int x = doel.left(); x <= doel.right(); ++x)
                if (qAlpha(in[x - hoek.x()]) >= 128) uit[x] = in[x - hoek.x()] | 0xff000000;
        }
        blad_.setImage(nieuw);
        gebied_ = doel;
    }
    const QRect binnen = binnenBlad(*gebied_);
    if (binnen.isEmpty())
        gebied_.reset();
    else
        gebied_ = binnen;
}
