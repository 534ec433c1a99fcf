#include "symbols/vensters/SymboolPaneel.h"

#include "ui/Platform.h"
#include "ui/Surface.h"
#include "ui/vensters/PassendeTekst.h"
#include "ui/vensters/Vormgeving.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>

namespace {

const QColor kLijstKleur(200, 210, 220);

// The selected row, or -1 when no entry is selected.
int gekozenRij(const QListWidget *lijst) {
    const QListWidgetItem *item = lijst->currentItem();
    return item && item->isSelected() ? lijst->row(item) : -1;
}

} // namespace

SymboolPaneel::SymboolPaneel(QWidget *paneel, const AppFolder &folder, Platform &platform,
                             Surface &IconPic)
    : QObject(paneel), folder_(folder), platform_(platform), IconPic_(IconPic),
      laatst_(folder.laatstGebruikt()) {
    // In stacking order: the backdrop lies under the buttons.
    Combo1 = Vormgeving::maak<QComboBox>(paneel, QStringLiteral("Combo1"));
    Label1 = Vormgeving::tekst(paneel, QStringLiteral("Label1"), QStringLiteral("0 Symbolen"));
    List1 = Vormgeving::maak<QListWidget>(paneel, QStringLiteral("List1"));
    Label6 = Vormgeving::vlak(paneel, QStringLiteral("Label6"),
                              QColor::fromRgb(Vormgeving::kPaneelGrijs));
    RenameKnop = Vormgeving::knop(paneel, QStringLiteral("RenameKnop"), QStringLiteral("Rename"));
    RenameKnop->setToolTip(QStringLiteral(" Rename symbool "));
    DeleteKnop = Vormgeving::knop(paneel, QStringLiteral("DeleteKnop"), QStringLiteral("Delete"));
    DeleteKnop->setToolTip(QStringLiteral(" Verwijder symbool "));
    ZoekVak = Vormgeving::maak<QLineEdit>(paneel, QStringLiteral("ZoekVak"));
    ZoekVak->setPlaceholderText(QStringLiteral("Zoek symbool"));
    ZoekVak->setToolTip(QStringLiteral(" Zoek symbool (Ctrl+F) "));
    ZoekVak->setClearButtonEnabled(true);
    ZoekVak->setMaxLength(SymboolZoeken::kLangsteTekst);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    for (QWidget *lijst : {static_cast<QWidget *>(Combo1), static_cast<QWidget *>(List1),
                           static_cast<QWidget *>(ZoekVak)})
        Vormgeving::kleur(lijst, kLijstKleur);
    // The library keeps the names in order itself, ignoring case, whatever the locale.
    List1->setSortingEnabled(false);
    laatst_.lees();

    connect(Combo1, &QComboBox::editTextChanged, this, &SymboolPaneel::categorieGetypt);
    connect(Combo1, &QComboBox::activated, this, &SymboolPaneel::categorieGekozen);
    connect(List1, &QListWidget::currentRowChanged, this, &SymboolPaneel::symboolGekozen);
    // A click or Enter chooses the symbol, which the symbols used last remember;
    // moving through the list with the keys only shows each one.
    for (auto signaal : {&QListWidget::itemClicked, &QListWidget::itemActivated})
        connect(List1, signaal, this,
                [this](QListWidgetItem *item) { kiesTreffer(List1->row(item), true); });
    connect(RenameKnop, &QPushButton::clicked, this, &SymboolPaneel::hernoem);
    connect(DeleteKnop, &QPushButton::clicked, this, &SymboolPaneel::verwijder);
    connect(ZoekVak, &QLineEdit::textChanged, this, &SymboolPaneel::zoekTekst);
    connect(ZoekVak, &QLineEdit::returnPressed, this, &SymboolPaneel::zoekKies);
    ZoekVak->installEventFilter(this);
    auto *zoekToets = new QShortcut(QKeySequence::Find, paneel->window());
    connect(zoekToets, &QShortcut::activated, this, [this] {
        if (!lijstZichtbaar()) return; // the magnifier stands over the field
        ZoekVak->setFocus();
        ZoekVak->selectAll();
    });
}

void SymboolPaneel::vulCategorieen() {
    categorieen_ = SymboolBibliotheek::categorieen(folder_.symbolen());
    const QSignalBlocker stil(Combo1);
    Combo1->clear();
    if (!categorieen_.isEmpty()) Combo1->addItem(LaatstGebruikt::kNaam);
    for (const SymboolCategorie &categorie : categorieen_)
        Combo1->addItem(categorie.naam);
    if (Combo1->count() > 1) {
        Combo1->setCurrentIndex(1);
        categorieGekozen(1);
    }
}

QString SymboolPaneel::huidigeMap() const {
    return bibliotheek_.map().isEmpty() ? folder_.symbolen() : bibliotheek_.map();
}

void SymboolPaneel::symboolBewaard(const QString &pad) {
    const std::optional<int> rij = bibliotheek_.voegToe(pad);
    // Results shown: the category's list gets it when it is shown again.
    if (!rij || lijst_.treffers()) return;
    const QSignalBlocker stil(List1);
    List1->insertItem(*rij, bibliotheek_.namen().at(*rij));
    PassendeTekst::zet(Label1, bibliotheek_.telRegel());
}

void SymboolPaneel::zetLijstZichtbaar(bool zichtbaar) {
    List1->setVisible(zichtbaar);
}

bool SymboolPaneel::lijstZichtbaar() const {
    return !List1->isHidden();
}

// --- one category

// Typed text, or the text of a chosen entry. A text that names no category (while
// the user is still typing) lists the folder listed before again.
void SymboolPaneel::categorieGetypt(const QString &tekst) {
    if (tekst == LaatstGebruikt::kNaam && !categorieen_.isEmpty()) {
        toonLaatstGebruikt();
        return;
    }
    bibliotheek_.lees(SymboolBibliotheek::categorieMap(tekst, categorieen_, folder_.symbolen()));
    toonSymbolen();
}

// An entry chosen: its own folder, even when two folders differ only in case and
// so show the same name. Entry 0 is the list of the symbols used last.
void SymboolPaneel::categorieGekozen(int index) {
    if (index == 0 && !categorieen_.isEmpty()) {
        toonLaatstGebruikt();
        return;
    }
    const int categorie = index - 1;
    if (categorie < 0 || categorie >= categorieen_.size()) {
        categorieGetypt(Combo1->currentText());
        return;
    }
    bibliotheek_.lees(categorieen_[categorie].map);
    toonSymbolen();
}

void SymboolPaneel::toonSymbolen() {
    stopZoeken();
    lijst_.toon(SymboolLijst::Soort::Map);
    const QSignalBlocker stil(List1);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setTextElideMode(Qt::ElideRight);
    List1->clear();
    List1->addItems(bibliotheek_.namen());
    List1->setCurrentRow(-1);
    PassendeTekst::zet(Label1, bibliotheek_.telRegel());
}

void SymboolPaneel::symboolGekozen() {
    if (lijst_.treffers()) {
        kiesTreffer(gekozenRij(List1), false);
        return;
    }
    // A symbol that cannot be read leaves the current symbol as it was.
    const int rij = gekozenRij(List1);
    if (!bibliotheek_.laad(rij, IconPic_)) return;
    herkomst_ =
        SymboolTreffer{bibliotheek_.namen().at(rij), Combo1->currentText(), bibliotheek_.map()};
    herkomstBeeld_ = IconPic_.image();
}

void SymboolPaneel::hernoem() {
    if (lijst_.treffers()) {
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

void SymboolPaneel::verwijder() {
    if (lijst_.treffers()) {
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

// --- searching the whole library, and the symbols used last

void SymboolPaneel::zoekTekst(const QString &tekst) {
    if (tekst.isEmpty()) {
        // The list the search covered, as it was.
        const int rij = rijVoorZoeken_;
        if (lijst_.onder() == SymboolLijst::Soort::LaatstGebruikt)
            toonLaatstGebruikt();
        else
            toonSymbolen();
        const QSignalBlocker stil(List1);
        List1->setCurrentRow(rij);
        return;
    }
    if (lijst_.soort() != SymboolLijst::Soort::Zoeken) {
        // A new search reads the library anew: symbols added or removed meanwhile
        // count. The letters typed after it only narrow the search down.
        rijVoorZoeken_ = List1->currentRow();
        leesBibliotheek();
    }
    lijst_.toon(SymboolLijst::Soort::Zoeken);
    toonTreffers(zoeker_.zoek(tekst));
}

// Every category folder, as the disk holds them now; the category box keeps its own
// list, whose entries its indexes stand for.
void SymboolPaneel::leesBibliotheek() {
    zoeker_.lees(SymboolBibliotheek::categorieen(folder_.symbolen()));
}

void SymboolPaneel::toonTreffers(const QVector<SymboolTreffer> &treffers) {
    treffers_ = treffers;
    const QSignalBlocker stil(List1);
    List1->clear();
    // Name and category fit the list's width: a long name gives up its middle, and the
    // whole line shows as the row's tooltip.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideMiddle);
    for (const SymboolTreffer &treffer : treffers_) {
        auto *item = new QListWidgetItem(SymboolZoeken::regel(treffer), List1);
        item->setToolTip(item->text());
    }
    List1->setCurrentRow(-1);
    PassendeTekst::zet(Label1, SymboolBibliotheek::telTekst(int(treffers_.size())));
}

void SymboolPaneel::toonLaatstGebruikt() {
    stopZoeken();
    lijst_.toon(SymboolLijst::Soort::LaatstGebruikt);
    toonTreffers(laatst_.bestaande(folder_.symbolen()));
}

void SymboolPaneel::stopZoeken() {
    lijst_.toon(lijst_.onder());
    const QSignalBlocker stil(ZoekVak);
    ZoekVak->clear();
}

// Up and Down move the selection through the results without choosing; Enter chooses.
void SymboolPaneel::zoekStap(int stap) {
    if (List1->count() == 0) return;
    const int rij = std::clamp(List1->currentRow() + stap, 0, List1->count() - 1);
    const QSignalBlocker stil(List1);
    List1->setCurrentRow(rij);
    List1->scrollToItem(List1->currentItem());
}

void SymboolPaneel::zoekKies() {
    if (List1->count() == 0) return;
    if (List1->currentRow() < 0) zoekStap(1);
    kiesTreffer(List1->currentRow(), true);
}

// A result (or a symbol of the recent list) made the current symbol; `onthouden`
// when the user chose it, rather than passed it on the way.
void SymboolPaneel::kiesTreffer(int rij, bool onthouden) {
    if (!lijst_.treffers()) {
        herkomst_.reset(); // a symbol that cannot be read was not used
        symboolGekozen();
        if (onthouden && herkomst_) laatst_.gebruikt(herkomst_->map, herkomst_->naam);
        return;
    }
    if (rij < 0 || rij >= treffers_.size()) return;
    const SymboolTreffer treffer = treffers_.at(rij);
    if (!SymboolBibliotheek::laadSymbool(treffer.map, treffer.naam, IconPic_)) return;
    herkomst_ = treffer;
    herkomstBeeld_ = IconPic_.image();
    if (onthouden) laatst_.gebruikt(treffer.map, treffer.naam);
}

void SymboolPaneel::onthoudGebruik() {
    // Only a symbol of the library, perhaps turned or mirrored since; a drawing of
    // the designer or the resistor tool is no symbol of the library.
    if (herkomst_ && LaatstGebruikt::zelfdeSymbool(herkomstBeeld_, IconPic_.image()))
        laatst_.gebruikt(herkomst_->map, herkomst_->naam);
}

// Rename and Delete on a result: the file in its own category folder.
void SymboolPaneel::bewerkTreffer(bool hernoemen) {
    const int rij = gekozenRij(List1);
    SymboolBibliotheek map;
    int rijInMap = -1;
    if (rij >= 0 && rij < treffers_.size()) {
        map.lees(treffers_.at(rij).map);
        rijInMap = int(map.namen().indexOf(treffers_.at(rij).naam));
    }
    bool veranderd = false;
    if (hernoemen) {
        const std::optional<int> nieuweRij = map.hernoem(rijInMap, platform_);
        if (nieuweRij) {
            laatst_.hernoemd(map.map(), treffers_.at(rij).naam, map.namen().at(*nieuweRij));
            veranderd = true;
        }
    } else {
        veranderd = map.verwijder(rijInMap, platform_);
    }
    if (!veranderd) return;
    // The category's own list follows when it is the one the search covers.
    if (!bibliotheek_.map().isEmpty() &&
        QFileInfo(bibliotheek_.map()) == QFileInfo(treffers_.at(rij).map))
        bibliotheek_.lees(bibliotheek_.map());
    if (lijst_.soort() != SymboolLijst::Soort::Zoeken) {
        toonLaatstGebruikt();
        return;
    }
    leesBibliotheek();
    toonTreffers(zoeker_.zoek(ZoekVak->text()));
}

bool SymboolPaneel::eventFilter(QObject *watched, QEvent *event) {
    if (watched != ZoekVak || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int toets = static_cast<QKeyEvent *>(event)->key();
    if (toets == Qt::Key_Up || toets == Qt::Key_Down) {
        zoekStap(toets == Qt::Key_Up ? -1 : 1);
        return true;
    }
    if (toets == Qt::Key_Escape && !ZoekVak->text().isEmpty()) {
        ZoekVak->clear();
        return true;
    }
    return false;
}
