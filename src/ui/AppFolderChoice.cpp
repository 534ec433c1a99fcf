#include "ui/AppFolderChoice.h"

#include "ui/AppFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// `--app-folder DIR` or `--app-folder=DIR`; empty when the option names no folder.
QString optionFolder(const QStringList &arguments) {
    const QString option = QStringLiteral("--app-folder");
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size()) return arguments[i + 1];
        if (arguments[i].startsWith(option + QLatin1Char('=')))
            return arguments[i].mid(option.size() + 1);
    }
    return {};
}

// The XDG base directory rules ignore a relative XDG_DATA_HOME.
QString perUserFolder(const QString &xdgDataHome, const QString &home) {
    if (QDir::isAbsolutePath(xdgDataHome))
        return QDir::cleanPath(xdgDataHome + QStringLiteral("/voltarix"));
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.local/share/voltarix"));
    return {};
}

bool portable(const AppFolderChoice::Inputs &inputs) {
    return inputs.holdsProgramFolders || (inputs.writable && inputs.installedStarter.isEmpty());
}

} // namespace

AppFolderChoice AppFolderChoice::choose(const Inputs &inputs) {
    AppFolderChoice choice;
    const QString option = optionFolder(inputs.arguments);
    if (!option.isEmpty()) {
        choice.root = QFileInfo(option).absoluteFilePath();
        choice.reason = Reason::Option;
        return choice;
    }
    if (!inputs.voltarixHome.isEmpty()) {
        choice.root = QFileInfo(inputs.voltarixHome).absoluteFilePath();
        choice.reason = Reason::Environment;
        return choice;
    }
    choice.root = inputs.executableFolder;
    if (portable(inputs)) return choice;
    // Without a home there is no user's folder to go to: the executable's folder
    // stays, as it always was.
    const QString own = perUserFolder(inputs.xdgDataHome, inputs.home);
    if (own.isEmpty()) return choice;
    choice.root = own;
    choice.reason = Reason::PerUser;
    choice.starter = inputs.installedStarter;
    return choice;
}

bool AppFolderChoice::holdsProgramFolders(const QString &folder) {
    for (const char *name : {"Symbolen", "Breadboard", "Projecten", "Plugins"}) {
        const QString entry = AppFolder::findEntry(folder, QLatin1String(name));
        if (!entry.isEmpty() && QFileInfo(folder + QLatin1Char('/') + entry).isDir()) return true;
    }
    return false;
}
