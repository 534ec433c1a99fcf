#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// The program's icon for the desktop's menus: a resistor on a piece of breadboard.
// One table of shapes on a 64 x 64 grid is both painted into PNG pictures of every
// size and written out as an SVG drawing, so all sizes show the same picture.
namespace Pictogram {

// The icon's name in the icon theme: the program's desktop id.
inline const QString kNaam = QStringLiteral("org.voltarix.Voltarix");
constexpr int kRaster = 64;
// The sizes desktops look for in the hicolor theme.
inline const QList<int> kGroottes = {16, 32, 48, 64, 128, 256};

// The icon as a size x size picture with a transparent background.
QImage teken(int grootte);
// The same shapes as an SVG drawing of kRaster x kRaster.
QByteArray svg();

// Writes the hicolor theme under `map`: hicolor/<n>x<n>/apps/<kNaam>.png for every
// size and hicolor/scalable/apps/<kNaam>.svg. Returns what went wrong; empty when
// everything was written.
QStringList schrijf(const QString &map);

// The icon of a project file, the desktop's file type application/x-voltarix-project:
// the program's icon on a sheet of paper. Its name is the one desktops derive from the
// file type.
inline const QString kDocumentNaam = QStringLiteral("application-x-voltarix-project");
QImage tekenDocument(int grootte);
// As schrijf(), under hicolor/<n>x<n>/mimetypes/ and hicolor/scalable/mimetypes/.
QStringList schrijfDocument(const QString &map);

} // namespace Pictogram
