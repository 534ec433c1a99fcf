#pragma once

#include "project/HerstelSchrijver.h"
#include "project/StapKopie.h"

#include <QObject>

class Ontwerp;
class QLockFile;
class QTimer;

// Keeps the recovery copy of unsaved work current: every minute, while no mouse button
// is held, the design's sheets are copied a band a turn of the event loop and the copy
// goes to the writer's worker thread, which keeps it when the design differs from what
// was saved.
class HerstelBewaker : public QObject {
public:
    // `map`: where this run's copy goes. What the design holds now counts as saved.
    HerstelBewaker(Ontwerp &ontwerp, QString map, QObject *parent = nullptr);

    void bewaard(); // saved, opened or new: nothing left to recover
    // Goes on with a copy of an earlier run, which the design now shows.
    void neemOver(QString map, std::unique_ptr<QLockFile> slot);
    void stop(); // the program ends as it should: nothing to recover

private:
    void kijk();
    void kopieer();

    Ontwerp &ontwerp_;
    HerstelSchrijver schrijver_;
    QTimer *klok_, *kopieKlok_; // every minute; every turn while a copy is taken
    StapKopie picKopie_, pic2Kopie_;
};
