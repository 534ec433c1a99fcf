#include "symbols/SymbolLibrary.h"

#include "ui/AppFolder.h"

namespace SymbolLibrary {

QVector<SymbolCategorie> categorieen(const QString &symbolenFolder) {
    QVector<SymbolCategorie> result;
    for (const QString &folder : AppFolder::subfolders(symbolenFolder))
        result.push_back({folder.toLower(), symbolenFolder + QLatin1Char('/') + folder});
    return result;
}

} // namespace SymbolLibrary
