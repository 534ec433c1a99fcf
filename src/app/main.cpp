#include "app/Main.h"
#include "app/Titel.h"
#include "app/TitelInfo.h"
#include "ui/AppFolder.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <memory>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Voltarix"));
    // Qt's own buttons (Yes, No, Cancel) in the desktop's language: "Ja", "Nee".
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    const AppFolder folder(AppFolder::chooseRoot(QApplication::arguments(),
                                                 qEnvironmentVariable("VOLTARIX_HOME"),
                                                 QApplication::applicationDirPath()));
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
