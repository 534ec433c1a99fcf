#include "app/Main.h"
#include "ui/AppFolder.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

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
    Main main(folder, platform, QGuiApplication::primaryScreen()->geometry().size());
    main.show();
    return application.exec();
}
