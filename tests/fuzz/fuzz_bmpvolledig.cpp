// The check that refuses cut-off BMP files, on its own: it reads the header's
// figures, which a file can set to anything.
#include "FuzzOmgeving.h"
#include "ui/BmpCheck.h"

FUZZ_DOEL(bytes) {
    // More bytes never make a whole file incomplete.
    if (bmpVolledig(FuzzOmgeving::schrijf(QStringLiteral("kop.bmp"), bytes)))
        FUZZ_EIS(bmpVolledig(
            FuzzOmgeving::schrijf(QStringLiteral("langer.bmp"), bytes + QByteArray(64, '\0'))));
}
