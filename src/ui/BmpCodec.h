#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

class QIODevice;

// The program's own BMP files, 24 bits per pixel and uncompressed, read and written
// directly: a sheet of a large screen takes a few milliseconds instead of the tens
// that a general picture reader spends on it.
namespace BmpCodec {

// Writes an RGB32 picture as a 24-bit BMP; false when the device refuses the bytes.
bool schrijf24(const QImage &picture, QIODevice &device);

// Reads a file's bytes when they are an uncompressed 24-bit BMP whose pixel data is
// all there; nothing for any other file, which is left to the general reader.
std::optional<QImage> lees24(const QByteArray &bytes);

} // namespace BmpCodec
