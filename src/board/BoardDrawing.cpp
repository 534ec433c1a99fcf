#include "board/BoardDrawing.h"

#include "board/BoardGeometry.h"
#include "board/BoardPictures.h"
#include "board/Gaten.h"
#include "ui/Surface.h"

namespace {

void drawFace(Surface &sheet, const BoardGeometry &board) {
    sheet.fillBox(100, 90, board.faceRight(), board.faceBottom(), grey(240));
    sheet.drawBox(100, 90, board.faceRight(), board.faceBottom(), grey(100));
}

void drawConnectionLines(Surface &sheet, const BoardGeometry &board) {
    sheet.drawLine(196, 146, board.railLineEnd, 146, grey(160));
    sheet.drawLine(196, board.bottomRailY + 6, board.railLineEnd, board.bottomRailY + 6, grey(160));
    const int offset = board.lowerRowOffset;
    const int stripEnd = board.lastUpperRowY + 6;
    for (int x = 196; x <= board.lastColumnX + 6; x += kHolePitch) {
        sheet.drawLine(x, 186, x, stripEnd, grey(160));
        sheet.drawLine(x, 186 + offset, x, stripEnd + offset, grey(160));
    }
}

void drawHolesAndLetters(Surface &sheet, const BoardGeometry &board,
                         const Surface::TextStyle &text) {
    // The holes that the editor looks up are the ones drawn.
    const Gaten gaten(board);
    for (const Gaten::Gat &gat : gaten.alle())
        tekenGat(sheet, gat.hoek.x(), gat.hoek.y());
    for (int y = 180; y <= board.lastUpperRowY; y += kHolePitch) {
        const int r = (y - 180) / kHolePitch;
        const QString upper(QChar('A' + r));
        const QString lower(QChar(board.firstLowerLetter + r));
        for (const int x : {173, board.rightLetterX}) {
            sheet.drawText(x, y, upper, text);
            sheet.drawText(x, y + board.lowerRowOffset, lower, text);
        }
    }
}

void drawEdgesAndChannel(Surface &sheet, const BoardGeometry &board) {
    const int right = board.faceRight() + 1;
    for (int y = 79; y <= 84; ++y) {
        sheet.drawLine(115, y, right, y, grey(160));
        sheet.drawLine(115, y + 5, right, y + 5, grey(230));
    }
    const int mirror = board.channelMirror();
    for (int y = board.channelTop; y <= board.channelTop + 11; ++y) {
        const QRgb colour = grey(130 + 10 * (y - board.channelTop));
        sheet.drawLine(172, y, board.channelEnd, y, colour);
        sheet.drawLine(172, mirror - y, board.channelEnd, mirror - y, colour);
    }
    for (int x = right + 5; x <= right + 10; ++x) {
        sheet.drawLine(x, 90, x, board.rightEdgeBottom, grey(160));
        sheet.drawLine(x - 5, 90, x - 5, board.rightEdgeBottom, grey(230));
    }
    const int notch = board.rightEdgeBottom; // the notch starts where the right edge ends
    sheet.fillBox(100, notch, 115, board.faceBottom(), qRgb(255, 255, 255));
    sheet.drawLine(100, notch, 115, notch, grey(100));
    sheet.drawLine(115, notch, 115, board.faceBottom() + 1, grey(100));
}

void drawTextsAndPictures(Surface &sheet, const BoardGeometry &board,
                          const Surface::TextStyle &text) {
    sheet.drawText(273, 160, board.columnNumbers, text);
    sheet.drawText(273, board.lowerRulerY, board.columnNumbers, text);
    for (const int x : {173, board.rightLetterX}) {
        sheet.drawText(x, board.topRailY, QStringLiteral("X"), text);
        sheet.drawText(x, board.bottomRailY, QStringLiteral("Y"), text);
    }
    const Surface logo(BoardPictures::logo());
    sheet.copyFrom(logo, logo.rect(), board.logo);
    const Surface hole(BoardPictures::bevestigingsGat());
    for (const QPoint corner : board.mountingHoles)
        sheet.copyFrom(hole, hole.rect(), corner);
}

} // namespace

Surface::TextStyle bordTekstStijl() {
    Surface::TextStyle style;
    style.family = QStringLiteral("Arial");
    style.pointSize = 9;
    style.bold = true;
    style.colour = grey(180);
    // The small extra spacing makes the blanks of the ruler texts put every number
    // over its column.
    style.letterSpacing = 0.65;
    return style;
}

void tekenGat(Surface &sheet, int x, int y) {
    sheet.drawBox(x, y, x + 12, y + 12, grey(180));
    sheet.drawBox(x + 1, y + 1, x + 11, y + 11, grey(120));
    sheet.drawBox(x + 2, y + 2, x + 10, y + 10, grey(80));
    sheet.drawBox(x + 3, y + 3, x + 9, y + 9, grey(40));
    sheet.fillBox(x + 4, y + 4, x + 8, y + 8, grey(250));
}

void tekenBreadboard(Surface &sheet, const BoardGeometry &board) {
    const Surface::TextStyle text = bordTekstStijl();
    sheet.setBackground(qRgb(255, 255, 255));
    sheet.clear();
    sheet.setDrawMode(Surface::DrawMode::Copy);
    sheet.setLineWidth(1);
    drawFace(sheet, board);
    drawConnectionLines(sheet, board);
    drawHolesAndLetters(sheet, board, text);
    drawEdgesAndChannel(sheet, board);
    drawTextsAndPictures(sheet, board, text);
}

void TekenKleinBord(Surface &sheet) {
    tekenBreadboard(sheet, BoardGeometry::klein());
}

void TekenGrootBord(Surface &sheet) {
    tekenBreadboard(sheet, BoardGeometry::groot());
}

void TekenBord(bool BBgroot, Surface &Pic2, Surface &GumPic) {
    tekenBreadboard(Pic2, BoardGeometry::voor(BBgroot));
    tekenBreadboard(GumPic, BoardGeometry::voor(BBgroot));
}
