#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A project in one file, to hand in or to mail: a zip archive holding exactly the
// project's three files, N.ovb, N.brb and N.dat, with no folder. Reading trusts
// nothing in the archive: it refuses any other entry, any name with a folder or "..",
// and more than kMaxUitgepakt bytes unpacked, counted while unpacking too, so that a
// header that understates its sizes cannot fill the disk or the memory.
namespace ProjectZip {

constexpr qint64 kMaxUitgepakt = qint64{64} * 1024 * 1024;

enum class Fout {
    Geen,
    Onleesbaar,    // no zip, or a damaged one
    AnderBestand,  // an entry that is none of the project's three files
    MapInNaam,     // an entry's name holds a folder or ".."
    TeGroot,       // more than kMaxUitgepakt bytes unpacked
    Onvolledig,    // fewer than the three files
    NietTeLezen,   // the file itself cannot be read: missing, forbidden, no plain file
    OngeldigeNaam, // the project's name can be no file name everywhere (":", "?"...)
};

struct Bestanden {
    QString naam; // the project's name, the stem of its three files
    QByteArray ovb, brb, dat;
};

// The archive's bytes; nothing when the library fails.
std::optional<QByteArray> maak(const Bestanden &bestanden);

struct Gelezen {
    Fout fout = Fout::Geen;
    Bestanden bestanden; // only when fout is Geen
};
Gelezen lees(const QString &pad);

// Why the archive `pad` is not opened, in Dutch, for the user.
QString foutTekst(Fout fout, const QString &pad);

} // namespace ProjectZip
