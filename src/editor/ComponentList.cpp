#include "editor/ComponentList.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <cmath>

void ComponentList::zetLetterEnBreedte(const QFont &letter, qreal breedte) {
    if (zelfdeLetterEnBreedte(letter, breedte)) return;
    letter_ = letter;
    breedte_ = breedte;
    // No character of the font is wider than its widest glyph: a paragraph with no
    // more characters than that many fit in the width needs no layout to be one
    // line. A pixel to spare on either side covers the rounding of the advances.
    const qreal breedst = QFontMetricsF(letter_).maxWidth() + 1;
    kortGenoeg_ = breedte_ > 1 ? qsizetype(std::floor((breedte_ - 1) / breedst)) : 0;
}

// Only characters the font surely has: tabs, control characters and characters that
// come from another font may be wider than the font's widest glyph.
bool ComponentList::pastZeker(const QString &alinea) const {
    if (alinea.size() > kortGenoeg_) return false;
    for (const QChar teken : alinea) {
        const char16_t code = teken.unicode();
        if (code < 0x20 || (code >= 0x7F && code < 0xA0) || code > 0xFF) return false;
    }
    return true;
}

QStringList ComponentList::alineas(const QString &text) {
    QStringList regels = text.split(QLatin1Char('\n'));
    for (QString &regel : regels)
        if (regel.endsWith(QLatin1Char('\r'))) regel.chop(1);
    return regels;
}

QVector<int> ComponentList::regelStarts(const QString &alinea) const {
    if (alinea.isEmpty() || breedte_ <= 0 || pastZeker(alinea)) return {0};
    QVector<int> starts;
    QTextLayout layout(alinea, letter_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(breedte_);
        starts << line.textStart();
    }
    layout.endLayout();
    return starts;
}

int ComponentList::alineaRegels(const QString &alinea) const {
    return int(regelStarts(alinea).size());
}

QStringList ComponentList::weergaveRegels(const QString &text) const {
    QStringList regels;
    for (const QString &alinea : alineas(text)) {
        const QVector<int> starts = regelStarts(alinea);
        for (int i = 0; i < starts.size(); ++i) {
            const int einde = i + 1 < starts.size() ? starts[i + 1] : int(alinea.size());
            regels << alinea.mid(starts[i], einde - starts[i]);
        }
    }
    return regels;
}

int ComponentList::regelAantal(const QString &text) const {
    int aantal = 0;
    for (const QString &alinea : alineas(text))
        aantal += alineaRegels(alinea);
    return aantal;
}

QStringList ComponentList::TekstRegels(const QString &text) const {
    return weergaveRegels(text) << QString();
}

QString ComponentList::regelTekst(int aantal) {
    return QString::number(aantal) + QStringLiteral(" Regels tekst.");
}

bool ComponentList::kanTonen(const QString &lijst) {
    if (lijst.size() > kMaxTekens) return false;
    qsizetype alineas = 1, alinea = 0;
    for (const QChar teken : lijst) {
        if (teken == QLatin1Char('\n')) {
            if (++alineas > kMaxAlineas) return false;
            alinea = 0;
        } else if (teken != QLatin1Char('\r') && ++alinea > kMaxAlinea) {
            return false;
        }
    }
    return true;
}
