#include "ui/OwnFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace OwnFile {

namespace {

bool writeAll(int fd, const QByteArray &bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

// A new file beside `name` that no one else has (and no link can be), or -1.
int makeNew(const QByteArray &name, QByteArray &temporary) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

bool write(const QString &path, const QByteArray &bytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat old;
    const bool exists = ::lstat(name.constData(), &old) == 0;
    if (exists ? !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode) : errno != ENOENT) return false;
    QByteArray temporary;
    const int fd = makeNew(name, temporary);
    if (fd < 0) return false;
    bool written = (!exists || S_ISLNK(old.st_mode) || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                   writeAll(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    // rename() replaces the name itself: a link there goes, its target is never touched.
    if (written && std::rename(temporary.constData(), name.constData()) == 0) return true;
    ::unlink(temporary.constData());
    return false;
}

} // namespace OwnFile
