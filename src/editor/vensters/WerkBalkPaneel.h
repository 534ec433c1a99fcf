#pragma once

#include "editor/BreadboardEditor.h"
#include "ui/AppFolder.h"

#include <QObject>

#include <memory>
#include <optional>

class Ontwerp;
class Platform;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;
class SheetView;

// The breadboard's tool bar over the top of its sheet: the wire colour ("Combo2"), the
// tool ("Combo3"), the text tools ("Text2", "Combo4", "Check1"), the buttons "Nieuw",
// "Loep", "Size" and "Print" with the magnifier's zoom bar, and the previews that
// float over the sheet (the part picture, the eraser, the text). It owns the editor
// of the tool modes: the window passes the sheet's pointer on to it here.
class WerkBalkPaneel : public QObject {
    Q_OBJECT
public:
    // Lays its controls on `paneel`, where `blad` shows the design's breadboard.
    WerkBalkPaneel(QWidget *paneel, SheetView *blad, Ontwerp &ontwerp, const AppFolder &folder,
                   Platform &platform);
    ~WerkBalkPaneel() override;

    // The choices of the three boxes: colours, tools and part pictures, text sizes.
    void vul(const QStringList &kleuren, const QStringList &gereedschappen,
             const QStringList &groottes);
    // Its controls in stacking order, for the window to place, raise and show.
    QList<QWidget *> besturing() const;
    // Once the window placed the controls: the bar covers the top of the sheet.
    void geplaatst();
    // The tooltips that name the keys of the colours and the tools.
    void zetToetsHints();

    BreadboardEditor &bewerker() { return *bewerker_; }

    // The pointer over the sheet, in sheet pixels; a move may give a status line.
    void drukIn(Qt::MouseButton knop, int x, int y);
    std::optional<QString> beweeg(Qt::MouseButtons ingedrukt, int x, int y);
    void laatLos(Qt::MouseButton knop, int x, int y);
    // The tool ends as at a release of the right button: its previews go.
    void stopGereedschap();

    // The tools and colours, for the keys that choose them.
    QStringList gereedschappen() const;
    int gereedschap() const;
    void kiesGereedschap(int index);
    int kleur() const;
    int kleuren() const;
    void kiesKleur(int index);

    // Wire ends snap to the holes of the board that shows.
    void zetVastklikken(bool aan);
    int vergroting() const; // of the magnifier

signals:
    void gereedschapGekozen(); // also the same tool again: that takes it up again
    void loepGevraagd();
    void vergrotingGekozen(int keer);

private:
    void maakBesturing(QWidget *paneel);
    void maakVoorbeelden();
    void verbind();
    void gereedschapKeuze(int index);
    void nieuwBreadboard();
    void afdrukken();
    void zetGaten();
    void zetTekstLabel();
    void toonTekstGereedschap();
    void toonVoorbeelden();
    void zetBBlayerBeeld();
    bool recht() const; // Shift held: a wire at 0, 45 or 90 degrees

    SheetView *blad_;
    Ontwerp &ontwerp_;
    const AppFolder folder_;
    Platform &platform_;
    std::unique_ptr<BreadboardEditor> bewerker_;
    bool vastklikken_ = false;

    QLabel *WerkBalk = nullptr;
    QComboBox *Combo2 = nullptr, *Combo3 = nullptr, *Combo4 = nullptr;
    QLineEdit *Text2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QLabel *BackClear = nullptr;
    QPushButton *NewKnop = nullptr, *LoepKnop = nullptr, *BBgrootKnop = nullptr,
                *PrintKnop = nullptr;
    QScrollBar *LoepScroll = nullptr;
    // The previews floating over the sheet.
    QLabel *BBlayer = nullptr, *GumLayer = nullptr, *TekstLabel = nullptr;
};
