#include "app/vensters/Main.h"

#include "ui/Platform.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

// An item with its shortcut keys, the first one shown in the menu.
QAction *item(QMenu *menu, const QString &tekst, const QList<QKeySequence> &toetsen = {}) {
    QAction *actie = menu->addAction(tekst);
    actie->setShortcuts(toetsen);
    return actie;
}

QKeySequence toets(const char *toets) {
    return QKeySequence(QLatin1String(toets));
}

} // namespace

// The menu bar with its Dutch captions and shortcut keys. The items are connected by
// the subsystems that carry them out.
void Main::maakMenus() {
    QMenu *bestand = menuBar()->addMenu(QStringLiteral("Bestand"));
    menu_.ProjectItem = {item(bestand, QStringLiteral("Nieuw Project"), {toets("Ctrl+N")}),
                         item(bestand, QStringLiteral("Project Openen"), {toets("Ctrl+O")}),
                         item(bestand, QStringLiteral("Project Opslaan"), {toets("Ctrl+S")}),
                         item(bestand, QStringLiteral("Project Afdrukken"), {toets("Ctrl+P")})};
    menu_.AfdrukvoorbeeldItem = item(bestand, QStringLiteral("Afdrukvoorbeeld"));
    // Filled each time it opens (Main_Documenten.cpp).
    menu_.VoorbeeldenMenu = bestand->addMenu(QStringLiteral("Voorbeelden"));
    menu_.VoorbeeldenMenu->setObjectName(QStringLiteral("VoorbeeldenMenu"));
    menu_.ExportItem = item(bestand, QStringLiteral("Exporteren..."), {toets("Ctrl+E")});
    bestand->addSeparator();
    bestand->addAction(QStringLiteral("Printer Setup"), this, [this] { platform_.printerSetup(); });
    menu_.ExitItem = item(bestand, QStringLiteral("Exit"), {toets("Ctrl+Q")});
    connect(menu_.ExitItem, &QAction::triggered, this, &QWidget::close);
    // The recent projects go above "Exit" (Main_Documenten.cpp).
    menu_.BestandMenu = bestand;

    QMenu *bewerken = menuBar()->addMenu(QStringLiteral("Bewerken"));
    // Undo and Redo name the step they take in their tooltips.
    bewerken->setToolTipsVisible(true);
    menu_.UndoItem = item(bewerken, QStringLiteral("Undo"), {toets("Ctrl+Z")});
    menu_.RedoItem =
        item(bewerken, QStringLiteral("Redo"), {toets("Ctrl+Y"), toets("Ctrl+Shift+Z")});
    // Ctrl+C reaches this item only when no text box has the focus: text boxes take
    // their own shortcut keys first.
    menu_.KopieerItem = item(bewerken, QStringLiteral("Kopiëren"), {QKeySequence::Copy});
    menu_.AchtergrondItem = item(bewerken, QStringLiteral("Achtergrond Wijzigen"));
    // A selection on a sheet: cut, paste and delete.
    bewerken->addSeparator();
    menu_.KnipItem = item(bewerken, QStringLiteral("Knippen"), {toets("Ctrl+X")});
    menu_.PlakItem = item(bewerken, QStringLiteral("Plakken"), {toets("Ctrl+V")});
    menu_.VerwijderItem =
        item(bewerken, QStringLiteral("Verwijderen"), {QKeySequence(Qt::Key_Delete)});
    // The plain letters already choose part pictures.
    bewerken->addSeparator();
    menu_.VastklikItem = item(bewerken, QStringLiteral("Vastklikken aan gaten"), {toets("Ctrl+G")});
    menu_.VastklikItem->setCheckable(true);

    QMenu *beeld = menuBar()->addMenu(QStringLiteral("Beeld"));
    menu_.InzoomItem = item(beeld, QStringLiteral("Inzoomen"), {toets("Ctrl++"), toets("Ctrl+=")});
    menu_.UitzoomItem = item(beeld, QStringLiteral("Uitzoomen"), {toets("Ctrl+-")});
    menu_.WareGrootteItem = item(beeld, QStringLiteral("Ware grootte"), {toets("Ctrl+0")});

    QMenu *tools = menuBar()->addMenu(QStringLiteral("Tools"));
    menu_.BitsItem = item(tools, QStringLiteral("Bits en Bytes"));
    menu_.LedCalcItem = item(tools, QStringLiteral("Led Calculator"));
    menu_.DisplayItem = item(tools, QStringLiteral("7 Segment Display"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    menu_.HelpItem = item(help, QStringLiteral("Help"), {QKeySequence(Qt::Key_F1)});
    help->addSeparator();
    menu_.SymbolenLinkItem = item(help, QStringLiteral("Meer Symbolen Downloaden"));
    menu_.SoftwareLinkItem = item(help, QStringLiteral("Meer Software"));

    // A divider on the menu bar, and the name of the design.
    menuBar()->addMenu(QStringLiteral("|"))->setEnabled(false);
    menu_.NaamOntwerp = menuBar()->addMenu(QStringLiteral("*.*"));
    menu_.NaamOntwerp->setObjectName(QStringLiteral("NaamOntwerp"));
}
