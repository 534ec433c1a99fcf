#pragma once

#include "tools/LedCalcModel.h"
#include "ui/Surface.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// " Led calculator": the series resistor for one LED, several in parallel or several
// in series, with a schematic of the circuit. Nothing is kept after closing.
class LedCalc : public QDialog {
    Q_OBJECT
public:
    // The locale gives the separators of the results.
    explicit LedCalc(QWidget *parent = nullptr, const QLocale &locale = QLocale());
    ~LedCalc() override;

private:
    void maakBesturing();
    void maakInvoer(QWidget *frame);
    void maakUitleg(QWidget *frame);
    void plaatsBesturing();
    void optLED_Click(int index);
    void CalcKnop_Click();
    void toon();

    LedCalcModel rekenaar_;
    Surface picCir_;
    Surface uitleg_;

    std::array<QRadioButton *, 3> optLED{};
    QLineEdit *txtSV = nullptr, *txtDFV = nullptr, *txtDFC = nullptr, *txtNoLED = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *lblResistorValue = nullptr, *lblWatt = nullptr, *lbltotCur = nullptr;
    QPushButton *CalcKnop = nullptr;
};
