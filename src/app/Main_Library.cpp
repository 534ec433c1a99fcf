#include "app/Main.h"

// The symbol library panel: categories, symbols, the current symbol, Rename and Delete.
void Main::verbindBibliotheek() {}
