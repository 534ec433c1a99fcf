#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Files as the disk names them. Qt lists only files whose names are valid UTF-8 and
// reaches a file only through such a name, so a file unpacked from an old Windows
// archive, named in Windows-1252, is skipped without a word. These list every file,
// its name decoded as a component list's text is, and reach it through its own bytes.
namespace DiskNames {

struct Entry {
    QString name;    // as the program shows it
    QByteArray path; // the file's own path, for the system's calls
};

// The files of a folder (hidden ones too, no folders), in no particular order;
// nothing for a folder that cannot be read.
std::vector<Entry> files(const QString &folder);

// The file `name` of a folder: the one spelled exactly so when it exists, else the
// first (in byte order) whose shown name `fits`; empty when there is none.
QByteArray find(const QString &folder, const QString &name,
                const std::function<bool(const QString &)> &fits);

// A plain file opened for reading (a descriptor the caller closes), or -1.
int open(const QByteArray &path);

// A whole file, read rather than mapped: a file that another program cuts short
// meanwhile (or a stick pulled out) gives a short read instead of a crash. Nothing
// for what is not a readable plain file or holds more than `limit` bytes.
std::optional<QByteArray> read(const QByteArray &path, qint64 limit);
// The same from an open file's current position on.
std::optional<QByteArray> read(int fd, qint64 limit);

bool isFile(const QByteArray &path);

} // namespace DiskNames
