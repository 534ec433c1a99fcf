#pragma once

#include <QDialog>

#include <functional>

class Platform;
class ProjectMap;
class QLabel;
class QListWidget;
class QPushButton;

// The dialog " Open project": the projects of the folder, their count, "Open" (or a
// double click) and "Cancel". Opening hands the chosen name to `open` and closes.
class OpenForm : public QDialog {
    Q_OBJECT
public:
    OpenForm(const ProjectMap &map, Platform &platform, std::function<void(const QString &)> open,
             QWidget *parent = nullptr);

private:
    void OpenKnop_Click();

    Platform &platform_;
    std::function<void(const QString &)> open_;
    QListWidget *List1;
    QLabel *Label1;
    QPushButton *OpenKnop, *CancelKnop;
};
