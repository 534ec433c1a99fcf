#include "app/Verschijning.h"

#include <QDir>

namespace Verschijning {

QByteArray platform(const QByteArray &eigenKeuze, bool waylandSessie, bool xDisplay,
                    bool waylandPlugin) {
    if (!eigenKeuze.isEmpty() || !waylandSessie || !xDisplay || waylandPlugin) return {};
    return QByteArrayLiteral("xcb");
}

bool heeftWaylandPlugin(const QStringList &pluginMappen) {
    for (const QString &map : pluginMappen)
        if (!QDir(map + QStringLiteral("/platforms"))
                 .entryList({QStringLiteral("libqwayland*")}, QDir::Files)
                 .isEmpty())
            return true;
    return false;
}

} // namespace Verschijning
