#include "editor/BreadboardEditor.h"

#include "board/ColourTable.h"
#include "editor/BreadboardTekenen.h"
#include "editor/DraadEind.h"
#include "editor/StatusTekst.h"
#include "ui/Geschiedenis.h"
#include "ui/StapNamen.h"

#include <utility>

namespace {
constexpr int kElastiekBreedte = 3;
} // namespace

BreadboardEditor::BreadboardEditor(Surface &Pic2, Surface &GumPic, AppFolder folder)
    : Pic2_(Pic2), GumPic_(GumPic), folder_(std::move(folder)), selectie_(Pic2, &GumPic) {}

void BreadboardEditor::kiesGereedschap(int index, const QString &entry) {
    haalElastiekWeg();
    selectie_.laatVallen();
    Modus_ = index;
    bbZichtbaar_ = false;
    // The four tools and the separator have no picture as a rule; whatever cannot be
    // loaded leaves the previous picture as the stamp.
    if (const auto plaatje = laadOnderdeelPlaatje(folder_.breadboard(), entry))
        BBPic_.setImage(*plaatje);
    // The text tools belong to the text mode only: a preview left standing under
    // another tool would promise a text that is never printed.
    tekstZichtbaar_ = Modus_ == kTekstPlaatsen;
    gumZichtbaar_ = Modus_ == kGummen;
    if (Modus_ > kScheiding) bbZichtbaar_ = true;
}

QString BreadboardEditor::stapNaam() const {
    if (neutraal()) return StapNamen::kVerplaatsen;
    switch (Modus_) {
    case kDraadverbinding:
        return StapNamen::kDraad;
    case kGummen:
        return StapNamen::kGummen;
    case kTekstPlaatsen:
        return StapNamen::kTekst;
    default:
        return StapNamen::kOnderdeel;
    }
}

void BreadboardEditor::kiesKleur(const QString &kleurNaam) {
    HuidigeKleur_ = kleurNaam;
}

void BreadboardEditor::zetTekst(const QString &tekst) {
    tekst_ = tekst;
}

void BreadboardEditor::zetTekstGrootte(const QString &punten) {
    bool getal = false;
    const double grootte = punten.toDouble(&getal);
    if (getal && grootte > 0) tekstGrootte_ = grootte;
}

void BreadboardEditor::zetVet(bool vet) {
    vet_ = vet;
}

Surface::TextStyle BreadboardEditor::tekstStijl() const {
    Surface::TextStyle stijl;
    stijl.family = QStringLiteral("Arial");
    stijl.pointSize = tekstGrootte_;
    stijl.bold = vet_;
    stijl.colour = KleurVanNaam(HuidigeKleur_);
    return stijl;
}

void BreadboardEditor::druk(Qt::MouseButton button, int x, int y) {
    if (!ingedrukt_ && geschiedenis_ && !geschiedenis_->bezig()) {
        geschiedenis_->begin(stapNaam());
        getekend_ = QRect();
    }
    ingedrukt_ |= button;
    if (neutraal()) {
        getekend_.reset();
        selectie_.druk(button, {x, y}, true);
        return;
    }
    // A second button pressed during a wire drag belongs to that drag: a new start
    // point would strand the rubber band.
    if (draadBezig_) return;
    StartX_ = x;
    StartY_ = y;
    if (button != Qt::LeftButton) return;
    if (Modus_ == kDraadverbinding) {
        const QPoint begin = draadBegin({x, y}, gaten_);
        StartX_ = begin.x();
        StartY_ = begin.y();
        beginDraad(begin.x(), begin.y());
    }
    if (Modus_ == kGummen) {
        gum(Pic2_, GumPic_, x, y);
        teken(QRect(x - kGumZijde + 1, y - kGumZijde + 1, kGumZijde, kGumZijde));
    }
}

// With a margin: a wide line's round ends and a text's letters may reach a little
// beyond the box that measures them.
void BreadboardEditor::teken(const QRect &plek) {
    constexpr int kMarge = 16;
    if (getekend_) *getekend_ |= plek.normalized().adjusted(-kMarge, -kMarge, kMarge, kMarge);
}

std::optional<QString> BreadboardEditor::beweeg(Qt::MouseButtons ingedrukt, int x, int y,
                                                bool recht) {
    std::optional<QString> status = contactpuntTekst(x, y);
    gumHoek_ = QPoint(x - kGumZijde + 1, y - kGumZijde + 1);
    if (neutraal()) {
        selectie_.sleep({x, y});
        return status;
    }
    if (Modus_ == kTekstPlaatsen) {
        tekstHoek_ = voorbeeldHoek(TekstLabel().plek.size(), x, y);
        return status;
    }
    const bool links = ingedrukt.testFlag(Qt::LeftButton);
    if (links && Modus_ == kDraadverbinding && draadBezig_) {
        const QPoint eind = draadEind(start(), {x, y}, recht, gaten_);
        elastiekStap(eind.x(), eind.y());
    }
    if (links && Modus_ == kGummen) {
        gum(Pic2_, GumPic_, x, y);
        teken(QRect(x - kGumZijde + 1, y - kGumZijde + 1, kGumZijde, kGumZijde));
    }
    bbHoek_ = voorbeeldHoek(BBPic_.size(), x, y);
    return status;
}

void BreadboardEditor::laatLos(Qt::MouseButton button, int x, int y, bool recht) {
    loslaten(button, x, y, recht);
    ingedrukt_ &= ~Qt::MouseButtons(button);
    if (!ingedrukt_ && geschiedenis_) geschiedenis_->eind(std::nullopt, getekend_);
}

void BreadboardEditor::loslaten(Qt::MouseButton button, int x, int y, bool recht) {
    if (neutraal() && button == Qt::LeftButton) selectie_.los({x, y});
    if (neutraal() || Modus_ == kGummen) return;
    if (button == Qt::RightButton) return annuleer();
    const QRgb kleur = KleurVanNaam(HuidigeKleur_);
    Pic2_.setDrawMode(Surface::DrawMode::Copy);
    if (button == Qt::LeftButton && Modus_ == kDraadverbinding) {
        const QPoint eind = draadEind(start(), {x, y}, recht, gaten_);
        return eindDraad(eind.x(), eind.y(), kleur);
    }
    if (button == Qt::LeftButton && Modus_ == kTekstPlaatsen) drukTekst(x, y, kleur);
    if (Modus_ >= kEersteOnderdeel) {
        const QPoint hoek = voorbeeldHoek(BBPic_.size(), x, y);
        stempel(Pic2_, BBPic_, hoek);
        teken(QRect(hoek, BBPic_.size()));
    }
    annuleer();
}

void BreadboardEditor::beginDraad(int x, int y) {
    EindX_ = x;
    EindY_ = y;
    draadBezig_ = true;
    elastiekGetekend_ = false;
    Pic2_.setDrawMode(Surface::DrawMode::Invert);
}

// Inverting drawing: drawing the same line twice gives back the pixels, so the band
// of the previous step is taken away by drawing it once more.
void BreadboardEditor::elastiekStap(int x, int y) {
    Surface &Pic2 = Pic2_;
    Pic2.setLineWidth(kElastiekBreedte);
    Pic2.setDrawMode(Surface::DrawMode::Invert);
    if (elastiekGetekend_) Pic2.drawLine(StartX_, StartY_, EindX_, EindY_, 0);
    Pic2.drawLine(StartX_, StartY_, x, y, 0);
    EindX_ = x;
    EindY_ = y;
    elastiekGetekend_ = true;
}

void BreadboardEditor::haalElastiekWeg() {
    if (elastiekGetekend_) {
        Surface &Pic2 = Pic2_;
        const int breedte = Pic2.lineWidth();
        Pic2.setLineWidth(kElastiekBreedte);
        Pic2.setDrawMode(Surface::DrawMode::Invert);
        Pic2.drawLine(StartX_, StartY_, EindX_, EindY_, 0);
        Pic2.setLineWidth(breedte);
        Pic2.setDrawMode(Surface::DrawMode::Copy);
    }
    elastiekGetekend_ = false;
    draadBezig_ = false;
}

// The band goes before the wire is drawn, so that nothing of it stays even when the
// release point is not the last point the band followed.
void BreadboardEditor::eindDraad(int x, int y, QRgb kleur) {
    haalElastiekWeg();
    Surface &Pic2 = Pic2_;
    Pic2.setDrawMode(Surface::DrawMode::Copy);
    Pic2.drawLine(StartX_, StartY_, x, y, kleur);
    teken(QRect(QPoint(StartX_, StartY_), QPoint(x, y)));
}

void BreadboardEditor::drukTekst(int x, int y, QRgb kleur) {
    Surface::TextStyle stijl = tekstStijl();
    stijl.colour = kleur;
    const QPoint hoek = voorbeeldHoek(Surface::textSize(tekst_, stijl), x, y);
    Pic2_.drawText(hoek.x(), hoek.y(), tekst_, stijl);
    teken(QRect(hoek, Surface::textSize(tekst_, stijl)));
}

void BreadboardEditor::annuleer() {
    haalElastiekWeg();
    tekstZichtbaar_ = false;
    bbZichtbaar_ = false;
    Modus_ = kComponenten;
    Pic2_.setLineWidth(1);
    // Copying again, so that a cancelled wire leaves no inverting sheet behind for the
    // next drawing on it (a new board, for one).
    Pic2_.setDrawMode(Surface::DrawMode::Copy);
}

BreadboardEditor::Voorbeeld BreadboardEditor::BBlayer() const {
    return {QRect(bbHoek_, BBPic_.size()), bbZichtbaar_};
}

BreadboardEditor::Voorbeeld BreadboardEditor::GumLayer() const {
    return {QRect(gumHoek_, QSize(kGumZijde, kGumZijde)), gumZichtbaar_};
}

BreadboardEditor::Voorbeeld BreadboardEditor::TekstLabel() const {
    return {QRect(tekstHoek_, Surface::textSize(tekst_, tekstStijl())), tekstZichtbaar_};
}

QImage BreadboardEditor::BBlayerBeeld() const {
    return onderdeelVoorbeeld(BBPic_);
}
