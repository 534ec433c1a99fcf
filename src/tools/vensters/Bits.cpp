#include "tools/vensters/Bits.h"

#include "ui/vensters/Vormgeving.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

using Vormgeving::maak;

QLabel *uitkomst(QWidget *parent, const QString &naam) {
    auto *label = Vormgeving::paneel(parent, naam);
    label->setFont(QFont(QStringLiteral("Arial"), 9));
    Vormgeving::kleur(label, QColor(224, 224, 224));
    return label;
}

} // namespace

Bits::Bits(QWidget *parent) : QDialog(parent) {
    Vormgeving::maakDialoog(this, QStringLiteral("Bits"), QStringLiteral(" Bits & Bytes"));
    Vormgeving::maakVenster(this, 4800, 2490);
    maakBesturing();
    Vormgeving::plaats(this, {
                                 {"Frame1", 60, -30, 4605, 1995},
                                 {"Shape1", 255, 345, 4035, 495},
                                 {"Knop0", 300, 390, 465, 390},
                                 {"Knop1", 795, 390, 465, 390},
                                 {"Knop2", 1290, 390, 465, 390},
                                 {"Knop3", 1785, 390, 465, 390},
                                 {"Knop4", 2280, 390, 465, 390},
                                 {"Knop5", 2775, 390, 465, 390},
                                 {"Knop6", 3270, 390, 465, 390},
                                 {"Knop7", 3765, 390, 465, 390},
                                 {"Gewichten", 330, 885, -1, -1},
                                 {"Label1", 300, 1290, 750, 315},
                                 {"Label2", 1710, 1290, 1290, 315},
                                 {"Kop", 300, 1680, -1, -1},
                                 {"Label3", 3570, 1470, 900, 390},
                                 {"ResetKnop", 3600, 1500, 840, 330},
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
        const int gewicht = BitsModel::kGewichten[j];
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
    auto *reset = Vormgeving::knop(frame, QStringLiteral("ResetKnop"), QStringLiteral("Reset"));
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
        Knop[j]->setText(byte_.opschrift(BitsModel::kGewichten[j]));
    Label1->setText(byte_.decimaal());
    Label2->setText(byte_.binair());
}
