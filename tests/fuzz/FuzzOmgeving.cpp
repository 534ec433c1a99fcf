#include "FuzzOmgeving.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

QString FuzzOmgeving::map() {
    static const QTemporaryDir tijdelijk;
    FUZZ_EIS(tijdelijk.isValid());
    return tijdelijk.path();
}

QString FuzzOmgeving::schrijf(const QString &naam, const QByteArray &inhoud) {
    QFile bestand(map() + QLatin1Char('/') + naam);
    FUZZ_EIS(bestand.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
             bestand.write(inhoud) == inhoud.size());
    return bestand.fileName();
}

void FuzzOmgeving::faal(const char *eis, const char *bestand, int regel) {
    std::fprintf(stderr, "fuzz: %s:%d: property broken: %s\n", bestand, regel, eis);
    std::abort();
}

// Every target starts the same way: Qt once, without a screen, and the folder.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    for (const char *map : {"Projecten", "Breadboard", "Symbolen/Weerstanden"})
        FUZZ_EIS(QDir(FuzzOmgeving::map()).mkpath(map));
    return 0;
}
