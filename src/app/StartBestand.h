#pragma once

#include <QString>
#include <QStringList>

// The file the program is started with, `voltarix [--app-folder DIR] PAD`, as the menu
// entry passes a file from the file manager: the first argument that is no option,
// made absolute from the folder the program was started in. Empty when there is none.
// Qt has taken its own options out of the arguments by then.
namespace StartBestand {

QString pad(const QStringList &arguments, const QString &werkmap);

} // namespace StartBestand
