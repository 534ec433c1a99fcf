#include "app/StartBestand.h"

#include <QDir>

namespace StartBestand {

QString pad(const QStringList &arguments, const QString &werkmap) {
    const QString optie = QStringLiteral("--app-folder");
    bool alleenBestanden = false; // after "--" every argument is a file
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!alleenBestanden && argument == optie) {
            ++i; // its folder
        } else if (!alleenBestanden && argument == QLatin1String("--")) {
            alleenBestanden = true;
        } else if (alleenBestanden || !argument.startsWith(QLatin1Char('-'))) {
            if (!argument.isEmpty())
                return QDir::cleanPath(QDir(werkmap).absoluteFilePath(argument));
        }
    }
    return {};
}

} // namespace StartBestand
