#include "symbols/SymboolBestand.h"

#include "ui/BmpCodec.h"
#include "ui/SafeCommit.h"

#include <QSaveFile>

namespace SymboolBestand {

QString metExtensie(const QString &naam) {
    const QString bmp = QStringLiteral(".bmp");
    return naam.endsWith(bmp, Qt::CaseInsensitive) ? naam : naam + bmp;
}

bool bewaar(const QImage &picture, const QString &pad) {
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly)) return false;
    if (!BmpCodec::schrijf24(picture, bestand)) {
        bestand.cancelWriting();
        return false;
    }
    return safeCommit(bestand);
}

} // namespace SymboolBestand
