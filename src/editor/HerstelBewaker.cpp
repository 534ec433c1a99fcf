#include "editor/HerstelBewaker.h"

#include "editor/Ontwerp.h"

#include <QGuiApplication>
#include <QLockFile>
#include <QTimer>

namespace {

constexpr int kHerstelInterval = 60 * 1000;
constexpr int kNaStreek = 500; // how soon to look again while a button is held
// The bytes of a sheet copied in one turn of the event loop: a fraction of 1 ms.
constexpr qsizetype kBand = 256 << 10;

} // namespace

HerstelBewaker::HerstelBewaker(Ontwerp &ontwerp, QString map, QObject *parent)
    : QObject(parent), ontwerp_(ontwerp), schrijver_(std::move(map), ontwerp.kopie().herstel()),
      klok_(new QTimer(this)), kopieKlok_(new QTimer(this)) {
    klok_->setObjectName(QStringLiteral("HerstelTimer"));
    klok_->setInterval(kHerstelInterval);
    connect(klok_, &QTimer::timeout, this, &HerstelBewaker::kijk);
    klok_->start();
    kopieKlok_->setInterval(0);
    connect(kopieKlok_, &QTimer::timeout, this, &HerstelBewaker::kopieer);
}

void HerstelBewaker::bewaard() {
    schrijver_.zetBewaard(ontwerp_.kopie().herstel());
}

void HerstelBewaker::neemOver(QString map, std::unique_ptr<QLockFile> slot) {
    schrijver_.neemOver(std::move(map), std::move(slot), ontwerp_.kopie().herstel());
}

void HerstelBewaker::stop() {
    kopieKlok_->stop(); // no copy half taken is handed over after the last one is gone
    schrijver_.stop();
}

// Not in the middle of a stroke, which would make the copy start again at every turn.
void HerstelBewaker::kijk() {
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        klok_->stop();
        QTimer::singleShot(kNaStreek, this, &HerstelBewaker::kijk);
        return;
    }
    klok_->start(); // the next copy a whole interval after this one, not sooner
    if (!schrijver_.bezig() && !kopieKlok_->isActive()) kopieKlok_->start();
}

// The sheets are copied here, a band a turn, rather than by the worker: a sheet whose
// pixels the worker still read would make the next stroke copy all of it first. The
// copy is handed over in the turn in which both copies are whole and current.
void HerstelBewaker::kopieer() {
    if (!picKopie_.stap(ontwerp_.Pic.image(), kBand) ||
        !pic2Kopie_.stap(ontwerp_.Pic2.image(), kBand))
        return;
    kopieKlok_->stop();
    HerstelSchrijver::Momentopname nu = ontwerp_.kopie().herstel();
    nu.Pic = picKopie_.neem();
    nu.Pic2 = pic2Kopie_.neem();
    schrijver_.bewaar(std::move(nu));
}
