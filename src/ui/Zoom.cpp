#include "ui/Zoom.h"

#include <algorithm>
#include <iterator>

namespace Zoom {

namespace {

// Whole-number division rounding down, also for points left of or above the sheet.
int omlaag(int teller, int noemer) {
    return teller >= 0 ? teller / noemer : -((-teller + noemer - 1) / noemer);
}

} // namespace

int stap(int factor, int stap) {
    if (stap > 0) {
        const int *groter = std::upper_bound(std::begin(kStappen), std::end(kStappen), factor);
        return groter == std::end(kStappen) ? kGrootste : *groter;
    }
    if (stap < 0) {
        const int *eerste = std::lower_bound(std::begin(kStappen), std::end(kStappen), factor);
        return eerste == std::begin(kStappen) ? kKleinste : *(eerste - 1);
    }
    return factor;
}

QPoint naarBlad(QPoint inView, QPoint scroll, int factor) {
    const QPoint p = inView + scroll;
    return {omlaag(p.x(), factor), omlaag(p.y(), factor)};
}

// The screen pixel (point + scroll) at the old factor lies in sheet pixel
// floor((point + scroll) / oud); at the new factor the same fraction of that pixel is
// under the point, and so the same pixel.
QPoint houdVast(QPoint inView, QPoint scroll, int oud, int nieuw, QSize bereik) {
    const auto as = [&](int punt, int schuif, int grootste) {
        const int nieuwSchuif = omlaag((punt + schuif) * nieuw, oud) - punt;
        return std::clamp(nieuwSchuif, 0, std::max(grootste, 0));
    };
    return {as(inView.x(), scroll.x(), bereik.width()),
            as(inView.y(), scroll.y(), bereik.height())};
}

QSize bereik(QSize blad, int factor, QSize view) {
    return (blad * factor - view).expandedTo(QSize(0, 0));
}

} // namespace Zoom
