#include "symbols/LaatstGebruikt.h"

#include "symbols/Symbool.h"
#include "ui/RegelBestand.h"
#include "ui/Surface.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A part of a path that stays inside its folder and is not hidden.
bool geldigDeel(const QString &deel) {
    return !deel.isEmpty() && !deel.startsWith(QLatin1Char('.')) &&
           !deel.contains(QLatin1Char('/')) && !deel.contains(QLatin1Char('\\')) &&
           !deel.contains(QChar(0)) && !deel.contains(QLatin1Char('\n')) &&
           !deel.contains(QLatin1Char('\r')) && !deel.contains(QChar::ReplacementCharacter);
}

} // namespace

const QString LaatstGebruikt::kNaam = QStringLiteral("Laatst gebruikt");

void LaatstGebruikt::lees() {
    regels_.clear();
    for (const QString &regel : RegelBestand::lees(bestand_)) {
        const int streep = int(regel.indexOf(QLatin1Char('/')));
        const Regel gelezen{regel.left(streep), regel.mid(streep + 1)};
        if (streep < 0 || !geldigDeel(gelezen.map) || !geldigDeel(gelezen.naam)) continue;
        const bool dubbel = std::any_of(regels_.begin(), regels_.end(), [&](const Regel &r) {
            return r.map == gelezen.map && r.naam == gelezen.naam;
        });
        if (!dubbel && regels_.size() < kAantal) regels_.push_back(gelezen);
    }
}

bool LaatstGebruikt::gebruikt(const QString &map, const QString &naam) {
    const Regel nieuw{QFileInfo(map).fileName(), naam};
    if (!geldigDeel(nieuw.map) || !geldigDeel(nieuw.naam)) return false;
    regels_.erase(
        std::remove_if(regels_.begin(), regels_.end(),
                       [&](const Regel &r) { return r.map == nieuw.map && r.naam == nieuw.naam; }),
        regels_.end());
    regels_.prepend(nieuw);
    if (regels_.size() > kAantal) regels_.resize(kAantal);
    return bewaar();
}

void LaatstGebruikt::hernoemd(const QString &map, const QString &oud, const QString &nieuw) {
    const QString folder = QFileInfo(map).fileName();
    bool veranderd = false;
    for (Regel &regel : regels_)
        if (regel.map == folder && regel.naam == oud && geldigDeel(nieuw)) {
            regel.naam = nieuw;
            veranderd = true;
        }
    if (veranderd) bewaar();
}

bool LaatstGebruikt::bewaar() const {
    QStringList regels;
    for (const Regel &regel : regels_)
        regels << regel.map + QLatin1Char('/') + regel.naam;
    return RegelBestand::schrijf(bestand_, regels);
}

QVector<SymboolTreffer> LaatstGebruikt::bestaande(const QString &symbolenFolder) const {
    QVector<SymboolTreffer> uit;
    const QString root = QDir::cleanPath(symbolenFolder);
    for (const Regel &regel : regels_) {
        const QString map = root + QLatin1Char('/') + regel.map;
        if (!SymboolBibliotheek::bestandVan(map, regel.naam).isEmpty())
            uit.push_back({regel.naam, regel.map.toLower(), map});
    }
    return uit;
}

bool LaatstGebruikt::zelfdeSymbool(const QImage &gekozen, const QImage &nu) {
    const QImage doel = Surface(nu).image();
    Surface beeld(gekozen);
    for (int kwart = 0; kwart < 4; ++kwart) {
        Surface gespiegeld = beeld;
        spiegelLinksRechts(gespiegeld);
        if (beeld.image() == doel || gespiegeld.image() == doel) return true;
        draaiKwartslag(beeld);
    }
    return false;
}
