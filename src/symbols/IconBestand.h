#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Reading and writing the symbol designer's picture files.
namespace IconBestand {

// Reads a picture as Surface::readPicture does, and also refuses a BMP file that is
// shorter than its header says: the BMP reader would fill the missing rows with black
// and pass the broken picture off as a whole one.
std::optional<QImage> lees(const QString &pad);

// True when the file is not a BMP, or is one that holds all the pixel data its header
// announces.
bool bmpVolledig(const QString &pad);

// Writes the picture as a BMP under exactly this name. An existing file is replaced
// only once the new one is completely written; a read-only file is left alone.
bool bewaar(const QImage &picture, const QString &pad);

} // namespace IconBestand
