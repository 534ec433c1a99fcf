#include "app/vensters/Main.h"

#include "app/MainLayout.h"
#include "app/Settings.h"
#include "app/StartupLists.h"
#include "board/Raster.h"
#include "editor/HerstelBewaker.h"
#include "editor/vensters/WerkBalkPaneel.h"
#include "ui/Platform.h"
#include "ui/Twips.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <type_traits>
#include <variant>

namespace {

using Vormgeving::maak;
using Vormgeving::vlak;

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
    verbindToetsen();
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
    verbindBeeld();
}

// The views of the sheets go before the sheets they show.
Main::~Main() {
    delete takeCentralWidget();
}

namespace {

// What the table of controls can make: a member of the window of one of these kinds,
// or a panel or a backdrop that only the controls on it need.
template <typename Widget> using Lid = Widget *Main::*;
struct Paneel {};
struct Vlak {};
using Besturingslid =
    std::variant<Paneel, Vlak, Lid<QLabel>, Lid<QToolButton>, Lid<QScrollBar>, Lid<QTextBrowser>,
                 Lid<QPlainTextEdit>, Lid<SheetView>, std::array<QToolButton *, 16> Main::*,
                 std::array<QToolButton *, 3> Main::*>;

constexpr QRgb kKnoppenGrijs = Vormgeving::kPaneelGrijs, kDonker = qRgb(90, 90, 100);

} // namespace

// One control: the panel it lies on (none for a panel itself), its name, the member
// that keeps it, and what it shows: a caption, a button's tooltip, a backdrop's colour,
// the picture of a sheet.
struct Main::Besturing {
    const char *paneel;
    const char *naam;
    Besturingslid lid;
    const char *tekst = nullptr;
    const char *hint = nullptr;
    QRgb kleur = 0;
    Surface &(*blad)(Main &) = nullptr;
};

// Every control of the window, one after another in stacking order: a backdrop lies
// under what follows it on its panel.
void Main::maakBesturing() {
    static const Besturing tabel[] = {
        {nullptr, "Frame1", Paneel{}},
        {"Frame1", "BackKnoppen", Vlak{}, nullptr, nullptr, kKnoppenGrijs},
        {"Frame1", "Knop%1", &Main::Knop},
        {nullptr, "Frame2", Paneel{}},
        {nullptr, "Frame4", Paneel{}},
        {"Frame4", "Label4", Vlak{}, nullptr, nullptr, kDonker},
        {"Frame4", "IconPic", &Main::IconPicView, nullptr, nullptr, 0,
         [](Main &m) -> Surface & { return m.IconPic; }},
        {"Frame4", "Label5", Vlak{}, nullptr, nullptr, kKnoppenGrijs},
        {"Frame4", "HorKnop", &Main::HorKnop, nullptr, " Spiegelbeeld "},
        {"Frame4", "VerKnop", &Main::VerKnop, nullptr, " Onderste boven "},
        {"Frame4", "Label7", Vlak{}, nullptr, nullptr, kKnoppenGrijs},
        {"Frame4", "RotatieKnop", &Main::RotatieKnop, nullptr, " Kwartslag draaien "},
        {nullptr, "Frame5", Paneel{}},
        {"Frame5", "Label9", Vlak{}, nullptr, nullptr, kKnoppenGrijs},
        {"Frame5", "Knop2_%1", &Main::Knop2},
        {nullptr, "Frame6", Paneel{}},
        {"Frame6", "Label2", Vlak{}, nullptr, nullptr, kKnoppenGrijs},
        {"Frame6", "RasterScroll", &Main::RasterScroll},
        {"Frame6", "Label3", &Main::Label3},
        {"Frame6", "BackLabel8", &Main::BackLabel8, nullptr, nullptr, qRgb(200, 220, 220)},
        {"Frame6", "Label8", &Main::Label8},
        {nullptr, "Frame3", Paneel{}},
        {"Frame3", "BackPic", Vlak{}, nullptr, nullptr, kDonker},
        {"Frame3", "Pic", &Main::PicView, nullptr, nullptr, 0,
         [](Main &m) -> Surface & { return m.ontwerp_.Pic; }},
        {"Frame3", "Pic2", &Main::Pic2View, nullptr, nullptr, 0,
         [](Main &m) -> Surface & { return m.ontwerp_.Pic2; }},
        {"Frame3", "Text1", &Main::Text1},
        {"Frame3", "WebBrowser", &Main::WebBrowser},
    };
    auto *binnen = new QWidget(this);
    binnen->setObjectName(QStringLiteral("Binnen"));
    // The layout's own font; the menus take the desktop's.
    binnen->setFont(Vormgeving::lettertype());
    setCentralWidget(binnen);
    const auto deel = [binnen](const char *naam) {
        return binnen->findChild<QWidget *>(QLatin1String(naam));
    };
    for (const Besturing &b : tabel)
        maakBesturing(b, b.paneel ? deel(b.paneel) : binnen);
    symbolen_ = new SymboolPaneel(deel("Frame2"), folder_, platform_, IconPic);
    werkBalk_ = new WerkBalkPaneel(deel("Frame3"), Pic2View, ontwerp_, folder_, platform_);
    zetEigenschappen();
    connect(RasterScroll, &QScrollBar::valueChanged, this, &Main::ZetRaster);
}

void Main::maakBesturing(const Besturing &b, QWidget *parent) {
    const QString naam = QLatin1String(b.naam), tekst = QString::fromUtf8(b.tekst);
    std::visit(
        [&](auto lid) {
            using Soort = decltype(lid);
            if constexpr (std::is_same_v<Soort, Paneel>) {
                paneel(parent, naam);
            } else if constexpr (std::is_same_v<Soort, Vlak>) {
                vlak(parent, naam, QColor::fromRgb(b.kleur));
            } else if constexpr (std::is_same_v<Soort, Lid<QLabel>>) {
                this->*lid = b.kleur ? vlak(parent, naam, QColor::fromRgb(b.kleur))
                                     : Vormgeving::tekst(parent, naam, tekst);
            } else if constexpr (std::is_same_v<Soort, Lid<SheetView>>) {
                this->*lid = new SheetView(b.blad(*this), parent);
                (this->*lid)->setObjectName(naam);
            } else if constexpr (std::is_pointer_v<std::remove_reference_t<decltype(this->*lid)>>) {
                using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(this->*lid)>>;
                this->*lid = Vormgeving::maak<Widget>(parent, naam);
                if (b.hint) (this->*lid)->setToolTip(QString::fromUtf8(b.hint));
            } else { // a row of tool buttons, named with their index
                for (int i = 0; i < int((this->*lid).size()); ++i)
                    (this->*lid)[size_t(i)] = Vormgeving::maak<QToolButton>(parent, naam.arg(i));
            }
        },
        b.lid);
}

// What the table does not say: sizes, ranges and the faces of the rows of buttons.
void Main::zetEigenschappen() {
    for (QToolButton *knop : Knop) {
        knop->setIconSize(QSize(kSymboolGrootte, kSymboolGrootte));
        knop->setAutoRaise(true);
    }
    const QStringList knop2Hints = {QStringLiteral(" Weerstanden "),
                                    QStringLiteral(" Tekst Toevoegen "),
                                    QStringLiteral(" Symbool Designer ")};
    for (int i = 0; i < int(Knop2.size()); ++i) {
        Knop2[size_t(i)]->setToolTip(knop2Hints[i]);
        Knop2[size_t(i)]->setIconSize(QSize(kSymboolGrootte, kSymboolGrootte));
        Vormgeving::kleur(Knop2[size_t(i)], QColor::fromRgb(kKnoppenGrijs));
    }
    for (QToolButton *knop : {HorKnop, VerKnop, RotatieKnop}) // black pictures on their faces
        Vormgeving::kleur(knop, QColor::fromRgb(kKnoppenGrijs));
    // The list box shows the design's own list; a plain text box lays out its text itself.
    QTextDocument &lijst = ontwerp_.lijst();
    lijst.setDocumentLayout(new QPlainTextDocumentLayout(&lijst));
    Text1->setDocument(&lijst);
    // The help pages bring their own light background.
    Vormgeving::kleur(WebBrowser, QColor(248, 248, 242));
    Vormgeving::opVlak(Label8, BackLabel8);
    RasterScroll->setOrientation(Qt::Horizontal);
    RasterScroll->setRange(0, 255);
}

void Main::pasIn(QSize binnen) {
    resize(size().boundedTo(binnen));
    // The desktop places the window, on its free area; our own place would not know
    // the frame the desktop draws round it.
    setAttribute(Qt::WA_Moved, false);
}

void Main::plaats(QWidget *control, const QString &naam, int index) {
    const auto plaats = MainLayout::plaats(naam, screenTwips_, index);
    if (!plaats) return;
    const QRect twips = plaats->twips;
    const int left = twipsToPixels(twips.x()), top = twipsToPixels(twips.y());
    // Controls that size themselves: labels reach to the panel's edge, a line high
    // whatever text they get later; choice boxes keep their own height.
    const int width = twips.width() < 0 ? control->parentWidget()->width() - left - 4
                                        : twipsToPixels(twips.width());
    // A line as a label lays it out: a pixel more than an empty label's hint, at times.
    const int regel =
        control->fontMetrics().boundingRect(QRect(), 0, QStringLiteral("Xg")).height();
    const int height = twips.height() < 0 ? std::max(control->sizeHint().height(), regel)
                                          : twipsToPixels(twips.height());
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
    ontwerp_.zetMaten(PicView->size(), Pic2View->size());
    IconPicView->setFixedSize(kSymboolGrootte, kSymboolGrootte);
    // Stacking: the breadboard tools lie over the top of the breadboard sheet.
    for (QWidget *tool : werkBalk_->besturing())
        tool->raise();
    werkBalk_->geplaatst();
}

void Main::vulKeuzeLijsten() {
    werkBalk_->vul(StartupLists::kleuren(),
                   StartupLists::gereedschappen() + StartupLists::onderdelen(folder_.breadboard()),
                   StartupLists::tekstGroottes());
    ontwerp_.zetLijst(StartupLists::beginLijst());
    symbolen_->vulCategorieen();
}

void Main::zetBeginToestand() {
    // What the window shows first: the start page in front of the design sheet; the
    // breadboard sheet, the list and all breadboard tools are hidden.
    Pic2View->hide();
    Text1->hide();
    for (QWidget *tool : werkBalk_->besturing())
        tool->hide();
    WebBrowser->raise();
}

void Main::leesInstellingen() {
    const QString bestand = folder_.instellingen();
    const std::optional<bool> groot = Settings::lees(bestand);
    if (!groot) {
        // A missing or broken settings file is replaced without a word; the small
        // board stays.
        Settings::schrijf(bestand, false);
        toonStartPagina();
        return;
    }
    toonStartPagina();
    ontwerp_.beginMetBord(*groot);
}

void Main::toonStartPagina() {
    WebBrowser->setSource(QUrl::fromLocalFile(folder_.startPagina()));
}

void Main::ZetRaster(int level) {
    tekenRasterLijnen(ontwerp_.Pic, level);
    Label3->setText(rasterKleurTekst(level));
    const QSignalBlocker alGetekend(RasterScroll);
    RasterScroll->setValue(level);
}

void Main::closeEvent(QCloseEvent *event) {
    if (!platform_.ask(QStringLiteral("Wilt u dit programma nu afsluiten?"),
                       QStringLiteral(" Exit programma"))) {
        event->ignore();
        return;
    }
    herstel_->stop(); // ended as it should: nothing to recover
    // A settings file that cannot be written does not keep the program from ending.
    Settings::schrijf(folder_.instellingen(), ontwerp_.groot());
    event->accept();
    QCoreApplication::exit(0);
}
