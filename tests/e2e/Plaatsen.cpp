// voltarix-e2e-plaatsen: where the main window's controls stand on a screen of a given
// size, in pixels from the top-left corner of the window's inside (below its menu
// bar). The end-to-end tests click on these places; they come from the same layout
// table and the same twips conversion as the program's own window.
//
//   voltarix-e2e-plaatsen WIDTH HEIGHT
//
// prints one line per control: name, index, left, top, width, height (-1 for a size
// the control chooses itself).

#include "app/MainLayout.h"
#include "ui/Twips.h"

#include <QTextStream>

#include <cstdlib>

namespace {

struct Besturing {
    const char *naam;
    int aantal; // rows of like controls
};

constexpr Besturing kBesturing[] = {
    {"Frame1", 1},     {"BackKnoppen", 1}, {"Knop", 16},   {"Frame2", 1},  {"Combo1", 1},
    {"List1", 1},      {"Frame4", 1},      {"IconPic", 1}, {"Frame5", 1},  {"Knop2", 3},
    {"Frame6", 1},     {"Frame3", 1},      {"Pic", 1},     {"Pic2", 1},    {"Text1", 1},
    {"WerkBalk", 1},   {"Combo2", 1},      {"Combo3", 1},  {"NewKnop", 1}, {"BBgrootKnop", 1},
    {"BackLabel8", 1}, {"BackPic", 1},
};

int pixels(int twips) {
    return twips < 0 ? -1 : twipsToPixels(twips);
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 3) {
        QTextStream(stderr) << "usage: voltarix-e2e-plaatsen WIDTH HEIGHT\n";
        return 2;
    }
    const QSize schermTwips = QSize(std::atoi(argv[1]), std::atoi(argv[2])) * kTwipsPerPixel;
    QTextStream uit(stdout);
    for (const Besturing &besturing : kBesturing)
        for (int index = 0; index < besturing.aantal; ++index) {
            const auto plaats =
                MainLayout::plaats(QLatin1String(besturing.naam), schermTwips, index);
            if (!plaats) return 1;
            QPoint hoek(pixels(plaats->twips.x()), pixels(plaats->twips.y()));
            if (!plaats->ouder.isEmpty()) {
                const auto paneel = MainLayout::plaats(plaats->ouder, schermTwips);
                if (!paneel) return 1;
                hoek += QPoint(pixels(paneel->twips.x()), pixels(paneel->twips.y()));
            }
            uit << besturing.naam << ' ' << index << ' ' << hoek.x() << ' ' << hoek.y() << ' '
                << pixels(plaats->twips.width()) << ' ' << pixels(plaats->twips.height()) << '\n';
        }
    return 0;
}
