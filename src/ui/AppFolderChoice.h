#pragma once

#include <QString>
#include <QStringList>

// Which application folder a run uses. The choice is made from what the start-up sees
// (arguments, environment, the executable's folder) and touches no file itself, so
// every case can be tried from a table:
//   1. `--app-folder DIR` among the arguments;
//   2. else the environment's VOLTARIX_HOME;
//   3. else the executable's own folder, when it holds the program's folders, or when
//      it is writable and the program was not installed (a portable folder);
//   4. else the user's own folder, $XDG_DATA_HOME/voltarix or ~/.local/share/voltarix,
//      which receives the installed starter content.
// An installed program (its starter content under the prefix's data folder) never
// takes a writable folder such as ~/.local/bin as its application folder: only a
// folder that already holds the program's folders counts there.
class AppFolderChoice {
public:
    enum class Reason { Option, Environment, Portable, PerUser };

    struct Inputs {
        QStringList arguments; // the program's own path first, as QCoreApplication gives them
        QString voltarixHome;  // VOLTARIX_HOME
        QString executableFolder;
        bool holdsProgramFolders = false; // see holdsProgramFolders()
        bool writable = false;            // the executable's folder
        QString installedStarter;         // the installed starter content; empty when none
        QString xdgDataHome;              // XDG_DATA_HOME
        QString home;                     // HOME
    };

    static AppFolderChoice choose(const Inputs &inputs);

    // Whether a folder holds one of the program's folders (Symbolen, Breadboard,
    // Projecten, Plugins), in any case, as the program looks them up.
    static bool holdsProgramFolders(const QString &folder);

    QString root;
    Reason reason = Reason::Portable;
    // Starter content to lay out into `root` at start-up; empty when there is none.
    QString starter;
};
