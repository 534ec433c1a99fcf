#include "symbols/AchtergrondOpslag.h"

#include "ui/AppFolder.h"
#include "ui/PictureFile.h"
#include "ui/Platform.h"
#include "ui/SafeCommit.h"
#include "ui/Surface.h"

#include <QFile>
#include <QSaveFile>

namespace AchtergrondOpslag {

const QString kTijdelijk = QStringLiteral("\\mydummy.bmp");
const QString kDoel = QStringLiteral("\\Plugins\\Images\\background.jpg");

bool slaOp(const Surface &tegel, const AppFolder &folder, Platform &platform,
           const std::function<void()> &herlaad) {
    const QString tijdelijk = folder.path(kTijdelijk);
    // Only a BMP written just now is converted: a file of that name left over from
    // before is not the tile.
    const bool geschreven = tegel.saveBmp(tijdelijk) && platform.fileExists(tijdelijk);
    bool opgeslagen = false;
    if (geschreven)
        opgeslagen = BmpToJpeg(tijdelijk, folder.path(kDoel), kKwaliteit);
    else
        platform.message(QStringLiteral("File save not as JPG!"));
    if (platform.fileExists(tijdelijk)) QFile::remove(tijdelijk);
    if (herlaad) herlaad();
    platform.wait(kNaWacht);
    return opgeslagen;
}

bool BmpToJpeg(const QString &bmp, const QString &jpeg, int kwaliteit) {
    const std::optional<QImage> beeld = PictureFile::read(bmp);
    if (!beeld) return false;
    QSaveFile doel(jpeg);
    if (!doel.open(QIODevice::WriteOnly)) return false;
    if (!beeld->save(&doel, "JPG", kwaliteit)) {
        doel.cancelWriting();
        return false;
    }
    return safeCommit(doel);
}

} // namespace AchtergrondOpslag
