#include "symbols/SymboolDesigner.h"

#include "symbols/DesignerRaster.h"
#include "symbols/Symbool.h"
#include "symbols/SymboolBestand.h"
#include "symbols/SymboolBewerkingen.h"
#include "ui/PictureFile.h"
#include "ui/Platform.h"
#include "ui/StapNamen.h"

#include <QFileInfo>

namespace {

const QString kTitel = QStringLiteral(" 49 x 49 Symbool Designer");
constexpr QRgb kZwart = qRgb(0, 0, 0);

} // namespace

SymboolDesigner::SymboolDesigner(Platform &platform, const QString &symboolMap)
    : platform_(platform), symboolMap_(symboolMap), tekening_(kSymboolGrootte, kSymboolGrootte),
      raster_(DesignerRaster::kRasterGrootte, DesignerRaster::kRasterGrootte),
      palet_(DesignerRaster::kPaletBreedte, DesignerRaster::kPaletHoogte), tekenKleur_(kZwart),
      titel_(kTitel), coordTekst_(QStringLiteral(" X")) {
    DesignerRaster::TekenPalet(palet_);
    DesignerRaster::TekenRaster(raster_);
}

void SymboolDesigner::zetNaBewaren(std::function<void(const QString &)> naBewaren) {
    naBewaren_ = std::move(naBewaren);
}

void SymboolDesigner::opdracht(int index) {
    if (index < 1 || index > kKnoppen || !knopActief(index)) return;
    laatsteKnop_ = index;
    // A symbol opened, or started anew after "Nieuw"'s question, starts its own history.
    if (index == 1 || index == 2) {
        const qint64 sleutel = tekening_.image().cacheKey();
        voerUit(index);
        if (tekening_.image().cacheKey() != sleutel) geschiedenis_.wis();
        return;
    }
    geschiedenis_.begin(stapNaam(index));
    voerUit(index);
    geschiedenis_.eind();
}

// The name of a button's step, for the history.
QString SymboolDesigner::stapNaam(int index) {
    switch (index) {
    case 4:
        return StapNamen::kVierkant;
    case 5:
        return StapNamen::kDraaien;
    case 6:
        return StapNamen::kSpiegelen;
    case 7:
        return StapNamen::kVullen;
    case 8:
    case 9:
    case 10:
    case 11:
        return StapNamen::kSchuiven;
    case 13:
        return StapNamen::kNegatief;
    case 14:
        return StapNamen::kCirkel;
    default:
        return {};
    }
}

void SymboolDesigner::Undo() {
    if (geschiedenis_.undo()) DesignerRaster::ToonIcon(raster_, tekening_);
}

void SymboolDesigner::Redo() {
    if (geschiedenis_.redo()) DesignerRaster::ToonIcon(raster_, tekening_);
}

void SymboolDesigner::voerUit(int index) {
    using namespace SymboolBewerkingen;
    switch (index) {
    case 1:
        return NieuwIcon();
    case 2:
        return OpenIcon();
    case 3:
        return BewaarIcon();
    case 4:
        return TekenVierkant();
    case 5:
        return bewerk(DraaiIcon);
    case 6:
        return bewerk(SpiegelIcon);
    case 7:
        return VulIcon();
    case 8:
        return bewerk(SchuifLinks);
    case 9:
        return bewerk(SchuifRechts);
    case 10:
        return bewerk(SchuifOmhoog);
    case 11:
        return bewerk(SchuifOmlaag);
    case 13:
        return bewerk(NegatiefIcon);
    case 14:
        return TekenCirkel();
    default:
        return; // 12 is blank; 15 only switches picking on
    }
}

template <typename Bewerking> void SymboolDesigner::bewerk(Bewerking bewerking) {
    bewerking(tekening_);
    DesignerRaster::ToonIcon(raster_, tekening_);
}

void SymboolDesigner::rasterDruk(Qt::MouseButtons knop, int x, int y) {
    if (!geschiedenis_.bezig()) geschiedenis_.begin(StapNamen::kTekenen);
    if (kiezen())
        kies(x, y);
    else
        schilder(knop, x, y);
}

void SymboolDesigner::rasterBeweeg(Qt::MouseButtons knoppen, int x, int y) {
    coordTekst_ = DesignerRaster::coordinaten(x, y);
    schilder(knoppen, x, y);
}

void SymboolDesigner::rasterLos() {
    geschiedenis_.eind();
}

void SymboolDesigner::schilder(Qt::MouseButtons knoppen, int x, int y) {
    // Exactly one button: left paints, right erases; anything else does nothing.
    QRgb kleur;
    if (knoppen == Qt::LeftButton)
        kleur = tekenKleur_;
    else if (knoppen == Qt::RightButton)
        kleur = Surface::kWhite;
    else
        return;
    const std::optional<QPoint> cel = DesignerRaster::celOnder(x, y);
    if (!cel) return;
    DesignerRaster::kleurCel(raster_, *cel, kleur);
    tekening_.setPixel(cel->x(), cel->y(), kleur);
}

void SymboolDesigner::kies(int x, int y) {
    // The grid's own pixel, so a grid line gives its grey and a marker its red.
    if (raster_.contains(x, y)) tekenKleur_ = raster_.pixel(x, y);
    laatsteKnop_ = 0;
}

void SymboolDesigner::paletDruk(int x, int y) {
    if (palet_.contains(x, y)) tekenKleur_ = palet_.pixel(x, y);
}

void SymboolDesigner::paletBeweeg(int x, int y) {
    if (palet_.contains(x, y)) paletHint_ = DesignerRaster::kleurHint(palet_.pixel(x, y));
}

void SymboolDesigner::draagOver(Surface &IconPic) const {
    IconPic.setImage(tekening_.image());
}

void SymboolDesigner::NieuwIcon() {
    if (!platform_.ask(QStringLiteral("Wilt u een nieuw Icon ontwerpen ? "),
                       QStringLiteral(" Nieuw")))
        return;
    tekening_.clear();
    raster_.clear();
    DesignerRaster::TekenRaster(raster_);
    titel_ = kTitel;
}

void SymboolDesigner::OpenIcon() {
    const QString naam =
        platform_.openFileName({}, symboolMap_, QStringLiteral("Icons ( Bitmap )|*.bmp"));
    if (naam.isEmpty()) return;
    const std::optional<QImage> plaatje = PictureFile::read(naam);
    if (!plaatje) return;
    if (plaatje->size() != QSize(kSymboolGrootte, kSymboolGrootte)) {
        platform_.message(
            QStringLiteral("Deze afbeelding is geen 49 x 49 pixels!\r\n(maar %1 x %2 pixels)")
                .arg(plaatje->width())
                .arg(plaatje->height()));
        return;
    }
    tekening_.setImage(*plaatje);
    DesignerRaster::ToonIcon(raster_, tekening_);
    titel_ = kTitel + QStringLiteral(" / ") + QFileInfo(naam).fileName();
}

void SymboolDesigner::BewaarIcon() {
    const QString gekozen =
        platform_.saveFileName({}, symboolMap_, QStringLiteral("Symbool (bitmap).bmp|*.bmp"));
    if (gekozen.isEmpty()) return;
    const QString naam = SymboolBestand::metExtensie(gekozen);
    // The save dialog asked before replacing the file it was given; with ".bmp" added
    // the name may be that of another symbol, which must not go without a question.
    if (naam != gekozen && platform_.fileExists(naam) &&
        !platform_.ask(QStringLiteral("Symbool bestaat reeds, vernieuwen?"),
                       QStringLiteral(" Exist")))
        return;
    if (SymboolBestand::bewaar(tekening_.image(), naam) && naBewaren_) naBewaren_(naam);
}

void SymboolDesigner::VulIcon() {
    if (!platform_.ask(QStringLiteral("Wilt u het Icon vullen met de vulkleur? "),
                       QStringLiteral(" Fill")))
        return;
    SymboolBewerkingen::VulIcon(tekening_, tekenKleur_);
    DesignerRaster::ToonIcon(raster_, tekening_);
}

void SymboolDesigner::figuur(const QString &vraag, const QString &fout,
                             void (*teken)(Surface &, int, QRgb)) {
    const std::optional<int> maat = SymboolBewerkingen::leesMaat(platform_.inputBox(vraag, {}, {}));
    if (!maat) {
        platform_.message(fout);
        return;
    }
    teken(tekening_, *maat, tekenKleur_);
    DesignerRaster::ToonIcon(raster_, tekening_);
}

void SymboolDesigner::TekenVierkant() {
    figuur(QStringLiteral("Geef de lengte van het vierkant (1..24)\r\n"
                          "waarvan 1 het kleinst is en 24 het grootst."),
           QStringLiteral("Allen nummers tussen 1..24"), SymboolBewerkingen::TekenVierkant);
}

void SymboolDesigner::TekenCirkel() {
    figuur(QStringLiteral("Geef de diameter van de circel (1..24)\r\n"
                          "waarvan 1 het kleinst is en 24 het grootst."),
           QStringLiteral("Alleen nummers tussen 1..24"), SymboolBewerkingen::TekenCirkel);
}
