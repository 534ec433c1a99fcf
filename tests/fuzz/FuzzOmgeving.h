#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: Qt started without a screen (picture reading and text
// measuring need an application object), and a private folder, removed at exit, where the
// bytes of one run become a file, since the program reads its pictures from files.
namespace FuzzOmgeving {
// The folder, with Projecten, Breadboard and Symbolen/Weerstanden in it.
QString map();
// Writes the bytes to `naam` in the folder and returns the file's path.
QString schrijf(const QString &naam, const QByteArray &inhoud);
// Ends the run like a crash, so that libFuzzer keeps the input that did it.
[[noreturn]] void faal(const char *eis, const char *bestand, int regel);
} // namespace FuzzOmgeving

// A property that must hold for every input.
#define FUZZ_EIS(voorwaarde)                                                                       \
    do {                                                                                           \
        if (!(voorwaarde)) FuzzOmgeving::faal(#voorwaarde, __FILE__, __LINE__);                    \
    } while (false)

// A target: `FUZZ_DOEL(bytes) { ... }` runs its body on every input, as a QByteArray.
#define FUZZ_DOEL(bytes)                                                                           \
    static void fuzzDoel(const QByteArray &bytes);                                                 \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {                      \
        fuzzDoel(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));               \
        return 0;                                                                                  \
    }                                                                                              \
    static void fuzzDoel(const QByteArray &bytes)
