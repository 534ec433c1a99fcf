// The check that refuses cut-off BMP files, on its own: it reads the header's
// figures, which a file can set to anything.
#include "FuzzOmgeving.h"
#include "ui/BmpCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = FuzzOmgeving::bytes(data, size);
    // More bytes never make a whole file incomplete.
    if (bmpVolledig(FuzzOmgeving::schrijf(QStringLiteral("kop.bmp"), bytes)))
        FUZZ_EIS(bmpVolledig(
            FuzzOmgeving::schrijf(QStringLiteral("langer.bmp"), bytes + QByteArray(64, '\0'))));
    return 0;
}
