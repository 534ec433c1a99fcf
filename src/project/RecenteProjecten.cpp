#include "project/RecenteProjecten.h"

#include "project/ProjectMap.h"
#include "ui/RegelBestand.h"

RecenteProjecten::RecenteProjecten(QString bestand) : bestand_(std::move(bestand)) {}

QStringList RecenteProjecten::namen() const {
    QStringList namen;
    for (const QString &naam : RegelBestand::lees(bestand_)) {
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
    return RegelBestand::schrijf(bestand_, namen.mid(0, kAantal));
}
