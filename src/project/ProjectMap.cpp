#include "project/ProjectMap.h"

#include "project/DatTekst.h"
#include "ui/AppFolder.h"
#include "ui/Surface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace {

const QStringList kExtensies = {QStringLiteral(".dat"), QStringLiteral(".brb"),
                                QStringLiteral(".ovb")}; // the marker file last
const QString kNieuw = QStringLiteral(".nieuw");
const QString kMarker = QStringLiteral(".opslaan");
constexpr qint64 kMaxLijst = 16 * 1024 * 1024;

// Writes a file in full and makes sure it is on the disk before anything points to it.
bool schrijfVast(const QString &path, const std::function<bool(QFile &)> &inhoud) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const bool written = inhoud(file) && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        QFile::remove(path);
        return false;
    }
    return true;
}

// Moves a file over another, replacing it in one step.
bool vervang(const QString &from, const QString &to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

ProjectMap::ProjectMap(QString folder) : folder_(std::move(folder)) {}

QString ProjectMap::pad(const QString &naam, const QString &extensie) const {
    return folder_ + QLatin1Char('/') + naam + extensie;
}

bool ProjectMap::geldigeNaam(const QString &naam) {
    if (naam.isEmpty() || naam == QLatin1String(".") || naam == QLatin1String("..")) return false;
    for (const QChar teken : naam)
        if (teken.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(teken)) return false;
    return true;
}

QStringList ProjectMap::namen() const {
    herstel();
    QStringList namen;
    // A file named just ".ovb" counts too, as an empty name (which cannot be opened).
    for (const QString &file : AppFolder::files(folder_, {QStringLiteral("*.ovb")}, true))
        namen << file.left(file.size() - 4);
    return namen;
}

bool ProjectMap::bestaat(const QString &naam) const {
    return QFileInfo(pad(naam, QStringLiteral(".ovb"))).isFile();
}

ProjectMap::Fout ProjectMap::opslaan(const QString &naam, const Surface &Pic, const Surface &Pic2,
                                     const QString &lijst,
                                     const std::function<bool(int)> &naStap) const {
    if (!geldigeNaam(naam)) return OngeldigeNaam;
    if (!QDir().mkpath(folder_)) return MapNietGemaakt;
    herstel();
    const auto verder = [&naStap](int stap) { return !naStap || naStap(stap); };
    const auto bmp = [](const Surface &sheet) {
        return [&sheet](QFile &file) { return sheet.saveBmp(file); };
    };
    const std::function<bool(QFile &)> inhoud[] = {[&lijst](QFile &file) {
                                                       const QByteArray bytes =
                                                           DatTekst::codeer(lijst);
                                                       return file.write(bytes) == bytes.size();
                                                   },
                                                   bmp(Pic2), bmp(Pic)};
    for (int i = 0; i < 3; ++i) {
        if (!schrijfVast(pad(naam, kExtensies[i] + kNieuw), inhoud[i])) {
            for (const QString &extensie : kExtensies)
                QFile::remove(pad(naam, extensie + kNieuw));
            return SchrijvenMislukt;
        }
        if (!verder(1 + i)) return Geen;
    }
    if (!schrijfVast(pad(naam, kMarker), [](QFile &) { return true; })) return SchrijvenMislukt;
    if (!verder(4)) return Geen;
    for (int i = 0; i < 3; ++i) {
        if (!vervang(pad(naam, kExtensies[i] + kNieuw), pad(naam, kExtensies[i])))
            return VervangenMislukt;
        if (!verder(5 + i)) return Geen;
    }
    QFile::remove(pad(naam, kMarker));
    return Geen;
}

void ProjectMap::herstel() const {
    const QStringList markers = AppFolder::files(folder_, {QLatin1Char('*') + kMarker});
    for (const QString &marker : markers) {
        const QString naam = marker.left(marker.size() - kMarker.size());
        bool compleet = true;
        for (const QString &extensie : kExtensies) {
            const QString nieuw = pad(naam, extensie + kNieuw);
            if (QFileInfo::exists(nieuw) && !vervang(nieuw, pad(naam, extensie))) compleet = false;
        }
        if (compleet) QFile::remove(folder_ + QLatin1Char('/') + marker);
    }
    // New files without a marker belong to a save that never got that far.
    for (const QString &stray : AppFolder::files(folder_, {QLatin1Char('*') + kNieuw})) {
        const QString stem = stray.left(stray.size() - kNieuw.size() - 4);
        if (!QFileInfo::exists(pad(stem, kMarker)))
            QFile::remove(folder_ + QLatin1Char('/') + stray);
    }
}

ProjectMap::Geladen ProjectMap::laad(const QString &naam) const {
    herstel();
    Geladen geladen;
    geladen.ontwerpBlad = Surface::readPicture(pad(naam, QStringLiteral(".ovb")));
    geladen.breadboard = Surface::readPicture(pad(naam, QStringLiteral(".brb")));
    QFile dat(pad(naam, QStringLiteral(".dat")));
    if (dat.open(QIODevice::ReadOnly) && dat.size() <= kMaxLijst)
        geladen.lijst = DatTekst::lijstUit(dat.read(dat.size()));
    return geladen;
}
