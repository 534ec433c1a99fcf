#pragma once

#include "ui/Surface.h"

#include <QPointF>
#include <QString>

// The text block of the dialog Textform: a short component code such as "R 1" drawn
// into a 49 x 49 picture, WeerPic, that becomes the current symbol. The code stands
// centred on the block's column 25, at the top, in the middle or at the bottom.
class TextformModel {
public:
    static constexpr int kMaxTekens = 6;
    // The three positions of the position buttons: "Boven", "Midden", "Onderen".
    static constexpr int kHoogtes[3] = {2, 16, 31};
    static constexpr int kMidden = 16;

    // A new dialog: the sample "R 1" at (14, 16).
    TextformModel();

    // The code box changed: the code is drawn centred, in the middle (a code box holds
    // at most six characters; more are cut off).
    void zetCode(const QString &code);
    // A position button: the code at that height, for this drawing only.
    void zetHoogte(int index);
    // "Transfer": the whole block becomes the current symbol.
    void Transfer(Surface &IconPic) const;

    const QString &code() const { return code_; }
    // Where the code's top-left corner stands; x is fractional for a code of odd width.
    QPointF positie() const { return positie_; }
    Surface &WeerPic() { return weerPic_; }
    const Surface &WeerPic() const { return weerPic_; }

    // Arial bold 9.75 points in black.
    static Surface::TextStyle letter();
    // The width of a code in that letter, in whole pixels.
    static int breedte(const QString &code);

private:
    void teken(double y);

    Surface weerPic_;
    QString code_ = QStringLiteral("R 1");
    QPointF positie_{14, kMidden};
};
