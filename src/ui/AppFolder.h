#pragma once

#include <QString>
#include <QStringList>

#include <array>

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

    // The places of the application folder that the program uses, found whatever their
    // case. A place is looked up until it exists, and from then on taken as found.
    QString symbolen() const { return plek(Plek::Symbolen); }         // the symbol library
    QString projecten() const { return plek(Plek::Projecten); }       // the saved projects
    QString breadboard() const { return plek(Plek::Breadboard); }     // the part pictures
    QString plugins() const { return plek(Plek::Plugins); }           // the help pages
    QString instellingen() const { return plek(Plek::Instellingen); } // Voltarix.ini
    QString recenteProjecten() const { return plek(Plek::RecenteProjecten); }
    QString laatstGebruikt() const { return plek(Plek::LaatstGebruikt); }
    QString afdrukken() const { return plek(Plek::Afdrukken); } // the print layout chosen
    // Whether wires snap to the board's holes ("Vastklikken aan gaten").
    QString vastklikken() const { return plek(Plek::Vastklikken); }
    QString herstel() const { return plek(Plek::Herstel); }         // the recovery copies
    QString programma() const { return plek(Plek::Programma); }     // the executable beside them
    QString voorbeelden() const { return plek(Plek::Voorbeelden); } // the example projects
    // The help pages the program opens itself.
    QString startPagina() const { return plek(Plek::StartPagina); }
    QString helpPagina() const { return plek(Plek::HelpPagina); }
    QString symbolenPagina() const { return plek(Plek::SymbolenPagina); }
    QString softwarePagina() const { return plek(Plek::SoftwarePagina); }

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
    enum class Plek {
        Symbolen,
        Projecten,
        Breadboard,
        Plugins,
        Instellingen,
        RecenteProjecten,
        LaatstGebruikt,
        Afdrukken,
        Vastklikken,
        Herstel,
        Programma,
        StartPagina,
        HelpPagina,
        SymbolenPagina,
        SoftwarePagina,
        Voorbeelden,
        Aantal
    };
    QString plek(Plek plek) const;

    QString root_;
    mutable std::array<QString, size_t(Plek::Aantal)> gevonden_; // places that exist
};
