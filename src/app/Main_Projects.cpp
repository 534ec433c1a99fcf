#include "app/Main.h"

// The component list, projects, printing, new design, the magnifier and undo.
void Main::verbindProjecten() {}

void Main::NieuwOntwerp() {}

void Main::ProjectOpenen() {}

void Main::ProjectOpslaan() {}

void Main::OntwerpAfdrukken() {}
