#pragma once

#include <QLine>
#include <QLocale>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVector>

// The circuit the LED calculator works out: one LED, several LEDs in parallel
// sharing one resistor, or several LEDs in series.
enum class LedModus { Single = 0, Parallel = 1, Serie = 2 };

// The four input fields as the user typed them.
struct LedInvoer {
    QString voeding = QStringLiteral("9");     // supply voltage Vs, volt
    QString ledSpanning = QStringLiteral("2"); // forward voltage Vf of one LED, volt
    QString ledStroom = QStringLiteral("20");  // current I of one LED, milliampere
    QString aantal = QStringLiteral("1");      // number of LEDs N
};

// The three result texts.
struct LedUitkomst {
    QString weerstandTekst; // ohm, as "#,###,###"
    QString wattTekst;      // supply voltage times total current, watt
    QString stroomTekst;    // total current, ampere
};

// The schematic of the window, in its pixels: the LED pictures drawn on it (top-left
// corners) and where its movable parts stand. The fixed parts (supply terminal,
// resistor and the wires between them) are always there.
struct LedSchema {
    enum class Led { Staand, Liggend }; // the series picture, the parallel picture
    Led soort = Led::Staand;
    QVector<QPoint> leds;
    // The wire that the mode and the count move: the stub before the ground terminal,
    // and after a parallel calculation the rail over the LEDs' "+" legs.
    QLine draad;
    QLine massaDraad; // the ground rail under the parallel LEDs
    bool massaDraadZichtbaar = false;
    QPoint massaPunt;  // ground terminal, left and top
    QPoint massaTekst; // ground label, left and top
};

constexpr QSize kSchemaMaat{474, 189}; // 7110 x 2835 twips
constexpr QSize kLedMaat{50, 50};

// The LED calculator without its window. The form hands it the field texts at
// "Calculate" and shows the results and the schematic it keeps.
class LedCalcModel {
public:
    // The locale gives the group and decimal separators of the results.
    explicit LedCalcModel(const QLocale &locale);

    // An option button: clears the results and shows the empty schematic of the mode.
    void kiesModus(LedModus modus);
    // "Calculate". An empty field or one reading exactly "0" changes nothing.
    void bereken(const LedInvoer &invoer);

    LedModus modus() const { return modus_; }
    // The LED count field and its label are shown except in mode Single.
    bool aantalZichtbaar() const { return modus_ != LedModus::Single; }
    const LedUitkomst &uitkomst() const { return uitkomst_; }
    const LedSchema &schema() const { return schema_; }

private:
    struct Getallen {
        double vs, vf, stroom, aantal;
    };
    void berekenSingle(const Getallen &g);
    void berekenParallel(const Getallen &g);
    void berekenSerie(const Getallen &g);
    void toonUitkomst(double deler, double weerstand, double watt, double ampere);
    void wisUitkomst();

    QLocale locale_;
    LedModus modus_ = LedModus::Single;
    LedUitkomst uitkomst_;
    LedSchema schema_;
};
