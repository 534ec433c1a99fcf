#include "tools/vensters/LedCalc.h"

#include "tools/LedTekening.h"
#include "ui/vensters/PassendeTekst.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Vormgeving::maak;

// The calculator's texts stand at the top left of their place.
QLabel *tekst(QWidget *parent, const char *naam, const QString &inhoud, bool omslaan = false) {
    auto *label = Vormgeving::tekst(parent, QLatin1String(naam), inhoud);
    label->setWordWrap(omslaan);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit *veld(QWidget *parent, const char *naam, const QString &inhoud) {
    auto *invoer = maak<QLineEdit>(parent, naam);
    invoer->setText(inhoud);
    Vormgeving::kleur(invoer, QColor(255, 255, 192));
    return invoer;
}

} // namespace

LedCalc::LedCalc(QWidget *parent, const QLocale &locale)
    : QDialog(parent), rekenaar_(locale),
      picCir_(kSchemaMaat.width(), kSchemaMaat.height(), kSchemaAchtergrond) {
    Vormgeving::maakDialoog(this, QStringLiteral("LedCalc"), QStringLiteral(" Led calculator"));
    Vormgeving::maakVenster(this, 7380, 6975);
    maakBesturing();
    plaatsBesturing();
    toon();
}

LedCalc::~LedCalc() = default;

void LedCalc::maakBesturing() {
    auto *frame1 = maak<QGroupBox>(this, "Frame1");
    const char *modi[] = {"Single", "Parallel", "Serie"};
    for (int i = 0; i < 3; ++i) {
        optLED[size_t(i)] =
            maak<QRadioButton>(frame1, QStringLiteral("optLED%1").arg(i).toLatin1());
        optLED[size_t(i)]->setText(QLatin1String(modi[i]));
        connect(optLED[size_t(i)], &QRadioButton::clicked, this, [this, i] { optLED_Click(i); });
    }
    optLED[0]->setChecked(true);
    maakInvoer(frame1);
    Vormgeving::kleur(maak<QLabel>(frame1, "Label14"), QColor(200, 200, 190));
    CalcKnop = Vormgeving::knop(frame1, QStringLiteral("CalcKnop"), QStringLiteral("Calculate"));
    connect(CalcKnop, &QPushButton::clicked, this, &LedCalc::CalcKnop_Click);
    tekst(frame1, "LabelR", QStringLiteral("Weerstand in Ohm (R)"), true);
    tekst(frame1, "LabelW", QStringLiteral("Weerstand Wattage"), true);
    tekst(frame1, "LabelA", QStringLiteral("Supply Current"), true);
    lblResistorValue = Vormgeving::paneel(frame1, QStringLiteral("lblResistorValue"));
    lblWatt = Vormgeving::paneel(frame1, QStringLiteral("lblWatt"));
    lbltotCur = Vormgeving::paneel(frame1, QStringLiteral("lbltotCur"));

    maakUitleg(maak<QGroupBox>(this, "Frame2"));
    auto *schema = new SheetView(picCir_, this);
    schema->setObjectName(QStringLiteral("picCir"));
}

void LedCalc::maakInvoer(QWidget *frame) {
    const LedInvoer standaard;
    tekst(frame, "LabelVs", QStringLiteral("Voedingsspanning (Vs)"));
    txtSV = veld(frame, "txtSV", standaard.voeding);
    tekst(frame, "LabelVl", QStringLiteral("Led voltage (VI)"));
    txtDFV = veld(frame, "txtDFV", standaard.ledSpanning);
    tekst(frame, "LabelI", QStringLiteral("Led stroom in milli-ampere (I)"));
    txtDFC = veld(frame, "txtDFC", standaard.ledStroom);
    Label4 = tekst(frame, "Label4", QStringLiteral("Aantal leds"));
    txtNoLED = veld(frame, "txtNoLED", standaard.aantal);
}

void LedCalc::maakUitleg(QWidget *frame) {
    tekst(frame, "LabelFormule", QStringLiteral("Formule voor weerstand"));
    auto *formule = tekst(frame, "LabelR2", QStringLiteral("R = (Vs - Vl)/ I"));
    formule->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    tekst(
        frame, "Label11",
        QStringLiteral("Bij parallelle leds zien dat er slechts één weerstand wordt gebruikt. ") +
            QStringLiteral("Maar het is beter om voor elke led een eigen weerstand te gebruiken."),
        true);
    tekst(frame, "LabelHint1", QStringLiteral("Rood en groen - 20 ma / 2 volts"));
    tekst(frame, "LabelHint2", QStringLiteral("Blauw en wit - 30 ma / 4 volts"));
    uitleg_ = UitlegLed(Vormgeving::kTekenVlak.rgb());
    auto *plaatje = new SheetView(uitleg_, frame);
    plaatje->setObjectName(QStringLiteral("LedUitleg"));
}

void LedCalc::plaatsBesturing() {
    // The input fields, the results and the texts of Frame2 stand in the room the
    // tool leaves for them. The option buttons are a little wider than they always
    // were, so that "Parallel" fits in today's fonts.
    Vormgeving::plaats(
        this, {
                  {"Frame1", 90, 0, 3105, 3480},         {"optLED0", 150, 270, 1005, 225},
                  {"optLED1", 1170, 270, 1005, 225},     {"optLED2", 2190, 270, 810, 225},
                  {"LabelVs", 150, 660, 2220, 255},      {"txtSV", 2400, 615, 600, 285},
                  {"LabelVl", 150, 990, 2220, 255},      {"txtDFV", 2400, 945, 600, 285},
                  {"LabelI", 150, 1320, 2220, 255},      {"txtDFC", 2400, 1275, 600, 285},
                  {"Label4", 150, 1650, 2220, 255},      {"txtNoLED", 2400, 1605, 600, 285},
                  {"Label14", 150, 1920, 2805, 390},     {"CalcKnop", 180, 1950, 2745, 330},
                  {"LabelR", 150, 2430, 915, 420},       {"LabelW", 1125, 2430, 915, 420},
                  {"LabelA", 2100, 2430, 915, 420},      {"lblResistorValue", 150, 2925, 915, 285},
                  {"lblWatt", 1125, 2925, 915, 285},     {"lbltotCur", 2100, 2925, 915, 285},
                  {"Frame2", 3270, 30, 3945, 3450},      {"LabelFormule", 150, 240, -1, -1},
                  {"LabelR2", 150, 480, -1, -1},         {"Label11", 150, 840, 3720, 840},
                  {"LabelHint1", 150, 1845, 2100, 420},  {"LabelHint2", 150, 2400, 2100, 420},
                  {"LedUitleg", 2295, 1800, 1500, 1500}, {"picCir", 90, 3570, 7110, 2835},
              });
    // Each colour hint on one line of its place, both in one size.
    PassendeTekst::zetSamen({findChild<QLabel *>(QStringLiteral("LabelHint1")),
                             findChild<QLabel *>(QStringLiteral("LabelHint2"))});
}

void LedCalc::optLED_Click(int index) {
    rekenaar_.kiesModus(LedModus(index));
    toon();
}

void LedCalc::CalcKnop_Click() {
    LedInvoer invoer;
    invoer.voeding = txtSV->text();
    invoer.ledSpanning = txtDFV->text();
    invoer.ledStroom = txtDFC->text();
    invoer.aantal = txtNoLED->text();
    rekenaar_.bereken(invoer);
    toon();
}

void LedCalc::toon() {
    const LedUitkomst &uitkomst = rekenaar_.uitkomst();
    lblResistorValue->setText(uitkomst.weerstandTekst);
    lblWatt->setText(uitkomst.wattTekst);
    lbltotCur->setText(uitkomst.stroomTekst);
    Label4->setVisible(rekenaar_.aantalZichtbaar());
    txtNoLED->setVisible(rekenaar_.aantalZichtbaar());
    TekenSchema(picCir_, rekenaar_.schema());
}
