#pragma once

#include "symbols/ConfigModel.h"
#include "ui/AppFolder.h"

#include <QDialog>

#include <functional>

class Platform;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class SheetView;

// The background editor of the help pages, a small modal window: a texture bar, a
// pattern bar, the combine check box and the pattern colour compose an 80 x 80 tile,
// which OK stores as the pages' background picture. The tile and its choices live in
// ConfigModel; this window lays out the controls and forwards their events.
class Config : public QDialog {
    Q_OBJECT
public:
    // `webZichtbaar`: whether the main window shows its web view, the only time OK
    // stores anything; `herlaad` reloads that view; `dialoogKleur` is the colour last
    // chosen in the program's colour dialog, which the swatch opens on and updates.
    Config(const AppFolder &folder, Platform &platform, bool webZichtbaar,
           std::function<void()> herlaad, QRgb &dialoogKleur, QWidget *parent = nullptr);
    ~Config() override;

    const ConfigModel &tegel() const { return tegel_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void verbind();
    void toonKleur();
    void OkKnop_Click();

    const AppFolder folder_;
    Platform &platform_;
    const bool webZichtbaar_;
    const std::function<void()> herlaad_;
    QRgb &dialoogKleur_;
    ConfigModel tegel_;

    QFrame *Frame1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *ColorLabel = nullptr;
    SheetView *Picture1 = nullptr;
    QScrollBar *HScroll1 = nullptr, *VScroll1 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *CancelKnop = nullptr, *OkKnop = nullptr;
};
