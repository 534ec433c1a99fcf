#include "project/RecenteProjecten.h"

#include "project/ProjectMap.h"
#include "ui/SafeCommit.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Six names take well under this; what lies beyond is no list of ours.
constexpr qint64 kMaxBestand = 64 * 1024;

} // namespace

RecenteProjecten::RecenteProjecten(QString bestand) : bestand_(std::move(bestand)) {}

QStringList RecenteProjecten::namen() const {
    QFile file(bestand_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList namen;
    for (const QString &regel :
         QString::fromUtf8(file.read(kMaxBestand)).split(QLatin1Char('\n'))) {
        const QString naam = regel.endsWith(QLatin1Char('\r')) ? regel.chopped(1) : regel;
        if (ProjectMap::geldigeNaam(naam) && !namen.contains(naam)) namen << naam;
        if (namen.size() == kAantal) break;
    }
    return namen;
}

QStringList RecenteProjecten::bestaande(const ProjectMap &map) const {
    QStringList namen = this->namen();
    namen.removeIf([&map](const QString &naam) { return !map.bestaat(naam); });
    return namen;
}

bool RecenteProjecten::voegToe(const QString &naam) const {
    QStringList namen = this->namen();
    namen.removeAll(naam);
    namen.prepend(naam);
    QSaveFile file(bestand_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(namen.mid(0, kAantal).join(QLatin1Char('\n')).toUtf8() + '\n');
    return safeCommit(file);
}
