#pragma once

#include <QString>
#include <QStringList>

// The files the program is started with, `voltarix [--app-folder DIR] PAD...`, as the
// menu entry passes a file from the file manager: the arguments that are no option,
// made absolute from the folder the program was started in. Only the first opens.
// Qt has taken its own options out of the arguments by then.
namespace StartBestand {

QStringList paden(const QStringList &arguments, const QString &werkmap);

// Told when more than one was given: only `geopend`, the first, is taken.
QString eenTegelijkTekst(const QString &geopend);

} // namespace StartBestand
