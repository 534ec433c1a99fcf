#include "editor/VergrootPng.h"

#include <QIODevice>
#include <QImage>

#include <png.h>

#include <vector>

namespace VergrootPng {

namespace {

struct Uitvoer {
    QIODevice *device;
    bool gelukt = true;
};

void schrijfBytes(png_structp png, png_bytep data, size_t lengte) {
    auto *uit = static_cast<Uitvoer *>(png_get_io_ptr(png));
    if (uit->gelukt &&
        uit->device->write(reinterpret_cast<const char *>(data), qint64(lengte)) != qint64(lengte))
        uit->gelukt = false;
}

void spoel(png_structp) {}

void rijen(png_structp png, png_infop info, const QImage &blad, int vergroting, png_bytep rij) {
    png_set_IHDR(png, info, png_uint_32(blad.width() * vergroting),
                 png_uint_32(blad.height() * vergroting), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Blocks of one colour: the difference to the left pixel is mostly zero, which
    // packs well and fast.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (int y = 0; y < blad.height(); ++y) {
        const auto *bron = reinterpret_cast<const QRgb *>(blad.constScanLine(y));
        png_bytep doel = rij;
        for (int x = 0; x < blad.width(); ++x)
            for (int k = 0; k < vergroting; ++k) {
                *doel++ = png_byte(qRed(bron[x]));
                *doel++ = png_byte(qGreen(bron[x]));
                *doel++ = png_byte(qBlue(bron[x]));
            }
        for (int k = 0; k < vergroting; ++k)
            png_write_row(png, rij);
    }
    png_write_end(png, info);
}

// libpng reports a failure by a jump back to here; nothing between needs unwinding.
bool schrijfMetSprong(png_structp png, png_infop info, const QImage &blad, int vergroting,
                      png_bytep rij) {
    if (setjmp(png_jmpbuf(png))) return false;
    rijen(png, info, blad, vergroting, rij);
    return true;
}

} // namespace

bool schrijf(const QImage &blad, int vergroting, QIODevice &uit) {
    if (blad.isNull() || vergroting < 1 || vergroting > kGrootste) return false;
    const QImage rgb = blad.convertToFormat(QImage::Format_RGB32);
    std::vector<png_byte> rij(size_t(rgb.width()) * size_t(vergroting) * 3);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    Uitvoer uitvoer{&uit};
    bool gelukt = false;
    if (info) {
        png_set_write_fn(png, &uitvoer, schrijfBytes, spoel);
        gelukt = schrijfMetSprong(png, info, rgb, vergroting, rij.data());
    }
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return gelukt && uitvoer.gelukt;
}

} // namespace VergrootPng
