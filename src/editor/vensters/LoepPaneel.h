#pragma once

#include "ui/Surface.h"

#include <QFrame>

class QTimer;
class SheetView;
class WijzerPlek;

// The magnifier ("Loep"): a sunken box that shows what lies around the pointer, read
// from the screen every 25 ms and enlarged, with a red cross-hair ("LineH", "LineV")
// in its middle. Where the screen cannot be read it shows the program's own windows.
class LoepPaneel : public QFrame {
    Q_OBJECT
public:
    LoepPaneel(QWidget *ouder, const WijzerPlek &wijzer);

    // Lays out the inside once the box has its place; `omhoog` lifts the cross-hair by
    // as much as a low screen shortens the box, so that it stays in the middle.
    void richIn(int omhoog);
    // Shows or hides the box with its cross-hair.
    void zetAan(bool aan);
    void zetVergroting(int keer) { vergroting_ = keer; }

private:
    void kijk();
    QImage eigenBeeld() const;

    const WijzerPlek &wijzer_;
    Surface beeld_;
    SheetView *view_ = nullptr;
    QFrame *lijnH_ = nullptr, *lijnV_ = nullptr;
    QTimer *klok_ = nullptr;
    int vergroting_ = 3;
    bool schermGeeftZwart_ = false; // a grab of the screen came back black
};
