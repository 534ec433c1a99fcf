#include "editor/ComponentList.h"

#include <QTextLayout>

namespace {

constexpr int kMaxOnthouden = 50000; // paragraphs remembered before starting afresh

} // namespace

void ComponentList::zetLetterEnBreedte(const QFont &letter, qreal breedte) {
    if (letter == letter_ && breedte == breedte_) return;
    letter_ = letter;
    breedte_ = breedte;
    onthouden_.clear();
}

QStringList ComponentList::alineas(const QString &text) {
    QString gewoon = text;
    gewoon.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return gewoon.split(QLatin1Char('\n'));
}

const QVector<int> &ComponentList::regelStarts(const QString &alinea) {
    const auto found = onthouden_.constFind(alinea);
    if (found != onthouden_.constEnd()) return *found;
    if (onthouden_.size() > kMaxOnthouden) onthouden_.clear();
    QVector<int> starts{0};
    if (!alinea.isEmpty() && breedte_ > 0) {
        QTextLayout layout(alinea, letter_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        starts.clear();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(breedte_);
            starts << line.textStart();
        }
        layout.endLayout();
    }
    return *onthouden_.insert(alinea, starts);
}

QStringList ComponentList::weergaveRegels(const QString &text) {
    QStringList regels;
    for (const QString &alinea : alineas(text)) {
        const QVector<int> &starts = regelStarts(alinea);
        for (int i = 0; i < starts.size(); ++i) {
            const int einde = i + 1 < starts.size() ? starts[i + 1] : alinea.size();
            regels << alinea.mid(starts[i], einde - starts[i]);
        }
    }
    return regels;
}

int ComponentList::regelAantal(const QString &text) {
    int aantal = 0;
    for (const QString &alinea : alineas(text))
        aantal += regelStarts(alinea).size();
    return aantal;
}

QStringList ComponentList::TekstRegels(const QString &text) {
    return weergaveRegels(text) << QString();
}

QString ComponentList::regelTekst(int aantal) {
    return QString::number(aantal) + QStringLiteral(" Regels tekst.");
}
