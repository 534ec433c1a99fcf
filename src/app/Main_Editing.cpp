#include "app/Main.h"

// Editing the sheets: placing symbols, the breadboard tool modes, wires, text, rotate,
// mirror and shift.
void Main::verbindBewerken() {}

void Main::VerschuifTekening(int) {}
