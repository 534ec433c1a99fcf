#include "tools/vensters/Kleurcode.h"

#include "tools/WeerstandTekening.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

using Vormgeving::maak;
using Vormgeving::paneel;
using Vormgeving::tekst;

QLabel *tolerantieLegende(QWidget *parent) {
    auto *label = tekst(parent, QStringLiteral("Label2"),
                        QStringLiteral("Bruin   = 1% Oranje = 2% Goud   = 5% Zilver  = 10%"));
    label->setWordWrap(true);
    label->setFont(QFont(QStringLiteral("Arial"), 7)); // one tolerance to a line
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

Kleurcode::Kleurcode(Surface &IconPic, QWidget *parent)
    : QDialog(parent), iconPic_(IconPic),
      bord_(kKleurcodeBordMaat.width(), kKleurcodeBordMaat.height()), weerPic_(49, 49) {
    Vormgeving::maakDialoog(this, QStringLiteral("Kleurcode"), QStringLiteral(" Kleurcode E-12"));
    Vormgeving::maakVenster(this, 6330, 2355);
    maakBesturing();
    plaatsBesturing();
    toon();
}

Kleurcode::~Kleurcode() = default;

void Kleurcode::maakBesturing() {
    // Made in stacking order: the drawing and the backdrop labels lie behind what
    // stands on them.
    auto *frame = maak<QFrame>(this, "Frame1");
    frame->setFrameShape(QFrame::NoFrame);
    Vormgeving::kleur(frame, Vormgeving::kTekenVlak); // the texts on the drawing
    auto *bord = new SheetView(bord_, frame);
    bord->setObjectName(QStringLiteral("Tekening"));
    bord->setFixedSize(kKleurcodeBordMaat);
    Text4 = tekst(frame, QStringLiteral("Text4"), {});
    Text1 = tekst(frame, QStringLiteral("Text1"), {});
    Text2 = tekst(frame, QStringLiteral("Text2"), {});
    Text3 = tekst(frame, QStringLiteral("Text3"), {});
    paneel(frame, QStringLiteral("Label1"));
    VScroll1 = maak<QScrollBar>(frame, "VScroll1");
    VScroll1->setOrientation(Qt::Vertical);
    VScroll1->setRange(1, WeerstandTabel::kRijen);
    VScroll1->setValue(1);
    tolerantieLegende(frame);
    tekst(frame, QStringLiteral("Label5"), QStringLiteral("Tolerantie"));
    paneel(frame, QStringLiteral("Label4"));
    WeerPic = new SheetView(weerPic_, frame);
    WeerPic->setObjectName(QStringLiteral("WeerPic"));
    maak<QLabel>(frame, "Label3")->setFrameShape(QFrame::Panel);
    ConvertKnop =
        Vormgeving::knop(frame, QStringLiteral("ConvertKnop"), QStringLiteral("Transfer"));

    connect(VScroll1, &QScrollBar::valueChanged, this, &Kleurcode::VScroll1_Change);
    connect(ConvertKnop, &QPushButton::clicked, this, &Kleurcode::ConvertKnop_Click);
}

void Kleurcode::plaatsBesturing() {
    Vormgeving::plaats(this, {
                                 {"Frame1", 75, -15, 6105, 1830},
                                 {"Tekening", 0, 0, 6105, 1830},
                                 {"Text4", 3750, 270, 1095, 270},
                                 {"Text1", 2385, 585, 780, 270},
                                 {"Text2", 2385, 900, 780, 270},
                                 {"Text3", 2385, 1215, 780, 270},
                                 {"Label1", 3285, 270, 315, 1230},
                                 {"VScroll1", 3315, 300, 255, 1170},
                                 {"Label2", 3870, 795, 960, 945},
                                 {"Label5", 480, 1500, -1, -1},
                                 {"Label4", 5040, 270, 900, 900},
                                 {"WeerPic", 5115, 345, 735, 735},
                                 {"Label3", 5040, 1320, 915, 375},
                                 {"ConvertKnop", 5070, 1350, 855, 315},
                             });
}

void Kleurcode::VScroll1_Change(int waarde) {
    keuze_.toonRij(waarde);
    toon();
}

void Kleurcode::ConvertKnop_Click() {
    iconPic_.setImage(keuze_.symbool().image());
    accept();
}

void Kleurcode::toon() {
    Text1->setText(keuze_.bandTekst(1));
    Text2->setText(keuze_.bandTekst(2));
    Text3->setText(keuze_.bandTekst(3));
    Text4->setText(keuze_.waardeTekst());
    TekenGroteWeerstand(bord_, keuze_.lijnKleuren(), Vormgeving::kTekenVlak.rgb());
    weerPic_.setImage(keuze_.symbool().image());
}
