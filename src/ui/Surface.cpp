#include "ui/Surface.h"

#include "ui/BmpCodec.h"
#include "ui/PictureFile.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Pictures are kept at 96 DPI so that a font of 9 points is 12 pixels high, as on
// the screens the layout was made for.
constexpr int kDotsPerMeter96Dpi = 3780;

QImage preparedImage(QImage image) {
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    return image;
}

QRgb inverted(QRgb colour) {
    return (~colour & 0x00ffffff) | 0xff000000;
}

} // namespace

Surface::Surface(int width, int height, QRgb background)
    : image_(preparedImage(QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32))),
      background_(opaque(background)) {
    image_.fill(background_);
}

Surface::Surface(const QImage &picture)
    : image_(preparedImage(opaqueCopy(picture))), background_(kWhite) {}

QImage Surface::opaqueCopy(const QImage &picture) {
    if (picture.format() == QImage::Format_RGB32) return picture;
    if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB32);
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    painter.end();
    return opaque;
}

void Surface::changed() const {
    if (listener_) listener_();
}

void Surface::resize(int width, int height) {
    QImage resized =
        preparedImage(QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32));
    resized.fill(background_);
    const int rows = std::min(height, image_.height());
    const int bytes = std::min(width, image_.width()) * 4;
    for (int y = 0; y < rows && bytes > 0; ++y)
        std::memcpy(resized.scanLine(y), image_.constScanLine(y), size_t(bytes));
    image_ = resized;
    changed();
}

void Surface::clear() {
    image_.fill(background_);
    changed();
}

QRgb Surface::pixel(int x, int y) const {
    if (!contains(x, y)) return kOutside;
    return reinterpret_cast<const QRgb *>(image_.constScanLine(y))[x];
}

void Surface::setPixel(int x, int y, QRgb colour) {
    if (!contains(x, y)) return;
    reinterpret_cast<QRgb *>(image_.scanLine(y))[x] = opaque(colour);
    changed();
}

void Surface::plot(int x, int y, QRgb colour) {
    if (!contains(x, y)) return;
    QRgb &target = reinterpret_cast<QRgb *>(image_.scanLine(y))[x];
    target = drawMode_ == DrawMode::Invert ? inverted(target) : colour;
}

void Surface::copyFrom(const Surface &source, const QRect &sourceRect, QPoint target) {
    // Clip the source rectangle to the source, then the shifted result to this picture.
    QRect from = sourceRect.intersected(source.rect());
    QRect to = from.translated(target - sourceRect.topLeft()).intersected(rect());
    if (to.isEmpty()) return;
    from = to.translated(sourceRect.topLeft() - target);
    const QImage copy = &source == this ? image_.copy(from) : QImage();
    const QImage &src = &source == this ? copy : source.image_;
    const QPoint srcOrigin = &source == this ? QPoint(0, 0) : from.topLeft();
    for (int row = 0; row < to.height(); ++row) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(srcOrigin.y() + row));
        auto *out = reinterpret_cast<QRgb *>(image_.scanLine(to.y() + row));
        std::memcpy(out + to.x(), in + srcOrigin.x(), size_t(to.width()) * 4);
    }
    changed();
}

void Surface::stretchFrom(const QImage &source, const QRect &sourceRect, const QRect &targetRect) {
    if (sourceRect.isEmpty() || targetRect.isEmpty()) return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(targetRect, source, sourceRect);
    painter.end();
    changed();
}

void Surface::drawLine(int x1, int y1, int x2, int y2, QRgb colour) {
    colour = opaque(colour);
    if (lineWidth_ > 1) {
        wideLine(x1, y1, x2, y2, colour);
    } else if (y1 == y2 && x1 != x2) {
        // Horizontal: the pixels from x1 towards x2, without x2.
        fillBox(x1 < x2 ? x1 : x2 + 1, y1, x1 < x2 ? x2 - 1 : x1, y1, colour);
    } else if (x1 == x2 && y1 != y2) {
        fillBox(x1, y1 < y2 ? y1 : y2 + 1, x1, y1 < y2 ? y2 - 1 : y1, colour);
    } else {
        // Bresenham, leaving out the end point (nothing at all for a zero-length line).
        const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
        const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
        int error = dx + dy, x = x1, y = y1;
        while (x != x2 || y != y2) {
            plot(x, y, colour);
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x += sx;
            }
            if (twice <= dx) {
                error += dx;
                y += sy;
            }
        }
    }
    changed();
}

void Surface::wideLine(int x1, int y1, int x2, int y2, QRgb colour) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(drawMode_ == DrawMode::Invert ? QPainter::RasterOp_NotDestination
                                                             : QPainter::CompositionMode_Source);
    painter.setPen(
        QPen(QColor::fromRgb(colour), lineWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(x1, y1, x2, y2);
}

void Surface::span(int x1, int x2, int y, QRgb colour) {
    if (y < 0 || y >= height()) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width() - 1);
    if (x1 > x2) return;
    auto *row = reinterpret_cast<QRgb *>(image_.scanLine(y));
    if (drawMode_ == DrawMode::Copy)
        std::fill(row + x1, row + x2 + 1, colour);
    else
        std::transform(row + x1, row + x2 + 1, row + x1, inverted);
}

void Surface::drawBox(int x1, int y1, int x2, int y2, QRgb colour) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    colour = opaque(colour);
    // Every edge pixel once, so that an inverted box can be taken away again.
    span(x1, x2, y1, colour);
    if (y2 != y1) span(x1, x2, y2, colour);
    for (int y = y1 + 1; y < y2; ++y) {
        span(x1, x1, y, colour);
        if (x2 != x1) span(x2, x2, y, colour);
    }
    changed();
}

void Surface::fillBox(int x1, int y1, int x2, int y2, QRgb colour) {
    if (y1 > y2) std::swap(y1, y2);
    colour = opaque(colour);
    for (int y = std::max(y1, 0); y <= std::min(y2, height() - 1); ++y)
        span(std::min(x1, x2), std::max(x1, x2), y, colour);
    changed();
}

void Surface::drawCircle(int cx, int cy, int radius, QRgb colour) {
    // Midpoint circle: the first octant, from (radius, 0) up to the diagonal, then its
    // mirror images. A last pixel on the diagonal straight above the one before would
    // form an L with its mirror image and make the outline two pixels thick there.
    std::vector<QPoint> octant;
    for (int x = radius, y = 0, error = 1 - radius; x >= y; ++y) {
        octant.emplace_back(x, y);
        if (error < 0) {
            error += 2 * y + 3;
        } else {
            --x;
            error += 2 * (y - x) + 3;
        }
    }
    const size_t n = octant.size();
    if (n >= 2 && octant[n - 1].x() == octant[n - 1].y() && octant[n - 2].x() == octant[n - 1].x())
        octant.pop_back();
    // Points are collected first so that none is drawn twice, which matters when inverting.
    std::vector<QPoint> points;
    for (const QPoint p : octant)
        for (const QPoint q :
             {QPoint(p.x(), p.y()), QPoint(p.y(), p.x()), QPoint(-p.y(), p.x()),
              QPoint(-p.x(), p.y()), QPoint(-p.x(), -p.y()), QPoint(-p.y(), -p.x()),
              QPoint(p.y(), -p.x()), QPoint(p.x(), -p.y())})
            points.push_back(q);
    std::sort(points.begin(), points.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    colour = opaque(colour);
    for (const QPoint p : points)
        plot(cx + p.x(), cy + p.y(), colour);
    changed();
}

QFont Surface::fontFor(const TextStyle &style) const {
    QFont font(style.family);
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    if (style.letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, style.letterSpacing);
    return font;
}

void Surface::drawText(int x, int y, const QString &text, const TextStyle &style) {
    if (text.isEmpty() || image_.isNull()) return;
    QPainter painter(&image_);
    const QFont font = fontFor(style);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(opaque(style.colour)));
    painter.drawText(x, y + QFontMetrics(font, &image_).ascent(), text);
    painter.end();
    changed();
}

QSize Surface::textSize(const QString &text, const TextStyle &style) {
    static const QImage measure = preparedImage(QImage(1, 1, QImage::Format_RGB32));
    const QFontMetrics metrics(Surface().fontFor(style), &measure);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

bool Surface::load(const QString &path) {
    const std::optional<QImage> picture = PictureFile::read(path);
    if (!picture) return false;
    paste(*picture);
    return true;
}

void Surface::paste(const QImage &picture) {
    const QImage opaquePicture = opaqueCopy(picture);
    image_.fill(background_);
    const int rows = std::min(opaquePicture.height(), height());
    const int bytes = std::min(opaquePicture.width(), width()) * 4;
    for (int y = 0; y < rows && bytes > 0; ++y)
        std::memcpy(image_.scanLine(y), opaquePicture.constScanLine(y), size_t(bytes));
    changed();
}

void Surface::setImage(const QImage &picture) {
    image_ = preparedImage(opaqueCopy(picture));
    changed();
}

bool Surface::saveBmp(const QString &path) const {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && saveBmp(file) && file.flush();
}

bool Surface::saveBmp(QIODevice &device) const {
    return BmpCodec::schrijf24(image_, device);
}
