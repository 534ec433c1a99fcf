#include "app/Vastklikken.h"

#include "ui/RegelBestand.h"

namespace Vastklikken {

namespace {
const QString kAan = QStringLiteral("aan"), kUit = QStringLiteral("uit");
} // namespace

bool lees(const QString &bestand) {
    const QStringList regels = RegelBestand::lees(bestand);
    return !regels.isEmpty() && regels.first().trimmed() == kAan;
}

bool schrijf(const QString &bestand, bool aan) {
    return RegelBestand::schrijf(bestand, {aan ? kAan : kUit});
}

} // namespace Vastklikken
