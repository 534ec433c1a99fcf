#include "app/vensters/Main.h"

#include "ui/Platform.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

// The menu bar with its Dutch captions and shortcut keys. The items are connected by
// the subsystems that carry them out.
void Main::maakMenus() {
    QMenu *bestand = menuBar()->addMenu(QStringLiteral("Bestand"));
    const QStringList projectItems = {
        QStringLiteral("Nieuw Project"), QStringLiteral("Project Openen"),
        QStringLiteral("Project Opslaan"), QStringLiteral("Project Afdrukken")};
    const QList<QKeySequence> projectKeys = {
        QKeySequence(QStringLiteral("Ctrl+N")), QKeySequence(QStringLiteral("Ctrl+O")),
        QKeySequence(QStringLiteral("Ctrl+S")), QKeySequence(QStringLiteral("Ctrl+P"))};
    for (int i = 0; i < projectItems.size(); ++i) {
        menu_.ProjectItem[i] = bestand->addAction(projectItems[i]);
        menu_.ProjectItem[i]->setShortcut(projectKeys[i]);
    }
    menu_.AfdrukvoorbeeldItem = bestand->addAction(QStringLiteral("Afdrukvoorbeeld"));
    // Filled each time it opens (Main_Documenten.cpp).
    menu_.VoorbeeldenMenu = bestand->addMenu(QStringLiteral("Voorbeelden"));
    menu_.VoorbeeldenMenu->setObjectName(QStringLiteral("VoorbeeldenMenu"));
    menu_.ExportItem = bestand->addAction(QStringLiteral("Exporteren..."));
    menu_.ExportItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    bestand->addSeparator();
    bestand->addAction(QStringLiteral("Printer Setup"), this, [this] { platform_.printerSetup(); });
    menu_.ExitItem = bestand->addAction(
        QStringLiteral("Exit"), QKeySequence(QStringLiteral("Ctrl+Q")), this, &QWidget::close);
    // The recent projects go above "Exit" (Main_Documenten.cpp).
    menu_.BestandMenu = bestand;

    QMenu *bewerken = menuBar()->addMenu(QStringLiteral("Bewerken"));
    // Undo and Redo name the step they take in their tooltips.
    bewerken->setToolTipsVisible(true);
    menu_.UndoItem = bewerken->addAction(QStringLiteral("Undo"));
    menu_.UndoItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    menu_.RedoItem = bewerken->addAction(QStringLiteral("Redo"));
    menu_.RedoItem->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    // Ctrl+C reaches this item only when no text box has the focus: text boxes take
    // their own shortcut keys first.
    menu_.KopieerItem = bewerken->addAction(QStringLiteral("Kopiëren"));
    menu_.KopieerItem->setShortcut(QKeySequence::Copy);
    menu_.AchtergrondItem = bewerken->addAction(QStringLiteral("Achtergrond Wijzigen"));
    // A selection on a sheet: cut, paste and delete.
    bewerken->addSeparator();
    menu_.KnipItem = bewerken->addAction(QStringLiteral("Knippen"));
    menu_.KnipItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    menu_.PlakItem = bewerken->addAction(QStringLiteral("Plakken"));
    menu_.PlakItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    menu_.VerwijderItem = bewerken->addAction(QStringLiteral("Verwijderen"));
    menu_.VerwijderItem->setShortcut(QKeySequence(Qt::Key_Delete));
    // The plain letters already choose part pictures.
    bewerken->addSeparator();
    menu_.VastklikItem = bewerken->addAction(QStringLiteral("Vastklikken aan gaten"));
    menu_.VastklikItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
    menu_.VastklikItem->setCheckable(true);

    QMenu *beeld = menuBar()->addMenu(QStringLiteral("Beeld"));
    menu_.InzoomItem = beeld->addAction(QStringLiteral("Inzoomen"));
    menu_.InzoomItem->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    menu_.UitzoomItem = beeld->addAction(QStringLiteral("Uitzoomen"));
    menu_.UitzoomItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+-")));
    menu_.WareGrootteItem = beeld->addAction(QStringLiteral("Ware grootte"));
    menu_.WareGrootteItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+0")));

    QMenu *tools = menuBar()->addMenu(QStringLiteral("Tools"));
    menu_.BitsItem = tools->addAction(QStringLiteral("Bits en Bytes"));
    menu_.LedCalcItem = tools->addAction(QStringLiteral("Led Calculator"));
    menu_.DisplayItem = tools->addAction(QStringLiteral("7 Segment Display"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    menu_.HelpItem = help->addAction(QStringLiteral("Help"));
    menu_.HelpItem->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    menu_.SymbolenLinkItem = help->addAction(QStringLiteral("Meer Symbolen Downloaden"));
    menu_.SoftwareLinkItem = help->addAction(QStringLiteral("Meer Software"));

    // A divider on the menu bar, and the name of the design.
    menuBar()->addMenu(QStringLiteral("|"))->setEnabled(false);
    menu_.NaamOntwerp = menuBar()->addMenu(QStringLiteral("*.*"));
    menu_.NaamOntwerp->setObjectName(QStringLiteral("NaamOntwerp"));
}
