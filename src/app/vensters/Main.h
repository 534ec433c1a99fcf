#pragma once

#include "editor/Ontwerp.h"
#include "editor/Selectie.h"
#include "editor/ToolButtons.h"
#include "project/ProjectMap.h"
#include "symbols/Symbool.h"
#include "symbols/vensters/SymboolPaneel.h"
#include "ui/AppFolder.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class HerstelBewaker;
class Herstelmap;
class LoepPaneel;
class Platform;
class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QScrollBar;
class QTextBrowser;
class QToolButton;
class SheetView;
class WerkBalkPaneel;
class WijzerPlek;

// The main window: the two sheets, the component list, the symbol library panel,
// the tool buttons and the breadboard tools. It owns the design for the whole run;
// the logic of each subsystem lives in plain classes, and the window only lays out
// its controls, forwards their events and shows the results.
//
// The window's handlers are split over files by subsystem: Main.cpp (start-up,
// layout, shutdown), Main_Menus.cpp (menu bar) and one Main_*.cpp file for each
// further subsystem.
class Main : public QMainWindow {
    Q_OBJECT
public:
    // `beschikbaar` is the part of the screen that the desktop's panels leave free, in
    // the program's pixels; the window and every control are laid out within it.
    Main(const AppFolder &folder, Platform &platform, QRect beschikbaar, QWidget *parent = nullptr);
    // A screen of `screen` pixels without panels.
    Main(const AppFolder &folder, Platform &platform, QSize screen, QWidget *parent = nullptr)
        : Main(folder, platform, QRect(QPoint(), screen), parent) {}
    ~Main() override;
    // The inside of a maximised window, measured where Qt cannot see the panels and
    // the frame: this window's inside stays within it (also when the user restores
    // it from maximised), and the desktop places it.
    void pasIn(QSize binnen);

    Ontwerp &ontwerp() { return ontwerp_; }
    // The current symbol, which a click on the design sheet places.
    Surface &huidigSymbool() { return IconPic; }

    // Opens the project a path names, as "Project Openen" does; one from elsewhere (a
    // zip, or a project's files in another folder) is first brought into the projects
    // folder (Main_Documenten.cpp).
    void openBestand(const QString &pad);
    // The paths the program is started with: the first opens; of more, the user is told
    // that only one opens at a time.
    void openBestanden(const QStringList &paden);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // --- start-up, layout and shutdown (Main.cpp, Main_Menus.cpp)
    void maakBesturing();
    struct Besturing; // one row of the table of controls
    void maakBesturing(const Besturing &besturing, QWidget *parent);
    void zetEigenschappen();
    void maakMenus();
    // The menu bar's items, made in Main_Menus.cpp for the subsystems to connect and grey.
    struct Menus {
        QMenu *BestandMenu = nullptr, *VoorbeeldenMenu = nullptr, *NaamOntwerp = nullptr;
        std::array<QAction *, 4> ProjectItem{}; // "Nieuw Project" .. "Project Afdrukken"
        QAction *AfdrukvoorbeeldItem = nullptr, *ExportItem = nullptr, *ExitItem = nullptr;
        QAction *UndoItem = nullptr, *RedoItem = nullptr, *KopieerItem = nullptr;
        QAction *AchtergrondItem = nullptr, *KnipItem = nullptr, *PlakItem = nullptr;
        QAction *VerwijderItem = nullptr, *VastklikItem = nullptr;
        QAction *InzoomItem = nullptr, *UitzoomItem = nullptr, *WareGrootteItem = nullptr;
        QAction *BitsItem = nullptr, *LedCalcItem = nullptr, *DisplayItem = nullptr;
        QAction *HelpItem = nullptr, *SymbolenLinkItem = nullptr, *SoftwareLinkItem = nullptr;
    } menu_;
    void plaats(QWidget *control, const QString &naam, int index = 0);
    void plaatsBesturing();
    void vulKeuzeLijsten();
    void zetBeginToestand();
    void leesInstellingen();
    void toonStartPagina();
    void ZetRaster(int level);

    // Each subsystem connects its controls and menu items in its own file; the
    // constructor calls these once the controls exist.

    // --- tool buttons, views and help pages (Main_Views.cpp)
    void verbindKnoppen();
    void zetKnopPlaatjes();
    void Knop_Click(int index);
    void drukKnop(int index); // the press animation
    void toonBesturing(const ToolButtons::Uitkomst &uitkomst);
    void HelpItem_Click();
    void openHelpPagina(const QString &pagina); // in the user's own browser
    ToolButtons knoppen_;

    // --- the keys of the tools and of the sheet in front (Main_Toetsen.cpp)
    void verbindToetsen();
    bool sneltoets(QKeyEvent *toets); // a key for a tool; true when it was one
    void zetToetsHints();
    bool eventFilter(QObject *watched, QEvent *event) override;

    // --- editing the sheets: the pointer on both, placing, rotate, mirror, shift
    // (Main_Editing.cpp)
    void verbindBewerken();
    void VerschuifTekening(Richting richting); // shift the design sheet one block
    WerkBalkPaneel *werkBalk_ = nullptr;       // the breadboard's tool bar and its tool modes

    // --- component list, projects, printing, new design, magnifier and undo
    // (Main_Projects.cpp)
    void verbindProjecten();
    void NieuwOntwerp();     // tool button 0
    void ProjectOpenen();    // tool button 1
    void ProjectOpslaan();   // tool button 2
    void OntwerpAfdrukken(); // tool button 3
    void AfdrukvoorbeeldItem_Click();
    void Undo();
    void LoepKnop_Click();
    void Text1_Change(int positie, int erbij);
    void openProject(const QString &naam);
    void toonNaam(const QString &naam);
    void toonGeladen(const ProjectMap::Geladen &geladen, const QString &naam);
    WijzerPlek *wijzer_ = nullptr; // the pointer's place in our windows
    LoepPaneel *loep_ = nullptr;

    // --- the recovery copy of unsaved work (Main_Herstel.cpp)
    void verbindHerstel();
    void biedHerstelAan(); // once the window shows
    Herstelmap herstelmap() const;
    HerstelBewaker *herstel_ = nullptr;
    bool getoond_ = false;

    // --- the sheet to the clipboard and to a file (Main_Export.cpp)
    void verbindExport();
    void KopieerItem_Click();
    void ExportItem_Click();
    QString exportMap_; // the folder of the last export, for the rest of the run

    // --- projects as desktop documents: recent projects, importing (Main_Documenten.cpp)
    void verbindDocumenten();
    void toonRecenteProjecten(); // the numbered items of "Bestand", as the menu opens
    void onthoudProject(const QString &naam);
    void toonVoorbeeldProjecten();
    void openVoorbeeld(const QString &naam);
    QList<QAction *> recenteItems_;

    // --- symbol designer (Main_Designer.cpp)
    void verbindDesigner();
    void symboolBewaard(const QString &pad);

    // --- resistor colour code, LED calculator, bits and bytes, 7-segment display
    // (Main_SideTools.cpp)
    void verbindZijGereedschappen();

    // --- background editor of the help pages (Main_Background.cpp)
    void verbindAchtergrond();
    void EditBackground_Click();
    QRgb kleurDialoogKleur_ = qRgb(0, 0, 0); // last choice in the colour dialog

    const AppFolder folder_;
    Platform &platform_;
    QPoint schermHoek_; // the free area's top-left corner, in pixels
    QSize screenTwips_; // and its size
    Ontwerp ontwerp_;
    Surface IconPic{kSymboolGrootte, kSymboolGrootte}; // blank (white) until one is chosen
    SymboolPaneel *symbolen_ = nullptr;                // the symbol library panel

    // The controls the window itself keeps, named as the program has always named them.
    // The panels and backdrops under them are found by their names.
    std::array<QToolButton *, 16> Knop{};
    SheetView *IconPicView = nullptr;
    QToolButton *HorKnop = nullptr, *VerKnop = nullptr, *RotatieKnop = nullptr;
    std::array<QToolButton *, 3> Knop2{};
    QLabel *Label3 = nullptr, *BackLabel8 = nullptr, *Label8 = nullptr;
    QScrollBar *RasterScroll = nullptr;
    QTextBrowser *WebBrowser = nullptr;
    SheetView *PicView = nullptr, *Pic2View = nullptr;
    QPlainTextEdit *Text1 = nullptr;

    // --- undo and redo of both sheets (Main_Geschiedenis.cpp)
    void verbindGeschiedenis();
    void Redo();
    Ontwerp::Blad actiefBladNaam() const; // the design sheet while it shows, else the breadboard
    void toonGeschiedenis();              // Undo and Redo as the showing sheet's history allows

    // --- zoom and pan of the sheets, wires snapped to holes, the holes that connect
    // (Main_Beeld.cpp)
    void verbindBeeld();
    SheetView *getoondBlad();         // the sheet that shows, if one does
    void toonVerbonden(int x, int y); // the pointer over the breadboard sheet
    bool helptBijGaten() const;       // in the modes where the board shows what connects

    // --- select, move, cut, copy, paste and delete on both sheets (Main_Selectie.cpp)
    void verbindSelectie();
    Selectie *actieveSelectie(); // of the sheet that shows; none on the other views
    SheetView *actiefBlad();
    void Pic_MouseDown(Qt::MouseButton button, int x, int y);
    void Pic_MouseUp(int x, int y);
    void selectieWijzer(int blad, QPoint plek); // 0 the design sheet, 1 the breadboard
    void kopieerOfHeelBlad();
    void KnipItem_Click();
    void PlakItem_Click();
    void VerwijderItem_Click();
    void wisSelectie(const QString &stap);
    void laatSelectiesVallen();
    void toonSelectie();
    std::unique_ptr<Selectie> picSelectie_;
    QPoint laatstePlek_[2]; // the pointer's last place over each sheet, for a paste
};
