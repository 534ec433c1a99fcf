#include "app/MainLayout.h"
#include "app/Schaal.h"
#include "app/StartBestand.h"
#include "app/StarterFolder.h"
#include "app/TitelInfo.h"
#include "app/Verschijning.h"
#include "app/vensters/Main.h"
#include "app/vensters/Titel.h"
#include "app/vensters/VrijVlak.h"
#include "ui/AppFolder.h"
#include "ui/AppFolderChoice.h"
#include "ui/vensters/QtPlatform.h"

#include "Pictogram.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

#include <unistd.h>

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

// A restart at a scale of the program's own carries the desktop's scale, which the
// program can no longer see itself, and the user's own QT_SCALE_FACTOR, if any, to give
// back to the programs it opens.
constexpr char kQtFactor[] = "QT_SCALE_FACTOR";
constexpr char kBureaubladSchaal[] = "VOLTARIX_BUREAUBLAD_SCHAAL";
constexpr char kEigenQtFactor[] = "VOLTARIX_EIGEN_QT_SCALE_FACTOR";

// The desktop's scale when this run is such a restart; the marker goes, so that the
// programs this one opens start afresh.
std::optional<double> neemBureaubladSchaal() {
    bool getal = false;
    const double schaal = qEnvironmentVariable(kBureaubladSchaal).toDouble(&getal);
    qunsetenv(kBureaubladSchaal);
    return getal && schaal > 0 ? std::optional<double>(schaal) : std::nullopt;
}

// Qt has read QT_SCALE_FACTOR by now; what the program opens gets the user's own.
void geefQtFactorTerug() {
    if (qEnvironmentVariableIsSet(kEigenQtFactor))
        qputenv(kQtFactor, qgetenv(kEigenQtFactor));
    else
        qunsetenv(kQtFactor);
    qunsetenv(kEigenQtFactor);
}

// Starts this program afresh at the scale `gekozen`; Qt takes its scale only when
// the application object is made. The object may stay: its connection to the display
// closes on the exec, and a restart that fails goes on with it, at the desktop's scale.
void herstart(std::vector<char *> &argumenten, double bureaublad, double gekozen) {
    const bool eigen = qEnvironmentVariableIsSet(kQtFactor);
    bool getal = false;
    double eigenFactor = qEnvironmentVariable(kQtFactor).toDouble(&getal);
    if (!getal || eigenFactor <= 0) eigenFactor = 1; // what Qt does with such a value
    if (eigen) qputenv(kEigenQtFactor, qgetenv(kQtFactor));
    qputenv(kBureaubladSchaal, QByteArray::number(bureaublad, 'g', 12));
    qputenv(kQtFactor,
            QByteArray::number(Schaal::qtFactor(eigenFactor, bureaublad, gekozen), 'g', 12));
    ::execv("/proc/self/exe", argumenten.data());
    qunsetenv(kBureaubladSchaal);
    geefQtFactorTerug();
}

// The screen as the program sees it, at the scale it shows itself at. A desktop whose
// scale leaves too little room for the main window gets a smaller one of our own: the
// program starts again once, at that scale.
Schaal::Scherm meetScherm(std::vector<char *> &argumenten, std::optional<double> bureaublad) {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpr = screen->devicePixelRatio();
    if (!bureaublad) {
        const QSize vrij = Schaal::apparaatPixels(screen->availableGeometry().size(), dpr);
        const double gekozen = Schaal::kiesFactor(vrij, dpr, MainLayout::kKleinsteScherm);
        if (!qFuzzyCompare(gekozen, dpr)) herstart(argumenten, dpr, gekozen);
    }
    Schaal::Scherm scherm;
    scherm.pixels = Schaal::apparaatPixels(screen->geometry().size(), dpr);
    scherm.beschikbaar = screen->availableGeometry();
    scherm.Dpi = TitelInfo::dpiVan(screen->logicalDotsPerInch(), bureaublad.value_or(dpr));
    scherm.eigenFactor = bureaublad ? dpr : 0;
    return scherm;
}

// --- How the program shows itself to the desktop: its platform, name and icon.

// Asks Qt for X where it would look for a Wayland plugin that is not there; the
// variable goes again once Qt has read it, so that what the program opens chooses
// for itself. Returns whether it was set.
bool kiesPlatform() {
    QStringList pluginMappen = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'));
    pluginMappen << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    const QByteArray keuze = Verschijning::platform(
        qgetenv("QT_QPA_PLATFORM"),
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
            qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland"),
        qEnvironmentVariableIsSet("DISPLAY"), Verschijning::heeftWaylandPlugin(pluginMappen));
    if (keuze.isEmpty()) return false;
    qputenv("QT_QPA_PLATFORM", keuze);
    return true;
}

QIcon pictogram() {
    QIcon icon;
    for (const int grootte : Pictogram::kGroottes)
        icon.addPixmap(QPixmap::fromImage(Pictogram::teken(grootte)));
    return icon;
}

} // namespace

int main(int argc, char *argv[]) {
    // Qt takes its own options out of argv; a restart passes them on again.
    std::vector<char *> argumenten(argv, argv + argc + 1);
    const std::optional<double> bureaublad = neemBureaubladSchaal();
    const bool eigenPlatform = kiesPlatform();
    // The window goes by its menu entry's name, so that docks show it with that entry's icon.
    QGuiApplication::setDesktopFileName(Pictogram::kNaam);
    QApplication application(argc, argv);
    if (eigenPlatform) qunsetenv("QT_QPA_PLATFORM");
    QApplication::setWindowIcon(pictogram());
    if (bureaublad) geefQtFactorTerug();
    const Schaal::Scherm scherm = meetScherm(argumenten, bureaublad);
    QApplication::setApplicationName(QStringLiteral("Voltarix"));
    QtPlatform platform; // which makes Qt's own texts Dutch
    const AppFolder folder = chooseAppFolder();

    // The program opens on its title screen; the main window, whose constructor does
    // the whole start-up, is made only when the title screen's animation has played.
    std::unique_ptr<Main> main;
    // A project given on the command line (the file manager's double click) opens in
    // the main window once it shows and the title screen has gone.
    const QStringList startBestanden =
        StartBestand::paden(QApplication::arguments(), QDir::currentPath());
    auto *titel = new Titel(folder, platform, scherm);
    titel->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(titel, &Titel::gestart, [&] {
        // Under a Wayland compositor only a shown window learns the free area.
        const std::optional<QRect> binnen = VrijVlak::meet();
        main = std::make_unique<Main>(folder, platform,
                                      binnen ? VrijVlak::voorBinnen(*binnen) : scherm.beschikbaar);
        // Queued before the window shows, so that it opens before the recovery copy of
        // an earlier run is offered: a design restored then stays as it was restored.
        if (!startBestanden.isEmpty())
            QTimer::singleShot(0, main.get(), [&] { main->openBestanden(startBestanden); });
        if (!binnen) {
            main->show();
            return;
        }
        // The compositor sizes a maximised window to the free area, which it alone knows.
        // Maximised once it is shown: asked before, Qt on XWayland under Weston can read
        // the window's state back as normal before the window is mapped, and drop it.
        main->pasIn(binnen->size());
        main->show();
        QTimer::singleShot(0, main.get(), [&] { main->setWindowState(Qt::WindowMaximized); });
    });
    titel->show();
    return application.exec();
}
