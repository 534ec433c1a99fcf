#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The settings file "\Voltarix.ini": three records, each on its own line ending in
// CR LF: an identification text and a separator, both between double quotes, and
// the board size as #TRUE# (big) or #FALSE# (small). Only the board size is used.
namespace Settings {

// The file's content for a board size.
QByteArray tekst(bool BBgroot);

// The board size of a file's content; nothing when the content is not three such
// records (empty, cut short, binary, another third record...).
std::optional<bool> leesTekst(const QByteArray &content);

// Reads the file; nothing when it is missing, unreadable, too large, broken or no plain
// file (a pipe is never waited for).
std::optional<bool> lees(const QString &path);

// Writes the file anew, whole or not at all, as OwnFile writes; false when it cannot be
// written (or what is there is no plain file or link, and stays).
bool schrijf(const QString &path, bool BBgroot);

} // namespace Settings
