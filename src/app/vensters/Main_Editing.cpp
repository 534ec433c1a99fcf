#include "app/vensters/Main.h"

#include "editor/BreadboardEditor.h"
#include "editor/Ontwerpblad.h"
#include "editor/StatusTekst.h"
#include "editor/vensters/Textform.h"
#include "symbols/Symbool.h"
#include "ui/StapNamen.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

// Editing the sheets: placing symbols, the breadboard tool modes, wires, text, rotate,
// mirror and shift.

namespace {

// A preview floating over the sheet; the mouse goes through it to the sheet.
QLabel *zwevend(QWidget *sheet, const QString &naam) {
    auto *label = new QLabel(sheet);
    label->setObjectName(naam);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

// Where the preview's pixels would be on the sheet, at the view's zoom.
void toon(QWidget *voorbeeld, const BreadboardEditor::Voorbeeld &waar, const SheetView *blad) {
    voorbeeld->setGeometry(blad->naarView(waar.plek));
    voorbeeld->setVisible(waar.zichtbaar);
}

bool shift(const SheetView *blad) {
    return blad->toetsen().testFlag(Qt::ShiftModifier);
}

} // namespace

void Main::verbindBewerken() {
    bewerker_ = std::make_unique<BreadboardEditor>(ontwerp_.Pic2, ontwerp_.GumPic, folder_);
    bewerker_->kiesKleur(Combo2->currentText());
    bewerker_->zetTekst(Text2->text());
    bewerker_->zetTekstGrootte(Combo4->currentText());
    bewerker_->zetVet(Check1->isChecked());
    maakVoorbeelden();

    // Every event of the two sheets, here alone. What lands on the design sheet counts
    // as used; the breadboard's editor handles a press or a release before the
    // selection shows.
    connect(PicView, &SheetView::pressed, this, [this](Qt::MouseButton knop, int x, int y) {
        if (knop == Qt::LeftButton) symbolen_->onthoudGebruik();
        Pic_MouseDown(knop, x, y);
    });
    connect(PicView, &SheetView::released, this,
            [this](Qt::MouseButton, int x, int y) { Pic_MouseUp(x, y); });
    connect(PicView, &SheetView::moved, this, [this](Qt::MouseButtons, int x, int y) {
        // Dragged beyond the sheet there is no block to name.
        if (ontwerp_.Pic.contains(x, y)) Label8->setText(blokTekst(x, y));
        selectieWijzer(0, {x, y});
    });

    connect(Pic2View, &SheetView::pressed, this, [this](Qt::MouseButton button, int x, int y) {
        bewerker_->MouseDown(button, x, y);
        toonSelectie();
    });
    connect(Pic2View, &SheetView::moved, this, [this](Qt::MouseButtons held, int x, int y) {
        if (const auto status = bewerker_->MouseMove(held, x, y, shift(Pic2View)))
            Label8->setText(*status);
        toonVoorbeelden();
        selectieWijzer(1, {x, y});
    });
    connect(Pic2View, &SheetView::released, this, [this](Qt::MouseButton button, int x, int y) {
        Pic2_MouseUp(button, x, y);
        toonSelectie();
    });

    // Choosing the same tool again counts: after a text or a stamp that is how the
    // user takes the tool up again.
    connect(Combo3, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        Combo3_Click(index);
        toonSelectie();
    });
    connect(Combo2, &QComboBox::currentTextChanged, this, [this](const QString &kleur) {
        bewerker_->kiesKleur(kleur);
        zetTekstLabel();
    });
    connect(Text2, &QLineEdit::textChanged, this, [this](const QString &tekst) {
        bewerker_->zetTekst(tekst);
        zetTekstLabel();
    });
    connect(Combo4, &QComboBox::currentTextChanged, this, [this](const QString &punten) {
        bewerker_->zetTekstGrootte(punten);
        zetTekstLabel();
    });
    connect(Check1, &QCheckBox::toggled, this, [this](bool vet) {
        bewerker_->zetVet(vet);
        zetTekstLabel();
    });

    connect(RotatieKnop, &QToolButton::clicked, this, [this] { draaiKwartslag(IconPic); });
    connect(VerKnop, &QToolButton::clicked, this, [this] { spiegelBovenOnder(IconPic); });
    connect(HorKnop, &QToolButton::clicked, this, [this] { spiegelLinksRechts(IconPic); });

    connect(Knop2[1], &QToolButton::clicked, this, [this] {
        Textform venster(IconPic, this);
        venster.exec();
    });
}

void Main::VerschuifTekening(Richting richting) {
    ontwerp_.alsStap(Ontwerp::Blad::Ontwerpblad, StapNamen::kVerschuiven, [this, richting] {
        schuifBlokken(ontwerp_.Pic, richting, RasterScroll->value());
    });
}

void Main::maakVoorbeelden() {
    BBlayer = zwevend(Pic2View, QStringLiteral("BBlayer"));
    GumLayer = zwevend(Pic2View, QStringLiteral("GumLayer"));
    GumLayer->setFrameStyle(QFrame::Box | QFrame::Plain);
    GumLayer->setLineWidth(1);
    TekstLabel = zwevend(Pic2View, QStringLiteral("TekstLabel"));
    TekstLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TekstLabel->setMargin(0);
    // The text is printed as typed, so the preview must not read it as markup.
    TekstLabel->setTextFormat(Qt::PlainText);
    zetTekstLabel();
}

void Main::Combo3_Click(int index) {
    bewerker_->kiesGereedschap(index, Combo3->itemText(index));
    zetBBlayerBeeld();
    zetTekstLabel();
    toonTekstGereedschap();
    toonVoorbeelden();
}

void Main::Pic2_MouseUp(Qt::MouseButton button, int x, int y) {
    const bool tekstGereedschap = bewerker_->tekstGereedschapZichtbaar();
    bewerker_->MouseUp(button, x, y, shift(Pic2View));
    // The views also show and hide the text tools; leave them be unless the mode ended.
    if (bewerker_->tekstGereedschapZichtbaar() != tekstGereedschap) toonTekstGereedschap();
    toonVoorbeelden();
}

// The text preview shows the text in the font, size, boldness and colour that a
// release would print it in; its size is the one the editor measures, so that the
// text lands exactly where the preview stood.
void Main::zetTekstLabel() {
    const Surface::TextStyle stijl = bewerker_->tekstStijl();
    QFont font(stijl.family);
    font.setPointSizeF(stijl.pointSize * Pic2View->zoom());
    font.setBold(stijl.bold);
    TekstLabel->setFont(font);
    Vormgeving::tekstKleur(TekstLabel, QColor::fromRgb(stijl.colour));
    TekstLabel->setText(bewerker_->tekst());
    toonVoorbeelden();
}

void Main::toonTekstGereedschap() {
    const bool zichtbaar = bewerker_->tekstGereedschapZichtbaar();
    for (QWidget *gereedschap : {static_cast<QWidget *>(Text2), static_cast<QWidget *>(Combo4),
                                 static_cast<QWidget *>(Check1)})
        gereedschap->setVisible(zichtbaar);
}

void Main::toonVoorbeelden() {
    toon(BBlayer, bewerker_->BBlayer(), Pic2View);
    toon(GumLayer, bewerker_->GumLayer(), Pic2View);
    toon(TekstLabel, bewerker_->TekstLabel(), Pic2View);
}

// Each pixel of the part picture a block, as the sheet's own pixels at the zoom.
void Main::zetBBlayerBeeld() {
    const QImage beeld = bewerker_->BBlayerBeeld();
    if (beeld.isNull()) return BBlayer->setPixmap({});
    BBlayer->setPixmap(QPixmap::fromImage(beeld.scaled(
        beeld.size() * Pic2View->zoom(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}
