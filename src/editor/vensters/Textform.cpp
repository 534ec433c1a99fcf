#include "editor/vensters/Textform.h"

#include "ui/Twips.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Where the controls stand inside the dialog, in twips. The dialog measures
// 5100 x 2700 twips with its border and title bar; the table gives its inside.
constexpr QSize kBinnen(4980, 2250);

constexpr Vormgeving::Plek kTabel[] = {
    {"Label1", 120, 90, 2900, 255},     {"Text1", 120, 420, 1350, 330},
    {"Label2", 120, 800, 1800, 255},    {"WeerPic", 120, 1170, 735, 735},
    {"Bknop0", 990, 1170, 270, 225},    {"Bknop1", 990, 1425, 270, 225},
    {"Bknop2", 990, 1680, 270, 225},    {"Label3_0", 1320, 1170, 900, 225},
    {"Label3_1", 1320, 1425, 900, 225}, {"Label3_2", 1320, 1680, 900, 225},
    {"Label4", 2700, 420, 2220, 1290},  {"PlaatsKnop", 2700, 1800, 1500, 375},
};

QFont codeLetter() {
    const Surface::TextStyle stijl = TextformModel::letter();
    QFont font(stijl.family);
    font.setPointSizeF(stijl.pointSize);
    font.setBold(stijl.bold);
    return font;
}

} // namespace

Textform::Textform(Surface &IconPic, QWidget *parent) : QDialog(parent), iconPic_(IconPic) {
    Vormgeving::maakDialoog(this, QStringLiteral("Textform"), QStringLiteral(" Tekst"));
    maakBesturing();
    plaatsBesturing();
}

// The view of WeerPic goes before the block it shows; the dialog's children would
// otherwise outlive it.
Textform::~Textform() {
    delete WeerPic;
}

void Textform::maakBesturing() {
    Vormgeving::tekst(this, QStringLiteral("Label1"),
                      QStringLiteral("Tekstcode bij de componenten"));
    Text1 = new QLineEdit(blok_.code(), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(TextformModel::kMaxTekens);
    Text1->setFont(codeLetter());
    Text1->setToolTip(QStringLiteral(" Max. 6 tekens "));
    Vormgeving::tekst(this, QStringLiteral("Label2"), QStringLiteral("Maximaal 6 tekens"));
    WeerPic = new SheetView(blok_.WeerPic(), this);
    WeerPic->setObjectName(QStringLiteral("WeerPic"));

    const QStringList hoogtes = {QStringLiteral("Boven"), QStringLiteral("Midden"),
                                 QStringLiteral("Onderen")};
    for (int i = 0; i < int(Bknop.size()); ++i) {
        Bknop[i] =
            Vormgeving::knop(this, QStringLiteral("Bknop%1").arg(i), {}, QColor(255, 200, 140));
        Vormgeving::tekst(this, QStringLiteral("Label3_%1").arg(i), hoogtes[i]);
        connect(Bknop[i], &QPushButton::clicked, this, [this, i] { blok_.zetHoogte(i); });
    }
    Vormgeving::tekst(
        this, QStringLiteral("Label4"),
        QStringLiteral("R = Weerstand\nC = Condensator\nT = Transistor\nD = Diode of Leds\n"
                       "IC = Integrated Circuits"))
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaatsKnop = Vormgeving::knop(this, QStringLiteral("PlaatsKnop"), QStringLiteral("Transfer"),
                                  QColor(230, 230, 215));

    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString &code) { blok_.zetCode(code); });
    connect(PlaatsKnop, &QPushButton::clicked, this, &Textform::PlaatsKnop_Click);
}

void Textform::plaatsBesturing() {
    setFont(Vormgeving::lettertype());
    setFixedSize(twipsToPixels(kBinnen.width()), twipsToPixels(kBinnen.height()));
    Vormgeving::plaats(this, kTabel);
}

void Textform::PlaatsKnop_Click() {
    blok_.Transfer(iconPic_);
    accept();
}
