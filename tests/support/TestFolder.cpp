#include "TestFolder.h"

#include "GifWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

QString TestFolder::path(const QString &relative) const {
    QString tail = QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    return dir_.path() + QLatin1Char('/') + tail;
}

QString TestFolder::makeDir(const QString &relative) const {
    return QDir().mkpath(path(relative)), path(relative);
}

QString TestFolder::writeFile(const QString &relative, const QByteArray &content) const {
    QFile file(path(relative));
    QDir().mkpath(QFileInfo(file).path());
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    return file.fileName();
}

QString TestFolder::writePicture(const QString &relative, const QImage &picture) const {
    return writeFile(relative, pictureFile(picture, qPrintable(QFileInfo(relative).suffix())));
}

QByteArray TestFolder::readFile(const QString &relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Little-endian fields of `lengte` bytes each.
static void zet(QByteArray &bytes, int lengte, std::initializer_list<qint64> waarden) {
    for (const qint64 waarde : waarden)
        for (int i = 0; i < lengte; ++i)
            bytes.append(char(waarde >> (8 * i)));
}

// One stored row: indices packed from the high bits, or each component's top bits in its mask.
static QByteArray rij(const QImage &beeld, int y, const BmpVorm &v) {
    QByteArray bytes;
    const int perByte = v.bits > 8 ? 1 : 8 / v.bits;
    for (int x = 0; x < beeld.width(); x += perByte) {
        quint32 waarde = 0;
        for (int i = 0; v.bits <= 8 && i < perByte; ++i)
            waarde = waarde << v.bits | (x + i < beeld.width() ? beeld.pixelIndex(x + i, y) : 0);
        const int kleur[] = {qRed(beeld.pixel(x, y)), qGreen(beeld.pixel(x, y)),
                             qBlue(beeld.pixel(x, y))};
        for (int i = 0; v.bits > 8 && i < 3; ++i)
            waarde |= quint32(kleur[i]) >> (8 - qPopulationCount(v.maskers[i]))
                                               << qCountTrailingZeroBits(v.maskers[i]);
        zet(bytes, std::max(1, v.bits / 8), {waarde});
    }
    return bytes + QByteArray(-bytes.size() & 3, '\0');
}

// Run-length coded rows, bottom row first, in runs of one index. Runs of index 0 are
// skipped: by a delta, by an early end of the line, of the picture, or by a delta down.
static QByteArray rle(const QImage &beeld, int bits) {
    const int w = beeld.width(), h = beeld.height();
    const auto index = [&](int r, int x) { return beeld.pixelIndex(x, h - 1 - r); };
    std::vector<int> eind(h, 0); // per row: one past its last pixel that is not index 0
    for (int r = 0; r < h; ++r)
        for (int x = 0; x < w; ++x)
            eind[r] = index(r, x) ? x + 1 : eind[r];
    QByteArray uit;
    for (int r = 0, leeg = 0; r<h && * std::max_element(eind.begin() + r, eind.end())> 0; ++r) {
        if (eind[r] == 0 && ++leeg) continue; // skipped by the next delta down
        if (leeg) zet(uit, 1, {0, 2, 0, leeg});
        leeg = 0;
        for (int x = 0, n = 1; x < eind[r]; x += n) {
            for (n = 1; x + n < eind[r] && index(r, x + n) == index(r, x);)
                ++n;
            if (const int i = index(r, x))
                zet(uit, 1, {n, bits == 4 ? i * 17 : i});
            else
                zet(uit, 1, {0, 2, n, 0});
        }
        zet(uit, 1, {0, 0});
    }
    zet(uit, 1, {0, 1});
    return uit;
}

QByteArray bmpBestand(const QImage &beeld, const BmpVorm &v) {
    const int w = beeld.width(), h = beeld.height();
    QByteArray kleuren, pixels = v.rle() ? rle(beeld, v.bits) : QByteArray(), kop;
    for (const QRgb kleur : beeld.colorTable())
        zet(kleuren, v.kop == 12 ? 3 : 4, {kleur & 0xffffff});
    for (int r = 0; r < h && !v.rle(); ++r)
        pixels += rij(beeld, v.bovenEerst ? r : h - 1 - r, v);
    zet(kop, 4, {v.kop});
    zet(kop, v.kop == 12 ? 2 : 4, {w, v.bovenEerst ? -h : h});
    zet(kop, 2, {1, v.bits});
    if (v.kop > 12) zet(kop, 4, {v.compressie, pixels.size(), 3780, 3780, beeld.colorCount(), 0});
    if (v.kop >= 108 || v.compressie == 3) zet(kop, 4, {v.maskers[0], v.maskers[1], v.maskers[2]});
    if (v.kop >= 108) kop += QByteArray(4, '\0') + "BGRs" + QByteArray(v.kop - 60, '\0'); // sRGB
    QByteArray bestand("BM");
    const qint64 begin = 14 + kop.size() + kleuren.size();
    zet(bestand, 4, {begin + pixels.size(), 0, begin});
    return (bestand + kop + kleuren + pixels).chopped(v.zonderPadding);
}

QImage filledPicture(int width, int height, QRgb colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QImage bont(int width, int height, quint32 seed) {
    QImage picture(width, height, QImage::Format_RGB888);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(picture.bits()),
                                     picture.sizeInBytes() / 4);
    return picture.convertToFormat(QImage::Format_RGB32);
}

bool withFileLimit(qint64 bytes, const std::function<bool()> &write) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit limit{rlim_t(bytes), old.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool done = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    return done;
}

bool makePipe(const QString &path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool withoutWaiting(const QString &pipe, const std::function<void()> &read) {
    std::atomic<bool> done{false}, waited{false};
    std::thread watch([&] {
        for (int ticks = 1; !done; ++ticks) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (done || ticks % 300 != 0) continue;
            waited = true;
            ::close(::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK));
        }
    });
    read();
    done = true;
    watch.join();
    return !waited;
}

bool isPipe(const QString &path) {
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

QByteArray pictureFile(const QImage &picture, const char *format) {
    QByteArray data;
    QBuffer buffer(&data); // opened by the save
    if (!picture.save(&buffer, format)) qFatal("cannot write a %s picture", format);
    return data;
}

QRect differingRect(const QImage &a, const QImage &b) {
    QRect rect;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) rect |= QRect(x, y, 1, 1);
    return rect;
}

QByteArray bmpHeader(qint32 width, qint32 height) {
    QByteArray header("BM");
    zet(header, 4, {0, 0, 54, 40, width, height});
    zet(header, 2, {1, 24});
    return header + QByteArray(24, '\0');
}

QByteArray gifFile(const QImage &picture) {
    const TestFolder map;
    QString fout;
    if (!GifWriter::write(picture, map.path("p.gif"), &fout))
        qFatal("cannot write a GIF: %s", qPrintable(fout));
    return map.readFile("p.gif");
}
