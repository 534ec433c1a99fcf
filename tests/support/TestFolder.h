#pragma once

#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <array>
#include <functional>

// A fresh application folder for one test, removed afterwards. Paths are written
// as the program writes them ("\Symbolen\weerstanden\R.bmp") or with "/".
class TestFolder {
public:
    QString root() const { return dir_.path(); }
    QString path(const QString &relative) const;

    // A folder, a file, a picture in the format its extension names, each made with the
    // folders above it; they return its path.
    QString makeDir(const QString &relative) const;
    QString writeFile(const QString &relative, const QByteArray &content) const;
    QString writePicture(const QString &relative, const QImage &picture) const;
    QByteArray readFile(const QString &relative) const;

private:
    QTemporaryDir dir_;
};

// A picture of one colour, in RGB32.
QImage filledPicture(int width, int height, QRgb colour);

// Noise: many colours, which no file format can squeeze, and a pixel in the wrong place
// shows. The same seed gives the same picture.
QImage bont(int width, int height, quint32 seed = 1);

// Runs `write` while no file of this process may grow beyond `bytes`, as on a full disk: a
// write past it fails (EFBIG) rather than ending the process.
bool withFileLimit(qint64 bytes, const std::function<bool()> &write);

// Makes a pipe (a FIFO) at `path`; whether that was done.
bool makePipe(const QString &path);
// Runs `read`, which may open the pipe `pipe`. Whether it never waited for a writer: one
// that does is let go after three seconds (a writer opens and closes the pipe, which
// then reads as empty), so that the test fails instead of hanging.
bool withoutWaiting(const QString &pipe, const std::function<void()> &read);
// Whether `path` is a pipe (not a link to one).
bool isPipe(const QString &path);

// A picture as the bytes of a file in the given format, written by Qt.
QByteArray pictureFile(const QImage &picture, const char *format = "BMP");

// The smallest rectangle holding every pixel in which two pictures of one size differ.
QRect differingRect(const QImage &a, const QImage &b);

// How a BMP stores its pixels: header length 12 (OS/2), 40, 108 (V4) or 124 (V5); bits per
// pixel; compression 0 none, 1 RLE8, 2 RLE4, 3 bit fields; the masks of red, green and blue
// (pixels of 16 bits or more); rows top first; bytes of the last row's padding left out.
struct BmpVorm {
    int kop, bits, compressie;
    std::array<quint32, 3> maskers;
    bool bovenEerst;
    int zonderPadding = 0;
    bool rle() const { return compressie == 1 || compressie == 2; }
};

// A picture (indexed up to 8 bits) as a BMP stored so, as other programs write them.
QByteArray bmpBestand(const QImage &beeld, const BmpVorm &vorm);

// The 54-byte header of a 24-bit BMP claiming the given size, with no pixel data.
QByteArray bmpHeader(qint32 width, qint32 height);

// A picture as a GIF file, written by the starter content's GIF writer (Qt reads GIF but
// does not write it): pixels with alpha 0 are the transparent colour.
QByteArray gifFile(const QImage &picture);
