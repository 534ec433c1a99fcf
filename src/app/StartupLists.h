#pragma once

#include <QString>
#include <QStringList>

// The fixed contents of the main window's choice boxes and texts at start-up.
namespace StartupLists {

// The colour box: the nine colour names.
QStringList kleuren();

// The tool box's first five entries: the four tool modes and a separator of 52 hyphens.
QStringList gereedschappen();

// The tool box's part entries: every file of the part-picture folder, in listing
// order, less its last four characters (extension or not); a shorter name is skipped.
QStringList onderdelen(const QString &breadboardFolder);

// The text sizes "8", "10", ... "30".
QStringList tekstGroottes();

// The component list's heading, also the whole list of a new design.
QString beginLijst();

} // namespace StartupLists
