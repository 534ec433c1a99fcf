#include "TestFolder.h"

#include "GifWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>

TestFolder::TestFolder() {
    dir_.setAutoRemove(true);
}

QString TestFolder::path(const QString &relative) const {
    QString tail = relative;
    tail.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    return dir_.path() + QLatin1Char('/') + tail;
}

QString TestFolder::makeDir(const QString &relative) const {
    const QString full = path(relative);
    QDir().mkpath(full);
    return full;
}

QString TestFolder::writeFile(const QString &relative, const QByteArray &content) const {
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    return full;
}

QString TestFolder::writePicture(const QString &relative, const QImage &picture) const {
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    picture.save(full);
    return full;
}

QByteArray TestFolder::readFile(const QString &relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage filledPicture(int width, int height, QRgb colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QImage bont(int width, int height, quint32 seed) {
    QImage picture(width, height, QImage::Format_RGB888);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(picture.bits()),
                                     picture.sizeInBytes() / 4);
    return picture.convertToFormat(QImage::Format_RGB32);
}

bool withFileLimit(qint64 bytes, const std::function<bool()> &write) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit limit{rlim_t(bytes), old.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool done = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    return done;
}

QByteArray pictureFile(const QImage &picture, const char *format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format)) qFatal("cannot write a %s picture", format);
    return data;
}

QRect differingRect(const QImage &a, const QImage &b) {
    QRect rect;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) rect |= QRect(x, y, 1, 1);
    return rect;
}

QByteArray bmpHeader(qint32 width, qint32 height) {
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54, header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(width, header.data() + 18);
    qToLittleEndian<qint32>(height, header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(24, header.data() + 28);
    return header;
}

QByteArray os2Bmp() {
    const int width = 3, height = 2, row = 12;
    QByteArray data(26 + row * height, '\0');
    data[0] = 'B';
    data[1] = 'M';
    qToLittleEndian<quint32>(quint32(data.size()), data.data() + 2);
    qToLittleEndian<quint32>(26, data.data() + 10);
    qToLittleEndian<quint32>(12, data.data() + 14);
    qToLittleEndian<quint16>(width, data.data() + 18);
    qToLittleEndian<quint16>(height, data.data() + 20);
    qToLittleEndian<quint16>(1, data.data() + 22);
    qToLittleEndian<quint16>(24, data.data() + 24);
    for (int i = 26; i < data.size(); i += 3)
        data[i] = char(0x80 + i);
    return data;
}

QByteArray gifFile(const QImage &picture) {
    const QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("p.gif"));
    QString fout;
    if (!GifWriter::write(picture, pad, &fout)) qFatal("cannot write a GIF: %s", qPrintable(fout));
    QFile file(pad);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
