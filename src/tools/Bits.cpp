#include "tools/Bits.h"

#include "tools/FormLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

template <typename Widget> Widget *maak(QWidget *ouder, const QString &naam) {
    auto *widget = new Widget(ouder);
    widget->setObjectName(naam);
    return widget;
}

QLabel *uitkomst(QWidget *ouder, const QString &naam) {
    auto *label = maak<QLabel>(ouder, naam);
    label->setFont(QFont(QStringLiteral("Arial"), 9));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    FormLayout::kleur(label, QColor(224, 224, 224));
    return label;
}

} // namespace

Bits::Bits(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Bits"));
    setWindowTitle(QStringLiteral(" Bits & Bytes"));
    setModal(true);
    FormLayout::maakVenster(this, 4800, 2490);
    maakBesturing();
    FormLayout::plaats(this, {
                                 {"Frame1", -30, 60, 4605, 1995},
                                 {"Shape1", 345, 255, 4035, 495},
                                 {"Knop0", 390, 300, 465, 390},
                                 {"Knop1", 390, 795, 465, 390},
                                 {"Knop2", 390, 1290, 465, 390},
                                 {"Knop3", 390, 1785, 465, 390},
                                 {"Knop4", 390, 2280, 465, 390},
                                 {"Knop5", 390, 2775, 465, 390},
                                 {"Knop6", 390, 3270, 465, 390},
                                 {"Knop7", 390, 3765, 465, 390},
                                 {"Gewichten", 885, 330, -1, -1},
                                 {"Label1", 1290, 300, 750, 315},
                                 {"Label2", 1290, 1710, 1290, 315},
                                 {"Kop", 1680, 300, -1, -1},
                                 {"Label3", 1470, 3570, 900, 390},
                                 {"ResetKnop", 1500, 3600, 840, 330},
                             });
}

Bits::~Bits() = default;

void Bits::maakBesturing() {
    // Made in stacking order: the backdrops lie behind what stands on them.
    auto *frame = maak<QGroupBox>(this, QStringLiteral("Frame1"));
    auto *shape = maak<QFrame>(frame, QStringLiteral("Shape1"));
    shape->setFrameShape(QFrame::Box);
    for (size_t j = 0; j < Knop.size(); ++j) {
        // The button's object name is its place in the row; its weight is 128 >> j.
        Knop[j] = maak<QPushButton>(frame, QStringLiteral("Knop%1").arg(j));
        Knop[j]->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
        const int gewicht = BitsWaarde::kGewichten[j];
        connect(Knop[j], &QPushButton::clicked, this, [this, gewicht] { Knop_Click(gewicht); });
    }
    maak<QLabel>(frame, QStringLiteral("Gewichten"))
        ->setText(QStringLiteral(
            "128       64       32       16        8         4         2         1"));
    Label1 = uitkomst(frame, QStringLiteral("Label1"));
    Label2 = uitkomst(frame, QStringLiteral("Label2"));
    maak<QLabel>(frame, QStringLiteral("Kop"))
        ->setText(QStringLiteral("Decimale                 Binaire waarde"));
    maak<QLabel>(frame, QStringLiteral("Label3"))->setFrameShape(QFrame::Panel);
    auto *reset = maak<QPushButton>(frame, QStringLiteral("ResetKnop"));
    reset->setText(QStringLiteral("Reset"));
    FormLayout::kleur(reset, QColor(220, 220, 200));
    connect(reset, &QPushButton::clicked, this, &Bits::ResetKnop_Click);
}

void Bits::Knop_Click(int gewicht) {
    byte_.schakel(gewicht);
    toon();
}

void Bits::ResetKnop_Click() {
    byte_.reset();
    toon();
}

void Bits::toon() {
    for (size_t j = 0; j < Knop.size(); ++j)
        Knop[j]->setText(byte_.opschrift(BitsWaarde::kGewichten[j]));
    Label1->setText(byte_.Label1());
    Label2->setText(byte_.Label2());
}
