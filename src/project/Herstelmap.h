#pragma once

#include "project/ProjectMap.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class Platform;
class QLockFile;

// The hidden folder ".herstel" of the application folder, where every running program
// keeps the recovery copy of its unsaved design (HerstelSchrijver): a folder of its
// own, named after its run, beside a lock file that the program holds as long as the
// copy exists. Two programs on one application folder therefore never touch each
// other's copy. A copy whose lock can be taken belongs to a program that ended without
// removing it (a crash, a power cut, a killed session): that is what a start offers.
class Herstelmap {
public:
    explicit Herstelmap(QString map);

    // A folder for this run's copy, made only when a copy is written.
    QString nieuweKopieMap() const;

    struct Kopie {
        QString map;
        QDateTime tijd;                  // when it was written
        std::unique_ptr<QLockFile> slot; // held: no other program takes it meanwhile
    };
    struct Hersteld {
        Kopie kopie;
        ProjectMap::Geladen inhoud;
    };

    // The start: offers each copy left behind, newest first, with the question
    // " Herstellen", until one is taken; No deletes a copy. A copy that cannot be read
    // is set aside and reported. Copies not yet offered stay for a later start.
    std::optional<Hersteld> biedAan(Platform &platform) const;

    // Copies of programs that ended without removing them, newest first, each held.
    // Folders that hold no copy (a program that died before its first one was whole)
    // are removed on the way.
    std::vector<Kopie> achtergelaten() const;

    static QString vraagTekst(const QDateTime &tijd);
    static QString onleesbaarTekst(const QDateTime &tijd, const QString &apart);
    static const QString kTitel;

private:
    // The copy whole, or nothing when a picture or the list is missing or broken.
    static std::optional<ProjectMap::Geladen> lees(const Kopie &kopie);
    // Renames an unreadable copy to a name that is never offered again.
    static QString zetApart(const Kopie &kopie);
    static void verwijder(const Kopie &kopie);

    QString map_;
};
