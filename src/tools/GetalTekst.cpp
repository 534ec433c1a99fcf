#include "tools/GetalTekst.h"

#include <cmath>

namespace {

bool isCijfer(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlanco(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

int slaCijfersOver(const QString &tekst, int i) {
    while (i < tekst.size() && isCijfer(tekst[i]))
        ++i;
    return i;
}

// A Dutch user types a decimal comma, the program always read a point: both are the
// decimal separator. Neither groups thousands, so "1.000" and "1,000" both read 1.
bool isDecimaalTeken(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

bool isTeken(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// The end of the exponent that starts at `i`, or `i` itself when no complete
// exponent ("e", sign, digits) stands there.
int exponentEinde(const QString &tekst, int i) {
    if (i >= tekst.size() || tekst[i].toLower() != QLatin1Char('e')) return i;
    int j = i + 1;
    if (j < tekst.size() && isTeken(tekst[j])) ++j;
    const int einde = slaCijfersOver(tekst, j);
    return einde > j ? einde : i;
}

} // namespace

double LeesGetal(const QString &tekst) {
    int begin = 0;
    while (begin < tekst.size() && isBlanco(tekst[begin]))
        ++begin;
    int i = begin;
    if (i < tekst.size() && isTeken(tekst[i])) ++i;
    const int cijfersBegin = i;
    i = slaCijfersOver(tekst, i);
    int cijfers = i - cijfersBegin;
    if (i < tekst.size() && isDecimaalTeken(tekst[i])) {
        const int breuk = i + 1;
        i = slaCijfersOver(tekst, breuk);
        cijfers += i - breuk;
    }
    if (cijfers == 0) return 0;
    i = exponentEinde(tekst, i);
    // The C locale's conversion: an overflow gives an infinity, an underflow 0.
    QString getal = tekst.mid(begin, i - begin);
    getal.replace(QLatin1Char(','), QLatin1Char('.'));
    return QLocale::c().toDouble(getal);
}

QString GetalPatroon(double waarde, const QLocale &locale) {
    if (!std::isfinite(waarde)) return {};
    const double afgerond = std::round(waarde);
    if (afgerond == 0) return {};
    const QString cijfers = QString::number(std::fabs(afgerond), 'f', 0);
    QString tekst;
    for (int i = 0; i < cijfers.size(); ++i) {
        if (i > 0 && (cijfers.size() - i) % 3 == 0) tekst += locale.groupSeparator();
        tekst += cijfers[i];
    }
    return afgerond < 0 ? QLatin1Char('-') + tekst : tekst;
}

QString StandaardTekst(double waarde, const QLocale &locale, int cijfers) {
    if (!std::isfinite(waarde)) return {};
    if (waarde == 0) return QStringLiteral("0"); // also for -0
    // 'g' switches to the exponent form exactly where the default conversion does:
    // below 1E-04 and from 1E+cijfers on.
    QString tekst = QString::number(waarde, 'g', cijfers);
    tekst.replace(QLatin1Char('e'), QLatin1Char('E'));
    tekst.replace(QLatin1Char('.'), locale.decimalPoint());
    return tekst;
}
