#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QFile;
class Surface;

// The projects folder "\Projecten\": a project named N is three files, N.ovb (the
// design sheet as a BMP), N.brb (the breadboard sheet as a BMP) and N.dat (the
// component list). N.ovb marks the project: only names with one are listed. The
// extensions are found whatever their case (a FAT stick shows "N.OVB"), and names
// that are not UTF-8 (Windows-1252, from an old archive) are shown decoded and
// reached through their own bytes.
//
// Saving never leaves a half-written or mixed project behind. All three files are
// first written in full under temporary names (N.ovb.nieuw ...); then a marker
// N.opslaan is written and the three are moved over the old ones; then the marker
// goes. A save that was cut off before the marker leaves the old project as it was
// (the stray new files are removed later); one cut off after it is completed the next
// time the folder is read. Either way the project opens wholly old or wholly new.
// A lock file N.lock keeps two programs from saving, completing or reading one
// project at the same time.
class ProjectMap {
public:
    // Error numbers of a failed save, shown as "(foutnummer: N)".
    enum Fout {
        Geen = 0,
        OngeldigeNaam = 1,    // a name that is no file name everywhere (\ / : * ? " < > |)
        MapNietGemaakt = 2,   // the projects folder cannot be made
        SchrijvenMislukt = 3, // a file cannot be written (read-only folder, full disk)
        VervangenMislukt = 4, // the written files cannot replace the old ones
        InGebruik = 5,        // another program is saving the project right now
        TeLangeNaam = 6,      // a name too long for a file name (see kLangsteNaam)
    };

    // The bytes (UTF-8) a name may have: the longest name of its files, "N.ovb.nieuw",
    // must stay within a file name's 255.
    static constexpr int kLangsteNaam = 255 - 10;

    // What the three files of a project hold.
    struct Inhoud {
        const Surface &Pic;
        const Surface &Pic2;
        QByteArray dat;           // the list as DatTekst::codeer writes it
        QFile *datBron = nullptr; // or a list kept as it was, copied from this file
    };

    struct Geladen {
        std::optional<QImage> ontwerpBlad; // N.ovb, when it could be read
        std::optional<QImage> breadboard;  // N.brb, when it could be read
        QString lijst; // N.dat as text, lines ending in CR LF; empty when missing
        // N.dat, open, for a list that must be kept as it is: it stays readable
        // whatever happens to the file's name afterwards.
        std::shared_ptr<QFile> dat;
        bool lijstTeGroot = false; // N.dat is too large to read: `lijst` is empty
        bool inGebruik = false;    // another program was saving it: nothing was read
    };

    explicit ProjectMap(QString folder);

    const QString &folder() const { return folder_; }

    // Whether a typed name can be a project name on any system.
    static bool geldigeNaam(const QString &naam);
    // Why a name that is not geldigeNaam is none, to follow "... naam ", in Dutch.
    static QString ongeldigeNaamReden();

    // The project names in name order: every *.ovb less its last four characters.
    QStringList namen() const;
    bool bestaat(const QString &naam) const;

    // Writes the project's three files; returns Geen or the error number. `naStap`,
    // for tests, is called after each step (1-3: a temporary file written, 4: the
    // marker written, 5-7: a file moved into place); returning false ends the save
    // there, as a killed program would.
    Fout schrijf(const QString &naam, const Inhoud &inhoud,
                 const std::function<bool(int stap)> &naStap = {}) const;
    // The same with the three files' bytes as they are, for a project brought in from
    // elsewhere.
    Fout schrijf(const QString &naam, const QByteArray &ovb, const QByteArray &brb,
                 const QByteArray &dat) const;
    // The same with the component list's text.
    Fout opslaan(const QString &naam, const Surface &Pic, const Surface &Pic2, const QString &lijst,
                 const std::function<bool(int stap)> &naStap = {}) const;

    Geladen laad(const QString &naam) const;

    // Finishes saves that were cut off after their marker and removes the stray new
    // files of saves cut off before it; projects that another program holds are left
    // to it.
    void herstel() const;

    // How long a save or an opening waits for another program's save to end.
    void zetWachttijd(int milliseconden) { wachttijd_ = milliseconden; }

private:
    QString pad(const QString &naam, const QString &extensie) const;
    // The file of a project with this extension as it is on the disk, whatever the
    // extension's case; empty when there is none.
    QByteArray bestand(const QString &naam, const QString &extensie) const;
    // Where a new file of the project goes: over the one there is, else as written.
    QByteArray doel(const QString &naam, const QString &extensie) const;
    void herstel(const QString &naam) const;
    // The save itself, with writers for N.dat, N.brb and N.ovb in that order.
    Fout schrijfMet(const QString &naam, const std::function<bool(QFile &)> (&bestanden)[3],
                    const std::function<bool(int stap)> &naStap) const;

    QString folder_;
    int wachttijd_ = 2000;
};
