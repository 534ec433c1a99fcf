#pragma once

#include "symbols/SymboolDesigner.h"

#include <QDialog>

#include <array>

class Platform;
class QLabel;
class QPushButton;
class QToolButton;
class SheetView;
class Surface;

// The symbol designer's window: a toolbar, the magnified grid, the 1:1 view, the
// palette, the drawing-colour swatch, the coordinates line and Transfer. All it does
// is lay these out, pass their events to SymboolDesigner and show the result. It is
// opened modally and starts afresh on every opening.
class IconDesign : public QDialog {
    Q_OBJECT
public:
    // `IconPic` is the main window's current symbol, which Transfer replaces; the Open
    // and Save dialogs start in `symboolMap`.
    IconDesign(Platform &platform, Surface &IconPic, const QString &symboolMap = {},
               QWidget *parent = nullptr);
    ~IconDesign() override;

    const SymboolDesigner &model() const { return model_; }

signals:
    void bewaard(const QString &pad); // Save wrote this symbol file

private:
    void maakBesturing();
    void maakKnoppen();
    void plaatsBesturing();
    void verbind();
    void toon();
    void KnopB_Click(int index);

    SymboolDesigner model_;
    Surface &iconPic_;

    QLabel *KnoppenLabel = nullptr;
    std::array<QToolButton *, SymboolDesigner::kKnoppen + 1> KnopB{}; // 1 to 15 used
    QWidget *IconPictureRand = nullptr;
    SheetView *IconPicture = nullptr;
    QLabel *IconLabel = nullptr;
    SheetView *IconOrgineel = nullptr;
    SheetView *IconPalet = nullptr;
    QLabel *TekenKleur = nullptr, *CoordLabel = nullptr, *Label1 = nullptr, *Label2 = nullptr;
    QPushButton *TransferKnop = nullptr;
};
