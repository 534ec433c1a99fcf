#include "symbols/vensters/Config.h"

#include "symbols/AchtergrondOpslag.h"
#include "symbols/Patronen.h"
#include "symbols/Texturen.h"
#include "ui/Twips.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

namespace {

// Where the controls stand in the frame, in pixels; -1 lets a caption take the size
// of its text.
using Vormgeving::kEigen;
constexpr Vormgeving::Plek kPlekken[] = {
    {"Label1", 10, 16, 91, 91},          {"Picture1", 15, 21, 80, 80},
    {"Label6", 110, 16, 22, 91},         {"VScroll1", 112, 18, 18, 87},
    {"ColorLabel", 140, 16, 46, 22},     {"Label8", 190, 21, kEigen, kEigen},
    {"Label7", 138, 92, kEigen, kEigen}, {"Label2", 10, 113, 91, 22},
    {"HScroll1", 12, 115, 87, 18},       {"Label4", 107, 117, kEigen, kEigen},
    {"Check1", 12, 158, 207, 15},        {"Label3", 236, 150, 100, 26},
    {"CancelKnop", 238, 152, 50, 22},    {"OkKnop", 288, 152, 46, 22},
};
constexpr QSize kVenster(360, 220); // outside, title bar and borders included
constexpr QRect kFrame(5, 0, 345, 184);

using Vormgeving::maak;

// The black frames behind the controls they frame.
QLabel *zwartKader(QWidget *parent, const QString &naam) {
    return Vormgeving::vlak(parent, naam, Qt::black);
}

QLabel *onderschrift(QWidget *parent, const QString &naam, const QString &tekst) {
    auto *label = Vormgeving::tekst(parent, naam, tekst);
    Vormgeving::onderschrift(label);
    return label;
}

QScrollBar *schuif(QWidget *parent, const QString &naam, Qt::Orientation richting, int hoogste) {
    auto *balk = maak<QScrollBar>(parent, naam);
    balk->setOrientation(richting);
    balk->setRange(0, hoogste);
    balk->setPageStep(1);
    return balk;
}

} // namespace

Config::Config(const AppFolder &folder, Platform &platform, bool webZichtbaar,
               std::function<void()> herlaad, QRgb &dialoogKleur, QWidget *parent)
    : QDialog(parent), folder_(folder), platform_(platform), webZichtbaar_(webZichtbaar),
      herlaad_(std::move(herlaad)), dialoogKleur_(dialoogKleur) {
    Vormgeving::maakDialoog(this, QStringLiteral("Config"), QStringLiteral(" Configuratie"));
    Form_Load();
    verbind();
}

// The preview lets go of the tile before the tile itself goes.
Config::~Config() {
    delete Picture1;
}

void Config::Form_Load() {
    Vormgeving::maakVenster(this, kVenster.width() * kTwipsPerPixel,
                            kVenster.height() * kTwipsPerPixel);
    // The small dialog font the layout was made for, so every caption fits its place.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    Frame1 = maak<QFrame>(this, QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setGeometry(kFrame);
    // The black frames first, so that the controls they frame lie over them.
    Label1 = zwartKader(Frame1, QStringLiteral("Label1"));
    Label6 = zwartKader(Frame1, QStringLiteral("Label6"));
    Label2 = zwartKader(Frame1, QStringLiteral("Label2"));
    Label3 = zwartKader(Frame1, QStringLiteral("Label3"));
    Picture1 = new SheetView(tegel_.voorbeeld(), Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    VScroll1 = schuif(Frame1, QStringLiteral("VScroll1"), Qt::Vertical, Patronen::kAantal - 1);
    HScroll1 = schuif(Frame1, QStringLiteral("HScroll1"), Qt::Horizontal, Texturen::kAantal - 1);
    ColorLabel = maak<QLabel>(Frame1, QStringLiteral("ColorLabel"));
    ColorLabel->setAutoFillBackground(true);
    ColorLabel->setToolTip(QStringLiteral(" Klik voor andere kleuren "));
    ColorLabel->setCursor(Qt::PointingHandCursor);
    toonKleur();
    Label8 = onderschrift(Frame1, QStringLiteral("Label8"), QStringLiteral("Kleur"));
    Label7 = onderschrift(Frame1, QStringLiteral("Label7"), QStringLiteral("Raster"));
    Label4 = onderschrift(Frame1, QStringLiteral("Label4"), QStringLiteral("Achtergrond"));
    Check1 = maak<QCheckBox>(Frame1, QStringLiteral("Check1"));
    Check1->setText(QStringLiteral("Achtergrond en Raster combineren"));
    CancelKnop = Vormgeving::knop(Frame1, QStringLiteral("CancelKnop"), QStringLiteral("Cancel"));
    OkKnop = Vormgeving::knop(Frame1, QStringLiteral("OkKnop"), QStringLiteral("Ok"));
    for (QPushButton *knop : {CancelKnop, OkKnop})
        knop->setAutoDefault(false);
    Vormgeving::plaats(Frame1, kPlekken, Vormgeving::Eenheid::Pixels);
}

void Config::verbind() {
    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this](int waarde) { tegel_.kiesTextuur(waarde); });
    connect(VScroll1, &QScrollBar::valueChanged, this,
            [this](int waarde) { tegel_.kiesPatroon(waarde); });
    connect(Check1, &QCheckBox::toggled, this, [this](bool aan) { tegel_.zetCombineren(aan); });
    ColorLabel->installEventFilter(this);
    connect(OkKnop, &QPushButton::clicked, this, &Config::OkKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &QDialog::reject);
}

bool Config::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ColorLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        tegel_.vraagKleur(platform_, dialoogKleur_);
        toonKleur();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Config::toonKleur() {
    Vormgeving::kleur(ColorLabel, QColor::fromRgb(tegel_.kleur()));
}

void Config::OkKnop_Click() {
    // With the board in the main window instead of the web view, OK does nothing and
    // the editor stays open.
    if (!webZichtbaar_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    AchtergrondOpslag::slaOp(tegel_.voorbeeld(), folder_, platform_, herlaad_);
    QApplication::restoreOverrideCursor();
    accept();
}
