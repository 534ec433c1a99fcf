#include "ui/PictureFile.h"

#include "ui/BmpCheck.h"
#include "ui/BmpCodec.h"
#include "ui/DiskNames.h"
#include "ui/Surface.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace PictureFile {

namespace {

// Bounds for picture files: larger pictures are refused before they are decoded.
constexpr qint64 kMaxSide = 16384;
constexpr qint64 kMaxPixels = 40'000'000;

// The largest picture file read: a plain 24-bit BMP of the largest picture allowed.
constexpr qint64 kMaxFileBytes = 4 * kMaxPixels + 1024;

// Larger pictures than any screen's sheet are refused: they are broken or hostile files.
// A BMP stored top row first announces its height as a negative number.
bool tooLarge(QSize size) {
    const qint64 width = size.width(), height = std::abs(qint64(size.height()));
    return width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
           width * height > kMaxPixels;
}

// A BMP whose pixel data is run-length coded (RLE8 or RLE4): its codes may skip pixels.
bool runLengthCoded(const QByteArray &bytes) {
    if (bytes.size() < 34 || !bytes.startsWith("BM") ||
        qFromLittleEndian<quint32>(bytes.constData() + 14) < 40)
        return false;
    const quint32 compression = qFromLittleEndian<quint32>(bytes.constData() + 30);
    return compression == 1 || compression == 2;
}

// The picture Qt's BMP reader decodes into, filled beforehand: the reader keeps a
// picture of the size and format it needs and writes only the pixels the file gives.
// Index 0 for a palette picture (the first palette colour, which a run-length coded
// file's skipped pixels are meant to show), opaque black otherwise.
QImage blankPicture(QSize size, QImage::Format format) {
    QImage picture(size.width(), std::abs(size.height()), format);
    if (!picture.isNull()) picture.fill(picture.depth() <= 8 ? 0u : 0xff000000u);
    return picture;
}

} // namespace

std::optional<QImage> read(const QString &path) {
    return readNative(QFile::encodeName(path));
}

std::optional<QImage> readNative(const QByteArray &nativePath) {
    // Read, not mapped: the pages of a mapped file that another program cuts short
    // meanwhile end the program with SIGBUS when they are touched.
    const std::optional<QByteArray> bytes = DiskNames::read(nativePath, kMaxFileBytes);
    return bytes ? decode(*bytes) : std::nullopt;
}

std::optional<QImage> decode(const QByteArray &bytes) {
    if (!bmpInhoudVolledig(bytes)) return std::nullopt;
    // A plain 24-bit BMP, as the program writes its sheets and symbols, read directly.
    if (std::optional<QImage> eigen = BmpCodec::lees24(bytes))
        return tooLarge(eigen->size()) ? std::nullopt : eigen;
    // Qt's BMP reader reads each row with its padding: a file that leaves out the last
    // row's padding, as some programs do, would lose that row.
    QBuffer buffer;
    buffer.setData(bytes.startsWith("BM") ? bytes + QByteArray(3, '\0') : bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (tooLarge(reader.size())) return std::nullopt;
    QImage picture;
    if (bytes.startsWith("BM")) picture = blankPicture(reader.size(), reader.imageFormat());
    const uchar *const blank = picture.constBits();
    // Checked again once decoded: the size a GIF announces is its first frame's, while
    // the picture is as large as its logical screen (Qt's allocation limit bounds that).
    if (!reader.read(&picture) || picture.isNull() || tooLarge(picture.size())) return std::nullopt;
    // Skipped pixels decoded into a picture of the reader's own would be whatever
    // memory held before.
    if (runLengthCoded(bytes) && (blank == nullptr || picture.constBits() != blank))
        return std::nullopt;
    return Surface::opaqueCopy(picture);
}

} // namespace PictureFile
