#pragma once

#include <QByteArray>
#include <QString>

// The program's own small files in the application folder (Voltarix.ini, the recent
// projects, the symbols used last), replaced whole. Qt's QSaveFile follows a symbolic
// link and renames its new file over the link's target, so that a file elsewhere, or
// a pipe or a device behind the link, would be replaced. These are written as files of
// the folder instead: a link of that name is replaced by a file of its own (the link's
// target stays as it was), and anything else that is not a plain file (a pipe, a
// device, a folder) is left alone and nothing is written.
namespace OwnFile {

// Puts `bytes` in place as the file `path`, whole or not at all, keeping the old file's
// permissions; false when it was not written.
bool write(const QString &path, const QByteArray &bytes);

} // namespace OwnFile
