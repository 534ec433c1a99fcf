#include "app/vensters/Main.h"
#include "editor/BreadboardEditor.h"
#include "editor/Sneltoetsen.h"
#include "ui/Platform.h"
#include "ui/vensters/PassendeTekst.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QToolButton>


// Finding a symbol by name across the library, the symbols used last, and the keys
// of the tools.

namespace {

// Widgets that take typed text: their keys are theirs alone.
bool neemtTekst(const QWidget *widget) {
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget))
        return true;
    if (const auto *tekst = qobject_cast<const QPlainTextEdit *>(widget))
        return !tekst->isReadOnly();
    if (const auto *tekst = qobject_cast<const QTextEdit *>(widget)) return !tekst->isReadOnly();
    const auto *box = qobject_cast<const QComboBox *>(widget);
    return box && box->isEditable();
}

} // namespace

void Main::verbindZoeken() {
    ZoekVak = Vormgeving::maak<QLineEdit>(Frame2, QStringLiteral("ZoekVak"));
    ZoekVak->setPlaceholderText(QStringLiteral("Zoek symbool"));
    ZoekVak->setToolTip(QStringLiteral(" Zoek symbool (Ctrl+F) "));
    ZoekVak->setClearButtonEnabled(true);
    ZoekVak->setMaxLength(SymboolZoeken::kLangsteTekst);
    Vormgeving::kleur(ZoekVak, QColor(200, 210, 220));
    plaats(ZoekVak, QStringLiteral("ZoekVak"));
    connect(ZoekVak, &QLineEdit::textChanged, this, &Main::ZoekVak_Change);
    connect(ZoekVak, &QLineEdit::returnPressed, this, &Main::ZoekVak_Enter);
    auto *zoekToets = new QShortcut(QKeySequence::Find, this);
    connect(zoekToets, &QShortcut::activated, this, [this] {
        if (!List1->isVisible()) return; // the magnifier stands over the field
        ZoekVak->setFocus();
        ZoekVak->selectAll();
    });

    // A click on a sheet takes the keyboard from the search field, so that the keys
    // of the tools reach it.
    PicView->setFocusPolicy(Qt::ClickFocus);
    Pic2View->setFocusPolicy(Qt::ClickFocus);

    laatst_ = LaatstGebruikt(folder_.laatstGebruikt());
    laatst_.lees();
    // What lands on the design sheet counts as used.
    connect(PicView, &SheetView::pressed, this, [this](Qt::MouseButton knop, int, int) {
        if (knop == Qt::LeftButton) onthoudGebruik();
    });

    for (int i = 0; i < int(Knop.size()); ++i) {
        const QString toets = Sneltoetsen::knopToets(i);
        if (toets.isEmpty()) continue;
        // The project commands are named after their menu items.
        const QString hint = i <= 3 ? ProjectItem[i]->text() : Knop[i]->toolTip();
        Knop[i]->setToolTip(Sneltoetsen::metToets(hint, toets));
        if (i > 3) { // the project commands have their menu items
            auto *sneltoets = new QShortcut(QKeySequence(toets), this);
            connect(sneltoets, &QShortcut::activated, Knop[i], &QToolButton::click);
        }
    }
    zetToetsHints();
    qApp->installEventFilter(this);
}

void Main::zetToetsHints() {
    HorKnop->setToolTip(Sneltoetsen::metToets(HorKnop->toolTip(), QStringLiteral("H")));
    VerKnop->setToolTip(Sneltoetsen::metToets(VerKnop->toolTip(), QStringLiteral("V")));
    RotatieKnop->setToolTip(Sneltoetsen::metToets(RotatieKnop->toolTip(), QStringLiteral("R")));
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

// --- searching

void Main::ZoekVak_Change(const QString &tekst) {
    if (tekst.isEmpty()) {
        // The list the search covered, as it was.
        const int rij = rijVoorZoeken_;
        zoekt_ = false;
        if (laatstGetoond_)
            toonLaatstGebruikt();
        else
            toonSymbolen();
        const QSignalBlocker stil(List1);
        List1->setCurrentRow(rij);
        return;
    }
    if (!zoekt_) {
        // A new search reads the library anew: symbols added or removed meanwhile
        // count. The letters typed after it only narrow the search down.
        rijVoorZoeken_ = List1->currentRow();
        leesBibliotheek();
    }
    zoekt_ = true;
    toonTreffers(zoeker_.zoek(tekst));
}

// Every category folder, as the disk holds them now; the category box keeps its own
// list, whose entries its indexes stand for.
void Main::leesBibliotheek() {
    zoeker_.lees(SymbolLibrary::categorieen(folder_.symbolen()));
}

void Main::toonTreffers(const QVector<SymboolTreffer> &treffers) {
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
    PassendeTekst::zet(Label1, SymbolLibrary::telTekst(int(treffers_.size())));
}

void Main::toonLaatstGebruikt() {
    stopZoeken();
    laatstGetoond_ = true;
    toonTreffers(laatst_.bestaande(folder_.symbolen()));
}

void Main::stopZoeken() {
    zoekt_ = false;
    if (!ZoekVak) return;
    const QSignalBlocker stil(ZoekVak);
    ZoekVak->clear();
}

// Up and Down move the selection through the results without choosing; Enter chooses.
void Main::ZoekVak_Toets(int stap) {
    if (List1->count() == 0) return;
    const int rij = std::clamp(List1->currentRow() + stap, 0, List1->count() - 1);
    const QSignalBlocker stil(List1);
    List1->setCurrentRow(rij);
    List1->scrollToItem(List1->currentItem());
}

void Main::ZoekVak_Enter() {
    if (List1->count() == 0) return;
    if (List1->currentRow() < 0) ZoekVak_Toets(1);
    kiesTreffer(List1->currentRow(), true);
}

// A result (or a symbol of the recent list) made the current symbol; `onthouden`
// when the user chose it, rather than passed it on the way.
void Main::kiesTreffer(int rij, bool onthouden) {
    if (!trefferLijst()) {
        herkomst_.reset(); // a symbol that cannot be read was not used
        List1_Click();
        if (onthouden && herkomst_) laatst_.gebruikt(herkomst_->map, herkomst_->naam);
        return;
    }
    if (rij < 0 || rij >= treffers_.size()) return;
    const SymboolTreffer treffer = treffers_.at(rij);
    if (!SymbolLibrary::laadSymbool(treffer.map, treffer.naam, IconPic)) return;
    herkomst_ = treffer;
    herkomstBeeld_ = IconPic.image();
    if (onthouden) laatst_.gebruikt(treffer.map, treffer.naam);
}

void Main::onthoudGebruik() {
    // Only a symbol of the library, perhaps turned or mirrored since; a drawing of
    // the designer or the resistor tool is no symbol of the library.
    if (herkomst_ && LaatstGebruikt::zelfdeSymbool(herkomstBeeld_, IconPic.image()))
        laatst_.gebruikt(herkomst_->map, herkomst_->naam);
}

// Rename and Delete on a result: the file in its own category folder.
void Main::bewerkTreffer(bool hernoemen) {
    const QListWidgetItem *item = List1->currentItem();
    const int rij = item && item->isSelected() ? List1->row(item) : -1;
    SymbolLibrary map;
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
    if (!zoekt_) {
        toonLaatstGebruikt();
        return;
    }
    leesBibliotheek();
    toonTreffers(zoeker_.zoek(ZoekVak->text()));
}

// --- the tools at a key

void Main::kiesGereedschapToets(int index) {
    if (index < 0 || index >= Combo3->count()) return;
    Combo3->setCurrentIndex(index);
    Combo3_Click(index);
}

bool Main::sneltoets(QKeyEvent *toets) {
    using Sneltoetsen::Blad;
    using Soort = Sneltoetsen::Opdracht::Soort;
    // The information view lies in front of both sheets.
    const Blad blad = WebBrowser->isVisible() ? Blad::Geen
                      : PicView->isVisible()  ? Blad::Ontwerp
                      : Pic2View->isVisible() ? Blad::Breadboard
                                              : Blad::Geen;
    QStringList gereedschappen;
    for (int i = 0; i < Combo3->count(); ++i)
        gereedschappen << Combo3->itemText(i);
    const Sneltoetsen::Opdracht opdracht =
        Sneltoetsen::opdracht(blad, toets->key(), toets->modifiers(), toets->text(), gereedschappen,
                              Combo3->currentIndex(), Combo2->currentIndex(), Combo2->count());
    switch (opdracht.soort) {
    case Soort::Geen:
        return false;
    case Soort::LaatVallen:
        laatSelectiesVallen();
        break;
    case Soort::StopGereedschap:
        // As a release of the right button: the tool ends, its previews go.
        laatSelectiesVallen();
        Pic2_MouseUp(Qt::RightButton, bewerker_->eind().x(), bewerker_->eind().y());
        break;
    case Soort::Draaien:
        RotatieKnop->click();
        break;
    case Soort::Spiegelen:
        HorKnop->click();
        break;
    case Soort::OndersteBoven:
        VerKnop->click();
        break;
    case Soort::KiesGereedschap:
        kiesGereedschapToets(opdracht.index);
        break;
    case Soort::KiesKleur:
        Combo2->setCurrentIndex(opdracht.index);
        break;
    }
    return true;
}

bool Main::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    auto *toets = static_cast<QKeyEvent *>(event);
    if (watched == ZoekVak) {
        if (toets->key() == Qt::Key_Up || toets->key() == Qt::Key_Down) {
            ZoekVak_Toets(toets->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
        if (toets->key() == Qt::Key_Escape && !ZoekVak->text().isEmpty()) {
            ZoekVak->clear();
            return true;
        }
        return false;
    }
    // Each key once, where it first arrives, and only in this window while no
    // other window is open over it.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget != (QApplication::focusWidget() ? QApplication::focusWidget() : this) ||
        widget->window() != this || QApplication::activeModalWidget() || neemtTekst(widget))
        return QMainWindow::eventFilter(watched, event);
    return sneltoets(toets) || QMainWindow::eventFilter(watched, event);
}
