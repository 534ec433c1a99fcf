#pragma once

#include <QString>

// Whether the ends of wires snap to the board's holes, kept across runs in a file of
// its own ("\Vastklikken.txt", one line: "aan" or "uit"), so that Voltarix.ini keeps
// holding only the board size. Off unless the file says "aan".
namespace Vastklikken {

bool lees(const QString &bestand);
// False when the file could not be written; the choice then holds for this run only.
bool schrijf(const QString &bestand, bool aan);

} // namespace Vastklikken
