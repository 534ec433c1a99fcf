#pragma once

#include <QString>

#include <array>

// The base-2 notation of a number's absolute value, without leading zeros: 0 gives
// "0", 5 gives "101". Only the whole part counts as bits; a value that is not a
// finite number gives an empty text.
QString Bin(double x);

// The byte of the bits-and-bytes tool: eight bits that the user switches on and off,
// and the two texts that show their value.
class BitsModel {
public:
    // The bit weights in the order of the buttons, left to right.
    static constexpr std::array<int, 8> kGewichten{128, 64, 32, 16, 8, 4, 2, 1};

    // Switches the bit of this weight; a weight that is not a bit changes nothing.
    void schakel(int gewicht);
    // Clears every bit and both texts.
    void reset();

    bool gezet(int gewicht) const;
    // The caption of the bit's button: "X" for a set bit, empty for a cleared one.
    QString opschrift(int gewicht) const {
        return gezet(gewicht) ? QStringLiteral("X") : QString();
    }
    double waarde() const { return waarde_; }
    // The decimal value and the base-2 notation, each after a space; both empty until
    // the first bit is switched.
    const QString &decimaal() const { return decimaal_; }
    const QString &binair() const { return binair_; }

private:
    static int bitVan(int gewicht);

    unsigned bits_ = 0;
    double waarde_ = 0;
    QString decimaal_, binair_;
};
