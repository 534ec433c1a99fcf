#pragma once

#include <QLocale>
#include <QString>

// How the side tools read numbers from text fields and write them back.

// The leading-number rule: leading blanks are skipped and the longest leading decimal
// number is taken (optional sign, digits, a point or a comma as the decimal separator,
// optional exponent); text that does not start with a number reads as 0. "9,5" and
// "9.5" both read 9.5; a second separator ends the number ("1,5,3" reads 1.5), and
// there are no thousands separators ("1.000" reads 1). The locale plays no part. A number too large
// to hold reads as an infinity, so that a calculation with it can tell that it has no answer.
double LeesGetal(const QString &tekst);

// The pattern "#,###,###": rounded to a whole number (halves away from zero), digits
// grouped by three with the locale's group separator, a minus sign before a negative
// value. A value that rounds to 0, and a value that is not a finite number, give an
// empty text.
QString GetalPatroon(double waarde, const QLocale &locale);

// Significant digits of the default conversion of a double and of a single-precision
// number.
constexpr int kDubbelCijfers = 15;
constexpr int kEnkelCijfers = 7;

// The default conversion of a number to text: up to `cijfers` significant digits, the
// locale's decimal separator, "0" before the separator for values below 1, no group
// separators, and the form "1.5E+15" / "1E-05" for very large and very small values.
// A value that is not a finite number gives an empty text: the tools never show
// "inf" or "nan".
QString StandaardTekst(double waarde, const QLocale &locale, int cijfers = kDubbelCijfers);
