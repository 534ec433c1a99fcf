#include "StarterMaker.h"

#include "GifWriter.h"
#include "HelpPaginas.h"
#include "Onderdelen.h"
#include "Symbolen.h"
#include "SymboolPen.h"
#include "VoorbeeldProject.h"
#include "Voorbeelden.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace StarterMaker {

namespace {

// An empty folder to write into: a new one, or one made here before, emptied.
QString bereidVoor(const QString &folder) {
    QDir dir(folder);
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (!QFileInfo::exists(dir.filePath(kMarker)))
            return QStringLiteral("%1 is not empty and was not made by voltarix-starter")
                .arg(folder);
        if (!dir.removeRecursively()) return QStringLiteral("cannot empty %1").arg(folder);
    }
    if (!QDir().mkpath(folder)) return QStringLiteral("cannot create %1").arg(folder);
    return {};
}

} // namespace

QStringList maakSymbolen(const QString &folder) {
    QStringList fouten;
    for (const Symbool &symbool : Symbolen::alle()) {
        const QString map = folder + QStringLiteral("/Symbolen/") + symbool.categorie;
        const QString pad = map + QLatin1Char('/') + symbool.naam + QStringLiteral(".bmp");
        SymboolPen pen;
        symbool.teken(pen);
        if (!QDir().mkpath(map) || !pen.beeld().saveBmp(pad))
            fouten << QStringLiteral("cannot write %1").arg(pad);
    }
    return fouten;
}

QStringList maakOnderdelen(const QString &folder) {
    QStringList fouten;
    const QString map = folder + QStringLiteral("/Breadboard");
    if (!QDir().mkpath(map)) return {QStringLiteral("cannot create %1").arg(map)};
    for (const Onderdeel &onderdeel : Onderdelen::alle()) {
        const QString pad = map + QLatin1Char('/') + onderdeel.naam + QStringLiteral(".gif");
        QString fout;
        if (!GifWriter::write(onderdeel.beeld, pad, &fout))
            fouten << QStringLiteral("cannot write %1: %2").arg(pad, fout);
    }
    return fouten;
}

QStringList maak(const QString &folder) {
    const QString fout = bereidVoor(folder);
    if (!fout.isEmpty()) return {fout};
    QStringList fouten;
    QFile marker(folder + QLatin1Char('/') + kMarker);
    if (!marker.open(QIODevice::WriteOnly)) fouten << QStringLiteral("cannot mark %1").arg(folder);
    fouten += maakSymbolen(folder);
    fouten += maakOnderdelen(folder);
    fouten += HelpPaginas::maak(folder);
    fouten += VoorbeeldProject::maak(folder);
    fouten += Voorbeelden::maak(folder);
    return fouten;
}

} // namespace StarterMaker
