#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWindow>

// Where the pointer is in the program's own windows, as their mouse events tell it.
// A window's place on the screen is what the window manager last reported; under
// XWayland on Weston that report can stay wrong (the frame's corner instead of the
// window's), so the pointer's screen position mapped through it misses. The events
// carry the pointer's place inside the window itself, which is always right.
class WijzerPlek : public QObject {
public:
    // Watches every window of the running application.
    explicit WijzerPlek(QObject *parent = nullptr);

    // The window the pointer is over, or null when it is over none of ours.
    QWindow *venster() const { return venster_; }
    // The pointer's place in that window, in its own coordinates.
    QPoint plek() const { return plek_; }

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QPointer<QWindow> venster_;
    QPoint plek_;
};
