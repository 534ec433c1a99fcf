#include "ui/BmpCodec.h"

#include <QIODevice>
#include <QtEndian>

#include <cstdlib>

namespace BmpCodec {

namespace {

constexpr int kKop = 54; // file header and the common information header
constexpr qint64 kGrootsteZijde = 16384;

int rijLengte(int breedte) {
    return (breedte * 3 + 3) & ~3;
}

template <typename T> void zet(QByteArray &kop, int plaats, T waarde) {
    qToLittleEndian<T>(waarde, kop.data() + plaats);
}

template <typename T> T veld(const QByteArray &bytes, int plaats) {
    return qFromLittleEndian<T>(bytes.constData() + plaats);
}

} // namespace

bool schrijf24(const QImage &picture, QIODevice &device) {
    const QImage rgb = picture.format() == QImage::Format_RGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    const int breedte = rgb.width(), hoogte = rgb.height(), rij = rijLengte(breedte);
    QByteArray bytes(kKop + qsizetype(rij) * hoogte, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    zet<quint32>(bytes, 2, quint32(bytes.size()));
    zet<quint32>(bytes, 10, kKop);
    zet<quint32>(bytes, 14, 40);
    zet<qint32>(bytes, 18, breedte);
    zet<qint32>(bytes, 22, hoogte);
    zet<quint16>(bytes, 26, 1);
    zet<quint16>(bytes, 28, 24);
    zet<quint32>(bytes, 34, quint32(rij * hoogte));
    zet<qint32>(bytes, 38, 3780); // 96 DPI
    zet<qint32>(bytes, 42, 3780);
    for (int y = 0; y < hoogte; ++y) { // bottom row first
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        auto *uit =
            reinterpret_cast<uchar *>(bytes.data()) + kKop + qsizetype(rij) * (hoogte - 1 - y);
        for (int x = 0; x < breedte; ++x) {
            *uit++ = uchar(qBlue(in[x]));
            *uit++ = uchar(qGreen(in[x]));
            *uit++ = uchar(qRed(in[x]));
        }
    }
    return device.write(bytes) == bytes.size();
}

std::optional<QImage> lees24(const QByteArray &bytes) {
    if (bytes.size() < kKop || !bytes.startsWith("BM") || veld<quint32>(bytes, 14) < 40 ||
        veld<quint16>(bytes, 26) != 1 || veld<quint16>(bytes, 28) != 24 ||
        veld<quint32>(bytes, 30) != 0)
        return std::nullopt;
    const qint64 breedte = veld<qint32>(bytes, 18), hoogteVeld = veld<qint32>(bytes, 22);
    const qint64 hoogte = std::abs(hoogteVeld), begin = veld<quint32>(bytes, 10);
    if (breedte <= 0 || hoogte == 0 || breedte > kGrootsteZijde || hoogte > kGrootsteZijde)
        return std::nullopt;
    const int rij = rijLengte(int(breedte));
    // Every pixel must be there; the padding of the last row may be missing.
    if (begin < kKop || begin + rij * (hoogte - 1) + breedte * 3 > bytes.size())
        return std::nullopt;
    // The rows are blue-green-red triples: Qt's own converter turns them into pixels,
    // then the rows are put top first (they are usually stored bottom-up).
    const QImage rijen(reinterpret_cast<const uchar *>(bytes.constData()) + begin, int(breedte),
                       int(hoogte), rij, QImage::Format_BGR888);
    QImage picture = rijen.convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) return std::nullopt;
    if (hoogteVeld > 0) picture.mirror(false, true);
    return picture;
}

} // namespace BmpCodec
