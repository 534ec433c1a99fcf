#include "board/BoardGeometry.h"

namespace {

// The ruler texts, blanks included: with the board's font each number stands over
// its column.
const QString kNumbers5to15 = QStringLiteral("5                      10                      15");
const QString kNumbersKlein = kNumbers5to15 + QStringLiteral("                     20");
const QString kNumbersGroot = kNumbers5to15 +
                              QStringLiteral("                     20                      25") +
                              QStringLiteral("                     30                      35");

} // namespace

const BoardGeometry &BoardGeometry::klein() {
    static const BoardGeometry board{
        {730, 500},
        630,
        260,
        140,
        'F',
        140,
        440,
        {290, 410, 530},
        650,
        420,
        kNumbersKlein,
        637,
        285,
        658,
        485,
        {675, 230},
        {{125, 153}, {125, 413}, {680, 153}, {680, 413}},
    };
    return board;
}

const BoardGeometry &BoardGeometry::groot() {
    static const BoardGeometry board{
        {970, 580},
        870,
        300,
        180,
        'H',
        140,
        520,
        {290, 410, 530, 650, 770},
        890,
        500,
        kNumbersGroot,
        877,
        325,
        898,
        565,
        {915, 270},
        {{125, 153}, {125, 493}, {920, 153}, {920, 493}},
    };
    return board;
}
