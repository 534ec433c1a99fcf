#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The symbol library is the folder "\Symbolen\": one subfolder per category, each
// holding 49 x 49 symbol bitmaps. A category is shown by its folder's name in lower
// case; each shown name stays tied to its real folder, whatever its case.
struct SymbolCategorie {
    QString naam; // as the category box shows it
    QString map;  // the real folder
};

namespace SymbolLibrary {

// The categories in the order of the folder listing; none for a missing folder.
QVector<SymbolCategorie> categorieen(const QString &symbolenFolder);

} // namespace SymbolLibrary
