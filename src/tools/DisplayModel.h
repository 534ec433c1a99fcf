#pragma once

#include "tools/SegmentTabel.h"

#include <QLocale>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class Platform;

// The 7-segment trainer without its window. It is idle (everything off) or holding a
// digit, the decimal point or the segment names for the hold time; holding always
// ends idle. The hold is the platform's responsive wait, so another button can be
// pressed during it: that press runs at once, nested in the first.
class DisplayModel {
public:
    static constexpr int kMinWachttijd = 1, kMaxWachttijd = 10;

    explicit DisplayModel(Platform &platform);

    // A digit button (0 .. 9) or "dp" (10): lights its segments, holds them for the
    // hold time and switches everything off. Ignored while the buttons are disabled.
    void toonKnop(int knop);
    // "Segment": the segment letters for the hold time, with every button disabled.
    void toonSegmentNamen();
    // "Play": the buttons 1 .. 9 and then "dp", each held and switched off in turn,
    // with every button disabled.
    void speel();
    // The hold time in seconds (the slider, 1 to 10).
    void zetWachttijd(int seconden);
    // The window closes: a running "Play" stops after the hold it is in, rather than
    // running on unseen.
    void sluit() { gesloten_ = true; }

    // The picture the display shows: 0 .. 10, SegmentTabel::kPlaatjeUit or kPlaatjeAbc.
    int plaatje() const { return plaatje_; }
    // A lit pin: its wire is red up to its resistor, which carries current.
    bool pinAan(int pin) const { return pin >= 1 && pin <= 10 && aan_[size_t(pin)]; }
    bool knoppenAan() const { return knoppenAan_; }
    bool bezig() const { return bezig_; } // the busy pointer
    bool houdt() const { return houdt_ > 0; }
    int wachttijd() const { return wachttijd_; }
    QString wachttijdTekst() const { return QStringLiteral("Delay :%1").arg(wachttijd_); }

    // Called after every change of what the window shows.
    std::function<void()> veranderd;

private:
    void houdVast(int knop);
    void schakelUit();
    void blokkeer(bool blokkeren);
    void meld() const;

    Platform &platform_;
    int plaatje_ = SegmentTabel::kPlaatjeUit;
    std::array<bool, 11> aan_{}; // by pin number; index 0 unused
    bool knoppenAan_ = true;
    bool bezig_ = false;
    bool gesloten_ = false;
    int houdt_ = 0;
    int wachttijd_ = 2;
};

// The value of the segment resistors R1 .. R8 as the label shows it: " " and the
// value in ohm, rounded to a whole number, without group separators ("1400"); " 0"
// for a value that rounds to 0, and an empty text when the current reads as zero.
// Nothing when the segment voltage or current field is empty or exactly "0": the
// shown value then stays. The supply is not tested.
std::optional<QString> SegmentWeerstand(const QString &voeding, const QString &spanning,
                                        const QString &stroom, const QLocale &locale);
