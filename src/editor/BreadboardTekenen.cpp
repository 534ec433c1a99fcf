#include "editor/BreadboardTekenen.h"

#include "ui/AppFolder.h"
#include "ui/PictureFile.h"
#include "ui/Surface.h"

#include <QDir>
#include <QImageReader>

bool gum(Surface &Pic2, const Surface &GumPic, int x, int y) {
    if (y < kGumVanafY) return false;
    const QRect vierkant(x - kGumZijde + 1, y - kGumZijde + 1, kGumZijde, kGumZijde);
    Pic2.copyFrom(GumPic, vierkant, vierkant.topLeft());
    return true;
}

QPoint voorbeeldHoek(QSize voorbeeld, int x, int y) {
    return {x - voorbeeld.width() - 5, y - voorbeeld.height() - 5};
}

void stempel(Surface &Pic2, const Surface &BBPic, QPoint hoek) {
    const QRect doel = QRect(hoek, BBPic.size()).intersected(Pic2.rect());
    if (doel.isEmpty()) return;
    // The stamp is put together on a copy of the covered part of the sheet and goes
    // back in one piece, so that the sheet's view repaints once.
    Surface werk(doel.width(), doel.height());
    werk.copyFrom(Pic2, doel, QPoint(0, 0));
    const QPoint bron = doel.topLeft() - hoek;
    bool geschreven = false;
    for (int i = 0; i < doel.height(); ++i)
        for (int j = 0; j < doel.width(); ++j) {
            const QRgb kleur = BBPic.pixel(bron.x() + j, bron.y() + i);
            if (kleur == Surface::kWhite) continue;
            werk.setPixel(j, i, kleur);
            geschreven = true;
        }
    if (geschreven) Pic2.copyFrom(werk, werk.rect(), doel.topLeft());
}

std::optional<QImage> laadOnderdeelPlaatje(const QString &breadboardMap, const QString &entry) {
    // The entry is a file name: a separator in it never leads into another folder.
    if (entry.contains(QLatin1Char('/'))) return std::nullopt;
    const QString naam = AppFolder::findEntry(breadboardMap, entry + QStringLiteral(".gif"));
    if (naam.isEmpty()) return std::nullopt;
    const QString pad = QDir(breadboardMap).filePath(naam);
    QImageReader reader(pad);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "gif") return std::nullopt;
    const auto teGroot = [](QSize grootte) {
        return !grootte.isValid() || grootte.width() > kMaxOnderdeelZijde ||
               grootte.height() > kMaxOnderdeelZijde;
    };
    if (teGroot(reader.size())) return std::nullopt;
    // The header's size is the first frame's; the picture may be larger.
    std::optional<QImage> plaatje = PictureFile::read(pad);
    if (plaatje && teGroot(plaatje->size())) return std::nullopt;
    return plaatje;
}

QImage onderdeelVoorbeeld(const Surface &BBPic) {
    QImage voorbeeld = BBPic.image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < voorbeeld.height(); ++y) {
        auto *rij = reinterpret_cast<QRgb *>(voorbeeld.scanLine(y));
        for (int x = 0; x < voorbeeld.width(); ++x)
            if (rij[x] == Surface::kWhite) rij[x] = qRgba(0, 0, 0, 0);
    }
    return voorbeeld;
}
