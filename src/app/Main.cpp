#include "app/Main.h"

#include "app/MainLayout.h"
#include "app/Settings.h"
#include "app/StartupLists.h"
#include "board/BoardDrawing.h"
#include "board/BoardSize.h"
#include "board/Raster.h"
#include "editor/BreadboardEditor.h"
#include "ui/PassendeTekst.h"
#include "ui/Platform.h"
#include "ui/SheetView.h"
#include "ui/Twips.h"
#include "ui/Vormgeving.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

using Vormgeving::maak;
using Vormgeving::vlak;

QPushButton *knopMetHint(QWidget *parent, const QString &naam, const QString &tekst,
                         const QString &hint = {}) {
    auto *button = Vormgeving::knop(parent, naam, tekst);
    button->setToolTip(hint);
    return button;
}

QFrame *paneel(QWidget *parent, const QString &naam) {
    auto *frame = maak<QFrame>(parent, naam);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

Main::Main(const AppFolder &folder, Platform &platform, QRect beschikbaar, QWidget *parent)
    : QMainWindow(parent), folder_(folder), platform_(platform), schermHoek_(beschikbaar.topLeft()),
      screenTwips_(beschikbaar.size() * kTwipsPerPixel) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Voltarix"));
    maakBesturing();
    maakMenus();
    plaatsBesturing();
    ZetRaster(kRasterStart);
    vulKeuzeLijsten();
    zetBeginToestand();
    verbindKnoppen();
    verbindBibliotheek();
    verbindZoeken();
    verbindBewerken();
    verbindProjecten();
    verbindDesigner();
    verbindZijGereedschappen();
    verbindAchtergrond();
    leesInstellingen();
    verbindHerstel();
    verbindExport();
    verbindDocumenten();
    verbindGeschiedenis();
    verbindSelectie();
}

// The views of the sheets go before the sheets they show.
Main::~Main() {
    delete takeCentralWidget();
}

// Every control of the window, one after another in stacking order.
// NOLINTNEXTLINE(readability-function-size)
void Main::maakBesturing() {
    auto *binnen = new QWidget(this);
    binnen->setObjectName(QStringLiteral("Binnen"));
    setCentralWidget(binnen);
    const QColor knoppenGrijs(216, 213, 206), lijstKleur(200, 210, 220);

    Frame1 = paneel(binnen, QStringLiteral("Frame1"));
    BackKnoppen = vlak(Frame1, QStringLiteral("BackKnoppen"), knoppenGrijs);
    for (int i = 0; i < int(Knop.size()); ++i) {
        Knop[i] = maak<QToolButton>(Frame1, QStringLiteral("Knop%1").arg(i));
        Knop[i]->setIconSize(QSize(kSymboolGrootte, kSymboolGrootte));
        Knop[i]->setAutoRaise(true);
    }

    Frame2 = paneel(binnen, QStringLiteral("Frame2"));
    Combo1 = maak<QComboBox>(Frame2, QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Vormgeving::kleur(Combo1, lijstKleur);
    Label1 = maak<QLabel>(Frame2, QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("0 Symbolen"));
    List1 = maak<QListWidget>(Frame2, QStringLiteral("List1"));
    List1->setSortingEnabled(true);
    Vormgeving::kleur(List1, lijstKleur);
    Label6 = vlak(Frame2, QStringLiteral("Label6"), knoppenGrijs);
    RenameKnop = knopMetHint(Frame2, QStringLiteral("RenameKnop"), QStringLiteral("Rename"),
                             QStringLiteral(" Rename symbool "));
    DeleteKnop = knopMetHint(Frame2, QStringLiteral("DeleteKnop"), QStringLiteral("Delete"),
                             QStringLiteral(" Verwijder symbool "));

    Frame4 = paneel(binnen, QStringLiteral("Frame4"));
    Label4 = vlak(Frame4, QStringLiteral("Label4"), QColor(90, 90, 100));
    IconPicView = new SheetView(design_.IconPic, Frame4);
    IconPicView->setObjectName(QStringLiteral("IconPic"));
    Label5 = vlak(Frame4, QStringLiteral("Label5"), knoppenGrijs);
    HorKnop = maak<QToolButton>(Frame4, QStringLiteral("HorKnop"));
    HorKnop->setToolTip(QStringLiteral(" Spiegelbeeld "));
    VerKnop = maak<QToolButton>(Frame4, QStringLiteral("VerKnop"));
    VerKnop->setToolTip(QStringLiteral(" Onderste boven "));
    Label7 = vlak(Frame4, QStringLiteral("Label7"), knoppenGrijs);
    RotatieKnop = maak<QToolButton>(Frame4, QStringLiteral("RotatieKnop"));
    RotatieKnop->setToolTip(QStringLiteral(" Kwartslag draaien "));

    Frame5 = paneel(binnen, QStringLiteral("Frame5"));
    Label9 = vlak(Frame5, QStringLiteral("Label9"), knoppenGrijs);
    const QStringList knop2Hints = {QStringLiteral(" Weerstanden "),
                                    QStringLiteral(" Tekst Toevoegen "),
                                    QStringLiteral(" Symbool Designer ")};
    for (int i = 0; i < int(Knop2.size()); ++i) {
        Knop2[i] = maak<QToolButton>(Frame5, QStringLiteral("Knop2_%1").arg(i));
        Knop2[i]->setToolTip(knop2Hints[i]);
        Knop2[i]->setIconSize(QSize(kSymboolGrootte, kSymboolGrootte));
        Vormgeving::kleur(Knop2[i], knoppenGrijs);
    }

    Frame6 = paneel(binnen, QStringLiteral("Frame6"));
    Label2 = vlak(Frame6, QStringLiteral("Label2"), knoppenGrijs);
    RasterScroll = maak<QScrollBar>(Frame6, QStringLiteral("RasterScroll"));
    RasterScroll->setOrientation(Qt::Horizontal);
    RasterScroll->setRange(0, 255);
    Label3 = maak<QLabel>(Frame6, QStringLiteral("Label3"));
    BackLabel8 = vlak(Frame6, QStringLiteral("BackLabel8"), QColor(200, 220, 220));
    Label8 = maak<QLabel>(Frame6, QStringLiteral("Label8"));

    Frame3 = paneel(binnen, QStringLiteral("Frame3"));
    BackPic = vlak(Frame3, QStringLiteral("BackPic"), QColor(90, 90, 100));
    PicView = new SheetView(design_.Pic, Frame3);
    PicView->setObjectName(QStringLiteral("Pic"));
    Pic2View = new SheetView(design_.Pic2, Frame3);
    Pic2View->setObjectName(QStringLiteral("Pic2"));
    Text1 = maak<QPlainTextEdit>(Frame3, QStringLiteral("Text1"));
    WebBrowser = maak<QTextBrowser>(Frame3, QStringLiteral("WebBrowser"));

    WerkBalk = vlak(Frame3, QStringLiteral("WerkBalk"), knoppenGrijs);
    Combo2 = maak<QComboBox>(Frame3, QStringLiteral("Combo2"));
    Combo3 = maak<QComboBox>(Frame3, QStringLiteral("Combo3"));
    Combo4 = maak<QComboBox>(Frame3, QStringLiteral("Combo4"));
    Combo4->setToolTip(QStringLiteral(" Textsize "));
    Text2 = maak<QLineEdit>(Frame3, QStringLiteral("Text2"));
    Text2->setText(QStringLiteral("Tekst"));
    Check1 = maak<QCheckBox>(Frame3, QStringLiteral("Check1"));
    Check1->setText(QStringLiteral("Bold"));
    BackClear = vlak(Frame3, QStringLiteral("BackClear"), knoppenGrijs);
    NewKnop = knopMetHint(Frame3, QStringLiteral("NewKnop"), QStringLiteral("Nieuw"));
    LoepKnop = knopMetHint(Frame3, QStringLiteral("LoepKnop"), QStringLiteral("Loep"));
    LoepScroll = maak<QScrollBar>(Frame3, QStringLiteral("LoepScroll"));
    LoepScroll->setOrientation(Qt::Horizontal);
    LoepScroll->setRange(1, 9);
    LoepScroll->setValue(3);
    BBgrootKnop = knopMetHint(Frame3, QStringLiteral("BBgrootKnop"), QStringLiteral("Size"),
                              bbGrootHint(false));
    PrintKnop = knopMetHint(Frame3, QStringLiteral("PrintKnop"), QStringLiteral("Print"),
                            QStringLiteral(" Breadboard afdrukken "));

    connect(RasterScroll, &QScrollBar::valueChanged, this, &Main::ZetRaster);
    connect(BBgrootKnop, &QPushButton::clicked, this, &Main::BBgrootKnop_Click);
}

void Main::pasIn(QSize binnen) {
    resize(size().boundedTo(binnen));
    // The desktop places the window, on its free area; our own place would not know
    // the frame the desktop draws round it.
    setAttribute(Qt::WA_Moved, false);
}

QList<QWidget *> Main::werkBalkBesturing() const {
    return {WerkBalk,  Combo2,  Combo3,   Combo4,     Text2,       Check1,
            BackClear, NewKnop, LoepKnop, LoepScroll, BBgrootKnop, PrintKnop};
}

void Main::plaats(QWidget *control, const QString &naam, int index) {
    const auto plaats = MainLayout::plaats(naam, screenTwips_, index);
    if (!plaats) return;
    const QRect twips = plaats->twips;
    const int left = twipsToPixels(twips.x()), top = twipsToPixels(twips.y());
    // Controls that size themselves: labels reach to the panel's edge, choice boxes
    // keep their own height.
    const int width = twips.width() < 0 ? control->parentWidget()->width() - left - 4
                                        : twipsToPixels(twips.width());
    const int height =
        twips.height() < 0 ? control->sizeHint().height() : twipsToPixels(twips.height());
    control->setGeometry(left, top, width, height);
}

void Main::plaatsBesturing() {
    const QRect venster = MainLayout::venster(screenTwips_);
    // A Wayland compositor places windows itself and ignores what a program asks.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        move(schermHoek_ + QPoint(twipsToPixels(venster.x()), twipsToPixels(venster.y())));
    // The table gives the outer size; the title bar and the borders are the desktop's.
    resize(QSize(twipsToPixels(venster.width()), twipsToPixels(venster.height())) -
           Vormgeving::kRandPixels);

    for (QWidget *control : centralWidget()->findChildren<QWidget *>()) {
        const QString naam = control->objectName();
        if (naam.startsWith(QLatin1String("Knop2_")))
            plaats(control, QStringLiteral("Knop2"), naam.mid(6).toInt());
        else if (naam.startsWith(QLatin1String("Knop")) && naam.size() <= 6)
            plaats(control, QStringLiteral("Knop"), naam.mid(4).toInt());
        else
            plaats(control, naam);
    }
    // The sheets hold as many pixels as their places on the screen.
    design_.Pic.resize(PicView->width(), PicView->height());
    design_.Pic2.resize(Pic2View->width(), Pic2View->height());
    design_.GumPic.resize(Pic2View->width(), Pic2View->height());
    IconPicView->setFixedSize(kSymboolGrootte, kSymboolGrootte);
    // Stacking: the breadboard tools lie over the top of the breadboard sheet.
    for (QWidget *tool : werkBalkBesturing())
        tool->raise();
    PassendeTekst::zet(Check1, QStringLiteral("Bold"));
}

void Main::vulKeuzeLijsten() {
    Combo2->addItems(StartupLists::kleuren());
    Combo3->addItems(StartupLists::gereedschappen());
    Combo4->addItems(StartupLists::tekstGroottes());
    Combo4->setCurrentText(QStringLiteral("12"));
    Text1->setPlainText(StartupLists::beginLijst());

    categorieen_ = SymbolLibrary::categorieen(folder_.path(QStringLiteral("\\Symbolen\\")));
    // The symbols used last come first; without a library there are none.
    if (!categorieen_.isEmpty()) Combo1->addItem(LaatstGebruikt::kNaam);
    for (const SymbolCategorie &categorie : categorieen_)
        Combo1->addItem(categorie.naam);
    if (Combo1->count() > 1) Combo1->setCurrentIndex(1);
    Combo3->addItems(StartupLists::onderdelen(folder_.path(QStringLiteral("\\Breadboard\\"))));
}

void Main::zetBeginToestand() {
    TekenKleinBord(design_.Pic2);
    TekenKleinBord(design_.GumPic);
    BBgroot_ = false;
    Combo2->setCurrentIndex(0);
    Combo3->setCurrentIndex(0);

    // What the window shows first: the start page in front of the design sheet; the
    // breadboard sheet, the list and all breadboard tools are hidden.
    Pic2View->hide();
    Text1->hide();
    for (QWidget *tool : werkBalkBesturing())
        tool->hide();
    WebBrowser->raise();
}

void Main::leesInstellingen() {
    const QString bestand = folder_.path(Settings::kBestand);
    const std::optional<bool> groot = Settings::lees(bestand);
    if (!groot) {
        // A missing or broken settings file is replaced without a word; the small
        // board stays.
        Settings::schrijf(bestand, false);
        toonStartPagina();
        return;
    }
    toonStartPagina();
    BBgroot_ = *groot;
    if (BBgroot_) TekenBord(true, design_.Pic2, design_.GumPic);
    BBgrootKnop->setToolTip(bbGrootHint(BBgroot_));
}

void Main::toonStartPagina() {
    WebBrowser->setSource(
        QUrl::fromLocalFile(folder_.path(QStringLiteral("\\Plugins\\index.htm"))));
}

void Main::ZetRaster(int level) {
    tekenRasterLijnen(design_.Pic, level);
    Label3->setText(rasterKleurTekst(level));
    const QSignalBlocker alGetekend(RasterScroll);
    RasterScroll->setValue(level);
}

void Main::BBgrootKnop_Click() {
    pic2Geschiedenis_->begin();
    const bool gewisseld = wisselBordGrootte(platform_, BBgroot_, design_.Pic2, design_.GumPic);
    pic2Geschiedenis_->eind(BBgroot_);
    if (gewisseld) BBgrootKnop->setToolTip(bbGrootHint(BBgroot_));
}

void Main::closeEvent(QCloseEvent *event) {
    if (!platform_.ask(QStringLiteral("Wilt u dit programma nu afsluiten?"),
                       QStringLiteral(" Exit programma"))) {
        event->ignore();
        return;
    }
    KopieTimer->stop(); // no copy half taken is handed over after the last one is gone
    herstel_->stop();   // ended as it should: nothing to recover
    // A settings file that cannot be written does not keep the program from ending.
    Settings::schrijf(folder_.path(Settings::kBestand), BBgroot_);
    event->accept();
    QCoreApplication::exit(0);
}
