// The check that refuses cut-off BMP files, on its own: it reads the header's
// figures, which a file can set to anything.
#include "FuzzOmgeving.h"
#include "ui/BmpCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const bool volledig = bmpVolledig(FuzzOmgeving::schrijf(QStringLiteral("kop.bmp"), data, size));
    // More bytes never make a whole file incomplete.
    if (volledig) {
        QByteArray langer = FuzzOmgeving::bytes(data, size);
        langer.append(64, '\0');
        const QString pad = FuzzOmgeving::schrijf(
            QStringLiteral("langer.bmp"), reinterpret_cast<const uint8_t *>(langer.constData()),
            size_t(langer.size()));
        FUZZ_EIS(bmpVolledig(pad));
    }
    return 0;
}
