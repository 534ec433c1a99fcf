#include "editor/StatusTekst.h"

#include "board/Raster.h"

QString blokTekst(int x, int y) {
    const QChar kolom(65 + deelOmlaag(x, kBlok));
    return QStringLiteral("Block : %1 - %2").arg(kolom).arg(deelOmlaag(y, kBlok) + 1);
}

std::optional<QString> contactpuntTekst(int x, int y) {
    if (x <= 195 || y <= 145) return std::nullopt;
    return QStringLiteral("Contactpunt : %1, %2").arg((x - 196) / 20 + 1).arg((y - 146) / 20 + 1);
}
