#include "app/StartupLists.h"

#include "board/ColourTable.h"
#include "ui/AppFolder.h"

namespace StartupLists {

QStringList kleuren() {
    return kleurNamen();
}

QStringList gereedschappen() {
    return {QStringLiteral("Componenten"), QStringLiteral("Draadverbinding"),
            QStringLiteral("Gummen"), QStringLiteral("Tekst Plaatsen"),
            QString(52, QLatin1Char('-'))};
}

QStringList onderdelen(const QString &breadboardFolder) {
    QStringList entries;
    for (const QString &file : AppFolder::files(breadboardFolder))
        if (file.size() >= 4) entries << file.left(file.size() - 4);
    return entries;
}

QStringList tekstGroottes() {
    QStringList sizes;
    for (int size = 8; size <= 30; size += 2)
        sizes << QString::number(size);
    return sizes;
}

QString beginLijst() {
    return QStringLiteral("Componentenlijst\r\n") + QString(28, QLatin1Char('-')) +
           QStringLiteral("\r\n");
}

} // namespace StartupLists
