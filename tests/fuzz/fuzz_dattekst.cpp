// The component list of a project, the ".dat" file.
#include "FuzzOmgeving.h"
#include "project/DatTekst.h"

FUZZ_DOEL(bytes) {
    const QString tekst = DatTekst::decodeer(bytes);
    const QString lijst = DatTekst::lijstUit(bytes);
    // A list is whole lines, each ending in CR LF, and no line break stands alone.
    FUZZ_EIS(lijst.isEmpty() || lijst.endsWith(QStringLiteral("\r\n")));
    const auto paren = lijst.count(QStringLiteral("\r\n"));
    FUZZ_EIS(lijst.count(QLatin1Char('\r')) == paren && lijst.count(QLatin1Char('\n')) == paren);
    // Whatever was read is written so that it reads back the same: a project opened
    // and saved again keeps its list character for character.
    FUZZ_EIS(DatTekst::decodeer(DatTekst::codeer(tekst)) == tekst);
    FUZZ_EIS(DatTekst::lijstUit(DatTekst::codeer(lijst)) == lijst);
}
