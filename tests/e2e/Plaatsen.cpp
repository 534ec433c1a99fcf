// voltarix-e2e-plaatsen WIDTH HEIGHT: per control the end-to-end tests use, from the program's
// own layout table: name, index, left, top (in the window's inside), width, height (-1: its own).

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
