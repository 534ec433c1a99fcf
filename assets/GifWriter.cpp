#include "GifWriter.h"

#include <QFile>
#include <QHash>
#include <QVector>

#include <gif_lib.h>

#include <memory>
#include <optional>

namespace GifWriter {

namespace {

constexpr int kTransparent = 0;

struct Indexed {
    QVector<QRgb> colours; // entry 0 is the transparent one
    QVector<QByteArray> rows;
};

// The picture as colour-table indexes; nothing when it has too many colours.
std::optional<Indexed> index(const QImage &argb) {
    Indexed result;
    result.colours << qRgb(255, 255, 255);
    QHash<QRgb, int> known;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        QByteArray row(argb.width(), char(kTransparent));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            const QRgb colour = line[x] | 0xff000000;
            int entry = known.value(colour, -1);
            if (entry < 0) {
                if (result.colours.size() == 256) return std::nullopt;
                entry = int(result.colours.size());
                known.insert(colour, entry);
                result.colours << colour;
            }
            row[x] = char(entry);
        }
        result.rows << row;
    }
    return result;
}

struct MapDeleter {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

bool fail(QString *error, const QString &reason) {
    if (error) *error = reason;
    return false;
}

} // namespace

bool write(const QImage &picture, const QString &path, QString *error) {
    if (picture.isNull() || picture.width() > 65535 || picture.height() > 65535)
        return fail(error, QStringLiteral("no picture, or too large for GIF"));
    const std::optional<Indexed> indexed = index(picture.convertToFormat(QImage::Format_ARGB32));
    if (!indexed) return fail(error, QStringLiteral("more than 255 colours"));

    int tableSize = 2;
    while (tableSize < indexed->colours.size())
        tableSize *= 2;
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(tableSize, nullptr));
    if (!map) return fail(error, QStringLiteral("out of memory"));
    for (int i = 0; i < tableSize; ++i) {
        const QRgb colour = i < indexed->colours.size() ? indexed->colours[i] : 0;
        map->Colors[i] = {GifByteType(qRed(colour)), GifByteType(qGreen(colour)),
                          GifByteType(qBlue(colour))};
    }

    int code = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &code);
    if (!gif) return fail(error, QString::fromUtf8(GifErrorString(code)));
    EGifSetGifVersion(gif, true);
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, kTransparent};
    GifByteType extension[4];
    const size_t extensionSize = EGifGCBToExtension(&control, extension);
    bool ok =
        EGifPutScreenDesc(gif, picture.width(), picture.height(), 8, kTransparent, map.get()) ==
            GIF_OK &&
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(extensionSize), extension) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, picture.width(), picture.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < picture.height(); ++y) {
        QByteArray row = indexed->rows[y];
        ok = EGifPutLine(gif, reinterpret_cast<GifPixelType *>(row.data()), picture.width()) ==
             GIF_OK;
    }
    if (!ok) code = gif->Error;
    if (EGifCloseFile(gif, &code) != GIF_OK) ok = false;
    if (!ok) {
        QFile::remove(path);
        return fail(error, QString::fromUtf8(GifErrorString(code)));
    }
    return true;
}

} // namespace GifWriter
