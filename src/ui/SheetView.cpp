#include "ui/SheetView.h"

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
}

void SheetView::mousePressEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
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
