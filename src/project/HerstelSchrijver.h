#pragma once

#include <QImage>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

class QFile;
class QLockFile;

// The recovery copy of this run: while the design differs from what was last saved,
// its sheets and list are written, as a project, into a folder of this run's own
// (Herstelmap). The comparing and writing happen on a worker thread of their own; the
// main thread hands over copies of the sheets that it made a band at a time
// (StapKopie), so that no stroke waits for them. Pictures shared with a sheet work as
// well, at the price of a copy of that sheet on the next stroke, as Qt's images copy on
// write.
//
// The work is done in the order it was handed over, so a save that follows a copy
// removes that copy, never the other way round.
class HerstelSchrijver {
public:
    struct Momentopname {
        QImage Pic, Pic2;
        QString lijst; // as the list box holds it: lines end in LF
        // A list too large to show, kept as its file: the copy holds it byte for byte.
        std::shared_ptr<QFile> datBron;
    };

    // `map` is where this run's copy goes (nothing is made there until a copy is
    // due); `bewaard` is the design as it stands saved, or as it started.
    HerstelSchrijver(QString map, Momentopname bewaard);
    // Waits for the work handed over; a copy on the disk stays, as after a crash.
    ~HerstelSchrijver();

    // The design as it is now: written when it differs from the saved design and
    // from the copy on the disk; a design back to the saved one takes the copy away.
    // Returns at once; skipped while the previous one is still being handled.
    void bewaar(Momentopname nu);
    // The design has been saved, opened or started anew: this is what counts as
    // saved, and the copy goes.
    void zetBewaard(Momentopname bewaard);
    // A copy of an earlier run that the user restored becomes this run's: its folder
    // and its lock (held already), with `inhoud` what it holds.
    void neemOver(QString map, std::unique_ptr<QLockFile> slot, Momentopname inhoud);
    // The confirmed exit: the copy goes; returns when it has.
    void stop();
    // Waits until all that was handed over has been done.
    void wacht();
    // Whether a moment handed to bewaar() is still being compared or written.
    bool bezig() const { return *bezig_; }

    // The folder of a run's copy and the lock file beside it.
    static QString lockPad(const QString &map);
    // The name of the project inside a copy's folder.
    static const QString kNaam;
    // What a copy's folder is renamed to while it is being removed.
    static const QString kWeg;
    // Removes a copy's folder, first out of sight under the name above.
    static void verwijderMap(const QString &map);

private:
    struct Staat;
    void opWerker(std::function<void(Staat &)> taak);

    QThreadPool werker_;
    std::shared_ptr<Staat> staat_; // touched only on the worker thread
    std::shared_ptr<std::atomic<bool>> bezig_ = std::make_shared<std::atomic<bool>>(false);
};
