#include "app/vensters/Main.h"

#include "editor/HerstelBewaker.h"
#include "project/Herstelmap.h"
#include "ui/Platform.h"

#include <QLockFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTimer>

// The recovery copy: while the design differs from what was saved, a copy of it is
// kept in the application folder's ".herstel", written on a worker thread, so that a
// crash or a power cut loses at most the last minute of work.

void Main::verbindHerstel() {
    // What the window shows now counts as saved: a copy is due only after a change.
    herstel_ = new HerstelBewaker(ontwerp_, herstelmap().nieuweKopieMap(), this);
}

Herstelmap Main::herstelmap() const {
    return Herstelmap(folder_.herstel());
}

void Main::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (getoond_) return;
    getoond_ = true;
    // Asked over the window, once it is on the screen.
    QTimer::singleShot(0, this, &Main::biedHerstelAan);
}

// A restored design is opened as a project is, without a name, so that a save asks
// for one; its copy stays this run's until the design is saved.
void Main::biedHerstelAan() {
    std::optional<Herstelmap::Hersteld> hersteld = herstelmap().biedAan(platform_);
    if (!hersteld) return;
    toonGeladen(hersteld->inhoud, QStringLiteral("*.*"));
    herstel_->neemOver(hersteld->kopie.map, std::move(hersteld->kopie.slot));
}
