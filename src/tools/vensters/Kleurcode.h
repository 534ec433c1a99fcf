#pragma once

#include "tools/KleurcodeModel.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;
class SheetView;

// " Kleurcode E-12": the colour code of every E12 resistor value. The slider picks
// the value; "Transfer" hands the banded resistor symbol to the main window as the
// current symbol and closes. Closing without "Transfer" changes nothing.
class Kleurcode : public QDialog {
    Q_OBJECT
public:
    // `IconPic` is the main window's current symbol, which "Transfer" replaces.
    explicit Kleurcode(Surface &IconPic, QWidget *parent = nullptr);
    ~Kleurcode() override;

private:
    void maakBesturing();
    void plaatsBesturing();
    void VScroll1_Change(int waarde);
    void ConvertKnop_Click();
    void toon();

    Surface &iconPic_;
    KleurcodeModel keuze_;
    Surface bord_;    // the large drawing with its leader lines
    Surface weerPic_; // what the window shows of the symbol

    QScrollBar *VScroll1 = nullptr;
    QLabel *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr;
    SheetView *WeerPic = nullptr;
    QPushButton *ConvertKnop = nullptr;
};
