#include "ui/BmpCodec.h"

#include <QIODevice>
#include <QtEndian>

#include <cstdlib>
#include <cstring>

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
    // Qt's converter makes the blue-green-red rows, each already padded to 4 bytes as
    // the file wants them; the padding is zeroed so that equal pictures give equal files.
    QImage rijen = picture.convertToFormat(QImage::Format_BGR888);
    const int breedte = rijen.width(), hoogte = rijen.height(), rij = rijLengte(breedte);
    if (rijen.isNull() || rijen.bytesPerLine() != rij) return false;
    for (int y = 0; y < hoogte; ++y)
        std::memset(rijen.scanLine(y) + qsizetype{breedte} * 3, 0, size_t(rij - breedte * 3));
    rijen.mirror(false, true); // bottom row first

    QByteArray kop(kKop, '\0');
    kop[0] = 'B';
    kop[1] = 'M';
    zet<quint32>(kop, 2, quint32(kKop + qsizetype(rij) * hoogte));
    zet<quint32>(kop, 10, kKop);
    zet<quint32>(kop, 14, 40);
    zet<qint32>(kop, 18, breedte);
    zet<qint32>(kop, 22, hoogte);
    zet<quint16>(kop, 26, 1);
    zet<quint16>(kop, 28, 24);
    zet<quint32>(kop, 34, quint32(rij * hoogte));
    zet<qint32>(kop, 38, 3780); // 96 DPI
    zet<qint32>(kop, 42, 3780);
    const qint64 pixels = qint64(rij) * hoogte;
    return device.write(kop) == kKop &&
           device.write(reinterpret_cast<const char *>(rijen.constBits()), pixels) == pixels;
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
