#include "app/Zandloper.h"

#include <QPainter>
#include <QPolygon>

namespace Zandloper {

namespace {
constexpr int kMaat = 24;
} // namespace

QImage teken() {
    QImage beeld(kMaat, kMaat, QImage::Format_ARGB32_Premultiplied);
    beeld.fill(Qt::transparent);
    QPainter schilder(&beeld);
    schilder.setPen(QPen(Qt::black, 1));
    // The two glasses, sand in the lower one, between two bars.
    schilder.setBrush(Qt::white);
    schilder.drawPolygon(QPolygon({{6, 3}, {17, 3}, {12, 11}, {17, 20}, {6, 20}, {11, 11}}));
    schilder.setBrush(QColor(200, 150, 40));
    schilder.drawPolygon(QPolygon({{8, 19}, {15, 19}, {12, 14}, {11, 14}}));
    schilder.setBrush(QColor(90, 60, 30));
    schilder.drawRect(4, 1, 15, 2);
    schilder.drawRect(4, 20, 15, 2);
    return beeld;
}

QCursor bezig(const QString &platform) {
    if (!platform.startsWith(QLatin1String("wayland"))) return QCursor(Qt::WaitCursor);
    return QCursor(QPixmap::fromImage(teken()), kMaat / 2, kMaat / 2);
}

} // namespace Zandloper
