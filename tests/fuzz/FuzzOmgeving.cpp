#include "FuzzOmgeving.h"

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

void start(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    tijdelijk() = std::make_unique<QTemporaryDir>();
    if (!tijdelijk()->isValid()) {
        std::fprintf(stderr, "fuzz: no temporary folder\n");
        std::abort();
    }
    std::atexit([] { tijdelijk().reset(); });
}

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
