#pragma once

#include <QPoint>
#include <QString>

#include <vector>

// The contact grid of both boards: the centres of the holes lie on x = 196 + 20k
// and y = 146 + 20m; (196, 146) is the first hole of the top power rail.
constexpr int kContactX0 = 196;
constexpr int kContactY0 = 146;
constexpr int kHolePitch = 20;
constexpr int kHoleSize = 13; // a hole at (x, y) covers x .. x + 12, y .. y + 12

// Every figure of one board size, as the drawing uses it. Positions are pixels of
// the breadboard sheet; a hole is named by the top-left corner of its square.
struct BoardGeometry {
    QPoint faceBottomRight;    // the face runs from (100, 90) to here
    int lastColumnX;           // columns at 190, 210, ... up to here
    int lastUpperRowY;         // upper block rows at 180, 200, ... up to here
    int lowerRowOffset;        // a lower block row lies this far below its upper row
    char firstLowerLetter;     // letter of the first lower row
    int topRailY;              // power rail "X"
    int bottomRailY;           // power rail "Y"
    std::vector<int> railGaps; // columns without rail holes
    int rightLetterX;          // letters stand at x = 173 and here
    int lowerRulerY;           // column numbers at (273, 160) and (273, lowerRulerY)
    QString columnNumbers;     // the ruler text, blanks included
    int railLineEnd;           // rail lines run from x = 196 to here
    int channelTop;            // the centre channel's upper edge row
    int channelEnd;            // channel lines run from x = 172 to here
    int rightEdgeBottom;       // the right edge strip ends here (and the notch starts)
    QPoint logo;               // top-left corner of the logo
    std::vector<QPoint> mountingHoles;

    int columnCount() const { return (lastColumnX - 190) / kHolePitch + 1; }
    int upperRowCount() const { return (lastUpperRowY - 180) / kHolePitch + 1; }
    int channelMirror() const { return 2 * channelTop + 22; } // row y mirrors to this − y
    int faceRight() const { return faceBottomRight.x(); }
    int faceBottom() const { return faceBottomRight.y(); }

    static const BoardGeometry &klein();
    static const BoardGeometry &groot();
    static const BoardGeometry &voor(bool BBgroot) { return BBgroot ? groot() : klein(); }
};
