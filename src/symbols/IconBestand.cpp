#include "symbols/IconBestand.h"

#include "ui/SafeCommit.h"

#include <QSaveFile>

namespace IconBestand {

bool bewaar(const QImage &picture, const QString &pad) {
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly)) return false;
    if (!picture.save(&bestand, "BMP")) {
        bestand.cancelWriting();
        return false;
    }
    return safeCommit(bestand);
}

} // namespace IconBestand
