#pragma once

#include <QImage>

// The two small pictures of the board drawing, drawn by code so that every board
// drawing gives the same pixels.
namespace BoardPictures {

// The maker's logo, 41 x 133 pixels, upright.
const QImage &logo();
// A mounting hole, 31 x 31 pixels: a shaded round recess with a black centre on
// the board face's grey 240.
const QImage &bevestigingsGat();

} // namespace BoardPictures
