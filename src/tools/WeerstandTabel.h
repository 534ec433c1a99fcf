#pragma once

#include <QRgb>
#include <QString>

#include <array>
#include <optional>

// One row of the resistor table: the value as it is written (a point as decimal
// separator) and the colour names of the three value bands.
struct WeerstandRij {
    QString waarde;
    QString band1; // first digit
    QString band2; // second digit
    QString band3; // multiplier
};

// The E12 series from 1 ohm to 82 megohm, 96 rows numbered 1 to 96: row
// 12 × decade + series index + 1.
class WeerstandTabel {
public:
    static constexpr int kRijen = 96;

    WeerstandTabel() { CodeWeerstanden(); }

    // (Re)fills every row; filling twice gives the same table.
    void CodeWeerstanden();

    // Row n, 1 to 96; a number outside that range gives the nearest row.
    const WeerstandRij &rij(int n) const;

    // " Ohm" up to row 36, " KOhm" from row 37 and " MOhm" from row 73.
    static QString eenheid(int n);

private:
    std::array<WeerstandRij, kRijen> rijen_;
};

// The colour of a band colour name ("Zwart" .. "Wit", "Goud"), compared exactly;
// nothing for a name that is not a band colour.
std::optional<QRgb> BandKleur(const QString &naam);
