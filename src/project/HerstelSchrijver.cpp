#include "project/HerstelSchrijver.h"

#include "project/DatTekst.h"
#include "project/ProjectMap.h"
#include "ui/Surface.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <utility>

const QString HerstelSchrijver::kNaam = QStringLiteral("herstel");
const QString HerstelSchrijver::kWeg = QStringLiteral(".weg");

namespace {

// What a design looks like, in a few bytes: the worker keeps this of the saved design
// and of the copy on the disk, and lets go of the pictures themselves, so the sheets
// need not share their pixels with it (and pay a copy on the next stroke).
QByteArray vingerafdruk(const HerstelSchrijver::Momentopname &ontwerp) {
    QCryptographicHash hash(QCryptographicHash::Md5);
    for (const QImage *blad : {&ontwerp.Pic, &ontwerp.Pic2}) {
        const qint32 maat[] = {blad->width(), blad->height()};
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(maat), sizeof maat));
        hash.addData(
            QByteArrayView(reinterpret_cast<const char *>(blad->constBits()), blad->sizeInBytes()));
    }
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(ontwerp.lijst.constData()),
                                ontwerp.lijst.size() * qsizetype(sizeof(QChar))));
    const quintptr bron = quintptr(ontwerp.datBron.get());
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(&bron), sizeof bron));
    return hash.result();
}

} // namespace

struct HerstelSchrijver::Staat {
    QString map;
    std::unique_ptr<QLockFile> slot; // held while there is a copy
    QByteArray bewaard, geschreven;  // geschreven is empty while there is no copy

    void verwijder() {
        verwijderMap(map);
        geschreven.clear();
        slot.reset(); // the lock goes last: no one else takes the folder meanwhile
    }

    bool claim() {
        if (slot) return true;
        QDir().mkpath(QFileInfo(map).path());
        auto lock = std::make_unique<QLockFile>(lockPad(map));
        lock->setStaleLockTime(0); // a live program's copy is never stale, however old
        if (!lock->tryLock(0)) return false;
        slot = std::move(lock);
        return true;
    }

    void schrijf(const Momentopname &nu) {
        const QByteArray ontwerp = vingerafdruk(nu);
        if (ontwerp == bewaard) return verwijder(); // back to the saved design
        if (ontwerp == geschreven || !claim()) return;
        // A copy that cannot be written now is tried again at the next change; the
        // copy before it stays whole meanwhile.
        const Surface Pic(nu.Pic), Pic2(nu.Pic2);
        const QByteArray dat =
            nu.datBron ? QByteArray() : DatTekst::codeer(DatTekst::metCrLf(nu.lijst));
        if (ProjectMap(map).schrijf(kNaam, {Pic, Pic2, dat, nu.datBron.get()}) == ProjectMap::Geen)
            geschreven = ontwerp;
    }
};

void HerstelSchrijver::verwijderMap(const QString &map) {
    if (!QFileInfo::exists(map)) return;
    // Out of sight in one step first: a copy cut off halfway through its removal
    // would look like a broken one.
    const QString weg = map + kWeg;
    QDir(weg).removeRecursively();
    if (QDir().rename(map, weg)) QDir(weg).removeRecursively();
}

QString HerstelSchrijver::lockPad(const QString &map) {
    return map + QStringLiteral(".lock");
}

HerstelSchrijver::HerstelSchrijver(QString map, Momentopname bewaard)
    : staat_(std::make_shared<Staat>()) {
    werker_.setMaxThreadCount(1); // one after the other, in the order handed over
    staat_->map = std::move(map);
    zetBewaard(std::move(bewaard));
}

HerstelSchrijver::~HerstelSchrijver() {
    wacht();
}

void HerstelSchrijver::opWerker(std::function<void(Staat &)> taak) {
    werker_.start([staat = staat_, taak = std::move(taak)] { taak(*staat); });
}

void HerstelSchrijver::bewaar(Momentopname nu) {
    if (bezig_->exchange(true)) return;
    opWerker([nu = std::move(nu), bezig = bezig_](Staat &staat) mutable {
        staat.schrijf(nu);
        nu = {};
        *bezig = false;
    });
}

void HerstelSchrijver::zetBewaard(Momentopname bewaard) {
    opWerker([bewaard = std::move(bewaard)](Staat &staat) {
        staat.bewaard = vingerafdruk(bewaard);
        staat.verwijder();
    });
}

void HerstelSchrijver::neemOver(QString map, std::unique_ptr<QLockFile> slot, Momentopname inhoud) {
    // A std::function must be copyable: the lock travels in a shared pointer.
    auto lock = std::make_shared<std::unique_ptr<QLockFile>>(std::move(slot));
    opWerker([map = std::move(map), lock, inhoud = std::move(inhoud)](Staat &staat) {
        staat.verwijder();
        staat.map = map;
        staat.slot = std::move(*lock);
        staat.geschreven = vingerafdruk(inhoud);
    });
}

void HerstelSchrijver::stop() {
    opWerker([](Staat &staat) { staat.verwijder(); });
    wacht();
}

void HerstelSchrijver::wacht() {
    werker_.waitForDone();
}
