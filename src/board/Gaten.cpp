#include "board/Gaten.h"

#include <algorithm>

QString Gaten::Gat::naam() const {
    return rail() ? QString(QChar(rij)) : QChar(rij) + QString::number(kolom);
}

// Column by column, as the board is drawn: the rail holes (none in the gaps), then the
// block holes of the upper and the lower block.
Gaten::Gaten(const BoardGeometry &board) {
    const int bovenRijen = board.upperRowCount();
    for (int x = 190; x <= board.lastColumnX; x += kHolePitch) {
        const int kolom = (x - 190) / kHolePitch + 1;
        const bool gat =
            std::find(board.railGaps.begin(), board.railGaps.end(), x) == board.railGaps.end();
        if (gat) {
            gaten_.push_back({{x, board.topRailY}, 'X', kolom, 1});
            gaten_.push_back({{x, board.bottomRailY}, 'Y', kolom, 2});
        }
        for (int r = 0; r < bovenRijen; ++r) {
            const int y = 180 + r * kHolePitch;
            gaten_.push_back({{x, y}, char('A' + r), kolom, 2 * kolom + 1});
            gaten_.push_back({{x, y + board.lowerRowOffset},
                              char(board.firstLowerLetter + r),
                              kolom,
                              2 * kolom + 2});
        }
    }
}

const Gaten &Gaten::klein() {
    static const Gaten gaten(BoardGeometry::klein());
    return gaten;
}

const Gaten &Gaten::groot() {
    static const Gaten gaten(BoardGeometry::groot());
    return gaten;
}

std::optional<Gaten::Gat> Gaten::onder(QPoint p) const {
    for (const Gat &gat : gaten_)
        if (gat.vierkant().contains(p)) return gat;
    return std::nullopt;
}

std::optional<Gaten::Gat> Gaten::dichtstbij(QPoint p, int bereik,
                                            const std::function<bool(QPoint)> &mag) const {
    std::optional<Gat> beste;
    int besteAfstand = bereik * bereik;
    for (const Gat &gat : gaten_) {
        const QPoint d = gat.midden() - p;
        const int afstand = d.x() * d.x() + d.y() * d.y();
        if (afstand > besteAfstand || (beste && afstand == besteAfstand)) continue;
        if (mag && !mag(gat.midden())) continue;
        beste = gat;
        besteAfstand = afstand;
    }
    return beste;
}

std::vector<Gaten::Gat> Gaten::verbonden(const Gat &gat) const {
    std::vector<Gat> samen;
    std::copy_if(gaten_.begin(), gaten_.end(), std::back_inserter(samen),
                 [&](const Gat &ander) { return ander.strook == gat.strook; });
    return samen;
}

QString Gaten::verbindingTekst(const Gat &gat) const {
    if (gat.rail()) return QStringLiteral("verbonden met rail ") + gat.naam();
    const std::vector<Gat> strook = verbonden(gat);
    const auto [eerste, laatste] = std::minmax_element(
        strook.begin(), strook.end(), [](const Gat &a, const Gat &b) { return a.rij < b.rij; });
    return QStringLiteral("verbonden met %1 - %2").arg(eerste->naam(), laatste->naam());
}
