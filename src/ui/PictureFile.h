#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Picture files (BMP, GIF, JPEG, PNG...) read and decoded into opaque RGB32 pictures:
// what a file leaves transparent becomes white. Files that are not pictures, broken
// ones and pictures too large to hold are refused: those whose header says so without
// decoding them, and those that only turn out so large when decoded (a GIF's logical
// screen). A BMP reads the same whichever way its rows are stored, and the pixels that
// a run-length coded BMP skips have its first palette colour on every load.
namespace PictureFile {

std::optional<QImage> read(const QString &path);
// The same for a path in the system's own bytes (DiskNames).
std::optional<QImage> readNative(const QByteArray &nativePath);
// The same for a file's content.
std::optional<QImage> decode(const QByteArray &bytes);

} // namespace PictureFile
