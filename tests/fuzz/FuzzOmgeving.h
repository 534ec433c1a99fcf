#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: Qt started without a screen (picture reading and
// text measuring need an application object), and a private folder where the bytes
// of one run become a file, since the program reads its pictures from files.
namespace FuzzOmgeving {

// The folder of this process, made before the first input (with the subfolders the targets
// read from: Projecten, Breadboard, Symbolen/Weerstanden) and removed at exit.
QString map();

// Writes the bytes to `naam` in the folder and returns the file's path.
QString schrijf(const QString &naam, const uint8_t *data, size_t size);

inline QByteArray bytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace FuzzOmgeving

// A property that must hold for every input; a violation stops the run like a crash,
// so that libFuzzer keeps the input that broke it.
#define FUZZ_EIS(voorwaarde)                                                                       \
    do {                                                                                           \
        if (!(voorwaarde)) FuzzOmgeving::faal(#voorwaarde, __FILE__, __LINE__);                    \
    } while (false)

namespace FuzzOmgeving {
[[noreturn]] void faal(const char *eis, const char *bestand, int regel);
}
