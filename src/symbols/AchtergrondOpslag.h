#pragma once

#include <QString>

#include <functional>

class AppFolder;
class Platform;
class Surface;

// Storing the background editor's tile as the background picture of the help pages,
// "\Plugins\Images\background.jpg": the tile goes through a temporary BMP file beside
// the program, which is converted to JPEG and then removed.
namespace AchtergrondOpslag {

extern const QString kTijdelijk; // "\mydummy.bmp"
extern const QString kDoel;      // "\Plugins\Images\background.jpg"
constexpr int kKwaliteit = 99;
constexpr double kNaWacht = 1.0;

// Writes the tile as the temporary BMP and converts that to the JPEG; when the BMP
// cannot be written, says "File save not as JPG!" and converts nothing. Whatever
// happened, the temporary file is removed, `herlaad` reloads the web view and the
// platform waits a second. True when the new JPEG is in place.
bool slaOp(const Surface &tegel, const AppFolder &folder, Platform &platform,
           const std::function<void()> &herlaad);

// Converts a BMP file to a JPEG file of the given quality (1 to 100). The JPEG is
// written under a temporary name and moved into place only when complete, so a
// failure leaves an existing file at `jpeg` as it was.
bool BmpToJpeg(const QString &bmp, const QString &jpeg, int kwaliteit);

} // namespace AchtergrondOpslag
