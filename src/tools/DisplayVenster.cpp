#include "tools/DisplayVenster.h"

#include "tools/DisplayTekening.h"
#include "tools/FormLayout.h"
#include "ui/SheetView.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

template <typename Widget> Widget *maak(QWidget *ouder, const QString &naam) {
    auto *widget = new Widget(ouder);
    widget->setObjectName(naam);
    return widget;
}

QLabel *tekst(QWidget *ouder, const QString &naam, const QString &inhoud) {
    auto *label = maak<QLabel>(ouder, naam);
    label->setText(inhoud);
    return label;
}

QPushButton *knop(QWidget *ouder, const QString &naam, const QString &opschrift, QColor kleur) {
    auto *button = maak<QPushButton>(ouder, naam);
    button->setText(opschrift);
    FormLayout::kleur(button, kleur);
    return button;
}

} // namespace

DisplayVenster::DisplayVenster(Platform &platform, QWidget *parent, const QLocale &locale)
    : QDialog(parent), display_(platform), locale_(locale),
      bord_(kDisplayBordMaat.width(), kDisplayBordMaat.height()) {
    setObjectName(QStringLiteral("Display"));
    setWindowTitle(QStringLiteral(" 7-Segment Display"));
    setModal(true);
    FormLayout::maakVenster(this, 7800, 5190);
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
    FormLayout::kleur(Label11, QColor(192, 255, 192));
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
    HScroll1->setRange(SegmentDisplay::kMinWachttijd, SegmentDisplay::kMaxWachttijd);
    HScroll1->setValue(display_.wachttijd());
    Label7 = tekst(frame, QStringLiteral("Label7"), display_.Label7());
    Combo1 = maak<QComboBox>(frame, QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
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
    const QColor grijs(220, 220, 200);
    SegmentKnop = knop(frame, QStringLiteral("SegmentKnop"), QStringLiteral("Segment"), grijs);
    PlayKnop = knop(frame, QStringLiteral("PlayKnop"), QStringLiteral("Play"), grijs);
    ExitKnop = knop(frame, QStringLiteral("ExitKnop"), QStringLiteral("Exit"), grijs);
    connect(SegmentKnop, &QPushButton::clicked, this, [this] { display_.toonSegmentNamen(); });
    connect(PlayKnop, &QPushButton::clicked, this, [this] { display_.speel(); });
    connect(ExitKnop, &QPushButton::clicked, this, &QDialog::reject);
}

void DisplayVenster::plaatsBesturing() {
    FormLayout::plaats(
        this, {
                  {"Frame1", 15, 90, 7545, 3945},        {"Tekening", 0, 0, 7545, 3945},
                  {"PinnenBoven", 780, 270, -1, -1},     {"PinnenOnder", 2880, 375, -1, -1},
                  {"Label2", 450, 3600, -1, -1},         {"Label11", 435, 4560, 660, 255},
                  {"SegmentLabel", 1380, 1830, -1, -1},  {"Text1", 1650, 1830, 450, 285},
                  {"VoltageLabel", 1710, 2340, -1, -1},  {"Text2", 1980, 1830, 450, 285},
                  {"StroomLabel", 2040, 2340, -1, -1},   {"SchuifLabel", 3510, 3600, 1515, 300},
                  {"HScroll1", 3540, 3630, 1455, 240},   {"Label7", 3555, 5175, 900, -1},
                  {"MinLabel", 1410, 6690, -1, -1},      {"PlusLabel", 3270, 6390, -1, -1},
                  {"Combo1", 3240, 6540, 660, -1},       {"Frame2", 3945, 90, 7545, 690},
                  {"KnoppenLabel", 195, 105, 7350, 390}, {"Knop0", 225, 135, 450, 330},
                  {"Knop1", 225, 585, 450, 330},         {"Knop2", 225, 1035, 450, 330},
                  {"Knop3", 225, 1485, 450, 330},        {"Knop4", 225, 1935, 450, 330},
                  {"Knop5", 225, 2385, 450, 330},        {"Knop6", 225, 2835, 450, 330},
                  {"Knop7", 225, 3285, 450, 330},        {"Knop8", 225, 3735, 450, 330},
                  {"Knop9", 225, 4185, 450, 330},        {"Knop10", 225, 4635, 450, 330},
                  {"SegmentKnop", 225, 5085, 945, 330},  {"PlayKnop", 225, 6030, 690, 330},
                  {"ExitKnop", 225, 6720, 705, 330},
              });
}

void DisplayVenster::Combo1_Change() {
    const std::optional<QString> waarde =
        SegmentWeerstand(Combo1->currentText(), Text1->text(), Text2->text(), locale_);
    if (waarde) Label11->setText(*waarde);
}

void DisplayVenster::toon() {
    TekenDisplayBord(bord_, display_, palette().color(QPalette::Window).rgb());
    for (QPushButton *knop : Knop)
        knop->setEnabled(display_.knoppenAan());
    for (QPushButton *knop : {SegmentKnop, PlayKnop, ExitKnop})
        knop->setEnabled(display_.knoppenAan());
    if (display_.bezig())
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    Label7->setText(display_.Label7());
}

void DisplayVenster::done(int resultaat) {
    display_.sluit();
    QDialog::done(resultaat);
}
