// voltarix-e2e-plaatsen WIDTH HEIGHT: where the controls the end-to-end tests use stand
// in the main window on a screen of that size, from the same layout table and twips
// conversion as the program's own window. One line per control: name, index, left and
// top in pixels from the top-left corner of the window's inside (below its menu bar),
// width and height (-1 for a size the control chooses itself).

#include "app/MainLayout.h"
#include "ui/Twips.h"

#include <QStringList>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char *argv[]) {
    if (argc != 3) return 2;
    const QSize scherm = QSize(std::atoi(argv[1]), std::atoi(argv[2])) * kTwipsPerPixel;
    const auto pixels = [](int twips) { return twips < 0 ? -1 : twipsToPixels(twips); };
    QTextStream uit(stdout);
    for (const QString &naam :
         QStringLiteral("BackKnoppen Knop Knop2 Combo1 Combo2 Combo3 List1 IconPic "
                        "Pic Pic2 Text1 WerkBalk BBgrootKnop BackLabel8 BackPic")
             .split(u' '))
        for (int index = 0; index < (naam == u"Knop" ? 16 : naam == u"Knop2" ? 3 : 1); ++index) {
            const auto plaats = MainLayout::plaats(naam, scherm, index);
            if (!plaats) return 1;
            // A control in a panel stands relative to the panel.
            const QRect paneel = plaats->parent.isEmpty()
                                     ? QRect()
                                     : MainLayout::plaats(plaats->parent, scherm).value().twips;
            const QRect &p = plaats->twips;
            uit << naam << ' ' << index << ' ' << pixels(paneel.x()) + pixels(p.x()) << ' '
                << pixels(paneel.y()) + pixels(p.y()) << ' ' << pixels(p.width()) << ' '
                << pixels(p.height()) << '\n';
        }
    return 0;
}
