#include "symbols/LaatstGebruikt.h"

#include "ui/DiskNames.h"
#include "ui/SafeCommit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTransform>

namespace {

// Far more than twelve lines of any sensible length: a larger file is not ours.
constexpr qint64 kGrootste = 64 * 1024;

// A part of a path that stays inside its folder and is not hidden.
bool geldigDeel(const QString &deel) {
    return !deel.isEmpty() && !deel.startsWith(QLatin1Char('.')) &&
           !deel.contains(QLatin1Char('/')) && !deel.contains(QLatin1Char('\\')) &&
           !deel.contains(QChar(0)) && !deel.contains(QLatin1Char('\n')) &&
           !deel.contains(QLatin1Char('\r')) && !deel.contains(QChar::ReplacementCharacter);
}

} // namespace

const QString LaatstGebruikt::kBestand = QStringLiteral("\\LaatstGebruikt.txt");
const QString LaatstGebruikt::kNaam = QStringLiteral("Laatst gebruikt");

void LaatstGebruikt::lees() {
    regels_.clear();
    const std::optional<QByteArray> inhoud =
        DiskNames::read(QFile::encodeName(bestand_), kGrootste);
    if (!inhoud) return;
    for (const QString &regel : QString::fromUtf8(*inhoud).split(QLatin1Char('\n'))) {
        const QString schoon = regel.endsWith(QLatin1Char('\r')) ? regel.chopped(1) : regel;
        const int streep = int(schoon.indexOf(QLatin1Char('/')));
        const Regel gelezen{schoon.left(streep), schoon.mid(streep + 1)};
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
    if (bestand_.isEmpty()) return false;
    QSaveFile file(bestand_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (const Regel &regel : regels_)
        file.write((regel.map + QLatin1Char('/') + regel.naam + QLatin1Char('\n')).toUtf8());
    return safeCommit(file);
}

QVector<SymboolTreffer> LaatstGebruikt::bestaande(const QString &symbolenFolder) const {
    QVector<SymboolTreffer> uit;
    const QString root = QDir::cleanPath(symbolenFolder);
    for (const Regel &regel : regels_) {
        const QString map = root + QLatin1Char('/') + regel.map;
        if (!SymbolLibrary::bestandVan(map, regel.naam).isEmpty())
            uit.push_back({regel.naam, regel.map.toLower(), map});
    }
    return uit;
}

bool LaatstGebruikt::zelfdeSymbool(const QImage &gekozen, const QImage &nu) {
    const QImage doel = nu.convertToFormat(QImage::Format_RGB32);
    QImage beeld = gekozen.convertToFormat(QImage::Format_RGB32);
    for (int kwart = 0; kwart < 4; ++kwart) {
        if (beeld == doel || beeld.mirrored(true, false) == doel) return true;
        beeld = beeld.transformed(QTransform().rotate(90));
    }
    return false;
}
