#include "ui/vensters/Vormgeving.h"

#include "ui/Twips.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <cmath>

namespace Vormgeving {

namespace {

// The partners of a light and of a dark background: every text at a contrast of 4.5 or
// more (WCAG 2) on any background of its kind.
const Partner kOpLicht{{0, 0, 0},    {70, 70, 70},    {120, 120, 120},
                       {0, 84, 166}, {255, 255, 255}, {0, 0, 192}};
const Partner kOpDonker{{250, 250, 250}, {205, 205, 205}, {150, 150, 150},
                        {150, 200, 255}, {0, 0, 0},       {150, 200, 255}};

// The relative luminance of WCAG 2.
double luminantie(QColor kleur) {
    const auto lineair = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineair(kleur.redF()) + 0.7152 * lineair(kleur.greenF()) +
           0.0722 * lineair(kleur.blueF());
}

// A text colour in all states, its own one when disabled.
void zetTekst(QPalette &palet, QPalette::ColorRole rol, QColor kleur, QColor uitgeschakeld) {
    palet.setColor(rol, kleur);
    palet.setColor(QPalette::Disabled, rol, uitgeschakeld);
}

// Some styles draw a button's face in colours of their own whatever its palette says, and
// give controls wider margins (adwaita-qt's); a face the program colours, and a control
// in a fixed room, is drawn by Qt's own Fusion, which paints the palette's face, at the
// size the layout was made for.
QStyle *knopStijl() {
    static QPointer<QStyle> stijl;
    if (!stijl) {
        stijl = QStyleFactory::create(QStringLiteral("Fusion"));
        stijl->setParent(QCoreApplication::instance());
    }
    return stijl;
}

// The control and what it is made of (the text field of an editable choice box, less
// the margins the desktop's style gave it).
void doorFusion(QWidget *besturing) {
    besturing->setStyle(knopStijl());
    for (QWidget *deel : besturing->findChildren<QWidget *>()) {
        deel->setStyle(knopStijl());
        if (auto *veld = qobject_cast<QLineEdit *>(deel)) veld->setTextMargins({});
    }
}

} // namespace

Partner partner(QColor achtergrond) {
    // Black text reads better than white from this luminance up.
    return luminantie(achtergrond) >= 0.179 ? kOpLicht : kOpDonker;
}

QFont lettertype() {
    return QFont(QStringLiteral("Arial"), 8);
}

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
    venster->setFont(lettertype());
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
    const Partner p = partner(achtergrond);
    QPalette palet = besturing->palette();
    auto *keuze = qobject_cast<QComboBox *>(besturing);
    const bool invoer = keuze || qobject_cast<QLineEdit *>(besturing) ||
                        qobject_cast<QAbstractScrollArea *>(besturing);
    const bool knop = keuze || qobject_cast<QAbstractButton *>(besturing);
    if (invoer) {
        palet.setColor(QPalette::Base, achtergrond);
        zetTekst(palet, QPalette::Text, p.tekst, p.uitgeschakeld);
        palet.setColor(QPalette::PlaceholderText, p.hint);
        palet.setColor(QPalette::Highlight, p.markering);
        palet.setColor(QPalette::HighlightedText, p.gemarkeerdeTekst);
        palet.setColor(QPalette::Link, p.link);
        palet.setColor(QPalette::LinkVisited, p.link);
    }
    if (knop) {
        doorFusion(besturing);
        palet.setColor(QPalette::Button, achtergrond);
        zetTekst(palet, QPalette::ButtonText, p.tekst, p.uitgeschakeld);
    }
    if (!invoer) palet.setColor(QPalette::Window, achtergrond);
    // A label's text, and what a style draws in it on a button: arrows, check marks.
    if (!invoer || knop) zetTekst(palet, QPalette::WindowText, p.tekst, p.uitgeschakeld);
    besturing->setPalette(palet);
    besturing->setAutoFillBackground(!invoer);
}

void opVlak(QWidget *besturing, const QWidget *vlak) {
    QPalette palet = besturing->palette();
    // A style may draw a check box's text in Text (adwaita-qt does).
    for (const auto groep : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (const auto rol : {QPalette::WindowText, QPalette::Text})
            palet.setColor(groep, rol, vlak->palette().color(groep, QPalette::WindowText));
    besturing->setPalette(palet);
}

void inVasteRuimte(QWidget *besturing) {
    doorFusion(besturing);
}

void onderschrift(QWidget *besturing) {
    QPalette palet = besturing->palette();
    const QColor tekst = palet.color(QPalette::WindowText), vlak = palet.color(QPalette::Window);
    const auto meng = [](double a, double b) { return float(0.7 * a + 0.3 * b); };
    palet.setColor(QPalette::Active, QPalette::WindowText,
                   QColor::fromRgbF(meng(tekst.redF(), vlak.redF()),
                                    meng(tekst.greenF(), vlak.greenF()),
                                    meng(tekst.blueF(), vlak.blueF())));
    palet.setColor(QPalette::Inactive, QPalette::WindowText,
                   palet.color(QPalette::Active, QPalette::WindowText));
    besturing->setPalette(palet);
}

void tekstKleur(QWidget *besturing, QColor kleur) {
    QPalette palet = besturing->palette();
    palet.setColor(QPalette::WindowText, kleur);
    besturing->setPalette(palet);
}

QString alsMenuTekst(const QString &naam) {
    return QString(naam).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace Vormgeving
