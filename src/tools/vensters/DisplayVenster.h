#pragma once

#include "tools/DisplayModel.h"
#include "ui/Surface.h"

#include <QDialog>

#include <array>

class Platform;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The window `Display`, " 7-Segment Display" (the class has a longer name because
// the X11 headers that Qt's application header brings in declare a global
// `Display`). It lights a digit on a 7-segment display with its wires and
// resistors for the hold time, plays the digits in turn, names the segments and
// gives the value of the segment resistors.
class DisplayVenster : public QDialog {
    Q_OBJECT
public:
    // The hold runs on the platform's responsive wait; the locale gives the
    // resistor value's decimal separator.
    explicit DisplayVenster(Platform &platform, QWidget *parent = nullptr,
                            const QLocale &locale = QLocale());
    ~DisplayVenster() override;

    // Closing, by "Exit" or the close box, ends a running "Play" after its hold.
    void done(int resultaat) override;

private:
    void maakBesturing();
    void maakKnoppen(QWidget *frame);
    void maakRekenaar(QWidget *frame);
    void plaatsBesturing();
    void Combo1_Change();
    void toon();

    DisplayModel display_;
    QLocale locale_;
    Surface bord_;

    std::array<QPushButton *, SegmentTabel::kKnoppen> Knop{};
    QPushButton *SegmentKnop = nullptr, *PlayKnop = nullptr, *ExitKnop = nullptr;
    QComboBox *Combo1 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr;
    QLabel *Label7 = nullptr, *Label11 = nullptr;
    QScrollBar *HScroll1 = nullptr;
};
