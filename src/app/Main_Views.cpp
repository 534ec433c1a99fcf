#include "app/Main.h"

// The tool buttons, the four views of the work area, the help pages and the web links.
void Main::verbindKnoppen() {}
