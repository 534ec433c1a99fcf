#include "ui/vensters/Vormgeving.h"

#include "ui/Twips.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace Vormgeving {

void plaats(QWidget *parent, const Plek *begin, const Plek *end, Eenheid eenheid) {
    const auto pixels = [eenheid](int maat) {
        return eenheid == Eenheid::Twips ? twipsToPixels(maat) : maat;
    };
    for (const Plek *p = begin; p != end; ++p) {
        QWidget *besturing = parent->findChild<QWidget *>(QLatin1String(p->naam));
        if (!besturing) continue;
        if (p->breedte == kEigen || p->hoogte == kEigen) besturing->adjustSize();
        const int breedte = p->breedte == kEigen ? besturing->width() : pixels(p->breedte);
        const int hoogte = p->hoogte == kEigen ? besturing->height() : pixels(p->hoogte);
        besturing->setGeometry(pixels(p->links), pixels(p->boven), breedte, hoogte);
    }
}

void maakDialoog(QDialog *dialoog, const QString &naam, const QString &titel) {
    dialoog->setObjectName(naam);
    dialoog->setWindowTitle(titel);
    dialoog->setModal(true);
}

void maakVenster(QWidget *venster, int breedteTwips, int hoogteTwips) {
    venster->setFont(QFont(QStringLiteral("Arial"), 8));
    venster->setFixedSize(twipsToPixels(breedteTwips) - kRandPixels.width(),
                          twipsToPixels(hoogteTwips) - kRandPixels.height());
}

QPushButton *knop(QWidget *parent, const QString &naam, const QString &opschrift, QColor kleur) {
    auto *button = maak<QPushButton>(parent, naam);
    button->setText(opschrift);
    Vormgeving::kleur(button, kleur);
    return button;
}

QLabel *tekst(QWidget *parent, const QString &naam, const QString &inhoud) {
    auto *label = maak<QLabel>(parent, naam);
    label->setText(inhoud);
    return label;
}

QLabel *vlak(QWidget *parent, const QString &naam, QColor kleur) {
    auto *label = maak<QLabel>(parent, naam);
    Vormgeving::kleur(label, kleur);
    return label;
}

QLabel *paneel(QWidget *parent, const QString &naam) {
    auto *label = maak<QLabel>(parent, naam);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

void kleur(QWidget *besturing, QColor achtergrond) {
    QPalette palet = besturing->palette();
    const bool invoer =
        qobject_cast<QLineEdit *>(besturing) || qobject_cast<QAbstractScrollArea *>(besturing);
    const bool knop =
        qobject_cast<QAbstractButton *>(besturing) || qobject_cast<QComboBox *>(besturing);
    palet.setColor(invoer ? QPalette::Base
                   : knop ? QPalette::Button
                          : QPalette::Window,
                   achtergrond);
    besturing->setPalette(palet);
    besturing->setAutoFillBackground(!invoer);
}

void tekstKleur(QWidget *besturing, QColor kleur) {
    QPalette palet = besturing->palette();
    palet.setColor(QPalette::WindowText, kleur);
    besturing->setPalette(palet);
}

} // namespace Vormgeving
