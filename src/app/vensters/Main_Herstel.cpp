#include "app/vensters/Main.h"

#include "project/Herstelmap.h"
#include "ui/Platform.h"

#include <QGuiApplication>
#include <QLockFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTimer>

// The recovery copy: while the design differs from what was saved, a copy of it is
// kept in the application folder's ".herstel", written on a worker thread, so that a
// crash or a power cut loses at most the last minute of work.

namespace {

constexpr int kHerstelInterval = 60 * 1000;
constexpr int kNaStreek = 500; // how soon to look again while a button is held
// The bytes of a sheet copied in one turn of the event loop: a fraction of 1 ms.
constexpr qsizetype kBand = 256 << 10;

} // namespace

void Main::verbindHerstel() {
    // What the window shows now counts as saved: a copy is due only after a change.
    herstel_ = std::make_unique<HerstelSchrijver>(herstelmap().nieuweKopieMap(), momentopname());
    HerstelTimer = new QTimer(this);
    HerstelTimer->setObjectName(QStringLiteral("HerstelTimer"));
    HerstelTimer->setInterval(kHerstelInterval);
    connect(HerstelTimer, &QTimer::timeout, this, &Main::HerstelTimer_Tick);
    HerstelTimer->start();
    KopieTimer = new QTimer(this);
    KopieTimer->setInterval(0);
    connect(KopieTimer, &QTimer::timeout, this, &Main::KopieTimer_Tick);
}

// Not in the middle of a stroke, which would make the copy start again at every turn.
void Main::HerstelTimer_Tick() {
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        HerstelTimer->stop();
        QTimer::singleShot(kNaStreek, this, &Main::HerstelTimer_Tick);
        return;
    }
    HerstelTimer->start(); // the next copy a whole interval after this one, not sooner
    if (!herstel_->bezig() && !KopieTimer->isActive()) KopieTimer->start();
}

// The sheets are copied here, a band a turn, rather than by the worker: a sheet whose
// pixels the worker still read would make the next stroke copy all of it first. The
// copy is handed over in the turn in which both copies are whole and current.
void Main::KopieTimer_Tick() {
    if (!picKopie_.stap(ontwerp_.Pic.image(), kBand) ||
        !pic2Kopie_.stap(ontwerp_.Pic2.image(), kBand))
        return;
    KopieTimer->stop();
    HerstelSchrijver::Momentopname nu = momentopname();
    nu.Pic = picKopie_.neem();
    nu.Pic2 = pic2Kopie_.neem();
    herstel_->bewaar(std::move(nu));
}

Herstelmap Main::herstelmap() const {
    return Herstelmap(folder_.herstel());
}

HerstelSchrijver::Momentopname Main::momentopname() {
    return ontwerp_.kopie().herstel();
}

void Main::ontwerpBewaard() {
    herstel_->zetBewaard(momentopname());
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
    herstel_->neemOver(hersteld->kopie.map, std::move(hersteld->kopie.slot), momentopname());
}
