#include "ui/vensters/SheetView.h"

#include "ui/Surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kWielStap = 120;        // one notch of a wheel
constexpr int kWielPixels = 60;       // scrolled by a notch, in screen pixels
constexpr int kKlikSpeling = 3;       // a middle click that moves less is no pan
const QColor kMarkering(255, 140, 0); // orange: no colour of a wire or of the board

// Each pixel of `bron` as a z x z block with its top-left corner at `doel`. The blocks
// are put together a band of rows at a time and copied out plainly, which is several
// times faster than a scaled drawImage; a band is at most 64 rows of the view.
void tekenVergroot(QPainter &painter, const QImage &beeld, const QRect &bron, QPoint doel, int z) {
    if (beeld.format() != QImage::Format_RGB32) {
        painter.drawImage(QRect(doel, bron.size() * z), beeld, bron);
        return;
    }
    const int breedte = bron.width() * z, rijen = std::max(1, 64 / z);
    QImage band(breedte, rijen * z, QImage::Format_RGB32);
    for (int y0 = bron.top(); y0 <= bron.bottom(); y0 += rijen) {
        const int aantal = std::min(rijen, bron.bottom() - y0 + 1);
        for (int i = 0; i < aantal; ++i) {
            const auto *in = reinterpret_cast<const QRgb *>(beeld.constScanLine(y0 + i)) + bron.x();
            auto *uit = reinterpret_cast<QRgb *>(band.scanLine(i * z));
            for (int x = 0; x < bron.width(); ++x, uit += z)
                std::fill_n(uit, z, in[x]);
            for (int k = 1; k < z; ++k)
                std::memcpy(band.scanLine(i * z + k), band.constScanLine(i * z),
                            size_t(breedte) * 4);
        }
        painter.drawImage(doel + QPoint(0, (y0 - bron.top()) * z), band,
                          QRect(0, 0, breedte, aantal * z));
    }
}

} // namespace

SheetView::SheetView(Surface &surface, QWidget *parent) : QWidget(parent), surface_(surface) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.setChangeListener([this] { update(); });
}

SheetView::~SheetView() {
    surface_.setChangeListener({});
}

QRect SheetView::beeldVak() const {
    if (!horizontaal_ || horizontaal_->isHidden()) return rect();
    return rect().adjusted(0, 0, -verticaal_->width(), -horizontaal_->height());
}

QPoint SheetView::scroll() const {
    if (!horizontaal_) return {};
    return {horizontaal_->value(), verticaal_->value()};
}

void SheetView::zetScroll(QPoint scroll) {
    if (!horizontaal_) return;
    horizontaal_->setValue(scroll.x());
    verticaal_->setValue(scroll.y());
}

QPoint SheetView::naarBlad(QPoint inView) const {
    return Zoom::naarBlad(inView, scroll(), zoom_);
}

QRect SheetView::naarView(const QRect &blad) const {
    return {blad.topLeft() * zoom_ - scroll(), blad.size() * zoom_};
}

void SheetView::maakScrollBalken() {
    if (horizontaal_) return;
    horizontaal_ = new QScrollBar(Qt::Horizontal, this);
    verticaal_ = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar *balk : {horizontaal_, verticaal_}) {
        balk->setObjectName(balk == horizontaal_ ? QStringLiteral("ScrollH")
                                                 : QStringLiteral("ScrollV"));
        balk->hide();
        connect(balk, &QScrollBar::valueChanged, this, [this] {
            update();
            emit beeldVerschoven();
        });
    }
}

// The bars show only while the picture is larger than the view; they take their room
// from the view's edges.
void SheetView::zetBalken() {
    if (!horizontaal_) return;
    const bool tonen = zoom_ > 1;
    const int dikte = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    horizontaal_->setGeometry(0, height() - dikte, width() - dikte, dikte);
    verticaal_->setGeometry(width() - dikte, bedekt_, dikte, height() - dikte - bedekt_);
    horizontaal_->setVisible(tonen);
    verticaal_->setVisible(tonen);
    const QRect vak = beeldVak();
    const QSize bereik = Zoom::bereik(surface_.size(), zoom_, vak.size());
    horizontaal_->setRange(0, bereik.width());
    verticaal_->setRange(0, bereik.height());
    horizontaal_->setPageStep(vak.width());
    verticaal_->setPageStep(vak.height());
    horizontaal_->setSingleStep(kWielPixels / 3);
    verticaal_->setSingleStep(kWielPixels / 3);
    for (QScrollBar *balk : {horizontaal_, verticaal_})
        balk->raise();
}

bool SheetView::kanSchuiven() const {
    return zoombaar_ && zoom_ > 1;
}

void SheetView::zetZoom(int factor, QPoint rond) {
    factor = std::clamp(factor, Zoom::kKleinste, Zoom::kGrootste);
    if (factor == zoom_) return;
    maakScrollBalken();
    const int oud = zoom_;
    const QPoint oudScroll = scroll();
    const QRect oudVak = beeldVak();
    zoom_ = factor;
    {
        const QSignalBlocker stilH(horizontaal_), stilV(verticaal_);
        zetBalken();
        // The view may have lost or got the bars' room: the point stays where it was.
        const QPoint punt = rond - oudVak.topLeft();
        zetScroll(Zoom::houdVast(punt, oudScroll, oud, zoom_,
                                 Zoom::bereik(surface_.size(), zoom_, beeldVak().size())));
    }
    update();
    emit zoomVeranderd(zoom_);
    emit beeldVerschoven();
}

void SheetView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    zetBalken();
}

// Only the part of the picture under the repainted area is drawn, each pixel as a
// block: nothing enlarged is kept between repaints.
void SheetView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    const QRect vak = event->rect() & beeldVak();
    const QPoint eerste = naarBlad(vak.topLeft()), laatste = naarBlad(vak.bottomRight());
    const QRect bron = QRect(eerste, laatste) & surface_.rect();
    const QRect doel = naarView(bron);
    QRegion rest(event->rect());
    if (!bron.isEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (zoom_ == 1)
            painter.drawImage(doel.topLeft(), surface_.image(), bron);
        else
            tekenVergroot(painter, surface_.image(), bron, doel.topLeft(), zoom_);
        rest -= doel;
    }
    for (const QRect &stuk : rest)
        painter.fillRect(stuk, QColor::fromRgb(surface_.background()));
    if (horizontaal_ && horizontaal_->isVisible())
        painter.fillRect(QRect(beeldVak().bottomRight() + QPoint(1, 1), rect().bottomRight()),
                         palette().window());
    painter.setClipRect(vak);
    tekenOverlay(painter);
}

// Drawn over the view at its zoom, never into the picture.
void SheetView::tekenOverlay(QPainter &painter) const {
    // A ring two pixels wide, one pixel clear of the square: the hole stays as drawn.
    for (const QRect &gat : markering_) {
        const QRegion ring =
            QRegion(naarView(gat.adjusted(-3, -3, 3, 3))) - naarView(gat.adjusted(-1, -1, 1, 1));
        for (const QRect &stuk : ring)
            painter.fillRect(stuk, kMarkering);
    }
    if (rand_.isEmpty()) return;
    // White under black dashes: seen on a white sheet as on a dark board.
    const QRect lijn = naarView(rand_).adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(lijn);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(lijn);
}

void SheetView::updateBlad(const QRect &blad) {
    if (!blad.isEmpty()) update(naarView(blad).adjusted(-2, -2, 2, 2));
}

void SheetView::zetRand(const QRect &rand) {
    if (rand == rand_) return;
    updateBlad(rand_);
    rand_ = rand;
    updateBlad(rand_);
}

void SheetView::zetMarkering(const QVector<QRect> &vakken) {
    if (vakken == markering_) return;
    for (const QRect &vak : markering_)
        updateBlad(vak.adjusted(-3, -3, 3, 3));
    markering_ = vakken;
    for (const QRect &vak : markering_)
        updateBlad(vak.adjusted(-3, -3, 3, 3));
}

bool SheetView::event(QEvent *event) {
    if (event->type() != QEvent::ToolTip || !tip_) return QWidget::event(event);
    auto *hulp = static_cast<QHelpEvent *>(event);
    const Tip tip = tip_(naarBlad(hulp->pos()));
    if (tip.tekst.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(hulp->globalPos(), tip.tekst, this, naarView(tip.vak));
    }
    return true;
}

void SheetView::mousePressEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    toetsen_ = event->modifiers();
    const bool pan =
        event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && spatie_);
    if (kanSchuiven() && pan && pannen_ == Qt::NoButton) {
        pannen_ = event->button();
        panVan_ = p;
        panScroll_ = scroll();
        panBewogen_ = false;
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    const QPoint b = naarBlad(p);
    emit pressed(event->button(), b.x(), b.y());
}

void SheetView::mouseMoveEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    toetsen_ = event->modifiers();
    if (pannen_ != Qt::NoButton) {
        panBewogen_ = panBewogen_ || (p - panVan_).manhattanLength() > kKlikSpeling;
        if (panBewogen_) zetScroll(panScroll_ - (p - panVan_));
        return;
    }
    const QPoint b = naarBlad(p);
    emit moved(event->buttons(), b.x(), b.y());
}

void SheetView::mouseReleaseEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    toetsen_ = event->modifiers();
    const QPoint b = naarBlad(p);
    if (pannen_ != Qt::NoButton) {
        if (event->button() != pannen_) return;
        pannen_ = Qt::NoButton;
        unsetCursor();
        // A middle click that did not pan does what it does at any zoom.
        if (!panBewogen_ && event->button() == Qt::MiddleButton) {
            const QPoint van = naarBlad(panVan_);
            emit pressed(Qt::MiddleButton, van.x(), van.y());
            emit released(Qt::MiddleButton, van.x(), van.y());
        }
        return;
    }
    emit released(event->button(), b.x(), b.y());
}

void SheetView::wheelEvent(QWheelEvent *event) {
    if (!zoombaar_) return QWidget::wheelEvent(event);
    const QPoint hoek = event->angleDelta();
    const int draai = hoek.y() != 0 ? hoek.y() : hoek.x();
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        wielZoom_ += draai;
        const QPoint p = event->position().toPoint();
        while (wielZoom_ >= kWielStap) {
            wielZoom_ -= kWielStap;
            zoomStap(1, p);
        }
        while (wielZoom_ <= -kWielStap) {
            wielZoom_ += kWielStap;
            zoomStap(-1, p);
        }
        event->accept();
        return;
    }
    if (!kanSchuiven()) return QWidget::wheelEvent(event);
    const int pixels = -draai * kWielPixels / kWielStap;
    const bool opzij = event->modifiers().testFlag(Qt::ShiftModifier) || hoek.y() == 0;
    zetScroll(scroll() + (opzij ? QPoint(pixels, 0) : QPoint(0, pixels)));
    event->accept();
}

void SheetView::keyPressEvent(QKeyEvent *event) {
    if (zoombaar_ && event->key() == Qt::Key_Space) {
        spatie_ = true;
        if (kanSchuiven() && pannen_ == Qt::NoButton) setCursor(Qt::OpenHandCursor);
        return;
    }
    QWidget::keyPressEvent(event);
}

void SheetView::keyReleaseEvent(QKeyEvent *event) {
    if (zoombaar_ && event->key() == Qt::Key_Space) {
        if (event->isAutoRepeat()) return;
        spatie_ = false;
        if (pannen_ == Qt::NoButton) unsetCursor();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void SheetView::leaveEvent(QEvent *event) {
    QWidget::leaveEvent(event);
    emit verlaten();
}
