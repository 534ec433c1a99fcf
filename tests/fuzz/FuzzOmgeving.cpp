#include "FuzzOmgeving.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace FuzzOmgeving {

namespace {

std::unique_ptr<QTemporaryDir> &tijdelijk() {
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

} // namespace

QString map() {
    return tijdelijk()->path();
}

QString schrijf(const QString &naam, const uint8_t *data, size_t size) {
    const QString pad = map() + QLatin1Char('/') + naam;
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        bestand.write(bytes(data, size)) != qint64(size)) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(pad));
        std::abort();
    }
    return pad;
}

void faal(const char *eis, const char *bestand, int regel) {
    std::fprintf(stderr, "fuzz: %s:%d: property broken: %s\n", bestand, regel, eis);
    std::abort();
}

} // namespace FuzzOmgeving

// Every target starts the same way: Qt once, without a screen, and the folder.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    FuzzOmgeving::tijdelijk() = std::make_unique<QTemporaryDir>();
    for (const char *map : {"Projecten", "Breadboard", "Symbolen/Weerstanden"})
        if (!FuzzOmgeving::tijdelijk()->isValid() || !QDir(FuzzOmgeving::map()).mkpath(map)) {
            std::fprintf(stderr, "fuzz: no temporary folder\n");
            std::abort();
        }
    std::atexit([] { FuzzOmgeving::tijdelijk().reset(); });
    return 0;
}
