#include "ui/BmpCheck.h"

#include <QFile>
#include <QtEndian>

#include <cstdlib>
#include <limits>

namespace {

constexpr int kKopLengte = 54;     // file header and the common information header
constexpr int kOudeKopLengte = 26; // file header and the old OS/2 header
constexpr qint64 kGrootsteZijde = 1 << 20;
enum Compressie : quint32 { kGeen = 0, kRle8 = 1, kRle4 = 2, kBitvelden = 3, kAlfaBitvelden = 6 };

template <typename T> T veld(const QByteArray &kop, int plaats) {
    return qFromLittleEndian<T>(kop.constData() + plaats);
}

// Uncompressed rows are padded to four bytes; some programs leave out the padding
// of the last row.
qint64 rijenLengte(qint64 breedte, qint64 hoogte, qint64 bits) {
    const qint64 rij = (breedte * bits + 31) / 32 * 4, gebruikt = (breedte * bits + 7) / 8;
    return hoogte == 0 ? 0 : rij * hoogte - (rij - gebruikt);
}

// The bytes the pixel data needs, counted from the start of the file; 0 when the
// header does not say (compressed data of unknown length, embedded JPEG or PNG).
qint64 nodigeLengte(const QByteArray &kop) {
    const qint64 begin = veld<quint32>(kop, 10);
    if (veld<quint32>(kop, 14) == 12)
        return begin +
               rijenLengte(veld<quint16>(kop, 18), veld<quint16>(kop, 20), veld<quint16>(kop, 24));
    const qint64 breedte = veld<qint32>(kop, 18), hoogte = veld<qint32>(kop, 22);
    const qint64 bits = veld<quint16>(kop, 28);
    if (std::abs(breedte) > kGrootsteZijde || std::abs(hoogte) > kGrootsteZijde)
        return std::numeric_limits<qint64>::max(); // no file is that long; refused
    switch (veld<quint32>(kop, 30)) {
    case kGeen:
    case kBitvelden:
    case kAlfaBitvelden:
        return begin + rijenLengte(std::abs(breedte), std::abs(hoogte), bits);
    case kRle8:
    case kRle4:
        return begin + veld<quint32>(kop, 34);
    default:
        return 0;
    }
}

// `kop` holds the file's first bytes (up to the common header's length).
bool volledig(const QByteArray &kop, qint64 lengte) {
    if (!kop.startsWith("BM")) return true;
    if (kop.size() < kOudeKopLengte) return false;
    if (veld<quint32>(kop, 14) != 12 && kop.size() < kKopLengte) return false;
    return lengte >= nodigeLengte(kop);
}

} // namespace

bool bmpVolledig(const QString &pad) {
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly)) return true; // the reader will refuse it
    return volledig(bestand.read(kKopLengte), bestand.size());
}

bool bmpInhoudVolledig(const QByteArray &inhoud) {
    return volledig(inhoud.left(kKopLengte), inhoud.size());
}
