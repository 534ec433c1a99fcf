#include "ui/vensters/SheetView.h"

#include "ui/Surface.h"

#include <QMouseEvent>
#include <QPainter>

SheetView::SheetView(Surface &surface, QWidget *parent) : QWidget(parent), surface_(surface) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.setChangeListener([this] { update(); });
}

SheetView::~SheetView() {
    surface_.setChangeListener({});
}

void SheetView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor::fromRgb(surface_.background()));
    painter.drawImage(event->rect().topLeft(), surface_.image(), event->rect());
    if (rand_.isEmpty()) return;
    // White under black dashes: seen on a white sheet as on a dark board.
    const QRect lijn = rand_.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(lijn);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(lijn);
}

void SheetView::zetRand(const QRect &rand) {
    if (rand == rand_) return;
    update(rand_);
    rand_ = rand;
    update(rand_);
}

void SheetView::mousePressEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    toetsen_ = event->modifiers();
    emit pressed(event->button(), p.x(), p.y());
}

void SheetView::mouseMoveEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    emit moved(event->buttons(), p.x(), p.y());
}

void SheetView::mouseReleaseEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    emit released(event->button(), p.x(), p.y());
}
