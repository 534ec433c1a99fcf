#pragma once

#include "symbols/LaatstGebruikt.h"
#include "symbols/SymboolBibliotheek.h"
#include "symbols/SymboolLijst.h"
#include "symbols/SymboolZoeken.h"
#include "ui/AppFolder.h"

#include <QImage>
#include <QObject>

#include <optional>

class Platform;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;
class Surface;

// The symbol library panel: the category box, the search field, the list of symbols,
// its count, Rename and Delete. Choosing a symbol makes it the current symbol.
class SymboolPaneel : public QObject {
    Q_OBJECT
public:
    // Lays its controls on `paneel`; a chosen symbol is loaded into `IconPic`.
    SymboolPaneel(QWidget *paneel, const AppFolder &folder, Platform &platform, Surface &IconPic);

    // The categories of the library, as the disk holds them, the first one listed.
    void vulCategorieen();
    // The folder a new symbol is saved in by default: the listed category's.
    QString huidigeMap() const;
    // A symbol file just written: listed when it belongs to the listed folder.
    void symboolBewaard(const QString &pad);
    // The current symbol placed on the design sheet: a library symbol counts as used.
    void onthoudGebruik();
    // The magnifier takes the list's place.
    void zetLijstZichtbaar(bool zichtbaar);
    bool lijstZichtbaar() const;

    QComboBox *Combo1 = nullptr;
    QLabel *Label1 = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *Label6 = nullptr;
    QPushButton *RenameKnop = nullptr, *DeleteKnop = nullptr;
    QLineEdit *ZoekVak = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void categorieGetypt(const QString &tekst);
    void categorieGekozen(int index);
    void symboolGekozen();
    void hernoem();
    void verwijder();
    void toonSymbolen();
    void zoekTekst(const QString &tekst);
    void zoekStap(int stap); // Up (-1) or Down (+1) through the results
    void zoekKies();
    void toonLaatstGebruikt();
    void leesBibliotheek();
    void toonTreffers(const QVector<SymboolTreffer> &treffers);
    void stopZoeken(); // the field emptied without a word, the list left as it is
    void kiesTreffer(int rij, bool onthouden);
    void bewerkTreffer(bool hernoemen); // Rename or Delete on a result

    const AppFolder folder_;
    Platform &platform_;
    Surface &IconPic_;
    SymboolBibliotheek bibliotheek_;
    QVector<SymboolCategorie> categorieen_;
    SymboolZoeken zoeker_;
    LaatstGebruikt laatst_;
    SymboolLijst lijst_;
    QVector<SymboolTreffer> treffers_;       // the rows of List1 while results are shown
    int rijVoorZoeken_ = -1;                 // the selected row of the list the search covers
    std::optional<SymboolTreffer> herkomst_; // where the current symbol came from
    QImage herkomstBeeld_;                   // and how it looked then
};
