// Opening a project: its two sheet pictures and its list, all three files made of
// the same bytes.
#include "FuzzOmgeving.h"
#include "project/DatTekst.h"
#include "project/ProjectMap.h"
#include "ui/BmpCheck.h"
#include "ui/PictureFile.h"
#include "ui/Surface.h"

FUZZ_DOEL(bytes) {
    QString ovb; // the last one written
    for (const char *extensie : {".brb", ".dat", ".ovb"})
        ovb = FuzzOmgeving::schrijf(QStringLiteral("Projecten/P") + QLatin1String(extensie), bytes);

    const std::optional<QImage> plaatje = PictureFile::read(ovb);
    if (plaatje) {
        // Only whole pictures of a size the program can hold, always opaque RGB.
        FUZZ_EIS(bmpVolledig(ovb));
        FUZZ_EIS(!plaatje->isNull() && plaatje->width() <= 16384 && plaatje->height() <= 16384);
        FUZZ_EIS(plaatje->format() == QImage::Format_RGB32);
    }
    const ProjectMap::Geladen geladen =
        ProjectMap(FuzzOmgeving::map() + QStringLiteral("/Projecten")).laad(QStringLiteral("P"));
    FUZZ_EIS(geladen.ontwerpBlad.has_value() == plaatje.has_value());
    FUZZ_EIS(geladen.breadboard.has_value() == plaatje.has_value());
    FUZZ_EIS(geladen.lijst == DatTekst::lijstUit(bytes));

    // Loaded over a sheet: the sheet keeps its size, and a refused file leaves it as it was.
    Surface blad(60, 40, grey(200));
    blad.drawLine(0, 0, 59, 39, qRgb(255, 0, 0));
    const QImage voor = blad.image();
    FUZZ_EIS(blad.load(ovb) == plaatje.has_value());
    FUZZ_EIS(blad.size() == QSize(60, 40));
    if (!plaatje) FUZZ_EIS(blad.image() == voor);
}
