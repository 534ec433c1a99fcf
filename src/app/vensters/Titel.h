#pragma once

#include "app/Schaal.h"
#include "ui/Surface.h"

#include <QWidget>

class AppFolder;
class Platform;
class QLabel;
class QTimer;
class SheetView;

// The title screen, the first window of the program and at once its about box: the
// title picture with the maker's lines, the information text about the program file
// and the screen, a running clock and the start strip. A click on the picture or on
// the information text plays the start animation and emits gestart(), after which
// the window closes; the main window takes over from there.
class Titel : public QWidget {
    Q_OBJECT
public:
    // The window stands in the middle of the screen's free area and tells the screen's
    // size and density.
    Titel(const AppFolder &folder, Platform &platform, const Schaal::Scherm &scherm,
          QWidget *parent = nullptr);
    // A screen of `scherm` pixels at `dpi`, without panels or a scale of our own.
    Titel(const AppFolder &folder, Platform &platform, QSize scherm, int dpi,
          QWidget *parent = nullptr)
        : Titel(folder, platform, Schaal::Scherm{scherm, QRect(QPoint(), scherm), dpi}, parent) {}
    ~Titel() override;

    const Surface &strook() const { return strook_; }

signals:
    // The start animation has played; the main window must be shown now, because the
    // title screen closes right after this signal.
    void gestart();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void maakBesturing();
    void plaatsBesturing();
    void Form_Load(const AppFolder &folder, const Schaal::Scherm &scherm);
    void Form_Activate();
    void Start_Click();
    void Label4_Click();
    void Timer1_Timer();

    Platform &platform_;
    Surface strook_;
    int Dpi_;
    double eigenFactor_; // the scale the program chose itself, 0 for the desktop's
    bool bezig_ = false;
    bool overslaan_ = false; // a second click or a key during the animation
    bool terugVanWaarschuwing_ = false;

    QLabel *Image1 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label1 = nullptr,
           *KlokLabel = nullptr, *Label2 = nullptr;
    SheetView *Picture1 = nullptr;
    QTimer *Timer1 = nullptr;
};
