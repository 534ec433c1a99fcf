#include "symbols/SymbolLibrary.h"

#include "ui/AppFolder.h"
#include "ui/Platform.h"
#include "ui/Surface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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

SymbolLibrary::Foutnummer foutVoor(int fout) {
    switch (fout) {
    case 0:
        return SymbolLibrary::kGelukt;
    case EEXIST:
    case ENOTEMPTY:
        return SymbolLibrary::kBestaatAl;
    case ENOENT:
        return SymbolLibrary::kNietGevonden;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY:
        return SymbolLibrary::kGeenToegang;
    case ENAMETOOLONG:
        return SymbolLibrary::kOngeldigeNaam;
    default:
        return SymbolLibrary::kToegangsFout;
    }
}

// A rename that fails with EEXIST instead of replacing an existing target, as a
// plain rename() would. Returns 0 or the error number.
int hernoemZonderVervangen(const QString &bron, const QString &doel) {
    const QByteArray van = QFile::encodeName(bron), naar = QFile::encodeName(doel);
    if (renameat2(AT_FDCWD, van.constData(), AT_FDCWD, naar.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // File systems without that flag: a hard link also refuses an existing target.
    if (link(van.constData(), naar.constData()) != 0) return errno;
    unlink(van.constData());
    return 0;
}

// The file of a symbol: its name plus ".bmp", found whatever its case.
QString symboolBestand(const QString &map, const QString &naam) {
    if (map.isEmpty()) return {};
    const QString entry = AppFolder::findEntry(map, naam + kBmp);
    return entry.isEmpty() ? QString() : map + QLatin1Char('/') + entry;
}

} // namespace

QVector<SymbolCategorie> SymbolLibrary::categorieen(const QString &symbolenFolder) {
    QVector<SymbolCategorie> result;
    const QString root = QDir::cleanPath(symbolenFolder);
    for (const QString &folder : AppFolder::subfolders(root))
        result.push_back({folder.toLower(), root + QLatin1Char('/') + folder});
    return result;
}

QString SymbolLibrary::categorieMap(const QString &tekst,
                                    const QVector<SymbolCategorie> &categorieen,
                                    const QString &symbolenFolder) {
    for (const SymbolCategorie &categorie : categorieen)
        if (categorie.naam == tekst) return categorie.map;
    if (tekst.isEmpty() || !geldigeNaam(tekst)) return {};
    const QString root = QDir::cleanPath(symbolenFolder);
    const QString entry = AppFolder::findEntry(root, tekst);
    if (entry.isEmpty() || !QFileInfo(root + QLatin1Char('/') + entry).isDir()) return {};
    return root + QLatin1Char('/') + entry;
}

QStringList SymbolLibrary::symboolNamen(const QStringList &bestanden) {
    QStringList namen;
    namen.reserve(bestanden.size());
    for (const QString &bestand : bestanden)
        if (bestand.size() >= 4) namen << bestand.chopped(4);
    std::stable_sort(namen.begin(), namen.end(), voor);
    return namen;
}

int SymbolLibrary::invoegPlaats(const QStringList &namen, const QString &naam) {
    return int(std::upper_bound(namen.begin(), namen.end(), naam, voor) - namen.begin());
}

QString SymbolLibrary::telTekst(int aantal) {
    return QString::number(aantal) + QStringLiteral(" Symbolen gevonden...");
}

SymbolLibrary::Foutnummer SymbolLibrary::hernoemBestand(const QString &map, const QString &oud,
                                                        const QString &nieuw) {
    if (!geldigeNaam(nieuw)) return kOngeldigeNaam;
    const QString bron = symboolBestand(map, oud);
    if (bron.isEmpty()) return kNietGevonden;
    const QString doel = map + QLatin1Char('/') + nieuw + kBmp;
    if (bron == doel) return kGelukt; // the old name again: nothing to do
    return foutVoor(hernoemZonderVervangen(bron, doel));
}

bool SymbolLibrary::verwijderBestand(const QString &map, const QString &naam) {
    const QString bestand = symboolBestand(map, naam);
    if (bestand.isEmpty()) return false;
    // Whoever took away the write permission meant to keep the symbol; the
    // program never removed read-only files.
    if (!(QFileInfo(bestand).permissions() & QFileDevice::WriteOwner)) return false;
    return QFile::remove(bestand);
}

void SymbolLibrary::lees(const QString &map) {
    if (!map.isEmpty()) map_ = map;
    namen_ = map_.isEmpty() ? QStringList() : symboolNamen(AppFolder::files(map_));
}

std::optional<int> SymbolLibrary::voegToe(const QString &pad) {
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

QString SymbolLibrary::gekozen(int rij) const {
    return rij >= 0 && rij < namen_.size() ? namen_[rij] : QString();
}

bool SymbolLibrary::laad(int rij, Surface &IconPic) const {
    if (rij < 0 || rij >= namen_.size()) return false;
    const QString bestand = symboolBestand(map_, namen_[rij]);
    return !bestand.isEmpty() && IconPic.load(bestand);
}

std::optional<int> SymbolLibrary::hernoem(int rij, Platform &platform) {
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

bool SymbolLibrary::verwijder(int rij, Platform &platform) {
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
