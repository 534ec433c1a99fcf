#include "HelpPaginas.h"

#include "HelpPlaatjes.h"

#include <QDir>
#include <QFile>

namespace HelpPaginas {

QStringList paginas() {
    return {QStringLiteral("index.htm"), QStringLiteral("help.htm"), QStringLiteral("symbolen.htm"),
            QStringLiteral("software.htm")};
}

QStringList maak(const QString &folder) {
    const QString plugins = folder + QStringLiteral("/Plugins");
    const QString images = plugins + QStringLiteral("/Images");
    if (!QDir().mkpath(images)) return {QStringLiteral("cannot create %1").arg(images)};
    QStringList fouten;
    for (const QString &pagina : paginas()) {
        // The pages are kept in the program as resources; written out as plain files.
        QFile bron(QStringLiteral(":/paginas/") + pagina);
        QFile doel(plugins + QLatin1Char('/') + pagina);
        if (!bron.open(QIODevice::ReadOnly) || !doel.open(QIODevice::WriteOnly) ||
            doel.write(bron.readAll()) != bron.size())
            fouten << QStringLiteral("cannot write %1").arg(doel.fileName());
    }
    for (const HelpPlaatjes::Plaatje &plaatje : HelpPlaatjes::alle()) {
        const QString pad = images + QLatin1Char('/') + plaatje.bestand;
        if (!plaatje.beeld.save(pad, "PNG")) fouten << QStringLiteral("cannot write %1").arg(pad);
    }
    const QString achtergrond = images + QStringLiteral("/background.jpg");
    if (!HelpPlaatjes::achtergrond().save(achtergrond, "JPG", 95))
        fouten << QStringLiteral("cannot write %1").arg(achtergrond);
    return fouten;
}

} // namespace HelpPaginas
