#include "editor/Loep.h"

#include <QImage>

#include <cmath>

namespace Loep {

int rondAf(double waarde) {
    return int(std::nearbyint(waarde));
}

QRect bron(QPoint pointer, QSize box, int z) {
    const int w = rondAf((1.0 / z) * box.width());
    const int h = rondAf((1.0 / z) * box.height());
    return {pointer.x() - w / 2, pointer.y() - h / 2, w, h};
}

bool schermLeesbaar(const QString &platform, bool waylandSessie) {
    return platform == QLatin1String("xcb") && !waylandSessie;
}

bool heelZwart(const QImage &beeld) {
    if (beeld.isNull()) return false;
    const QImage rgb = beeld.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *rij = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (qRed(rij[x]) | qGreen(rij[x]) | qBlue(rij[x])) return false;
    }
    return true;
}

} // namespace Loep
