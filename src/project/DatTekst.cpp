#include "project/DatTekst.h"

#include "ui/TextCodec.h"

#include <QStringDecoder>

#include <algorithm>

namespace DatTekst {

namespace {

// The reader passes over a byte order mark at the start; a text that begins with one
// of its own keeps it behind a second.
QByteArray alsUtf8(const QString &text) {
    QByteArray bytes = text.toUtf8();
    if (text.startsWith(QChar(0xFEFF))) bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

} // namespace

QString decodeer(const QByteArray &bytes) {
    return TextCodec::decode(bytes);
}

QByteArray codeer(const QString &text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *uit = bytes.data();
    for (const QChar teken : text) {
        const int byte = TextCodec::windows1252Byte(teken);
        if (byte < 0) return alsUtf8(text);
        *uit++ = char(byte);
    }
    // Windows-1252 bytes can happen to be UTF-8 ("Ã©" is C3 A9, which reads as "é", and
    // "ï»¿" is a byte order mark): such a list would open with other characters.
    if (decodeer(bytes) != text) return alsUtf8(text);
    return bytes;
}

namespace {

// Adds a piece of the text with its line ends made CR LF. `naCr` says that the text
// so far ended in a CR, whose LF may open this piece.
void voegToe(QString &lijst, QStringView stuk, bool &naCr) {
    for (const QChar teken : stuk) {
        const bool lf = teken == QLatin1Char('\n');
        if (lf && naCr) {
            naCr = false;
            continue;
        }
        naCr = teken == QLatin1Char('\r');
        if (naCr || lf)
            lijst += QLatin1String("\r\n");
        else
            lijst += teken;
    }
}

} // namespace

// Decoded and given its line ends a piece at a time, in one pass: a large list is
// held once as text, and no line end is replaced by moving the rest of the list.
QString lijstUit(const QByteArray &bytes) {
    constexpr qsizetype kStuk = 1 << 16;
    QString lijst;
    lijst.reserve(bytes.size() + 2);
    const bool utf8 = bytes.isValidUtf8();
    QStringDecoder decoder(QStringDecoder::Utf8); // keeps a character cut between two pieces
    bool naCr = false;
    for (qsizetype begin = 0; begin < bytes.size(); begin += kStuk) {
        const QByteArrayView stuk =
            QByteArrayView(bytes).sliced(begin, std::min(kStuk, bytes.size() - begin));
        voegToe(lijst, utf8 ? QString(decoder.decode(stuk)) : TextCodec::fromWindows1252(stuk),
                naCr);
    }
    if (!lijst.isEmpty() && !lijst.endsWith(QLatin1Char('\n'))) lijst += QLatin1String("\r\n");
    return lijst;
}

QString metCrLf(const QString &tekst) {
    QString uit;
    uit.reserve(tekst.size() + tekst.count(QLatin1Char('\n')));
    for (const QChar teken : tekst) {
        if (teken == QLatin1Char('\n')) uit += QLatin1Char('\r');
        uit += teken;
    }
    return uit;
}

} // namespace DatTekst
