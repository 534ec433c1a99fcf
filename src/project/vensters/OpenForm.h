#pragma once

#include "project/ProjectMap.h"

#include <QDialog>

#include <functional>

class Platform;
class QLabel;
class QListWidget;
class QPushButton;

// The dialog " Open project": the projects of the folder, their count, "Open" (or a
// double click) and "Cancel". Opening hands the chosen name to `open` and closes.
// "Importeren..." brings a shared zip of a project into the folder and opens it.
class OpenForm : public QDialog {
    Q_OBJECT
public:
    OpenForm(const ProjectMap &map, Platform &platform, std::function<void(const QString &)> open,
             QWidget *parent = nullptr);

private:
    void OpenKnop_Click();
    void ImportKnop_Click();

    const ProjectMap map_;
    Platform &platform_;
    std::function<void(const QString &)> open_;
    QListWidget *List1;
    QLabel *Label1;
    QPushButton *OpenKnop, *CancelKnop;
    QPushButton *ImportKnop;
};
