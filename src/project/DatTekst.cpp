#include "project/DatTekst.h"

#include <QStringDecoder>
#include <QStringList>

#include <array>

namespace DatTekst {

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

// The Windows-1252 byte of a character, or -1 when it has none.
int cp1252Byte(QChar teken) {
    const char16_t code = teken.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return code;
    if (code >= 0x80 && code <= 0x9F && kCp1252High[code - 0x80] == 0)
        return code; // the five unused codes stand for themselves both ways
    for (int i = 0; i < int(kCp1252High.size()); ++i)
        if (kCp1252High[i] == code) return 0x80 + i;
    return -1;
}

// The reader passes over a byte order mark at the start; a text that begins with one
// of its own keeps it behind a second.
QByteArray alsUtf8(const QString &text) {
    QByteArray bytes = text.toUtf8();
    if (text.startsWith(QChar(0xFEFF))) bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

} // namespace

QString decodeer(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QString latin;
    latin.reserve(bytes.size());
    for (const char byte : bytes)
        latin += cp1252Teken(uchar(byte));
    return latin;
}

QByteArray codeer(const QString &text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar teken : text) {
        const int byte = cp1252Byte(teken);
        if (byte < 0) return alsUtf8(text);
        bytes += char(byte);
    }
    // Windows-1252 bytes can happen to be UTF-8 ("Ã©" is C3 A9, which reads as "é", and
    // "ï»¿" is a byte order mark): such a list would open with other characters.
    if (decodeer(bytes) != text) return alsUtf8(text);
    return bytes;
}

QString lijstUit(const QByteArray &bytes) {
    QString text = decodeer(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList regels = text.split(QLatin1Char('\n'));
    if (regels.last().isEmpty()) regels.removeLast(); // the last line's own line end
    QString lijst;
    for (const QString &regel : regels)
        lijst += regel + QStringLiteral("\r\n");
    return lijst;
}

} // namespace DatTekst
