#include "app/Schaal.h"

#include <cmath>

namespace Schaal {

namespace {

constexpr double kStap = 0.25;
// Scales read from the desktop are not exact: 1.25 may come as 1.2499999.
constexpr double kMarge = 1e-6;

bool past(QSize beschikbaar, double factor, QSize nodig) {
    return beschikbaar.width() / factor + kMarge >= nodig.width() &&
           beschikbaar.height() / factor + kMarge >= nodig.height();
}

} // namespace

double kiesFactor(QSize beschikbaar, double bureaublad, QSize nodig) {
    if (bureaublad <= 1.0 || past(beschikbaar, bureaublad, nodig)) return bureaublad;
    // The quarter steps below the desktop's scale, largest first.
    for (double factor = std::ceil(bureaublad / kStap - kMarge) * kStap - kStap; factor > 1.0;
         factor -= kStap)
        if (past(beschikbaar, factor, nodig)) return factor;
    return 1.0;
}

double qtFactor(double eigenQtFactor, double bureaublad, double gekozen) {
    return eigenQtFactor * gekozen / bureaublad;
}

QSize apparaatPixels(QSize logisch, double factor) {
    return {int(std::lround(logisch.width() * factor)),
            int(std::lround(logisch.height() * factor))};
}

QSize binnenMaat(QSize gemeten, double factor) {
    const auto binnen = [factor](int maat) {
        // The fewest device pixels Qt measures as `maat`, and the most of the program's
        // pixels that Qt shows in as many or fewer.
        const double apparaat = std::ceil((maat - 0.5) * factor - kMarge);
        return int(std::ceil((apparaat + 0.5) / factor - kMarge)) - 1;
    };
    return {binnen(gemeten.width()), binnen(gemeten.height())};
}

} // namespace Schaal
