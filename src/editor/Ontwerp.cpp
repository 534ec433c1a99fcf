#include "editor/Ontwerp.h"

#include "board/BoardDrawing.h"
#include "board/BoardSize.h"
#include "board/Raster.h"
#include "project/DatTekst.h"
#include "ui/StapNamen.h"

#include <QFile>

const QString Ontwerp::kNieuwVraag = QStringLiteral("Wilt u een nieuw ontwerp maken?");
const QString Ontwerp::kNieuwTitel = QStringLiteral(" Nieuw");
const QString Ontwerp::kTeGroot =
    QStringLiteral("De componentenlijst van dit project is te groot om te tonen.\r\n"
                   "Ze blijft ongewijzigd bewaard wanneer u het project opslaat.");

Ontwerp::Ontwerp(QObject *parent) : QObject(parent) {
    // Fetching the list's text costs time in proportion to its length: only after a change.
    connect(&lijst_, &QTextDocument::contentsChanged, this, [this] { lijstTekst_.reset(); });
    for (Geschiedenis *geschiedenis : {&pic_, &pic2_})
        geschiedenis->zetBijVerandering([this] { emit geschiedenisVeranderd(); });
}

void Ontwerp::zetMaten(QSize ontwerpblad, QSize breadboard) {
    Pic.resize(ontwerpblad.width(), ontwerpblad.height());
    Pic2.resize(breadboard.width(), breadboard.height());
    GumPic.resize(breadboard.width(), breadboard.height());
    TekenBord(groot_, Pic2, GumPic);
    pic2_.wis(groot_);
}

void Ontwerp::zetNaam(const QString &naam) {
    naam_ = naam;
    emit naamVeranderd(naam_);
}

void Ontwerp::zetGroot(bool groot) {
    const bool anders = groot != groot_;
    groot_ = groot;
    if (anders) emit bordVeranderd(groot_);
}

void Ontwerp::beginMetBord(bool groot) {
    if (groot) TekenBord(true, Pic2, GumPic);
    zetGroot(groot);
    pic2_.wis(groot_);
}

void Ontwerp::zetLijst(const QString &tekst) {
    bewaardeLijst_.reset();
    lijst_.setPlainText(tekst);
}

int Ontwerp::telRegels(const QFont &letter, qreal breedte, int positie, int erbij) {
    if (lijstMaat_.zelfdeLetterEnBreedte(letter, breedte)) {
        regelTelling_.verander(lijst_, lijstMaat_, positie, erbij);
    } else {
        lijstMaat_.zetLetterEnBreedte(letter, breedte);
        regelTelling_.telAlles(lijst_, lijstMaat_);
    }
    return regelTelling_.aantal();
}

void Ontwerp::alsStap(Blad blad, const QString &naam, const std::function<void()> &bewerking) {
    Geschiedenis &stappen = geschiedenis(blad);
    const bool eigen = !stappen.bezig();
    if (eigen) stappen.begin(naam);
    bewerking();
    if (eigen) stappen.eind(blad == Blad::Breadboard ? std::optional<int>(groot_) : std::nullopt);
}

bool Ontwerp::undo(Blad blad) {
    return naStap(blad, geschiedenis(blad).undo());
}

bool Ontwerp::redo(Blad blad) {
    return naStap(blad, geschiedenis(blad).redo());
}

// The board's size follows an undone or redone step.
bool Ontwerp::naStap(Blad blad, bool genomen) {
    if (genomen && blad == Blad::Breadboard) zetGroot(pic2_.toestand() != 0);
    return genomen;
}

void Ontwerp::nieuw(int rasterGrijs, const QString &beginLijst) {
    alsStap(Blad::Ontwerpblad, StapNamen::kNieuwOntwerp, [&] {
        Pic.clear();
        tekenRasterLijnen(Pic, rasterGrijs);
    });
    zetNaam(QStringLiteral("*.*"));
    zetLijst(beginLijst);
    alsStap(Blad::Breadboard, StapNamen::kNieuwOntwerp,
            [this] { TekenBord(groot_, Pic2, GumPic); });
}

void Ontwerp::nieuwBreadboard() {
    alsStap(Blad::Breadboard, StapNamen::kNieuwBreadboard, [this] {
        Pic2.clear();
        TekenBord(groot_, Pic2, GumPic);
    });
}

bool Ontwerp::wisselBord(Platform &platform) {
    bool groot = groot_;
    pic2_.begin(StapNamen::kBordGrootte);
    const bool gewisseld = wisselBordGrootte(platform, groot, Pic2, GumPic);
    pic2_.eind(groot); // the step keeps the new size
    zetGroot(groot);
    return gewisseld;
}

void Ontwerp::laad(const ProjectMap::Geladen &geladen, const QString &naam) {
    if (geladen.ontwerpBlad) Pic.paste(*geladen.ontwerpBlad);
    if (geladen.breadboard) Pic2.paste(*geladen.breadboard);
    zetNaam(naam);
    pic_.wis();
    pic2_.wis(groot_);
    if (!geladen.lijstTeGroot && ComponentList::kanTonen(geladen.lijst)) {
        zetLijst(geladen.lijst);
        return;
    }
    // Shown, the list would freeze the window; left out, the next save would lose it.
    lijst_.setPlainText(kTeGroot);
    bewaardeLijst_ = geladen.dat;
}

Ontwerp::Kopie Ontwerp::kopie() {
    if (!lijstTekst_) lijstTekst_ = lijst_.toPlainText();
    return {naam_, Pic, Pic2, *lijstTekst_, bewaardeLijst_, lijstMaat_};
}

QByteArray Ontwerp::Kopie::dat() const {
    if (!bewaardeLijst) return DatTekst::codeer(DatTekst::metCrLf(lijst));
    bewaardeLijst->seek(0);
    return bewaardeLijst->readAll();
}

QStringList Ontwerp::Kopie::regels() const {
    return lijstMaat.TekstRegels(lijst);
}

ProjectMap::Inhoud Ontwerp::Kopie::inhoud() const {
    return {Pic, Pic2, bewaardeLijst ? QByteArray() : dat(), bewaardeLijst.get()};
}

Exporteren::Ontwerp Ontwerp::Kopie::alsExport(bool breadboard,
                                              const Afdrukinstelling &instelling) const {
    Exporteren::Ontwerp ontwerp{naam,
                                {},
                                Pic.image(),
                                Pic2.image(),
                                [this] { return regels(); },
                                [this] { return dat(); },
                                instelling};
    ontwerp.blad = breadboard ? ontwerp.Pic2 : ontwerp.Pic;
    return ontwerp;
}

HerstelSchrijver::Momentopname Ontwerp::Kopie::herstel() const {
    // A list too large to show is not what the box shows but the file it was read from.
    return {Pic.image(), Pic2.image(), bewaardeLijst ? QString() : lijst, bewaardeLijst};
}
