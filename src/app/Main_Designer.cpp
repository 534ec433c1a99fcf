#include "app/Main.h"

// The symbol designer.
void Main::verbindDesigner() {}
