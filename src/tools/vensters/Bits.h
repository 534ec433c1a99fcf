#pragma once

#include "tools/BitsModel.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// " Bits & Bytes": eight bit buttons and the decimal and base-2 value of the byte
// they make. Nothing is kept after closing.
class Bits : public QDialog {
    Q_OBJECT
public:
    explicit Bits(QWidget *parent = nullptr);
    ~Bits() override;

private:
    void maakBesturing();
    void Knop_Click(int gewicht);
    void ResetKnop_Click();
    void toon();

    BitsModel byte_;
    std::array<QPushButton *, 8> Knop{}; // in the order of BitsModel::kGewichten
    QLabel *Label1 = nullptr, *Label2 = nullptr;
};
