#pragma once

#include <QString>
#include <QStringList>

class ProjectMap;

// The projects last opened or saved, newest first, for the numbered items of the menu
// "Bestand". Kept as a line file (RegelBestand) of the application folder, beside
// the settings file, which stays as it always was; a broken or foreign file gives the
// names in it that can be project names, at most kAantal.
class RecenteProjecten {
public:
    static constexpr int kAantal = 6;

    explicit RecenteProjecten(QString bestand);

    QStringList namen() const;
    // Those of namen() whose project is still in the folder.
    QStringList bestaande(const ProjectMap &map) const;
    // `naam` becomes the newest; returns whether the file was written.
    bool voegToe(const QString &naam) const;

private:
    QString bestand_;
};
