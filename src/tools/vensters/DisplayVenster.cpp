#include "tools/vensters/DisplayVenster.h"

#include "tools/DisplayTekening.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

using Vormgeving::knop;
using Vormgeving::maak;
using Vormgeving::tekst;

} // namespace

DisplayVenster::DisplayVenster(Platform &platform, QWidget *parent, const QLocale &locale)
    : QDialog(parent), display_(platform), locale_(locale),
      bord_(kDisplayBordMaat.width(), kDisplayBordMaat.height()) {
    Vormgeving::maakDialoog(this, QStringLiteral("Display"), QStringLiteral(" 7-Segment Display"));
    Vormgeving::maakVenster(this, 7800, 5190);
    maakBesturing();
    plaatsBesturing();
    display_.veranderd = [this] { toon(); };
    toon();
}

DisplayVenster::~DisplayVenster() {
    display_.veranderd = nullptr;
}

void DisplayVenster::maakBesturing() {
    // Made in stacking order: the drawing lies behind the texts and fields on it.
    auto *frame1 = maak<QGroupBox>(this, QStringLiteral("Frame1"));
    Vormgeving::kleur(frame1, Vormgeving::kTekenVlak); // the texts on the drawing
    auto *bord = new SheetView(bord_, frame1);
    bord->setObjectName(QStringLiteral("Tekening"));
    tekst(frame1, QStringLiteral("PinnenBoven"), QStringLiteral("10    9    8    7    6"));
    tekst(frame1, QStringLiteral("PinnenOnder"), QStringLiteral("1   2    3    4    5"));
    tekst(frame1, QStringLiteral("MinLabel"), QStringLiteral("- min"));
    tekst(frame1, QStringLiteral("PlusLabel"), QStringLiteral("+            v"));
    maakRekenaar(frame1);
    maakKnoppen(maak<QGroupBox>(this, QStringLiteral("Frame2")));
}

void DisplayVenster::maakRekenaar(QWidget *frame) {
    tekst(frame, QStringLiteral("Label2"), QStringLiteral("R1 t/m R8 =                  Ohm"));
    Label11 = tekst(frame, QStringLiteral("Label11"), QStringLiteral(" 350"));
    Vormgeving::kleur(Label11, QColor(192, 255, 192));
    tekst(frame, QStringLiteral("SegmentLabel"), QStringLiteral("Segment"));
    Text1 = maak<QLineEdit>(frame, QStringLiteral("Text1"));
    Text1->setText(QStringLiteral("2"));
    tekst(frame, QStringLiteral("VoltageLabel"), QStringLiteral("Voltage (v)"));
    Text2 = maak<QLineEdit>(frame, QStringLiteral("Text2"));
    Text2->setText(QStringLiteral("20"));
    tekst(frame, QStringLiteral("StroomLabel"), QStringLiteral("Stroom (mA)"));
    maak<QLabel>(frame, QStringLiteral("SchuifLabel"))->setFrameShape(QFrame::Panel);
    HScroll1 = maak<QScrollBar>(frame, QStringLiteral("HScroll1"));
    HScroll1->setOrientation(Qt::Horizontal);
    HScroll1->setRange(DisplayModel::kMinWachttijd, DisplayModel::kMaxWachttijd);
    HScroll1->setValue(display_.wachttijd());
    Label7 = tekst(frame, QStringLiteral("Label7"), display_.wachttijdTekst());
    Combo1 = maak<QComboBox>(frame, QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Vormgeving::inVasteRuimte(Combo1);
    for (int volt = 5; volt <= 30; ++volt)
        Combo1->addItem(QString::number(volt));
    Combo1->setCurrentText(QStringLiteral("9"));

    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this](int waarde) { display_.zetWachttijd(waarde); });
    // Only a change of the supply recomputes; the voltage and current fields wait
    // for it.
    connect(Combo1, &QComboBox::currentTextChanged, this, &DisplayVenster::Combo1_Change);
    connect(Combo1, &QComboBox::activated, this, &DisplayVenster::Combo1_Change);
}

void DisplayVenster::maakKnoppen(QWidget *frame) {
    maak<QLabel>(frame, QStringLiteral("KnoppenLabel"))->setFrameShape(QFrame::Panel);
    for (int i = 0; i < SegmentTabel::kKnoppen; ++i) {
        const QString opschrift =
            i == SegmentTabel::kDecimalePunt ? QStringLiteral("dp") : QString::number(i);
        Knop[size_t(i)] =
            knop(frame, QStringLiteral("Knop%1").arg(i), opschrift, QColor(220, 230, 200));
        connect(Knop[size_t(i)], &QPushButton::clicked, this, [this, i] { display_.toonKnop(i); });
    }
    Knop[SegmentTabel::kDecimalePunt]->setToolTip(QStringLiteral(" Decimale punt "));
    SegmentKnop = knop(frame, QStringLiteral("SegmentKnop"), QStringLiteral("Segment"));
    PlayKnop = knop(frame, QStringLiteral("PlayKnop"), QStringLiteral("Play"));
    ExitKnop = knop(frame, QStringLiteral("ExitKnop"), QStringLiteral("Exit"));
    connect(SegmentKnop, &QPushButton::clicked, this, [this] { display_.toonSegmentNamen(); });
    connect(PlayKnop, &QPushButton::clicked, this, [this] { display_.speel(); });
    connect(ExitKnop, &QPushButton::clicked, this, &QDialog::reject);
}

void DisplayVenster::plaatsBesturing() {
    Vormgeving::plaats(
        this, {
                  {"Frame1", 90, 15, 7545, 3945},        {"Tekening", 0, 0, 7545, 3945},
                  {"PinnenBoven", 270, 780, -1, -1},     {"PinnenOnder", 375, 2880, -1, -1},
                  {"Label2", 3600, 450, -1, -1},         {"Label11", 4560, 435, 660, 255},
                  {"SegmentLabel", 1830, 1380, -1, -1},  {"Text1", 1830, 1650, 450, 285},
                  {"VoltageLabel", 2340, 1710, -1, -1},  {"Text2", 1830, 1980, 450, 285},
                  {"StroomLabel", 2340, 2040, -1, -1},   {"SchuifLabel", 3600, 3510, 1515, 300},
                  {"HScroll1", 3630, 3540, 1455, 240},   {"Label7", 5175, 3555, 900, -1},
                  {"MinLabel", 6690, 1410, -1, -1},      {"PlusLabel", 6390, 3270, -1, -1},
                  {"Combo1", 6540, 3240, 660, -1},       {"Frame2", 90, 3945, 7545, 690},
                  {"KnoppenLabel", 105, 195, 7350, 390}, {"Knop0", 135, 225, 450, 330},
                  {"Knop1", 585, 225, 450, 330},         {"Knop2", 1035, 225, 450, 330},
                  {"Knop3", 1485, 225, 450, 330},        {"Knop4", 1935, 225, 450, 330},
                  {"Knop5", 2385, 225, 450, 330},        {"Knop6", 2835, 225, 450, 330},
                  {"Knop7", 3285, 225, 450, 330},        {"Knop8", 3735, 225, 450, 330},
                  {"Knop9", 4185, 225, 450, 330},        {"Knop10", 4635, 225, 450, 330},
                  {"SegmentKnop", 5085, 225, 945, 330},  {"PlayKnop", 6030, 225, 690, 330},
                  {"ExitKnop", 6720, 225, 705, 330},
              });
}

void DisplayVenster::Combo1_Change() {
    const std::optional<QString> waarde =
        SegmentWeerstand(Combo1->currentText(), Text1->text(), Text2->text(), locale_);
    if (waarde) Label11->setText(*waarde);
}

void DisplayVenster::toon() {
    TekenDisplayBord(bord_, display_, Vormgeving::kTekenVlak.rgb());
    for (QPushButton *knop : Knop)
        knop->setEnabled(display_.knoppenAan());
    for (QPushButton *knop : {SegmentKnop, PlayKnop, ExitKnop})
        knop->setEnabled(display_.knoppenAan());
    if (display_.bezig())
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    Label7->setText(display_.wachttijdTekst());
}

void DisplayVenster::done(int resultaat) {
    display_.sluit();
    QDialog::done(resultaat);
}
