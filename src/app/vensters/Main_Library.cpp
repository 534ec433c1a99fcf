#include "app/vensters/Main.h"

#include "ui/Platform.h"
#include "ui/vensters/PassendeTekst.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// The selected row, or -1 when no entry is selected.
int gekozenRij(const QListWidget *lijst) {
    const QListWidgetItem *item = lijst->currentItem();
    return item && item->isSelected() ? lijst->row(item) : -1;
}

} // namespace

// The symbol library panel: categories, symbols, the current symbol, Rename and Delete.
void Main::verbindBibliotheek() {
    // The library keeps the names in order itself, ignoring case, whatever the locale.
    List1->setSortingEnabled(false);
    connect(Combo1, &QComboBox::editTextChanged, this, &Main::Combo1_Change);
    connect(Combo1, &QComboBox::activated, this, &Main::Combo1_Click);
    connect(List1, &QListWidget::currentRowChanged, this, &Main::List1_Click);
    // A click or Enter chooses the symbol, which the symbols used last remember;
    // moving through the list with the keys only shows each one.
    for (auto signaal : {&QListWidget::itemClicked, &QListWidget::itemActivated})
        connect(List1, signaal, this,
                [this](QListWidgetItem *item) { kiesTreffer(List1->row(item), true); });
    connect(RenameKnop, &QPushButton::clicked, this, &Main::RenameKnop_Click);
    connect(DeleteKnop, &QPushButton::clicked, this, &Main::DeleteKnop_Click);
    // The first category was chosen before these connections existed.
    if (Combo1->currentIndex() > 0) Combo1_Click(Combo1->currentIndex());
}

// Typed text, or the text of a chosen entry. A text that names no category (while
// the user is still typing) lists the folder listed before again.
void Main::Combo1_Change(const QString &tekst) {
    if (tekst == LaatstGebruikt::kNaam && !categorieen_.isEmpty()) {
        toonLaatstGebruikt();
        return;
    }
    bibliotheek_.lees(SymbolLibrary::categorieMap(tekst, categorieen_, folder_.symbolen()));
    toonSymbolen();
}

// An entry chosen: its own folder, even when two folders differ only in case and
// so show the same name. Entry 0 is the list of the symbols used last.
void Main::Combo1_Click(int index) {
    if (index == 0 && !categorieen_.isEmpty()) {
        toonLaatstGebruikt();
        return;
    }
    const int categorie = index - 1;
    if (categorie < 0 || categorie >= categorieen_.size()) {
        Combo1_Change(Combo1->currentText());
        return;
    }
    bibliotheek_.lees(categorieen_[categorie].map);
    toonSymbolen();
}

void Main::toonSymbolen() {
    stopZoeken();
    laatstGetoond_ = false;
    const QSignalBlocker stil(List1);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setTextElideMode(Qt::ElideRight);
    List1->clear();
    List1->addItems(bibliotheek_.namen());
    List1->setCurrentRow(-1);
    PassendeTekst::zet(Label1, bibliotheek_.telRegel());
}

void Main::List1_Click() {
    if (trefferLijst()) {
        kiesTreffer(gekozenRij(List1), false);
        return;
    }
    // A symbol that cannot be read leaves the current symbol as it was.
    const int rij = gekozenRij(List1);
    if (!bibliotheek_.laad(rij, IconPic)) return;
    herkomst_ =
        SymboolTreffer{bibliotheek_.namen().at(rij), Combo1->currentText(), bibliotheek_.map()};
    herkomstBeeld_ = IconPic.image();
}

void Main::RenameKnop_Click() {
    if (trefferLijst()) {
        bewerkTreffer(true);
        return;
    }
    const int rij = gekozenRij(List1);
    const QString oud = rij >= 0 ? bibliotheek_.namen().value(rij) : QString();
    const std::optional<int> nieuweRij = bibliotheek_.hernoem(rij, platform_);
    if (!nieuweRij) return;
    laatst_.hernoemd(bibliotheek_.map(), oud, bibliotheek_.namen().at(*nieuweRij));
    const QSignalBlocker stil(List1);
    delete List1->takeItem(rij);
    List1->insertItem(*nieuweRij, bibliotheek_.namen().at(*nieuweRij));
    List1->setCurrentRow(-1);
}

void Main::DeleteKnop_Click() {
    if (trefferLijst()) {
        bewerkTreffer(false);
        return;
    }
    const int rij = gekozenRij(List1);
    if (!bibliotheek_.verwijder(rij, platform_)) return;
    const QSignalBlocker stil(List1);
    delete List1->takeItem(rij);
    List1->setCurrentRow(-1);
    PassendeTekst::zet(Label1, bibliotheek_.telRegel());
}
