#include "tools/FormLayout.h"

#include "ui/Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace FormLayout {

namespace {

// The part of the outer size that the desktop's title bar and borders take.
constexpr QSize kRandPixels{6, 29};

} // namespace

void plaats(QWidget *venster, std::initializer_list<Plaats> tabel) {
    for (const Plaats &p : tabel) {
        QWidget *besturing = venster->findChild<QWidget *>(QLatin1String(p.naam));
        if (!besturing) continue;
        if (p.width < 0 || p.height < 0) besturing->adjustSize();
        const int breedte = p.width < 0 ? besturing->width() : twipsToPixels(p.width);
        const int hoogte = p.height < 0 ? besturing->height() : twipsToPixels(p.height);
        besturing->setGeometry(twipsToPixels(p.left), twipsToPixels(p.top), breedte, hoogte);
    }
}

void maakVenster(QWidget *venster, int breedteTwips, int hoogteTwips) {
    venster->setFont(QFont(QStringLiteral("Arial"), 8));
    venster->setFixedSize(twipsToPixels(breedteTwips) - kRandPixels.width(),
                          twipsToPixels(hoogteTwips) - kRandPixels.height());
}

void kleur(QWidget *besturing, QColor achtergrond) {
    QPalette palet = besturing->palette();
    const bool invoer = qobject_cast<QLineEdit *>(besturing) != nullptr;
    const bool knop = qobject_cast<QAbstractButton *>(besturing) != nullptr;
    palet.setColor(invoer ? QPalette::Base
                   : knop ? QPalette::Button
                          : QPalette::Window,
                   achtergrond);
    besturing->setPalette(palet);
    besturing->setAutoFillBackground(!invoer);
}

} // namespace FormLayout
