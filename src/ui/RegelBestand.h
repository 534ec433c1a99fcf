#pragma once

#include <QString>
#include <QStringList>

// A short list kept as one line a line (UTF-8) in a file of its own: the projects and
// the symbols used last. The file is replaced whole, so a program that ends halfway
// leaves the old list.
namespace RegelBestand {

// Far more than any such list of sensible lines: a larger file is not ours.
constexpr qint64 kGrootste = qint64{64} * 1024;

// The lines of the file, "\r\n" read as "\n"; none for a file that is missing,
// unreadable or larger than kGrootste.
QStringList lees(const QString &bestand);
// Writes `regels` as the whole file, each ended by "\n", as OwnFile writes; false when
// it could not.
bool schrijf(const QString &bestand, const QStringList &regels);

} // namespace RegelBestand
