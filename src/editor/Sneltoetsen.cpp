#include "editor/Sneltoetsen.h"

#include "editor/BreadboardEditor.h"

#include <algorithm>
#include <iterator>

namespace Sneltoetsen {

namespace {

constexpr int kEersteOnderdeel = BreadboardEditor::kEersteOnderdeel;
using Soort = Opdracht::Soort;

Opdracht opOntwerp(int toets) {
    switch (toets) {
    case Qt::Key_Escape:
        return {Soort::LaatVallen};
    case Qt::Key_R:
        return {Soort::Draaien};
    case Qt::Key_H:
        return {Soort::Spiegelen};
    case Qt::Key_V:
        return {Soort::OndersteBoven};
    default:
        return {};
    }
}

// The next part picture of that letter after the one chosen, round again.
Opdracht volgendOnderdeel(QChar letter, const QStringList &gereedschappen, int gereedschap) {
    const int aantal = int(gereedschappen.size()) - kEersteOnderdeel;
    for (int stap = 1; stap <= aantal; ++stap) {
        const int index = kEersteOnderdeel +
                          (std::max(gereedschap - kEersteOnderdeel, -1) + stap + aantal) % aantal;
        if (onderdeelToets(gereedschappen.at(index)) == letter)
            return {Soort::KiesGereedschap, index};
    }
    return {};
}

} // namespace

Opdracht opdracht(Blad blad, int toets, Qt::KeyboardModifiers mods, const QString &tekst,
                  const QStringList &gereedschappen, int gereedschap, int kleur, int kleuren) {
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    if (blad == Blad::Ontwerp) return opOntwerp(toets);
    if (blad != Blad::Breadboard) return {};
    if (toets == Qt::Key_Escape) return {Soort::StopGereedschap};
    if (toets >= Qt::Key_0 && toets <= Qt::Key_3 && toets - Qt::Key_0 < gereedschappen.size())
        return {Soort::KiesGereedschap, toets - Qt::Key_0};
    if ((toets == Qt::Key_Plus || toets == Qt::Key_Equal || toets == Qt::Key_Minus) && kleuren > 0)
        return {Soort::KiesKleur, (kleur + (toets == Qt::Key_Minus ? -1 : 1) + kleuren) % kleuren};
    const QString letter = tekst.toUpper();
    if (letter.size() != 1) return {};
    return volgendOnderdeel(letter.at(0), gereedschappen, gereedschap);
}

QChar onderdeelToets(const QString &naam) {
    const QChar eerste = naam.isEmpty() ? QChar() : naam.at(0).toUpper();
    if (eerste >= u'A' && eerste <= u'Z') return eerste;
    if (eerste >= u'4' && eerste <= u'9') return eerste;
    return {};
}

QString gereedschapToets(int index, const QString &naam) {
    if (index >= 0 && index < BreadboardEditor::kScheiding) return QString::number(index);
    if (index < kEersteOnderdeel) return {};
    const QChar toets = onderdeelToets(naam);
    return toets.isNull() ? QString() : QString(toets);
}

QString knopToets(int index) {
    // The project commands keep their menu keys.
    static const char *const toetsen[] = {"Ctrl+N",   "Ctrl+O", "Ctrl+S",    "Ctrl+P",  "", "F5",
                                          "F6",       "F7",     "F8",        "",        "", "",
                                          "Alt+Left", "Alt+Up", "Alt+Right", "Alt+Down"};
    return index >= 0 && index < int(std::size(toetsen)) ? QString::fromLatin1(toetsen[index])
                                                         : QString();
}

QString metToets(const QString &hint, QString toets) {
    if (toets.isEmpty()) return hint;
    for (const auto &[engels, nederlands] :
         {std::pair{"Left", "Links"}, {"Right", "Rechts"}, {"Up", "Omhoog"}, {"Down", "Omlaag"}})
        toets.replace(QLatin1String(engels), QLatin1String(nederlands));
    const QString kern = hint.trimmed();
    return QLatin1Char(' ') + (kern.isEmpty() ? QString() : kern + QLatin1Char(' ')) +
           QStringLiteral("(toets ") + toets + QStringLiteral(") ");
}

} // namespace Sneltoetsen
