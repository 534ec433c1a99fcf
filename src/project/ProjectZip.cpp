#include "project/ProjectZip.h"

#include "project/ProjectMap.h"
#include "ui/DiskNames.h"

#include <QDir>
#include <QFile>

#include <zip.h>

#include <memory>
#include <unistd.h>

namespace ProjectZip {

namespace {

const QStringList kExtensies = {QStringLiteral(".ovb"), QStringLiteral(".brb"),
                                QStringLiteral(".dat")};
// More entries than this are not even looked at.
constexpr zip_int64_t kMaxItems = 16;

struct ZipSluiter {
    void operator()(zip_t *zip) const { zip_discard(zip); }
};
using Zip = std::unique_ptr<zip_t, ZipSluiter>;

struct BestandSluiter {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

// The index of kExtensies an entry's name ends in, whatever its case; -1 for none.
int extensie(const QString &naam) {
    for (int i = 0; i < kExtensies.size(); ++i)
        if (naam.size() > kExtensies[i].size() && naam.endsWith(kExtensies[i], Qt::CaseInsensitive))
            return i;
    return -1;
}

bool metMap(const QString &naam) {
    return naam.contains(QLatin1Char('/')) || naam.contains(QLatin1Char('\\')) ||
           naam.startsWith(QLatin1String(".."));
}

// An entry's content, at most `ruimte` bytes of it: a longer one gives nothing, however
// little its header claims.
std::optional<QByteArray> pak(zip_t *zip, zip_uint64_t index, qint64 ruimte, bool &teGroot) {
    std::unique_ptr<zip_file_t, BestandSluiter> file(zip_fopen_index(zip, index, 0));
    if (!file) return std::nullopt;
    QByteArray inhoud;
    char stuk[1 << 16];
    for (;;) {
        const zip_int64_t gelezen = zip_fread(file.get(), stuk, sizeof stuk);
        if (gelezen < 0) return std::nullopt;
        if (gelezen == 0) return inhoud;
        if (inhoud.size() + gelezen > ruimte) {
            teGroot = true;
            return std::nullopt;
        }
        inhoud.append(stuk, qsizetype(gelezen));
    }
}

} // namespace

std::optional<QByteArray> maak(const Bestanden &bestanden) {
    zip_error_t fout;
    zip_error_init(&fout);
    zip_source_t *bron = zip_source_buffer_create(nullptr, 0, 0, &fout);
    zip_error_fini(&fout);
    if (!bron) return std::nullopt;
    const auto klaar = [bron](std::optional<QByteArray> uitkomst) {
        zip_source_free(bron);
        return uitkomst;
    };
    Zip zip(zip_open_from_source(bron, ZIP_TRUNCATE, nullptr));
    if (!zip) return klaar(std::nullopt);
    // The buffer outlives the archive that writes into it; it is read back below.
    zip_source_keep(bron);
    const QByteArray *inhoud[] = {&bestanden.ovb, &bestanden.brb, &bestanden.dat};
    for (int i = 0; i < 3; ++i) {
        zip_source_t *deel = zip_source_buffer(zip.get(), inhoud[i]->constData(),
                                               zip_uint64_t(inhoud[i]->size()), 0);
        const QByteArray naam = (bestanden.naam + kExtensies[i]).toUtf8();
        if (!deel) return klaar(std::nullopt);
        if (zip_file_add(zip.get(), naam.constData(), deel, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(deel);
            return klaar(std::nullopt);
        }
    }
    if (zip_close(zip.get()) < 0) return klaar(std::nullopt);
    static_cast<void>(zip.release()); // zip_close has freed the archive
    zip_stat_t stat;
    if (zip_source_open(bron) < 0) return klaar(std::nullopt);
    QByteArray bytes;
    if (zip_source_stat(bron, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)) {
        bytes.resize(qsizetype(stat.size));
        if (zip_source_read(bron, bytes.data(), stat.size) != zip_int64_t(stat.size)) bytes.clear();
    }
    zip_source_close(bron);
    return klaar(bytes.isEmpty() ? std::nullopt : std::optional<QByteArray>(bytes));
}

Gelezen lees(const QString &pad) {
    Gelezen gelezen;
    const auto fout = [&gelezen](Fout soort) {
        gelezen.fout = soort;
        gelezen.bestanden = {};
        return gelezen;
    };
    // Only a plain file, opened without waiting: a pipe of that name must not hang.
    const int fd = DiskNames::open(QFile::encodeName(pad));
    if (fd < 0) return fout(Fout::NietTeLezen);
    Zip zip(zip_fdopen(fd, 0, nullptr));
    if (!zip) {
        ::close(fd); // still ours when the archive could not be opened
        return fout(Fout::Onleesbaar);
    }
    const zip_int64_t aantal = zip_get_num_entries(zip.get(), 0);
    if (aantal < 0) return fout(Fout::Onleesbaar);
    if (aantal > kMaxItems) return fout(Fout::AnderBestand);
    QStringList namen;
    for (zip_int64_t i = 0; i < aantal; ++i) {
        const char *naam = zip_get_name(zip.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!naam) return fout(Fout::Onleesbaar);
        namen << QString::fromUtf8(naam);
        if (metMap(namen.last())) return fout(Fout::MapInNaam);
    }
    // Each of the three extensions once, all on one valid project name.
    zip_uint64_t index[3];
    bool gevonden[3] = {false, false, false};
    for (int i = 0; i < namen.size(); ++i) {
        const int soort = extensie(namen[i]);
        const QString stam = soort < 0 ? QString() : namen[i].chopped(4);
        if (soort < 0 || gevonden[soort] ||
            (!gelezen.bestanden.naam.isEmpty() && stam != gelezen.bestanden.naam))
            return fout(Fout::AnderBestand);
        if (!ProjectMap::geldigeNaam(stam)) return fout(Fout::OngeldigeNaam);
        gelezen.bestanden.naam = stam;
        gevonden[soort] = true;
        index[soort] = zip_uint64_t(i);
    }
    if (!(gevonden[0] && gevonden[1] && gevonden[2])) return fout(Fout::Onvolledig);
    qint64 opgegeven = 0;
    for (zip_uint64_t i : index) {
        zip_stat_t stat;
        if (zip_stat_index(zip.get(), i, 0, &stat) < 0 || !(stat.valid & ZIP_STAT_SIZE))
            return fout(Fout::Onleesbaar);
        opgegeven += qint64(std::min<zip_uint64_t>(stat.size, kMaxUitgepakt + 1));
    }
    if (opgegeven > kMaxUitgepakt) return fout(Fout::TeGroot);
    QByteArray *inhoud[] = {&gelezen.bestanden.ovb, &gelezen.bestanden.brb, &gelezen.bestanden.dat};
    qint64 ruimte = kMaxUitgepakt;
    for (int i = 0; i < 3; ++i) {
        bool teGroot = false;
        const std::optional<QByteArray> bytes = pak(zip.get(), index[i], ruimte, teGroot);
        if (!bytes) return fout(teGroot ? Fout::TeGroot : Fout::Onleesbaar);
        *inhoud[i] = *bytes;
        ruimte -= bytes->size();
    }
    return gelezen;
}

QString foutTekst(Fout fout, const QString &pad) {
    QString reden;
    switch (fout) {
    case Fout::Geen:
        return {};
    case Fout::Onleesbaar:
        reden = QStringLiteral("het is geen zip-bestand, of het is beschadigd.");
        break;
    case Fout::AnderBestand:
        reden = QStringLiteral("het bevat meer dan de drie bestanden van één project "
                               "(naam.ovb, naam.brb en naam.dat).");
        break;
    case Fout::MapInNaam:
        reden = QStringLiteral("een bestand erin heeft een map of \"..\" in zijn naam.");
        break;
    case Fout::TeGroot:
        reden = QStringLiteral("uitgepakt is het groter dan 64 MB.");
        break;
    case Fout::Onvolledig:
        reden = QStringLiteral("de drie bestanden van een project (naam.ovb, naam.brb en "
                               "naam.dat) zitten er niet alle drie in.");
        break;
    case Fout::NietTeLezen:
        reden = QStringLiteral("het bestand kan niet worden gelezen: het ontbreekt, u mag het "
                               "niet lezen, of het is geen gewoon bestand.");
        break;
    case Fout::OngeldigeNaam:
        reden = QStringLiteral("de naam van het project erin ") + ProjectMap::ongeldigeNaamReden();
        break;
    }
    return QStringLiteral("Het zip-bestand \"%1\" kan niet worden geopend:\r\n%2\r\n"
                          "Er is niets weggeschreven.")
        .arg(QDir::toNativeSeparators(pad), reden);
}

} // namespace ProjectZip
