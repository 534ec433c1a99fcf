#include "tools/SegmentTabel.h"

namespace SegmentTabel {

namespace {

constexpr std::array<int, 8> kPinVanSegment{7, 6, 4, 2, 1, 9, 10, 5};

constexpr std::array<const char *, kKnoppen> kKnopSegmenten{
    "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg", "p"};

QVector<QLine> stukken(std::initializer_list<std::array<int, 4>> lijnen) {
    QVector<QLine> draad;
    for (const auto &l : lijnen)
        draad.append(QLine(l[0], l[1], l[2], l[3]));
    return draad;
}

const std::array<QVector<QLine>, kPinnen> &draden() {
    static const std::array<QVector<QLine>, kPinnen> tabel{
        stukken({{540, 2850, 540, 3600},
                 {525, 3600, 2640, 3600},
                 {2640, 3600, 3600, 3000},
                 {4770, 3000, 6000, 3000}}), // pin 1
        stukken({{795, 2850, 795, 3450},
                 {780, 3450, 2520, 3450},
                 {2520, 3450, 3600, 2790},
                 {4770, 2790, 6000, 2790}}), // pin 2
        stukken({{1050, 2850, 1050, 3300},
                 {1035, 3300, 2400, 3300},
                 {2400, 3300, 3600, 2580},
                 {3600, 2580, 6300, 2580},
                 {6300, 2580, 6300, 1515}}), // pin 3, common
        stukken({{1305, 2850, 1305, 3150},
                 {1290, 3150, 2280, 3150},
                 {2280, 3150, 3600, 2370},
                 {4770, 2370, 6000, 2370}}), // pin 4
        stukken({{1560, 2850, 1560, 3000},
                 {1545, 3000, 2160, 3000},
                 {2160, 3000, 3600, 2160},
                 {4770, 2160, 6000, 2160}}), // pin 5
        stukken({{1560, 900, 1560, 990},
                 {1545, 900, 2160, 900},
                 {2160, 900, 3600, 1950},
                 {4770, 1950, 6000, 1950}}), // pin 6
        stukken({{1305, 750, 1305, 990},
                 {1290, 750, 2220, 750},
                 {2220, 750, 3600, 1740},
                 {4770, 1740, 6000, 1740}}), // pin 7
        stukken({{1050, 600, 1050, 990},
                 {1035, 600, 2280, 600},
                 {2280, 600, 3600, 1530},
                 {3600, 1530, 6600, 1530}}), // pin 8, common
        stukken({{795, 450, 795, 990},
                 {780, 450, 2340, 450},
                 {2340, 450, 3600, 1320},
                 {4770, 1320, 6000, 1320}}), // pin 9
        stukken({{540, 300, 540, 990},
                 {525, 300, 2400, 300},
                 {2400, 300, 3600, 1110},
                 {4770, 1110, 6000, 1110}}), // pin 10
    };
    return tabel;
}

} // namespace

int pinVan(char segment) {
    for (size_t i = 0; i < kSegmenten.size(); ++i)
        if (kSegmenten[i] == segment) return kPinVanSegment[i];
    return 0;
}

QString segmentenVan(int knop) {
    if (knop < 0 || knop >= kKnoppen) return {};
    return QString::fromLatin1(kKnopSegmenten[size_t(knop)]);
}

QVector<int> pinnenVan(int knop) {
    QVector<int> pinnen;
    for (const QChar segment : segmentenVan(knop))
        pinnen.append(pinVan(segment.toLatin1()));
    return pinnen;
}

bool isSegmentPin(int pin) {
    return pin >= 1 && pin <= kPinnen && pin != 3 && pin != 8;
}

const QVector<QLine> &draad(int pin) {
    static const QVector<QLine> geen;
    if (pin < 1 || pin > kPinnen) return geen;
    return draden()[size_t(pin - 1)];
}

const std::array<QLine, 2> &stijglijn() {
    static const std::array<QLine, 2> rail{QLine(6000, 1110, 6000, 3390),
                                           QLine(6000, 3390, 6300, 3390)};
    return rail;
}

QRect weerstandPlaats(int pin) {
    return QRect(3600, 1005 + 210 * (10 - pin), 1200, 165);
}

} // namespace SegmentTabel
