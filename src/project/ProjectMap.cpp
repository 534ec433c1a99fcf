#include "project/ProjectMap.h"

#include "project/DatTekst.h"
#include "ui/AppFolder.h"
#include "ui/DiskNames.h"
#include "ui/PictureFile.h"
#include "ui/Surface.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

const QStringList kExtensies = {QStringLiteral(".dat"), QStringLiteral(".brb"),
                                QStringLiteral(".ovb")}; // the marker file last
const QString kOvb = QStringLiteral(".ovb");
const QString kNieuw = QStringLiteral(".nieuw");
const QString kMarker = QStringLiteral(".opslaan");
const QString kSlot = QStringLiteral(".lock");
constexpr qint64 kMaxLijst = qint64{16} * 1024 * 1024;

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

// The whole of a file, from its start, however large. Read by position, never through
// the file's own offset: a save and the recovery copy may copy the same kept list at once.
bool kopieer(QFile &bron, QFile &doel) {
    QByteArray stuk(1 << 20, Qt::Uninitialized);
    for (off_t plek = 0;;) {
        const ssize_t gelezen = ::pread(bron.handle(), stuk.data(), size_t(stuk.size()), plek);
        if (gelezen < 0 && errno == EINTR) continue;
        if (gelezen <= 0) return gelezen == 0;
        if (doel.write(stuk.constData(), gelezen) != gelezen) return false;
        plek += gelezen;
    }
}

// Moves a file over another, replacing it in one step.
bool vervang(const QString &from, const QByteArray &to) {
    return std::rename(QFile::encodeName(from).constData(), to.constData()) == 0;
}

// Takes a project's lock, waiting up to `wachttijd` ms. A lock is taken over at once
// when the program that took it runs no more on this computer, and otherwise only when
// it is older than any save takes (left by a program on another computer, on a stick
// carried over): a slow save keeps its lock. An empty lock file was left by a program
// killed between making it and writing its name in, which QLockFile does at once: it
// names no one who could still be saving, so it is taken over once it is a second old.
bool neemSlot(QLockFile &slot, int wachttijd) {
    slot.setStaleLockTime(5 * 60 * 1000);
    if (slot.tryLock(wachttijd)) return true;
    const QFileInfo lock(slot.fileName());
    if (slot.error() != QLockFile::LockFailedError || lock.size() != 0 ||
        lock.lastModified().msecsTo(QDateTime::currentDateTime()) < 1000)
        return false;
    slot.removeStaleLockFile();
    return slot.tryLock(0);
}

bool voor(const QString &a, const QString &b) {
    const int verschil = a.compare(b, Qt::CaseInsensitive);
    return verschil != 0 ? verschil < 0 : a < b;
}

} // namespace

ProjectMap::ProjectMap(QString folder) : folder_(std::move(folder)) {}

QString ProjectMap::pad(const QString &naam, const QString &extensie) const {
    return folder_ + QLatin1Char('/') + naam + extensie;
}

QByteArray ProjectMap::bestand(const QString &naam, const QString &extensie) const {
    return DiskNames::find(folder_, naam + extensie, [&](const QString &entry) {
        return entry.size() == naam.size() + extensie.size() && entry.startsWith(naam) &&
               entry.endsWith(extensie, Qt::CaseInsensitive);
    });
}

bool ProjectMap::geldigeNaam(const QString &naam) {
    if (naam.isEmpty() || naam == QLatin1String(".") || naam == QLatin1String("..")) return false;
    for (const QChar teken : naam)
        if (teken.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(teken)) return false;
    return true;
}

QString ProjectMap::ongeldigeNaamReden() {
    return QStringLiteral("bevat een teken dat niet in een projectnaam mag staan "
                          "(\\ / : * ? \" < > | of een stuurteken).");
}

QStringList ProjectMap::namen() const {
    herstel();
    QStringList namen;
    // A file named just ".ovb" counts too, as an empty name (which cannot be opened).
    for (const DiskNames::Entry &entry : DiskNames::files(folder_))
        if (entry.name.endsWith(kOvb, Qt::CaseInsensitive)) namen << entry.name.chopped(4);
    std::sort(namen.begin(), namen.end(), voor);
    namen.erase(std::unique(namen.begin(), namen.end()), namen.end()); // N.ovb beside N.OVB
    return namen;
}

bool ProjectMap::bestaat(const QString &naam) const {
    return !bestand(naam, kOvb).isEmpty();
}

ProjectMap::Fout ProjectMap::opslaan(const QString &naam, const Surface &Pic, const Surface &Pic2,
                                     const QString &lijst,
                                     const std::function<bool(int)> &naStap) const {
    return schrijf(naam, {Pic, Pic2, DatTekst::codeer(lijst)}, naStap);
}

ProjectMap::Fout ProjectMap::schrijf(const QString &naam, const Inhoud &inhoud,
                                     const std::function<bool(int)> &naStap) const {
    const auto bmp = [](const Surface &sheet) {
        return [&sheet](QFile &file) { return sheet.saveBmp(file); };
    };
    const std::function<bool(QFile &)> bestanden[] = {
        [&inhoud](QFile &file) {
            return inhoud.datBron ? kopieer(*inhoud.datBron, file)
                                  : file.write(inhoud.dat) == inhoud.dat.size();
        },
        bmp(inhoud.Pic2), bmp(inhoud.Pic)};
    return schrijfMet(naam, bestanden, naStap);
}

ProjectMap::Fout ProjectMap::schrijf(const QString &naam, const QByteArray &ovb,
                                     const QByteArray &brb, const QByteArray &dat) const {
    const auto bytes = [](const QByteArray &inhoud) {
        return [&inhoud](QFile &file) { return file.write(inhoud) == inhoud.size(); };
    };
    const std::function<bool(QFile &)> bestanden[] = {bytes(dat), bytes(brb), bytes(ovb)};
    return schrijfMet(naam, bestanden, {});
}

ProjectMap::Fout ProjectMap::schrijfMet(const QString &naam,
                                        const std::function<bool(QFile &)> (&bestanden)[3],
                                        const std::function<bool(int)> &naStap) const {
    if (!geldigeNaam(naam)) return OngeldigeNaam;
    if (QFile::encodeName(naam).size() > kLangsteNaam) return TeLangeNaam;
    if (!QDir().mkpath(folder_)) return MapNietGemaakt;
    QLockFile slot(pad(naam, kSlot));
    if (!neemSlot(slot, wachttijd_))
        return slot.error() == QLockFile::LockFailedError ? InGebruik : SchrijvenMislukt;
    herstel(naam);
    const auto verder = [&naStap](int stap) { return !naStap || naStap(stap); };
    for (int i = 0; i < 3; ++i) {
        if (!schrijfVast(pad(naam, kExtensies[i] + kNieuw), bestanden[i])) {
            for (const QString &extensie : kExtensies)
                QFile::remove(pad(naam, extensie + kNieuw));
            return SchrijvenMislukt;
        }
        if (!verder(1 + i)) return Geen;
    }
    if (!schrijfVast(pad(naam, kMarker), [](QFile &) { return true; })) return SchrijvenMislukt;
    if (!verder(4)) return Geen;
    for (int i = 0; i < 3; ++i) {
        if (!vervang(pad(naam, kExtensies[i] + kNieuw), doel(naam, kExtensies[i])))
            return VervangenMislukt;
        if (!verder(5 + i)) return Geen;
    }
    QFile::remove(pad(naam, kMarker));
    return Geen;
}

QByteArray ProjectMap::doel(const QString &naam, const QString &extensie) const {
    const QByteArray bestaand = bestand(naam, extensie);
    return bestaand.isEmpty() ? QFile::encodeName(pad(naam, extensie)) : bestaand;
}

void ProjectMap::herstel() const {
    QStringList namen;
    for (const QString &marker : AppFolder::files(folder_, {QLatin1Char('*') + kMarker}, true))
        namen << marker.chopped(kMarker.size());
    for (const QString &stray : AppFolder::files(folder_, {QLatin1Char('*') + kNieuw}, true))
        if (stray.size() >= kNieuw.size() + 4) namen << stray.chopped(kNieuw.size() + 4);
    namen.removeDuplicates();
    for (const QString &naam : namen) {
        QLockFile slot(pad(naam, kSlot));
        if (neemSlot(slot, 0)) herstel(naam);
    }
}

void ProjectMap::herstel(const QString &naam) const {
    const QString marker = pad(naam, kMarker);
    if (!QFileInfo::exists(marker)) {
        // New files without a marker belong to a save that never got that far.
        for (const QString &extensie : kExtensies)
            QFile::remove(pad(naam, extensie + kNieuw));
        return;
    }
    bool compleet = true;
    for (const QString &extensie : kExtensies) {
        const QString nieuw = pad(naam, extensie + kNieuw);
        if (QFileInfo::exists(nieuw) && !vervang(nieuw, doel(naam, extensie))) compleet = false;
    }
    if (compleet) QFile::remove(marker);
}

ProjectMap::Geladen ProjectMap::laad(const QString &naam) const {
    Geladen geladen;
    QLockFile slot(pad(naam, kSlot));
    if (neemSlot(slot, wachttijd_)) {
        herstel(naam);
    } else if (slot.error() == QLockFile::LockFailedError) {
        geladen.inGebruik = true;
        return geladen;
    } // a folder that cannot be written, as on a CD: no one can be saving there
    geladen.ontwerpBlad = PictureFile::readNative(bestand(naam, kOvb));
    geladen.breadboard = PictureFile::readNative(bestand(naam, QStringLiteral(".brb")));
    const int fd = DiskNames::open(bestand(naam, QStringLiteral(".dat")));
    if (fd < 0) return geladen;
    if (const std::optional<QByteArray> bytes = DiskNames::read(fd, kMaxLijst))
        geladen.lijst = DatTekst::lijstUit(*bytes);
    auto dat = std::make_shared<QFile>();
    if (::lseek(fd, 0, SEEK_SET) != 0 ||
        !dat->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return geladen;
    }
    geladen.dat = dat;
    geladen.lijstTeGroot = dat->size() > kMaxLijst;
    return geladen;
}
