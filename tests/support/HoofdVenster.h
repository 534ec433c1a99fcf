#pragma once

#include "ScriptedPlatform.h"
#include "TestFolder.h"
#include "app/vensters/Main.h"

#include <QAbstractButton>
#include <QAction>
#include <QListWidget>

// The main window over a fresh application folder, for the tests of the window: its
// controls and menu items by their names. `P` answers the dialogs.
template <typename P = ScriptedPlatform> struct HoofdVenster {
    TestFolder folder;
    P platform;
    std::unique_ptr<Main> main;

    void start(QSize scherm = {1024, 768}) {
        main = std::make_unique<Main>(AppFolder(folder.root()), platform, scherm);
    }
    // The control of that name; the test program stops when there is none.
    template <typename T = QWidget> T *w(const QString &naam) const {
        if (auto *widget = main->findChild<T *>(naam)) return widget;
        qFatal("no control %s", qPrintable(naam));
    }
    void klik(const QString &naam) const { w<QAbstractButton>(naam)->click(); }
    bool getoond(const QString &naam) const { return !w(naam)->isHidden(); }
    QAction *item(const QString &tekst) const {
        for (QAction *action : main->findChildren<QAction *>())
            if (!action->menu() && action->text() == tekst) return action;
        qFatal("no menu item %s", qPrintable(tekst));
    }
    // Opens the first project of the list through the open dialog.
    void openEerste() const {
        bijModaalVenster([](QWidget *dialog) {
            dialog->findChild<QListWidget *>("List1")->setCurrentRow(0);
            dialog->findChild<QAbstractButton *>("OpenKnop")->click();
        });
        klik("Knop1");
    }
};
