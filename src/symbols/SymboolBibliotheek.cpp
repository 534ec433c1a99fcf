#include "symbols/SymboolBibliotheek.h"

#include "ui/AppFolder.h"
#include "ui/DiskNames.h"
#include "ui/PictureFile.h"
#include "ui/Platform.h"
#include "ui/Surface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kBmp = QStringLiteral(".bmp");
const QString kEerstKiezen = QStringLiteral("Eerst een symbool selecteren a.u.b!");

bool voor(const QString &a, const QString &b) {
    const int verschil = a.compare(b, Qt::CaseInsensitive);
    return verschil != 0 ? verschil < 0 : a < b;
}

// Names that would move the file into another folder or hide it from the listing.
bool geldigeNaam(const QString &naam) {
    return !naam.contains(QLatin1Char('/')) && !naam.contains(QLatin1Char('\\')) &&
           !naam.contains(QChar(0)) && !naam.startsWith(QLatin1Char('.'));
}

SymboolBibliotheek::Foutnummer foutVoor(int fout) {
    switch (fout) {
    case 0:
        return SymboolBibliotheek::kGelukt;
    case EEXIST:
    case ENOTEMPTY:
        return SymboolBibliotheek::kBestaatAl;
    case ENOENT:
        return SymboolBibliotheek::kNietGevonden;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY:
        return SymboolBibliotheek::kGeenToegang;
    case ENAMETOOLONG:
        return SymboolBibliotheek::kOngeldigeNaam;
    default:
        return SymboolBibliotheek::kToegangsFout;
    }
}

// A rename that fails with EEXIST instead of replacing an existing target, as a
// plain rename() would. Returns 0 or the error number.
int hernoemZonderVervangen(const QByteArray &van, const QString &doel) {
    const QByteArray naar = QFile::encodeName(doel);
    if (renameat2(AT_FDCWD, van.constData(), AT_FDCWD, naar.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // File systems without that flag: a hard link also refuses an existing target.
    if (link(van.constData(), naar.constData()) != 0) return errno;
    unlink(van.constData());
    return 0;
}

// The file of a symbol: its name plus ".bmp", found whatever its case and whether or
// not its name is UTF-8; empty when there is none.
QByteArray symboolBestand(const QString &map, const QString &naam) {
    if (map.isEmpty()) return {};
    const QString bestand = naam + kBmp;
    return DiskNames::find(map, bestand, [&bestand](const QString &entry) {
        return entry.compare(bestand, Qt::CaseInsensitive) == 0;
    });
}

} // namespace

QVector<SymboolCategorie> SymboolBibliotheek::categorieen(const QString &symbolenFolder) {
    QVector<SymboolCategorie> result;
    const QString root = QDir::cleanPath(symbolenFolder);
    for (const QString &folder : AppFolder::subfolders(root))
        result.push_back({folder.toLower(), root + QLatin1Char('/') + folder});
    return result;
}

QString SymboolBibliotheek::categorieMap(const QString &tekst,
                                         const QVector<SymboolCategorie> &categorieen,
                                         const QString &symbolenFolder) {
    for (const SymboolCategorie &categorie : categorieen)
        if (categorie.naam == tekst) return categorie.map;
    if (tekst.isEmpty() || !geldigeNaam(tekst)) return {};
    const QString root = QDir::cleanPath(symbolenFolder);
    const QString entry = AppFolder::findEntry(root, tekst);
    if (entry.isEmpty() || !QFileInfo(root + QLatin1Char('/') + entry).isDir()) return {};
    return root + QLatin1Char('/') + entry;
}

QStringList SymboolBibliotheek::symboolNamen(const QStringList &bestanden) {
    QStringList namen;
    namen.reserve(bestanden.size());
    for (const QString &bestand : bestanden)
        if (bestand.size() >= 4) namen << bestand.chopped(4);
    std::stable_sort(namen.begin(), namen.end(), voor);
    return namen;
}

int SymboolBibliotheek::invoegPlaats(const QStringList &namen, const QString &naam) {
    return int(std::upper_bound(namen.begin(), namen.end(), naam, voor) - namen.begin());
}

QString SymboolBibliotheek::telTekst(int aantal) {
    return QString::number(aantal) + QStringLiteral(" Symbolen gevonden...");
}

SymboolBibliotheek::Foutnummer
SymboolBibliotheek::hernoemBestand(const QString &map, const QString &oud, const QString &nieuw) {
    if (!geldigeNaam(nieuw)) return kOngeldigeNaam;
    const QByteArray bron = symboolBestand(map, oud);
    if (bron.isEmpty()) return kNietGevonden;
    const QString doel = map + QLatin1Char('/') + nieuw + kBmp;
    if (bron == QFile::encodeName(doel)) return kGelukt; // the old name again: nothing to do
    return foutVoor(hernoemZonderVervangen(bron, doel));
}

bool SymboolBibliotheek::verwijderBestand(const QString &map, const QString &naam) {
    const QByteArray bestand = symboolBestand(map, naam);
    struct stat info;
    if (bestand.isEmpty() || ::stat(bestand.constData(), &info) != 0) return false;
    // Whoever took away the write permission meant to keep the symbol; the
    // program never removed read-only files.
    if (!(info.st_mode & S_IWUSR)) return false;
    return ::unlink(bestand.constData()) == 0;
}

void SymboolBibliotheek::lees(const QString &map) {
    if (!map.isEmpty()) map_ = map;
    QStringList bestanden;
    if (!map_.isEmpty())
        for (const DiskNames::Entry &entry : DiskNames::files(map_))
            if (!entry.name.startsWith(QLatin1Char('.'))) bestanden << entry.name;
    namen_ = symboolNamen(bestanden);
}

std::optional<int> SymboolBibliotheek::voegToe(const QString &pad) {
    const QFileInfo bestand(pad);
    const QString naam = bestand.fileName();
    // As the listing would see it: only files of the folder itself, never hidden ones.
    if (map_.isEmpty() || !bestand.isFile() ||
        bestand.canonicalPath() != QFileInfo(map_).canonicalFilePath())
        return std::nullopt;
    if (naam.size() < 4 || naam.startsWith(QLatin1Char('.'))) return std::nullopt;
    const QString symbool = naam.chopped(4);
    if (namen_.contains(symbool)) return std::nullopt;
    const int plaats = invoegPlaats(namen_, symbool);
    namen_.insert(plaats, symbool);
    return plaats;
}

QString SymboolBibliotheek::gekozen(int rij) const {
    return rij >= 0 && rij < namen_.size() ? namen_[rij] : QString();
}

bool SymboolBibliotheek::laad(int rij, Surface &IconPic) const {
    if (rij < 0 || rij >= namen_.size()) return false;
    return laadSymbool(map_, namen_[rij], IconPic);
}

bool SymboolBibliotheek::laadSymbool(const QString &map, const QString &naam, Surface &IconPic) {
    const std::optional<QImage> symbool = PictureFile::readNative(symboolBestand(map, naam));
    if (symbool) IconPic.paste(*symbool);
    return symbool.has_value();
}

QByteArray SymboolBibliotheek::bestandVan(const QString &map, const QString &naam) {
    return symboolBestand(map, naam);
}

std::optional<int> SymboolBibliotheek::hernoem(int rij, Platform &platform) {
    const QString oud = gekozen(rij);
    if (oud.isEmpty()) {
        platform.message(kEerstKiezen);
        return std::nullopt;
    }
    const QString nieuw =
        platform.inputBox(QStringLiteral("Geef een nieuwe naam voor dit symbool... \r\n") + oud,
                          QStringLiteral(" Rename"), oud);
    if (nieuw.trimmed().isEmpty()) return std::nullopt;
    const Foutnummer fout = hernoemBestand(map_, oud, nieuw);
    if (fout != kGelukt) {
        platform.message(QStringLiteral("Fout bij het herbenoemen van het symbool!\r\n"
                                        "(foutnummer: %1)")
                             .arg(int(fout)));
        return std::nullopt;
    }
    namen_.removeAt(rij);
    const int plaats = invoegPlaats(namen_, nieuw);
    namen_.insert(plaats, nieuw);
    return plaats;
}

bool SymboolBibliotheek::verwijder(int rij, Platform &platform) {
    const QString naam = gekozen(rij);
    if (naam.isEmpty()) {
        platform.message(kEerstKiezen);
        return false;
    }
    if (!platform.ask(QStringLiteral("Wilt u symbool '%1' verwijderen?").arg(naam),
                      QStringLiteral(" Delete")))
        return false;
    verwijderBestand(map_, naam);
    namen_.removeAt(rij);
    return true;
}
