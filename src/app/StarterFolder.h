#pragma once

#include <QString>
#include <QStringList>

// The starter content of an application folder (symbol library, part pictures, help
// pages, an example project) comes from a prepared folder and is laid out into the
// application folder. Every file is laid out at most once: the application folder
// keeps a list of what it has received, so a file the user has changed, renamed or
// deleted is never overwritten or brought back. Only files that were never laid out
// before are copied, and never over a file that is already there.
namespace StarterFolder {

// The list of laid-out files in the application folder: one relative path a line,
// with "/" between the parts. A hidden file, so the program's own listings skip it.
inline const QString kManifest = QStringLiteral(".voltarix-starter");

struct Result {
    QStringList copied; // laid out now
    QStringList kept;   // not laid out before, but the folder already had a file there
    QStringList failed; // could not be copied; tried again next time
    bool manifestWritten = true;
    bool ok() const { return failed.isEmpty() && manifestWritten; }
};

// Every regular file under `source`, as relative paths with "/", sorted; hidden
// files and the manifest are left out.
QStringList contents(const QString &source);

// The relative paths the manifest of `target` names; empty when there is none.
QStringList laidOut(const QString &target);

// Lays out `source` into `target` (created when missing). Paths in the target are
// found whatever their case, as the program finds them, so a folder the user spells
// "symbolen" receives the files meant for "Symbolen".
Result layOut(const QString &source, const QString &target);

} // namespace StarterFolder
