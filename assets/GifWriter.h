#pragma once

#include <QImage>
#include <QString>

// Writes pictures as GIF files, through giflib: Qt reads GIF but does not write it.
namespace GifWriter {

// Writes `picture` to `path` as a GIF89a with one colour table. Pixels with alpha 0
// become the transparent colour (stored as white, so that a viewer without
// transparency shows white); every other pixel keeps its exact colour, alpha
// ignored. A picture with more than 255 opaque colours is refused, as a GIF table
// has 256 entries. On failure returns false with a reason in `error`.
bool write(const QImage &picture, const QString &path, QString *error = nullptr);

} // namespace GifWriter
