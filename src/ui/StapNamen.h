#pragma once

#include <QString>

// The names of the steps of the histories, as the Undo and Redo items name them
// ("Ongedaan maken: draad").
namespace StapNamen {

// The design sheet.
inline const QString kBlokPlaatsen = QStringLiteral("blok plaatsen");
inline const QString kBlokWissen = QStringLiteral("blok wissen");
inline const QString kVerschuiven = QStringLiteral("verschuiven");
// The breadboard.
inline const QString kDraad = QStringLiteral("draad");
inline const QString kGummen = QStringLiteral("gummen");
inline const QString kTekst = QStringLiteral("tekst");
inline const QString kOnderdeel = QStringLiteral("onderdeel");
inline const QString kBordGrootte = QStringLiteral("bordgrootte");
inline const QString kNieuwBreadboard = QStringLiteral("nieuw breadboard");
// Both sheets.
inline const QString kNieuwOntwerp = QStringLiteral("nieuw ontwerp");
inline const QString kKnippen = QStringLiteral("knippen");
inline const QString kPlakken = QStringLiteral("plakken");
inline const QString kVerplaatsen = QStringLiteral("verplaatsen");
inline const QString kVerwijderen = QStringLiteral("verwijderen");
// The symbol designer.
inline const QString kTekenen = QStringLiteral("tekenen");
inline const QString kVierkant = QStringLiteral("vierkant");
inline const QString kCirkel = QStringLiteral("cirkel");
inline const QString kDraaien = QStringLiteral("draaien");
inline const QString kSpiegelen = QStringLiteral("spiegelen");
inline const QString kVullen = QStringLiteral("vullen");
inline const QString kSchuiven = QStringLiteral("schuiven");
inline const QString kNegatief = QStringLiteral("negatief");

// The items' tooltips.
inline QString undoTekst(const QString &naam) {
    return QStringLiteral("Ongedaan maken: ") + naam;
}
inline QString redoTekst(const QString &naam) {
    return QStringLiteral("Opnieuw: ") + naam;
}

} // namespace StapNamen
