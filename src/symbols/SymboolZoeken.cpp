#include "symbols/SymboolZoeken.h"

QString SymboolZoeken::vouw(const QString &tekst) {
    QString uit;
    uit.reserve(tekst.size());
    for (const QChar teken : tekst) {
        if (teken.unicode() < 0x80) { // most names: plain letters, folded at once
            uit += teken.toLower();
            continue;
        }
        // Decomposed, an accented letter is its plain letter followed by marks.
        const QString delen = teken.decompositionTag() == QChar::NoDecomposition
                                  ? QString(teken)
                                  : QString(teken).normalized(QString::NormalizationForm_KD);
        for (const QChar deel : delen)
            if (deel.category() != QChar::Mark_NonSpacing) uit += deel.toCaseFolded();
    }
    return uit;
}

void SymboolZoeken::lees(const QVector<SymboolCategorie> &categorieen) {
    symbolen_.clear();
    for (const SymboolCategorie &categorie : categorieen) {
        SymboolBibliotheek map;
        map.lees(categorie.map);
        const QString gevouwenCategorie = vouw(categorie.naam);
        for (const QString &naam : map.namen())
            symbolen_.push_back(
                {{naam, categorie.naam, categorie.map}, vouw(naam), gevouwenCategorie});
    }
}

QVector<SymboolTreffer> SymboolZoeken::zoek(const QString &tekst) const {
    QVector<SymboolTreffer> treffers;
    const QString gezocht = vouw(tekst);
    if (gezocht.isEmpty()) return treffers;
    for (const Symbool &symbool : symbolen_)
        if (symbool.naam.contains(gezocht) || symbool.categorie.contains(gezocht))
            treffers.push_back(symbool.treffer);
    return treffers;
}

QString SymboolZoeken::regel(const SymboolTreffer &treffer) {
    return treffer.naam + QStringLiteral(" (") + treffer.categorie + QLatin1Char(')');
}
