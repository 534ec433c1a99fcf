// voltarix-starter: draws the starter content of the application folder and lays it
// out.
//
//   voltarix-starter make DIR
//       draws every symbol, part picture, help page and the example project into DIR
//       (a new folder, or one this command made before: it is replaced whole);
//   voltarix-starter icons DIR
//       draws the program's icon into DIR/hicolor, in every size the desktop uses;
//   voltarix-starter lay-out STARTER FOLDER [--app-folder DIR]
//       lays out STARTER into the application folder chosen as the program chooses it:
//       --app-folder DIR, else VOLTARIX_HOME, else FOLDER. Files laid out before are
//       never touched again.

#include "Pictogram.h"
#include "StarterMaker.h"
#include "app/StarterFolder.h"
#include "ui/AppFolder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

namespace {

int usage() {
    QTextStream(stderr) << "usage: voltarix-starter make DIR\n"
                           "       voltarix-starter icons DIR\n"
                           "       voltarix-starter lay-out STARTER FOLDER [--app-folder DIR]\n";
    return 2;
}

int report(const QStringList &errors) {
    for (const QString &error : errors)
        QTextStream(stderr) << "voltarix-starter: " << error << '\n';
    return errors.isEmpty() ? 0 : 1;
}

int make(const QString &folder) {
    return report(StarterMaker::maak(folder));
}

int layOut(const QString &starter, const QStringList &arguments, const QString &folder) {
    const QString target =
        AppFolder::chooseRoot(arguments, qEnvironmentVariable("VOLTARIX_HOME"), folder);
    const StarterFolder::Result result = StarterFolder::layOut(starter, target);
    for (const QString &file : result.failed)
        QTextStream(stderr) << "voltarix-starter: could not lay out " << file << '\n';
    if (!result.manifestWritten)
        QTextStream(stderr) << "voltarix-starter: could not write " << target << '/'
                            << StarterFolder::kManifest << '\n';
    QTextStream(stdout) << "voltarix-starter: " << result.copied.size() << " files laid out in "
                        << target << '\n';
    return result.ok() ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[]) {
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if ((command == QLatin1String("make") || command == QLatin1String("icons")) && argc == 3) {
        // Text in pictures needs fonts, so a GUI application, but never a screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication application(argc, argv);
        const QString folder = QString::fromLocal8Bit(argv[2]);
        if (command == QLatin1String("make")) return make(folder);
        // The program's icon, and that of its project files.
        return report(Pictogram::schrijf(folder) + Pictogram::schrijfDocument(folder));
    }
    if (command == QLatin1String("lay-out") && argc >= 4) {
        QCoreApplication application(argc, argv);
        // The options after FOLDER are read as the program reads its own.
        QStringList options = QCoreApplication::arguments().mid(3);
        options.front() = QCoreApplication::applicationFilePath();
        return layOut(QCoreApplication::arguments().at(2), options,
                      QCoreApplication::arguments().at(3));
    }
    return usage();
}
