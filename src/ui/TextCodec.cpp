#include "ui/TextCodec.h"

#include <QStringDecoder>

#include <array>

namespace TextCodec {

namespace {

// Windows-1252 differs from Latin-1 in 0x80..0x9F; 0 marks the five unused codes.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar cp1252Teken(uchar byte) {
    if (byte < 0x80 || byte > 0x9F) return QChar(byte);
    const char16_t mapped = kCp1252High[byte - 0x80];
    return mapped ? QChar(mapped) : QChar(byte);
}

} // namespace

QString decode(const QByteArray &bytes) {
    if (!bytes.isValidUtf8()) return fromWindows1252(bytes);
    return QStringDecoder(QStringDecoder::Utf8).decode(bytes); // passes over a byte order mark
}

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *uit = text.data();
    for (const char byte : bytes)
        *uit++ = cp1252Teken(uchar(byte));
    return text;
}

int windows1252Byte(QChar teken) {
    const char16_t code = teken.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return code;
    if (code >= 0x80 && code <= 0x9F && kCp1252High[code - 0x80] == 0)
        return code; // the five unused codes stand for themselves both ways
    for (int i = 0; i < int(kCp1252High.size()); ++i)
        if (kCp1252High[i] == code) return 0x80 + i;
    return -1;
}

} // namespace TextCodec
