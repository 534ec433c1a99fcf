#include "app/Main.h"

// The background editor of the help pages.
void Main::verbindAchtergrond() {}
