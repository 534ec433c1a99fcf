#include "TestFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

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
