#include "editor/vensters/WerkBalkPaneel.h"

#include "board/BoardSize.h"
#include "board/Gaten.h"
#include "editor/Afdrukken.h"
#include "editor/Ontwerp.h"
#include "editor/Sneltoetsen.h"
#include "ui/Platform.h"
#include "ui/vensters/PassendeTekst.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

using Vormgeving::maak;

// A preview floating over the sheet; the mouse goes through it to the sheet.
QLabel *zwevend(QWidget *sheet, const QString &naam) {
    auto *label = maak<QLabel>(sheet, naam);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

// Where the preview's pixels would be on the sheet, at the view's zoom.
void toon(QWidget *voorbeeld, const BreadboardEditor::Voorbeeld &waar, const SheetView *blad) {
    voorbeeld->setGeometry(blad->naarView(waar.plek));
    voorbeeld->setVisible(waar.zichtbaar);
}

} // namespace

WerkBalkPaneel::WerkBalkPaneel(QWidget *paneel, SheetView *blad, Ontwerp &ontwerp,
                               const AppFolder &folder, Platform &platform)
    : QObject(paneel), blad_(blad), ontwerp_(ontwerp), folder_(folder), platform_(platform),
      bewerker_(std::make_unique<BreadboardEditor>(ontwerp.Pic2, ontwerp.GumPic, folder)) {
    bewerker_->zetGeschiedenis(&ontwerp.geschiedenis(Ontwerp::Blad::Breadboard));
    maakBesturing(paneel);
    maakVoorbeelden();
    verbind();
}

WerkBalkPaneel::~WerkBalkPaneel() = default;

// In stacking order: the backdrops lie under the controls on them.
void WerkBalkPaneel::maakBesturing(QWidget *paneel) {
    const QColor grijs = QColor::fromRgb(Vormgeving::kPaneelGrijs);
    WerkBalk = Vormgeving::vlak(paneel, QStringLiteral("WerkBalk"), grijs);
    Combo2 = maak<QComboBox>(paneel, QStringLiteral("Combo2"));
    Combo3 = maak<QComboBox>(paneel, QStringLiteral("Combo3"));
    Combo4 = maak<QComboBox>(paneel, QStringLiteral("Combo4"));
    Combo4->setToolTip(QStringLiteral(" Textsize "));
    Text2 = maak<QLineEdit>(paneel, QStringLiteral("Text2"));
    Text2->setText(QStringLiteral("Tekst"));
    Check1 = maak<QCheckBox>(paneel, QStringLiteral("Check1"));
    Check1->setText(QStringLiteral("Bold"));
    BackClear = Vormgeving::vlak(paneel, QStringLiteral("BackClear"), grijs);
    NewKnop = Vormgeving::knop(paneel, QStringLiteral("NewKnop"), QStringLiteral("Nieuw"));
    LoepKnop = Vormgeving::knop(paneel, QStringLiteral("LoepKnop"), QStringLiteral("Loep"));
    LoepScroll = maak<QScrollBar>(paneel, QStringLiteral("LoepScroll"));
    BBgrootKnop = Vormgeving::knop(paneel, QStringLiteral("BBgrootKnop"), QStringLiteral("Size"));
    PrintKnop = Vormgeving::knop(paneel, QStringLiteral("PrintKnop"), QStringLiteral("Print"));
    PrintKnop->setToolTip(QStringLiteral(" Breadboard afdrukken "));

    Vormgeving::opVlak(Check1, WerkBalk);
    for (QWidget *keuze : {Combo2, Combo3, Combo4})
        Vormgeving::inVasteRuimte(keuze);
    LoepScroll->setOrientation(Qt::Horizontal);
    LoepScroll->setRange(1, 9);
    LoepScroll->setValue(3);
    BBgrootKnop->setToolTip(bbGrootHint(false));
}

void WerkBalkPaneel::maakVoorbeelden() {
    BBlayer = zwevend(blad_, QStringLiteral("BBlayer"));
    GumLayer = zwevend(blad_, QStringLiteral("GumLayer"));
    GumLayer->setFrameStyle(QFrame::Box | QFrame::Plain);
    GumLayer->setLineWidth(1);
    TekstLabel = zwevend(blad_, QStringLiteral("TekstLabel"));
    TekstLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TekstLabel->setMargin(0);
    // The text is printed as typed, so the preview must not read it as markup.
    TekstLabel->setTextFormat(Qt::PlainText);
}

void WerkBalkPaneel::verbind() {
    // Choosing the same tool again counts: after a text or a stamp that is how the
    // user takes the tool up again.
    connect(Combo3, qOverload<int>(&QComboBox::activated), this, &WerkBalkPaneel::gereedschapKeuze);
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

    connect(NewKnop, &QPushButton::clicked, this, &WerkBalkPaneel::nieuwBreadboard);
    connect(PrintKnop, &QPushButton::clicked, this, &WerkBalkPaneel::afdrukken);
    connect(LoepKnop, &QPushButton::clicked, this, &WerkBalkPaneel::loepGevraagd);
    connect(LoepScroll, &QScrollBar::valueChanged, this, &WerkBalkPaneel::vergrotingGekozen);
    connect(BBgrootKnop, &QPushButton::clicked, this, [this] { ontwerp_.wisselBord(platform_); });
    connect(&ontwerp_, &Ontwerp::bordVeranderd, this, [this](bool groot) {
        BBgrootKnop->setToolTip(bbGrootHint(groot));
        zetGaten();
    });

    // The previews float over the view where the picture's pixels are.
    connect(blad_, &SheetView::zoomVeranderd, this, [this] {
        zetBBlayerBeeld();
        zetTekstLabel();
    });
    connect(blad_, &SheetView::beeldVerschoven, this, &WerkBalkPaneel::toonVoorbeelden);
}

void WerkBalkPaneel::vul(const QStringList &kleuren, const QStringList &gereedschappen,
                         const QStringList &groottes) {
    {
        const QSignalBlocker k(Combo2), g(Combo3), t(Combo4);
        Combo2->addItems(kleuren);
        Combo3->addItems(gereedschappen);
        Combo4->addItems(groottes);
        Combo4->setCurrentText(QStringLiteral("12"));
        Combo2->setCurrentIndex(0);
        Combo3->setCurrentIndex(0);
    }
    bewerker_->kiesKleur(Combo2->currentText());
    bewerker_->zetTekst(Text2->text());
    bewerker_->zetTekstGrootte(Combo4->currentText());
    bewerker_->zetVet(Check1->isChecked());
    zetTekstLabel();
}

QList<QWidget *> WerkBalkPaneel::besturing() const {
    return {WerkBalk,  Combo2,  Combo3,   Combo4,     Text2,       Check1,
            BackClear, NewKnop, LoepKnop, LoepScroll, BBgrootKnop, PrintKnop};
}

void WerkBalkPaneel::geplaatst() {
    PassendeTekst::zet(Check1, QStringLiteral("Bold"));
    blad_->zetBedekt(std::max(0, WerkBalk->geometry().bottom() + 1 - blad_->y()));
}

void WerkBalkPaneel::zetToetsHints() {
    Combo2->setToolTip(QStringLiteral(" Draadkleur (toetsen + en -) "));
    Combo3->setToolTip(QStringLiteral(" Gereedschap (toetsen 0 tot 3, onderdelen met hun "
                                      "beginletter, Esc stopt) "));
    for (int i = 0; i < Combo3->count(); ++i) {
        const QString toets = Sneltoetsen::gereedschapToets(i, Combo3->itemText(i));
        if (!toets.isEmpty())
            Combo3->setItemData(i, Sneltoetsen::metToets(Combo3->itemText(i), toets),
                                Qt::ToolTipRole);
    }
}

bool WerkBalkPaneel::recht() const {
    return blad_->toetsen().testFlag(Qt::ShiftModifier);
}

void WerkBalkPaneel::drukIn(Qt::MouseButton knop, int x, int y) {
    bewerker_->druk(knop, x, y);
}

std::optional<QString> WerkBalkPaneel::beweeg(Qt::MouseButtons ingedrukt, int x, int y) {
    std::optional<QString> status = bewerker_->beweeg(ingedrukt, x, y, recht());
    toonVoorbeelden();
    return status;
}

void WerkBalkPaneel::laatLos(Qt::MouseButton knop, int x, int y) {
    const bool tekstGereedschap = bewerker_->tekstGereedschapZichtbaar();
    bewerker_->laatLos(knop, x, y, recht());
    // The text tools show and hide with the tool too; leave them be unless the mode ended.
    if (bewerker_->tekstGereedschapZichtbaar() != tekstGereedschap) toonTekstGereedschap();
    toonVoorbeelden();
}

void WerkBalkPaneel::stopGereedschap() {
    laatLos(Qt::RightButton, bewerker_->eind().x(), bewerker_->eind().y());
}

QStringList WerkBalkPaneel::gereedschappen() const {
    QStringList namen;
    for (int i = 0; i < Combo3->count(); ++i)
        namen << Combo3->itemText(i);
    return namen;
}

int WerkBalkPaneel::gereedschap() const {
    return Combo3->currentIndex();
}

void WerkBalkPaneel::kiesGereedschap(int index) {
    if (index < 0 || index >= Combo3->count()) return;
    Combo3->setCurrentIndex(index);
    gereedschapKeuze(index);
}

void WerkBalkPaneel::gereedschapKeuze(int index) {
    bewerker_->kiesGereedschap(index, Combo3->itemText(index));
    zetBBlayerBeeld();
    zetTekstLabel();
    toonTekstGereedschap();
    emit gereedschapGekozen();
}

int WerkBalkPaneel::kleur() const {
    return Combo2->currentIndex();
}

int WerkBalkPaneel::kleuren() const {
    return Combo2->count();
}

void WerkBalkPaneel::kiesKleur(int index) {
    Combo2->setCurrentIndex(index);
}

void WerkBalkPaneel::zetVastklikken(bool aan) {
    vastklikken_ = aan;
    zetGaten();
}

void WerkBalkPaneel::zetGaten() {
    bewerker_->zetGaten(vastklikken_ ? &Gaten::voor(ontwerp_.groot()) : nullptr);
}

int WerkBalkPaneel::vergroting() const {
    return LoepScroll->value();
}

void WerkBalkPaneel::nieuwBreadboard() {
    if (platform_.ask(Ontwerp::kNieuwVraag, Ontwerp::kNieuwTitel)) ontwerp_.nieuwBreadboard();
}

void WerkBalkPaneel::afdrukken() {
    Afdrukken::BreadboardAfdrukken(platform_, ontwerp_.Pic2.image(),
                                   Afdrukinstelling::lees(folder_));
}

// The text preview shows the text in the font, size, boldness and colour that a
// release would print it in; its size is the one the editor measures, so that the
// text lands exactly where the preview stood.
void WerkBalkPaneel::zetTekstLabel() {
    const Surface::TextStyle stijl = bewerker_->tekstStijl();
    QFont font(stijl.family);
    font.setPointSizeF(stijl.pointSize * blad_->zoom());
    font.setBold(stijl.bold);
    TekstLabel->setFont(font);
    Vormgeving::tekstKleur(TekstLabel, QColor::fromRgb(stijl.colour));
    TekstLabel->setText(bewerker_->tekst());
    toonVoorbeelden();
}

void WerkBalkPaneel::toonTekstGereedschap() {
    const bool zichtbaar = bewerker_->tekstGereedschapZichtbaar();
    for (QWidget *gereedschap : {static_cast<QWidget *>(Text2), static_cast<QWidget *>(Combo4),
                                 static_cast<QWidget *>(Check1)})
        gereedschap->setVisible(zichtbaar);
}

void WerkBalkPaneel::toonVoorbeelden() {
    toon(BBlayer, bewerker_->BBlayer(), blad_);
    toon(GumLayer, bewerker_->GumLayer(), blad_);
    toon(TekstLabel, bewerker_->TekstLabel(), blad_);
}

// Each pixel of the part picture a block, as the sheet's own pixels at the zoom.
void WerkBalkPaneel::zetBBlayerBeeld() {
    const QImage beeld = bewerker_->BBlayerBeeld();
    if (beeld.isNull()) return BBlayer->setPixmap({});
    BBlayer->setPixmap(QPixmap::fromImage(
        beeld.scaled(beeld.size() * blad_->zoom(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}
