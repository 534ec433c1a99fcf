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
        ProjectItem[i] = bestand->addAction(projectItems[i]);
        ProjectItem[i]->setShortcut(projectKeys[i]);
    }
    AfdrukvoorbeeldItem = bestand->addAction(QStringLiteral("Afdrukvoorbeeld"));
    // Filled each time it opens (Main_Documenten.cpp).
    VoorbeeldenMenu = bestand->addMenu(QStringLiteral("Voorbeelden"));
    VoorbeeldenMenu->setObjectName(QStringLiteral("VoorbeeldenMenu"));
    ExportItem = bestand->addAction(QStringLiteral("Exporteren..."));
    ExportItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    bestand->addSeparator();
    bestand->addAction(QStringLiteral("Printer Setup"), this, [this] { platform_.printerSetup(); });
    ExitItem = bestand->addAction(QStringLiteral("Exit"), QKeySequence(QStringLiteral("Ctrl+Q")),
                                  this, &QWidget::close);
    // The recent projects go above "Exit" (Main_Documenten.cpp).
    BestandMenu = bestand;

    QMenu *bewerken = menuBar()->addMenu(QStringLiteral("Bewerken"));
    // Undo and Redo name the step they take in their tooltips.
    bewerken->setToolTipsVisible(true);
    UndoItem = bewerken->addAction(QStringLiteral("Undo"));
    UndoItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    RedoItem = bewerken->addAction(QStringLiteral("Redo"));
    RedoItem->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    // Ctrl+C reaches this item only when no text box has the focus: text boxes take
    // their own shortcut keys first.
    KopieerItem = bewerken->addAction(QStringLiteral("Kopiëren"));
    KopieerItem->setShortcut(QKeySequence::Copy);
    AchtergrondItem = bewerken->addAction(QStringLiteral("Achtergrond Wijzigen"));
    // A selection on a sheet: cut, paste and delete.
    bewerken->addSeparator();
    KnipItem = bewerken->addAction(QStringLiteral("Knippen"));
    KnipItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    PlakItem = bewerken->addAction(QStringLiteral("Plakken"));
    PlakItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    VerwijderItem = bewerken->addAction(QStringLiteral("Verwijderen"));
    VerwijderItem->setShortcut(QKeySequence(Qt::Key_Delete));
    // The plain letters already choose part pictures.
    bewerken->addSeparator();
    VastklikItem = bewerken->addAction(QStringLiteral("Vastklikken aan gaten"));
    VastklikItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
    VastklikItem->setCheckable(true);

    QMenu *beeld = menuBar()->addMenu(QStringLiteral("Beeld"));
    InzoomItem = beeld->addAction(QStringLiteral("Inzoomen"));
    InzoomItem->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    UitzoomItem = beeld->addAction(QStringLiteral("Uitzoomen"));
    UitzoomItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+-")));
    WareGrootteItem = beeld->addAction(QStringLiteral("Ware grootte"));
    WareGrootteItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+0")));

    QMenu *tools = menuBar()->addMenu(QStringLiteral("Tools"));
    BitsItem = tools->addAction(QStringLiteral("Bits en Bytes"));
    LedCalcItem = tools->addAction(QStringLiteral("Led Calculator"));
    DisplayItem = tools->addAction(QStringLiteral("7 Segment Display"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    HelpItem = help->addAction(QStringLiteral("Help"));
    HelpItem->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    SymbolenLinkItem = help->addAction(QStringLiteral("Meer Symbolen Downloaden"));
    SoftwareLinkItem = help->addAction(QStringLiteral("Meer Software"));

    // A divider on the menu bar, and the name of the design.
    menuBar()->addMenu(QStringLiteral("|"))->setEnabled(false);
    NaamOntwerp = menuBar()->addMenu(QStringLiteral("*.*"));
    NaamOntwerp->setObjectName(QStringLiteral("NaamOntwerp"));
}
