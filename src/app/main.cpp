#include "app/Main.h"
#include "app/StarterFolder.h"
#include "app/Titel.h"
#include "app/TitelInfo.h"
#include "ui/AppFolder.h"
#include "ui/AppFolderChoice.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <memory>

namespace {

// An installed program finds its starter content at a fixed place beside its
// executable, worked out by the build from the install folders.
QString installedStarter(const QString &executableFolder) {
    const QString starter =
        QDir(executableFolder).filePath(QStringLiteral(VOLTARIX_STARTER_FROM_BIN));
    return QFileInfo(starter).isDir() ? QDir::cleanPath(starter) : QString();
}

AppFolder chooseAppFolder() {
    const QString executableFolder = QApplication::applicationDirPath();
    AppFolderChoice::Inputs inputs;
    inputs.arguments = QApplication::arguments();
    inputs.voltarixHome = qEnvironmentVariable("VOLTARIX_HOME");
    inputs.executableFolder = executableFolder;
    inputs.holdsProgramFolders = AppFolderChoice::holdsProgramFolders(executableFolder);
    inputs.writable = QFileInfo(executableFolder).isWritable();
    inputs.installedStarter = installedStarter(executableFolder);
    inputs.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    inputs.home = qEnvironmentVariable("HOME");
    const AppFolderChoice choice = AppFolderChoice::choose(inputs);
    // Only files never laid out before are copied, so what the user changed, renamed
    // or deleted stays that way. A file that cannot be copied is tried again next time.
    if (!choice.starter.isEmpty()) StarterFolder::layOut(choice.starter, choice.root);
    return AppFolder(choice.root);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voltarix"));
    // Qt's own buttons (Yes, No, Cancel) in the desktop's language: "Ja", "Nee".
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    const AppFolder folder = chooseAppFolder();
    QtPlatform platform;
    const QScreen *screen = QGuiApplication::primaryScreen();

    // The program opens on its title screen; the main window, whose constructor does
    // the whole start-up, is made only when the title screen's animation has played.
    std::unique_ptr<Main> main;
    auto *titel = new Titel(folder, platform, screen->geometry().size(),
                            TitelInfo::dpiVan(screen->logicalDotsPerInch()));
    titel->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(titel, &Titel::gestart, [&] {
        main = std::make_unique<Main>(folder, platform, screen->geometry().size());
        main->show();
    });
    titel->show();
    return application.exec();
}
