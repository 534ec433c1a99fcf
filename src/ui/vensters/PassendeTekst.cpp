#include "ui/vensters/PassendeTekst.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVector>

#include <algorithm>
#include <climits>

namespace PassendeTekst {

namespace {

constexpr int kKleinstePixels = 8; // for fonts given in pixels

int labelRuimte(const QLabel *label) {
    int inspringen = label->indent();
    // A framed label indents its text by half an "x" when no indent is set.
    if (inspringen < 0)
        inspringen = label->frameWidth() > 0
                         ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                         : 0;
    return label->contentsRect().width() - 2 * label->margin() - inspringen;
}

// Check boxes and option buttons: the text stands right of the box and its spacing,
// and the control's own edge cuts it.
int knopRuimte(const QAbstractButton *knop) {
    QStyleOptionButton optie;
    optie.initFrom(knop);
    optie.text = knop->text();
    const QStyle::SubElement inhoud = qobject_cast<const QRadioButton *>(knop)
                                          ? QStyle::SE_RadioButtonContents
                                          : QStyle::SE_CheckBoxContents;
    return knop->width() - knop->style()->subElementRect(inhoud, &optie, knop).left();
}

bool verklein(QFont &lettertype) {
    if (lettertype.pointSizeF() > 0) {
        if (lettertype.pointSizeF() - 0.5 < kKleinstePunten) return false;
        lettertype.setPointSizeF(lettertype.pointSizeF() - 0.5);
    } else {
        if (lettertype.pixelSize() - 1 < kKleinstePixels) return false;
        lettertype.setPixelSize(lettertype.pixelSize() - 1);
    }
    return true;
}

QString tekstVan(const QWidget *besturing) {
    if (auto *label = qobject_cast<const QLabel *>(besturing)) return label->text();
    if (auto *knop = qobject_cast<const QAbstractButton *>(besturing)) return knop->text();
    return {};
}

void zetTekst(QWidget *besturing, const QString &tekst) {
    if (auto *label = qobject_cast<QLabel *>(besturing))
        label->setText(tekst);
    else if (auto *knop = qobject_cast<QAbstractButton *>(besturing))
        knop->setText(tekst);
}

// The width in pixels that the control leaves for its text.
int ruimte(const QWidget *besturing) {
    if (auto *label = qobject_cast<const QLabel *>(besturing)) return labelRuimte(label);
    if (auto *knop = qobject_cast<const QAbstractButton *>(besturing)) return knopRuimte(knop);
    return INT_MAX;
}

struct Regel {
    QWidget *besturing;
    QString tekst;
    int ruimte;
};

bool past(const QFont &lettertype, const Regel &regel) {
    return QFontMetrics(lettertype).horizontalAdvance(regel.tekst) <= regel.ruimte;
}

void pas(QVector<Regel> regels) {
    if (regels.isEmpty()) return;
    // Start again from the window's font, so that a shorter text grows back.
    for (Regel &regel : regels) {
        regel.besturing->setFont(QFont());
        regel.ruimte = ruimte(regel.besturing);
    }
    QFont lettertype = regels.front().besturing->font();
    const auto allesPast = [&] {
        return std::all_of(regels.begin(), regels.end(),
                           [&](const Regel &regel) { return past(lettertype, regel); });
    };
    while (!allesPast() && verklein(lettertype)) {
    }
    const QFontMetrics maten(lettertype);
    for (const Regel &regel : regels) {
        const bool kort = !past(lettertype, regel);
        regel.besturing->setFont(lettertype);
        regel.besturing->setToolTip(kort ? regel.tekst : QString());
        zetTekst(regel.besturing,
                 kort ? maten.elidedText(regel.tekst, Qt::ElideRight, regel.ruimte) : regel.tekst);
    }
}

} // namespace

void zet(QWidget *besturing, const QString &tekst) {
    pas({{besturing, tekst, 0}});
}

void zetSamen(const QList<QWidget *> &besturing) {
    QVector<Regel> regels;
    for (QWidget *b : besturing)
        regels.push_back({b, tekstVan(b), 0});
    pas(regels);
}

} // namespace PassendeTekst
