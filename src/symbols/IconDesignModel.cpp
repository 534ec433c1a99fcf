#include "symbols/IconDesignModel.h"

#include "symbols/IconBestand.h"
#include "symbols/IconRaster.h"
#include "symbols/IconTools.h"
#include "symbols/Symbool.h"
#include "ui/PictureFile.h"
#include "ui/Platform.h"
#include "ui/StapNamen.h"

#include <QFileInfo>

namespace {

const QString kTitel = QStringLiteral(" 49 x 49 Symbool Designer");
constexpr QRgb kZwart = qRgb(0, 0, 0);

} // namespace

IconDesignModel::IconDesignModel(Platform &platform, const QString &symboolMap)
    : platform_(platform), symboolMap_(symboolMap), tekening_(kSymboolGrootte, kSymboolGrootte),
      raster_(IconRaster::kRasterGrootte, IconRaster::kRasterGrootte),
      palet_(IconRaster::kPaletBreedte, IconRaster::kPaletHoogte), tekenKleur_(kZwart),
      titel_(kTitel), coordTekst_(QStringLiteral(" X")) {
    IconRaster::TekenPalet(palet_);
    IconRaster::TekenRaster(raster_);
}

void IconDesignModel::zetNaBewaren(std::function<void(const QString &)> naBewaren) {
    naBewaren_ = std::move(naBewaren);
}

void IconDesignModel::KnopB_Click(int index) {
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
QString IconDesignModel::stapNaam(int index) {
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

void IconDesignModel::Undo() {
    if (geschiedenis_.undo()) IconRaster::ToonIcon(raster_, tekening_);
}

void IconDesignModel::Redo() {
    if (geschiedenis_.redo()) IconRaster::ToonIcon(raster_, tekening_);
}

void IconDesignModel::voerUit(int index) {
    using namespace IconTools;
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

template <typename Bewerking> void IconDesignModel::bewerk(Bewerking bewerking) {
    bewerking(tekening_);
    IconRaster::ToonIcon(raster_, tekening_);
}

void IconDesignModel::IconPicture_MouseDown(Qt::MouseButtons knop, int x, int y) {
    if (!geschiedenis_.bezig()) geschiedenis_.begin(StapNamen::kTekenen);
    if (kiezen())
        kies(x, y);
    else
        schilder(knop, x, y);
}

void IconDesignModel::IconPicture_MouseMove(Qt::MouseButtons knoppen, int x, int y) {
    coordTekst_ = IconRaster::coordinaten(x, y);
    schilder(knoppen, x, y);
}

void IconDesignModel::IconPicture_MouseUp() {
    geschiedenis_.eind();
}

void IconDesignModel::schilder(Qt::MouseButtons knoppen, int x, int y) {
    // Exactly one button: left paints, right erases; anything else does nothing.
    QRgb kleur;
    if (knoppen == Qt::LeftButton)
        kleur = tekenKleur_;
    else if (knoppen == Qt::RightButton)
        kleur = Surface::kWhite;
    else
        return;
    const std::optional<QPoint> cel = IconRaster::celOnder(x, y);
    if (!cel) return;
    IconRaster::kleurCel(raster_, *cel, kleur);
    tekening_.setPixel(cel->x(), cel->y(), kleur);
}

void IconDesignModel::kies(int x, int y) {
    // The grid's own pixel, so a grid line gives its grey and a marker its red.
    if (raster_.contains(x, y)) tekenKleur_ = raster_.pixel(x, y);
    laatsteKnop_ = 0;
}

void IconDesignModel::IconPalet_MouseDown(int x, int y) {
    if (palet_.contains(x, y)) tekenKleur_ = palet_.pixel(x, y);
}

void IconDesignModel::IconPalet_MouseMove(int x, int y) {
    if (palet_.contains(x, y)) paletHint_ = IconRaster::kleurHint(palet_.pixel(x, y));
}

void IconDesignModel::TransferKnop_Click(Surface &IconPic) const {
    IconPic.setImage(tekening_.image());
}

void IconDesignModel::NieuwIcon() {
    if (!platform_.ask(QStringLiteral("Wilt u een nieuw Icon ontwerpen ? "),
                       QStringLiteral(" Nieuw")))
        return;
    tekening_.clear();
    raster_.clear();
    IconRaster::TekenRaster(raster_);
    titel_ = kTitel;
}

void IconDesignModel::OpenIcon() {
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
    IconRaster::ToonIcon(raster_, tekening_);
    titel_ = kTitel + QStringLiteral(" / ") + QFileInfo(naam).fileName();
}

void IconDesignModel::BewaarIcon() {
    const QString gekozen =
        platform_.saveFileName({}, symboolMap_, QStringLiteral("Symbool (bitmap).bmp|*.bmp"));
    if (gekozen.isEmpty()) return;
    const QString naam = IconBestand::metExtensie(gekozen);
    // The save dialog asked before replacing the file it was given; with ".bmp" added
    // the name may be that of another symbol, which must not go without a question.
    if (naam != gekozen && platform_.fileExists(naam) &&
        !platform_.ask(QStringLiteral("Symbool bestaat reeds, vernieuwen?"),
                       QStringLiteral(" Exist")))
        return;
    if (IconBestand::bewaar(tekening_.image(), naam) && naBewaren_) naBewaren_(naam);
}

void IconDesignModel::VulIcon() {
    if (!platform_.ask(QStringLiteral("Wilt u het Icon vullen met de vulkleur? "),
                       QStringLiteral(" Fill")))
        return;
    IconTools::VulIcon(tekening_, tekenKleur_);
    IconRaster::ToonIcon(raster_, tekening_);
}

void IconDesignModel::figuur(const QString &vraag, const QString &fout,
                             void (*teken)(Surface &, int, QRgb)) {
    const std::optional<int> maat = IconTools::leesMaat(platform_.inputBox(vraag, {}, {}));
    if (!maat) {
        platform_.message(fout);
        return;
    }
    teken(tekening_, *maat, tekenKleur_);
    IconRaster::ToonIcon(raster_, tekening_);
}

void IconDesignModel::TekenVierkant() {
    figuur(QStringLiteral("Geef de lengte van het vierkant (1..24)\r\n"
                          "waarvan 1 het kleinst is en 24 het grootst."),
           QStringLiteral("Allen nummers tussen 1..24"), IconTools::TekenVierkant);
}

void IconDesignModel::TekenCirkel() {
    figuur(QStringLiteral("Geef de diameter van de circel (1..24)\r\n"
                          "waarvan 1 het kleinst is en 24 het grootst."),
           QStringLiteral("Alleen nummers tussen 1..24"), IconTools::TekenCirkel);
}
