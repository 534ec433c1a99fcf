#include "app/Main.h"

#include "ui/Platform.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

// The menu bar with its Dutch captions and shortcut keys. Items whose windows are
// not part of the program yet are present but do nothing.
void Main::maakMenus() {
    QMenu *bestand = menuBar()->addMenu(QStringLiteral("Bestand"));
    const QStringList projectItems = {
        QStringLiteral("Nieuw Project"), QStringLiteral("Project Openen"),
        QStringLiteral("Project Opslaan"), QStringLiteral("Project Afdrukken")};
    const QList<QKeySequence> projectKeys = {QKeySequence(QStringLiteral("Ctrl+N")),
                                             QKeySequence(QStringLiteral("Ctrl+O")),
                                             QKeySequence(QStringLiteral("Ctrl+S")),
                                             QKeySequence(QStringLiteral("Ctrl+P"))};
    for (int i = 0; i < projectItems.size(); ++i) {
        QAction *item = bestand->addAction(projectItems[i]);
        item->setObjectName(QStringLiteral("ProjectItem%1").arg(i));
        item->setShortcut(projectKeys[i]);
    }
    bestand->addSeparator();
    bestand->addAction(QStringLiteral("Printer Setup"), this, [this] { platform_.printerSetup(); });
    bestand->addAction(QStringLiteral("Exit"), QKeySequence(QStringLiteral("Ctrl+Q")), this,
                       &QWidget::close);

    QMenu *bewerken = menuBar()->addMenu(QStringLiteral("Bewerken"));
    bewerken->addAction(QStringLiteral("Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
    bewerken->addAction(QStringLiteral("Achtergrond Wijzigen"));

    QMenu *tools = menuBar()->addMenu(QStringLiteral("Tools"));
    tools->addAction(QStringLiteral("Bits en Bytes"));
    tools->addAction(QStringLiteral("Led Calculator"));
    tools->addAction(QStringLiteral("7 Segment Display"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->addAction(QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
    help->addSeparator();
    help->addAction(QStringLiteral("Meer Symbolen Downloaden"));
    help->addAction(QStringLiteral("Meer Software"));

    // A divider on the menu bar, and the name of the design.
    menuBar()->addMenu(QStringLiteral("|"))->setEnabled(false);
    NaamOntwerp = menuBar()->addMenu(QStringLiteral("*.*"));
    NaamOntwerp->setObjectName(QStringLiteral("NaamOntwerp"));
}
