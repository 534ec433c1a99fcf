#include "project/StapKopie.h"

#include <algorithm>
#include <cstring>
#include <utility>

bool StapKopie::stap(const QImage &bron, qsizetype bytes) {
    if (kopie_.isNull() || kopie_.size() != bron.size() || kopie_.format() != bron.format()) {
        kopie_ = QImage(bron.size(), bron.format());
        sleutel_ = 0;
    }
    if (bron.cacheKey() != sleutel_) { // begun, or drawn on since: from the top
        kopie_.setDotsPerMeterX(bron.dotsPerMeterX());
        kopie_.setDotsPerMeterY(bron.dotsPerMeterY());
        sleutel_ = bron.cacheKey();
        rij_ = 0;
    }
    const qsizetype regel = bron.bytesPerLine();
    const int rijen = int(std::min<qsizetype>(
        bron.height() - rij_, std::max<qsizetype>(1, bytes / std::max<qsizetype>(regel, 1))));
    if (rijen > 0)
        std::memcpy(kopie_.scanLine(rij_), bron.constScanLine(rij_), size_t(regel) * size_t(rijen));
    rij_ += rijen;
    return rij_ >= bron.height();
}

QImage StapKopie::neem() {
    sleutel_ = 0;
    return std::exchange(kopie_, QImage());
}
