#include "ui/DiskNames.h"

#include "ui/TextCodec.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace DiskNames {

namespace {

struct DirCloser {
    void operator()(DIR *dir) const { closedir(dir); }
};

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

bool isFile(const QByteArray &path) {
    struct stat info;
    return ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

std::vector<Entry> files(const QString &folder) {
    std::vector<Entry> entries;
    const QByteArray base = QFile::encodeName(folder) + '/';
    const std::unique_ptr<DIR, DirCloser> dir(opendir(base.constData()));
    if (!dir) return entries;
    while (const dirent *entry = readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == ".." || !isFile(base + name)) continue;
        entries.push_back({TextCodec::decode(name), base + name});
    }
    return entries;
}

QByteArray find(const QString &folder, const QString &name,
                const std::function<bool(const QString &)> &fits) {
    QByteArray exact = QFile::encodeName(folder + QLatin1Char('/') + name);
    if (isFile(exact)) return exact;
    QByteArray found;
    for (const Entry &entry : files(folder))
        if (fits(entry.name) && (found.isEmpty() || entry.path < found)) found = entry.path;
    return found;
}

int open(const QByteArray &path) {
    // Not blocking: a pipe that happens to carry the name must not hang the program.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info;
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

std::optional<QByteArray> read(int fd, qint64 limit) {
    struct stat info;
    if (fd < 0 || ::fstat(fd, &info) != 0 || info.st_size > limit) return std::nullopt;
    // The size is only a first guess: the file may grow or shrink while it is read.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype length = 0;
    for (;;) {
        if (length == bytes.size()) {
            if (length > limit) return std::nullopt;
            bytes.resize(std::min<qint64>(qint64(length) * 2 + 4096, limit + 1));
        }
        const ssize_t got = ::read(fd, bytes.data() + length, size_t(bytes.size() - length));
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        length += got;
    }
    if (length > limit) return std::nullopt;
    bytes.truncate(length);
    return bytes;
}

std::optional<QByteArray> read(const QByteArray &path, qint64 limit) {
    const Descriptor file{open(path)};
    return read(file.fd, limit);
}

} // namespace DiskNames
