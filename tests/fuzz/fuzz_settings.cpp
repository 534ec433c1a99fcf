// The settings file "\Voltarix.ini": anyone can hand the program one.
#include "FuzzOmgeving.h"
#include "app/Settings.h"

FUZZ_DOEL(bytes) {
    const std::optional<bool> groot = Settings::leesTekst(bytes);
    // The file says the same as its text, and what the program writes for the size it
    // read says that size again.
    FUZZ_EIS(Settings::lees(FuzzOmgeving::schrijf(QStringLiteral("Voltarix.ini"), bytes)) == groot);
    if (groot) FUZZ_EIS(Settings::leesTekst(Settings::tekst(*groot)) == groot);
}
