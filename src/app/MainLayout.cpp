#include "app/MainLayout.h"

#include <algorithm>
#include <array>

namespace MainLayout {

namespace {

// The screen height the table was drawn for (768 pixels). On a lower screen the
// symbol list gives up rows, up to kMaxKrimp, so that the panels under it stay whole.
constexpr int kOntwerpHoogte = 11520;
constexpr int kMaxKrimp = 1500;

} // namespace

int krimp(QSize screenTwips) {
    return std::clamp(kOntwerpHoogte - screenTwips.height(), 0, kMaxKrimp);
}

namespace {

// A twips figure: base + sw × SW + sh × SH + k × K, SW and SH being the screen's size
// and K what the left column gives up on a low screen.
struct Maat {
    int base;
    int sw = 0;
    int sh = 0;
    int k = 0;
    int in(QSize screen) const {
        return base + sw * screen.width() + sh * screen.height() + k * krimp(screen);
    }
};

constexpr Maat kVrij{-1}; // sized by the control itself

struct Regel {
    const char *naam;
    const char *parent;
    Maat left, top, width, height;
    int stapLinks = 0; // rows of like controls: control i stands stapLinks × i further right
};

constexpr std::array<Regel, 48> kTabel{{
    {"Frame1", "", {90}, {90}, {-270, 1}, {1230}},
    {"BackKnoppen", "Frame1", {120}, {210}, {-510, 1}, {900}},
    {"Knop", "Frame1", {240}, {285}, {735}, {735}, 915},
    {"Frame2", "", {90}, {1320}, {2550}, {4950, 0, 0, -1}},
    {"Combo1", "Frame2", {120}, {210}, {2310}, kVrij},
    {"Label1", "Frame2", {150}, {585}, kVrij, kVrij},
    {"List1", "Frame2", {120}, {1200}, {2280}, {3030, 0, 0, -1}},
    {"Loep", "Frame2", {120}, {855}, {2280}, {3375, 0, 0, -1}},
    {"Label6", "Frame2", {120}, {4410, 0, 0, -1}, {2295}, {390}},
    {"RenameKnop", "Frame2", {150}, {4440, 0, 0, -1}, {1110}, {330}},
    {"DeleteKnop", "Frame2", {1260}, {4440, 0, 0, -1}, {1125}, {330}},
    {"Frame4", "", {90}, {6300, 0, 0, -1}, {2550}, {1200}},
    {"Label4", "Frame4", {120}, {210}, {870}, {870}},
    {"IconPic", "Frame4", {180}, {270}, {735}, {735}},
    {"Label5", "Frame4", {1065}, {210}, {780}, {870}},
    {"HorKnop", "Frame4", {1095}, {240}, {720}, {405}},
    {"VerKnop", "Frame4", {1095}, {645}, {720}, {405}},
    {"Label7", "Frame4", {1920}, {210}, {510}, {870}},
    {"RotatieKnop", "Frame4", {1950}, {240}, {450}, {810}},
    {"Frame5", "", {90}, {7515, 0, 0, -1}, {2550}, {1140}},
    {"Label9", "Frame5", {120}, {210}, {2310}, {810}},
    {"Knop2", "Frame5", {150}, {240}, {750}, {750}, 750},
    {"Frame6", "", {90}, {8670, 0, 0, -1}, {2550}, {-10080, 0, 1, 1}},
    {"Label2", "Frame6", {120}, {225}, {2310}, {330}},
    {"RasterScroll", "Frame6", {150}, {255}, {2250}, {270}},
    {"Label3", "Frame6", {150}, {600}, kVrij, kVrij},
    {"BackLabel8", "Frame6", {120}, {990}, {2295}, {315}},
    {"Label8", "Frame6", {180}, {1050}, kVrij, kVrij},
    {"Frame3", "", {2745}, {1320}, {-2925, 1}, {-2730, 0, 1}},
    {"BackPic", "Frame3", {120}, {210}, {-3150, 1}, {-3060, 0, 1}},
    {"WebBrowser", "Frame3", {120}, {210}, {-3150, 1}, {-3060, 0, 1}},
    {"Pic", "Frame3", {210}, {300}, {-3350, 1}, {-3255, 0, 1}},
    {"Pic2", "Frame3", {210}, {450}, {-3350, 1}, {-3405, 0, 1}},
    {"GumPic", "Frame3", {210}, {450}, {-3350, 1}, {-3405, 0, 1}},
    {"Text1", "Frame3", {210}, {300}, {-3350, 1}, {-3255, 0, 1}},
    {"WerkBalk", "Frame3", {210}, {300}, {-3330, 1}, {510}},
    {"Combo2", "Frame3", {300}, {390}, {900}, kVrij},
    {"Combo3", "Frame3", {1260}, {390}, {2730}, kVrij},
    {"Combo4", "Frame3", {4050}, {390}, {750}, kVrij},
    {"Text2", "Frame3", {4860}, {390}, {1500}, {315}},
    {"Check1", "Frame3", {6450}, {490}, {660}, kVrij},
    {"BackClear", "Frame3", {7290}, {375}, {4870}, {360}},
    {"NewKnop", "Frame3", {7320}, {405}, {780}, {300}},
    {"LoepKnop", "Frame3", {8100}, {405}, {690}, {300}},
    {"LoepScroll", "Frame3", {8790}, {405}, {1800}, {300}},
    {"BBgrootKnop", "Frame3", {10590}, {405}, {795}, {300}},
    {"PrintKnop", "Frame3", {11385}, {405}, {750}, {300}},

    // The search field of the library, above the symbol list, which gives up its top
    // rows for it; the magnifier takes the place of both.
    {"ZoekVak", "Frame2", {120}, {855}, {2280}, {315}},
}};

std::optional<Plaats> zoek(const Regel &regel, const QString &naam, QSize screen, int index) {
    if (naam != QLatin1String(regel.naam)) return std::nullopt;
    return Plaats{QString::fromLatin1(regel.parent),
                  QRect(regel.left.in(screen) + regel.stapLinks * index, regel.top.in(screen),
                        regel.width.in(screen), regel.height.in(screen))};
}

} // namespace

std::optional<Plaats> plaats(const QString &naam, QSize screenTwips, int index) {
    for (const Regel &regel : kTabel)
        if (auto found = zoek(regel, naam, screenTwips, index)) return found;
    return std::nullopt;
}

QRect venster(QSize screenTwips) {
    return {15, 15, screenTwips.width() - 30, screenTwips.height() - 540};
}

} // namespace MainLayout
