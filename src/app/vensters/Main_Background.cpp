#include "app/vensters/Main.h"

#include "symbols/vensters/Config.h"

#include <QAction>
#include <QTextBrowser>

// The background editor of the help pages.
void Main::verbindAchtergrond() {
    connect(menu_.AchtergrondItem, &QAction::triggered, this, &Main::EditBackground_Click);
}

// A fresh editor on every opening; it stores a new background only while the web
// view that shows the pages is on screen, and then reloads it.
void Main::EditBackground_Click() {
    Config config(
        folder_, platform_, WebBrowser->isVisibleTo(this), [this] { WebBrowser->reload(); },
        kleurDialoogKleur_, this);
    config.exec();
}
