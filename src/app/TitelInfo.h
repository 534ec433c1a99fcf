#pragma once

#include <QDateTime>
#include <QLocale>
#include <QSize>
#include <QString>

#include <optional>

// The texts of the title screen: who made the program, the information text about
// the program's own executable and the screen, the DPI warning and the clock.
// Everything they show is passed in, so that they read the same in every test.
namespace TitelInfo {

// The screen DPI that the main window's layout was made for (15 twips to a pixel).
constexpr int kStandaardDpi = 96;

// The maker's line at the top left and the address that a click on it mails to.
extern const QString kMakerRegel;
extern const QString kMailAdres;

// What the title screen tells about the program file and the screen.
struct Gegevens {
    QString versie;                 // four numbers joined by dots, or "Error"
    std::optional<qint64> grootte;  // the file's length in bytes
    std::optional<QDateTime> datum; // the file's last change
    QSize scherm;                   // the screen in pixels
    int Dpi = kStandaardDpi;
};

// Looks at the program file: a missing file gives the version "Error" and neither size
// nor date; a file without a version stamp gives "Error" with its size and date.
Gegevens verzamel(const QString &programma, QSize scherm, int dpi);

// The information text, line by line, each line but the last closed by CR LF. A
// missing size leaves the size line without a number; a missing date leaves the date
// line out.
QString informatieTekst(const Gegevens &gegevens, const QLocale &locale);

// A size in the pattern "###,###": the thousands grouped by the locale's separator,
// and no digit at all for 0.
QString grootteTekst(qint64 bytes, const QLocale &locale);

// A moment in the locale's short date and its time with seconds.
QString datumTekst(const QDateTime &moment, const QLocale &locale);

// The screen's DPI as the title screen reports it: the logical DPI times the
// desktop's scale (its device-pixel ratio), rounded; 120 on a desktop at 125 %.
int dpiVan(double logischeDpi, double bureaubladSchaal = 1.0);

// The warning for a screen that is not set to 96 DPI; empty at 96 DPI. When the
// program chose a scale of its own (`eigenFactor` above 0), one more line says so.
QString dpiWaarschuwing(int dpi, double eigenFactor = 0);

// The clock: a blank, the time "h:mm:ss", " / " and the locale's short date.
QString klokTekst(const QDateTime &moment, const QLocale &locale);

} // namespace TitelInfo
