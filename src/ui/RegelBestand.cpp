#include "ui/RegelBestand.h"

#include "ui/DiskNames.h"
#include "ui/OwnFile.h"

#include <QFile>

namespace RegelBestand {

QStringList lees(const QString &bestand) {
    const std::optional<QByteArray> inhoud = DiskNames::read(QFile::encodeName(bestand), kGrootste);
    if (!inhoud) return {};
    QStringList regels = QString::fromUtf8(*inhoud).split(QLatin1Char('\n'));
    for (QString &regel : regels)
        if (regel.endsWith(QLatin1Char('\r'))) regel.chop(1);
    return regels;
}

bool schrijf(const QString &bestand, const QStringList &regels) {
    if (bestand.isEmpty()) return false;
    QByteArray inhoud;
    for (const QString &regel : regels)
        inhoud += (regel + QLatin1Char('\n')).toUtf8();
    return OwnFile::write(bestand, inhoud);
}

} // namespace RegelBestand
