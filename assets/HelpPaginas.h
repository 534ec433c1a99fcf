#pragma once

#include <QString>
#include <QStringList>

// The help pages of "\Plugins\": the start page with information on components,
// the help on every window and tool of the program, the pages behind the two web
// link menu items, their pictures and the default background tile.
namespace HelpPaginas {

// The page files, as they lie in "\Plugins\".
QStringList paginas();

// Writes "\Plugins\" with its pages and "\Plugins\Images\" with the pictures and
// background.jpg into `folder`; returns what went wrong.
QStringList maak(const QString &folder);

} // namespace HelpPaginas
