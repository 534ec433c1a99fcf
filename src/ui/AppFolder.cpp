#include "ui/AppFolder.h"

#include "ui/AppFolderChoice.h"

#include <QDir>
#include <QFileInfo>

AppFolder::AppFolder(const QString &root) : root_(QDir::cleanPath(root)) {}

QString AppFolder::plek(Plek plek) const {
    // As the program has always spelled them; the help page's folder in lower case, as
    // its links were once written.
    static const char *const kPlekken[] = {"\\Symbolen",
                                           "\\Projecten",
                                           "\\Breadboard",
                                           "\\Plugins",
                                           "\\Voltarix.ini",
                                           "\\Recente projecten.txt",
                                           "\\LaatstGebruikt.txt",
                                           "\\Afdrukken.txt",
                                           "\\Vastklikken.txt",
                                           "\\.herstel",
                                           "\\voltarix",
                                           "\\Plugins\\index.htm",
                                           "\\plugins\\help.htm",
                                           "\\Plugins\\symbolen.htm",
                                           "\\Plugins\\software.htm",
                                           "\\Voorbeelden"};
    static_assert(std::size(kPlekken) == size_t(Plek::Aantal));
    QString &gevonden = gevonden_[size_t(plek)];
    if (!gevonden.isEmpty()) return gevonden;
    QString pad = path(QLatin1String(kPlekken[size_t(plek)]));
    if (QFileInfo::exists(pad)) gevonden = pad;
    return pad;
}

QString AppFolder::findEntry(const QString &folder, const QString &name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return name;
    if (QFileInfo::exists(folder + QLatin1Char('/') + name)) return name;
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                      QDir::Name); // case-sensitive order, so the choice never varies
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

QString AppFolder::path(const QString &relative) const {
    QString result = root_;
    QString text = relative;
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = text.split(QLatin1Char('/'));
    bool exists = true;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part.isEmpty()) {
            if (i + 1 == parts.size() && i > 0)
                result += QLatin1Char('/'); // "\Symbolen\" names a folder
            continue;
        }
        QString found = exists ? findEntry(result, part) : QString();
        if (found.isEmpty()) {
            exists = false;
            found = part;
        }
        result += QLatin1Char('/') + found;
    }
    return result;
}

QString AppFolder::chooseRoot(const QStringList &arguments, const QString &environmentHome,
                              const QString &executableFolder) {
    AppFolderChoice::Inputs inputs;
    inputs.arguments = arguments;
    inputs.voltarixHome = environmentHome;
    inputs.executableFolder = executableFolder;
    inputs.holdsProgramFolders = true;
    return AppFolderChoice::choose(inputs).root;
}

QStringList AppFolder::subfolders(const QString &folder) {
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList AppFolder::files(const QString &folder, const QStringList &patterns, bool withHidden) {
    // Patterns match case-sensitively: a match is opened under exactly that name.
    QDir::Filters filters = QDir::Files | QDir::CaseSensitive;
    if (withHidden) filters |= QDir::Hidden;
    return QDir(folder).entryList(patterns, filters, QDir::Name | QDir::IgnoreCase);
}
