#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QByteArray gifFile(const QImage &indexed, int transparent) {
    QVector<QRgb> colours = indexed.colorTable();
    int bits = 1;
    while ((1 << bits) < colours.size())
        ++bits;
    colours.resize(1 << bits);
    QByteArray gif("GIF89a");
    auto word = [&gif](int value) {
        gif.append(char(value & 0xff));
        gif.append(char((value >> 8) & 0xff));
    };
    word(indexed.width());
    word(indexed.height());
    gif.append(char(0x80 | (bits - 1)));
    gif.append('\0');
    gif.append('\0');
    for (const QRgb colour : colours) {
        gif.append(char(qRed(colour)));
        gif.append(char(qGreen(colour)));
        gif.append(char(qBlue(colour)));
    }
    if (transparent >= 0)
        gif.append(QByteArray("\x21\xF9\x04\x01\x00\x00", 6) + char(transparent) + '\0');
    gif.append(',');
    word(0);
    word(0);
    word(indexed.width());
    word(indexed.height());
    gif.append('\0');
    // LZW without compression: a clear code before every pixel keeps the code width
    // at minimum size + 1 bits.
    const int minimum = std::max(bits, 2), clear = 1 << minimum, width = minimum + 1;
    QByteArray data;
    quint32 buffer = 0;
    int filled = 0;
    auto put = [&](int code) {
        buffer |= quint32(code) << filled;
        filled += width;
        while (filled >= 8) {
            data.append(char(buffer & 0xff));
            buffer >>= 8;
            filled -= 8;
        }
    };
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) {
            put(clear);
            put(indexed.pixelIndex(x, y));
        }
    put(clear + 1);
    if (filled > 0) data.append(char(buffer & 0xff));
    gif.append(char(minimum));
    for (int i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}
