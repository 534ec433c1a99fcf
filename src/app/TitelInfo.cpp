#include "app/TitelInfo.h"

#include "app/VersieStempel.h"

#include <QFileInfo>

#include <cmath>

namespace TitelInfo {

const QString kMakerRegel = QStringLiteral("Het Voltarix Project\n"
                                           "Vrije software voor het tekenen\n"
                                           "van elektronische schakelingen\n"
                                           "Mail :");
const QString kMailAdres = QStringLiteral("voltarix@example.org");

namespace {

const QString kRegelEinde = QStringLiteral("\r\n");

// The locale's time format with seconds but without the time zone that its long form
// carries ("HH:mm:ss t"); quoted literal text is left as it is.
QString tijdMetSeconden(const QLocale &locale) {
    const QString lang = locale.timeFormat(QLocale::LongFormat);
    QString formaat;
    bool geciteerd = false;
    for (const QChar teken : lang) {
        if (teken == QLatin1Char('\'')) geciteerd = !geciteerd;
        if (geciteerd || teken != QLatin1Char('t')) formaat += teken;
    }
    return formaat.trimmed();
}

} // namespace

Gegevens verzamel(const QString &programma, QSize scherm, int dpi) {
    Gegevens gegevens;
    gegevens.scherm = scherm;
    gegevens.Dpi = dpi;
    const QFileInfo bestand(programma);
    if (!bestand.isFile()) {
        gegevens.versie = QStringLiteral("Error");
        return gegevens;
    }
    gegevens.versie = VersieStempel::GetFileVersion(programma);
    gegevens.grootte = bestand.size();
    const QDateTime datum = bestand.lastModified();
    if (datum.isValid()) gegevens.datum = datum;
    return gegevens;
}

QString informatieTekst(const Gegevens &gegevens, const QLocale &locale) {
    QStringList regels{
        QStringLiteral("Voltarix: schakelingen tekenen met bouwstenen,"),
        QStringLiteral("een vrij programma van het Voltarix Project."),
        QStringLiteral("For 32-bit computers with Windows Development."),
        QString(),
        QStringLiteral("Version number : ") + gegevens.versie,
        QStringLiteral("Filesize............. : ") +
            (gegevens.grootte ? grootteTekst(*gegevens.grootte, locale) : QString()) +
            QStringLiteral(" Bytes"),
    };
    if (gegevens.datum)
        regels << QStringLiteral("Filedate............ : ") + datumTekst(*gegevens.datum, locale);
    regels << QStringLiteral("Screen............. : %1 x %2 Pixels")
                  .arg(gegevens.scherm.width())
                  .arg(gegevens.scherm.height())
           << QStringLiteral("Dpi................... : %1 Dots per Inch").arg(gegevens.Dpi)
           << QStringLiteral("Time / Date..... :");
    return regels.join(kRegelEinde);
}

QString grootteTekst(qint64 bytes, const QLocale &locale) {
    if (bytes == 0) return QString();
    // The C locale leaves the separator out by default; "###,###" always groups.
    QLocale groeperend = locale;
    groeperend.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return groeperend.toString(bytes);
}

QString datumTekst(const QDateTime &moment, const QLocale &locale) {
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), tijdMetSeconden(locale));
}

int dpiVan(double logischeDpi, double bureaubladSchaal) {
    return int(std::lround(logischeDpi * bureaubladSchaal));
}

QString dpiWaarschuwing(int dpi, double eigenFactor) {
    if (dpi == kStandaardDpi) return QString();
    QString tekst =
        QStringLiteral("Uw beeldscherm is ingesteld op %1 DPI (Dots Per Inch)\n"
                       "wijzig dit naar 96 DPI. Klik met de rechtermuisknop op het\n"
                       "bureaublad van uw scherm, klik op Eigenschappen / Instellingen\n"
                       "dan geavanceerd en wijzig de DPI instelling.")
            .arg(dpi);
    if (eigenFactor > 0)
        tekst += QStringLiteral("\nVoltarix toont zich daarom op %1 %, zodat alles op het "
                                "scherm past.")
                     .arg(std::lround(eigenFactor * 100));
    return tekst;
}

QString klokTekst(const QDateTime &moment, const QLocale &locale) {
    return QLatin1Char(' ') + moment.time().toString(QStringLiteral("h:mm:ss")) +
           QStringLiteral(" / ") + locale.toString(moment.date(), QLocale::ShortFormat);
}

} // namespace TitelInfo
