#pragma once

#include "editor/TextformModel.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;
class SheetView;
class Surface;

// The dialog " Tekst": a short component code made into a 49 x 49 text block that
// "Transfer" hands over as the current symbol. Built afresh for each opening.
class Textform : public QDialog {
    Q_OBJECT
public:
    explicit Textform(Surface &IconPic, QWidget *parent = nullptr);
    ~Textform() override;

    const TextformModel &blok() const { return blok_; }

private:
    void maakBesturing();
    void plaatsBesturing();
    void PlaatsKnop_Click();

    Surface &iconPic_;
    TextformModel blok_;
    QLineEdit *Text1 = nullptr;
    SheetView *WeerPic = nullptr;
    std::array<QPushButton *, 3> Bknop{};
    QPushButton *PlaatsKnop = nullptr;
};
