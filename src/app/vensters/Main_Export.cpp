#include "app/vensters/Main.h"

#include "editor/Exporteren.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTextBrowser>

// The sheet that is shown to the clipboard ("Kopiëren") and to a file ("Exporteren...").

void Main::verbindExport() {
    // A report is written in the documents folder, where there is one.
    const QString documenten = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    exportMap_ = QDir(documenten).exists() ? documenten : QDir::homePath();
    connect(menu_.ExportItem, &QAction::triggered, this, &Main::ExportItem_Click);
}

void Main::KopieerItem_Click() {
    QClipboard *klembord = QGuiApplication::clipboard();
    switch (knoppen_.weergave()) {
    case ToolButtons::Weergave::Ontwerpblad:
        klembord->setImage(ontwerp_.Pic.image());
        break;
    case ToolButtons::Weergave::Breadboard:
        klembord->setImage(ontwerp_.Pic2.image());
        break;
    case ToolButtons::Weergave::Componentenlijst:
        // What is selected, as the list's own Ctrl+C; else the whole list.
        if (Text1->textCursor().hasSelection())
            Text1->copy();
        else
            klembord->setText(Text1->toPlainText());
        break;
    case ToolButtons::Weergave::Informatie:
        WebBrowser->copy();
        break;
    }
}

// A PNG holds the sheet that is shown; with the list or the information shown, the
// design sheet. A zip holds the whole project.
void Main::ExportItem_Click() {
    const Ontwerp::Kopie kopie = ontwerp_.kopie();
    const bool breadboard = knoppen_.weergave() == ToolButtons::Weergave::Breadboard;
    Exporteren::Exporteer(platform_, exportMap_,
                          kopie.alsExport(breadboard, Afdrukinstelling::lees(folder_)));
}
