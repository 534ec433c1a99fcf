#include "app/Main.h"

// The four electronics tools.
void Main::verbindZijGereedschappen() {}
