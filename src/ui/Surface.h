#pragma once

#include <QIODevice>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

#include <functional>

// A picture that keeps its pixels: every sheet, preview and scratch picture of the
// program is one. Coordinates are whole pixels from the top-left corner, x to the
// right and y downwards. Everything outside the picture is clipped: reading there
// gives Surface::kOutside, writing there does nothing.
//
// Drawing rules that the rest of the program relies on, pixel for pixel:
//  - a 1-pixel line from (x1, y1) to (x2, y2) covers its start point but not its end point;
//  - a wider line is drawn with round ends around both points;
//  - an outlined box (x1, y1)-(x2, y2) covers its four edges including both corners,
//    a filled box covers the whole area including the edges;
//  - text is placed with the top-left corner of its line box at the given point and
//    changes only the pixels of its letters.
class Surface {
public:
    enum class DrawMode { Copy, Invert };

    static constexpr QRgb kOutside = 0x00000000; // no alpha: never a colour of a picture
    static constexpr QRgb kWhite = 0xffffffff;

    struct TextStyle {
        QString family = QStringLiteral("Arial");
        qreal pointSize = 9;
        bool bold = false;
        QRgb colour = 0xff000000;
        qreal letterSpacing = 0; // extra pixels after every character
    };

    explicit Surface(int width = 0, int height = 0, QRgb background = kWhite);
    explicit Surface(const QImage &picture);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    QSize size() const { return image_.size(); }
    QRect rect() const { return image_.rect(); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }

    // The colour that clear() and resize() fill with.
    QRgb background() const { return background_; }
    void setBackground(QRgb colour) { background_ = opaque(colour); }

    // New size; the pixels that still fit stay where they are, new ones get the background.
    void resize(int width, int height);
    void clear();

    QRgb pixel(int x, int y) const;
    void setPixel(int x, int y, QRgb colour);

    // Plain copy of a rectangle of another picture, clipped on both sides.
    void copyFrom(const Surface &source, const QRect &sourceRect, QPoint target);
    // Copy of a rectangle stretched (or shrunk) into a target rectangle, without smoothing.
    void stretchFrom(const QImage &source, const QRect &sourceRect, const QRect &targetRect);

    DrawMode drawMode() const { return drawMode_; }
    void setDrawMode(DrawMode mode) { drawMode_ = mode; }
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int width) { lineWidth_ = width < 1 ? 1 : width; }

    void drawLine(int x1, int y1, int x2, int y2, QRgb colour);
    void drawBox(int x1, int y1, int x2, int y2, QRgb colour);
    void fillBox(int x1, int y1, int x2, int y2, QRgb colour);
    void drawCircle(int cx, int cy, int radius, QRgb colour);
    void drawText(int x, int y, const QString &text, const TextStyle &style);
    static QSize textSize(const QString &text, const TextStyle &style);

    // Loads a picture file (read by PictureFile) over this picture at (0, 0); the size
    // stays, the rest is background. Returns false, leaving the pixels unchanged, when
    // the file cannot be read.
    bool load(const QString &path);
    // Paints a picture over this one at (0, 0); the size stays, the rest is background.
    void paste(const QImage &picture);
    // Takes over the picture, its size included.
    void setImage(const QImage &picture);
    // Saves as a 24-bit BMP.
    bool saveBmp(const QString &path) const;
    bool saveBmp(QIODevice &device) const;

    const QImage &image() const { return image_; }

    // Called after every change of the pixels, for a view that shows this picture.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    static QRgb opaque(QRgb colour) { return colour | 0xff000000; }
    // An opaque RGB32 version of a picture; transparent parts become white.
    static QImage opaqueCopy(const QImage &picture);

private:
    void changed() const;
    void plot(int x, int y, QRgb colour);
    void span(int x1, int x2, int y, QRgb colour); // a clipped row of pixels, no notice
    void wideLine(int x1, int y1, int x2, int y2, QRgb colour);
    QFont fontFor(const TextStyle &style) const;

    QImage image_;
    QRgb background_;
    DrawMode drawMode_ = DrawMode::Copy;
    int lineWidth_ = 1;
    std::function<void()> listener_;
};

// Grey g is the colour (g, g, g).
constexpr QRgb grey(int g) {
    return qRgb(g, g, g);
}
