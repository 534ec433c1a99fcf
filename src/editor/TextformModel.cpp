#include "editor/TextformModel.h"

#include "symbols/Symbool.h"

#include <cmath>

TextformModel::TextformModel() : weerPic_(kSymboolGrootte, kSymboolGrootte, Surface::kWhite) {
    weerPic_.drawText(int(positie_.x()), int(positie_.y()), code_, letter());
}

Surface::TextStyle TextformModel::letter() {
    Surface::TextStyle stijl;
    stijl.family = QStringLiteral("Arial");
    stijl.pointSize = 9.75;
    stijl.bold = true;
    stijl.colour = qRgb(0, 0, 0);
    return stijl;
}

int TextformModel::breedte(const QString &code) {
    return Surface::textSize(code, letter()).width();
}

void TextformModel::zetCode(const QString &code) {
    code_ = code.left(kMaxTekens);
    teken(kMidden);
}

void TextformModel::zetHoogte(int index) {
    if (index < 0 || index > 2) return;
    teken(kHoogtes[index]);
}

// Centred on column 25: a code of odd width stands half a pixel off, and lands on
// the whole pixel to the left of that.
void TextformModel::teken(double y) {
    positie_ = QPointF(25 - breedte(code_) / 2.0, y);
    weerPic_.clear();
    weerPic_.drawText(int(std::floor(positie_.x())), int(positie_.y()), code_, letter());
}

void TextformModel::Transfer(Surface &IconPic) const {
    IconPic.copyFrom(weerPic_, weerPic_.rect(), QPoint(0, 0));
}
