#include "app/StartBestand.h"

#include <QDir>

namespace StartBestand {

QStringList paden(const QStringList &arguments, const QString &werkmap) {
    const QString optie = QStringLiteral("--app-folder");
    QStringList paden;
    bool alleenBestanden = false; // after "--" every argument is a file
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!alleenBestanden && argument == optie) {
            ++i; // its folder
        } else if (!alleenBestanden && argument == QLatin1String("--")) {
            alleenBestanden = true;
        } else if (alleenBestanden || !argument.startsWith(QLatin1Char('-'))) {
            if (!argument.isEmpty())
                paden << QDir::cleanPath(QDir(werkmap).absoluteFilePath(argument));
        }
    }
    return paden;
}

QString eenTegelijkTekst(const QString &geopend) {
    return QStringLiteral("Voltarix opent één project tegelijk.\r\n"
                          "Van de meegegeven bestanden is alleen het eerste genomen: \"%1\".")
        .arg(QDir::toNativeSeparators(geopend));
}

} // namespace StartBestand
