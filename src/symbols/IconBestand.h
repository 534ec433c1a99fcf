#pragma once

#include <QImage>
#include <QString>

// Writing the symbol designer's picture files.
namespace IconBestand {

// Writes the picture as a BMP under exactly this name. An existing file is replaced
// only once the new one is completely written; a read-only file is left alone.
bool bewaar(const QImage &picture, const QString &pad);

} // namespace IconBestand
