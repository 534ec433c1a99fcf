#pragma once

#include <QString>
#include <QStringList>

// The application folder: the folder of the executable, or the one named by
// `--app-folder DIR` or VOLTARIX_HOME. The program writes its paths Windows-style,
// "\Symbolen\" + category + "\" + name + ".bmp"; path() turns such a text into a
// real path and finds every component whatever its case, as the program has always
// expected. A component that does not exist yet keeps the spelling of the text, so
// that files and folders are created as written.
class AppFolder {
public:
    explicit AppFolder(const QString &root);

    const QString &root() const { return root_; }
    QString path(const QString &relative) const;

    // The application folder named by `--app-folder DIR` (or `--app-folder=DIR`) among
    // the arguments, else by the environment's VOLTARIX_HOME, else the given folder,
    // taken as it is (AppFolderChoice makes the program's whole choice).
    static QString chooseRoot(const QStringList &arguments, const QString &environmentHome,
                              const QString &executableFolder);

    // Subfolder names and file names of a folder, sorted by name ignoring case, as a
    // folder listing shows them; hidden entries are left out unless asked for, an
    // unreadable or missing folder gives an empty list.
    static QStringList subfolders(const QString &folder);
    static QStringList files(const QString &folder, const QStringList &patterns = {},
                             bool withHidden = false);

    // Finds the entry of a folder with this name: the exact spelling if it exists,
    // otherwise the first (in plain name order) that differs only in case; empty when
    // there is none.
    static QString findEntry(const QString &folder, const QString &name);

private:
    QString root_;
};
