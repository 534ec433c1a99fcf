#include "editor/Loep.h"

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

} // namespace Loep
