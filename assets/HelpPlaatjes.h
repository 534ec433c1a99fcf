#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// The pictures of the help pages, drawn from the program's own symbols, part
// pictures, board drawing and window layout, with Dutch captions. Backgrounds are
// transparent so that the pages' background shows through.
namespace HelpPlaatjes {

struct Plaatje {
    QString bestand; // file name in "\Plugins\Images\"
    QImage beeld;
};

QVector<Plaatje> alle();

// The overview pictures among them: title, window, board, example, symbol grid.
QVector<Plaatje> overzichten();

// The default background tile of the pages: 80 x 80 pixels of light grey paper.
QImage achtergrond();

} // namespace HelpPlaatjes
