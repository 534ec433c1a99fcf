#pragma once

class QImage;
class QIODevice;

// A sheet as a PNG picture with each sheet pixel a block of `vergroting` x `vergroting`
// pixels of its colour, never smoothed. Written row by row: besides the sheet only one
// enlarged row is held in memory. False when the device refused a write.
namespace VergrootPng {

constexpr int kGrootste = 4;

bool schrijf(const QImage &blad, int vergroting, QIODevice &uit);

} // namespace VergrootPng
