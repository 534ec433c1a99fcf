#pragma once

#include "ui/Zoom.h"

#include <QPoint>
#include <QRect>
#include <QVector>
#include <QWidget>

#include <functional>

class QScrollBar;
class Surface;

// Shows a picture surface and reports the mouse in its pixels. The view holds no
// pixels of its own: it repaints whenever the surface changes, drawing the part that
// shows straight from the surface.
//
// A zoomable view (the main window's sheets) shows its surface enlarged 1 to 8 times,
// each pixel a whole block of screen pixels, and scrolls the part that does not fit:
// scroll bars, the wheel (Shift: left and right), a drag with the middle button or with
// Space held. Ctrl and the wheel zoom around the pointer. Whatever the zoom, the
// signals give the surface's pixel under the pointer.
class SheetView : public QWidget {
    Q_OBJECT
public:
    explicit SheetView(Surface &surface, QWidget *parent = nullptr);
    ~SheetView() override;

    Surface &surface() { return surface_; }
    // A dashed outline drawn over the picture, never into it; an empty one is none.
    void zetRand(const QRect &rand);
    QRect rand() const { return rand_; }
    // Squares of the picture marked over it, never in it: the holes that the board
    // joins to the one under the pointer.
    void zetMarkering(const QVector<QRect> &vakken);
    const QVector<QRect> &markering() const { return markering_; }
    // A tooltip for a pixel of the picture, shown while the pointer stays within `vak`
    // (a rectangle of the picture); an empty text shows none.
    struct Tip {
        QString tekst;
        QRect vak;
    };
    void zetTip(std::function<Tip(QPoint pixel)> tip) { tip_ = std::move(tip); }
    // The keys held at the last mouse event, Shift among them.
    Qt::KeyboardModifiers toetsen() const { return toetsen_; }

    void zetZoombaar(bool zoombaar) { zoombaar_ = zoombaar; }
    // The rows at the top that other controls cover: the vertical bar starts below them.
    void zetBedekt(int rijen) {
        bedekt_ = rijen;
        zetBalken();
    }
    int zoom() const { return zoom_; }
    // To a step of Zoom::kStappen, keeping the picture's pixel under `rond` (a point of
    // the view) where it is.
    void zetZoom(int factor, QPoint rond);
    void zetZoom(int factor) { zetZoom(factor, beeldVak().center()); }
    // One step up (> 0) or down (< 0).
    void zoomStap(int stap, QPoint rond) { zetZoom(Zoom::stap(zoom_, stap), rond); }
    void zoomStap(int stap) { zoomStap(stap, beeldVak().center()); }
    // Screen pixels from the picture's top-left corner to the view's.
    QPoint scroll() const;
    void zetScroll(QPoint scroll);

    // The picture's pixel under a point of the view, and the part of the view that
    // shows a rectangle of the picture.
    QPoint naarBlad(QPoint inView) const;
    QRect naarView(const QRect &blad) const;
    // The part of the view that shows the picture (the rest holds the scroll bars).
    QRect beeldVak() const;

signals:
    void pressed(Qt::MouseButton button, int x, int y);
    // `held` is the set of buttons held during the move (none while hovering).
    void moved(Qt::MouseButtons held, int x, int y);
    void released(Qt::MouseButton button, int x, int y);
    // The pointer left the view.
    void verlaten();
    // The zoom or the scroll changed: what floats over the picture moves with it.
    void beeldVerschoven();
    void zoomVeranderd(int factor);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void maakScrollBalken();
    void zetBalken();
    bool kanSchuiven() const;
    void tekenOverlay(QPainter &painter) const;
    void updateBlad(const QRect &blad);

    Surface &surface_;
    QRect rand_;
    QVector<QRect> markering_;
    std::function<Tip(QPoint)> tip_;
    Qt::KeyboardModifiers toetsen_;

    bool zoombaar_ = false;
    int bedekt_ = 0;
    int zoom_ = 1;
    QScrollBar *horizontaal_ = nullptr, *verticaal_ = nullptr;
    int wielZoom_ = 0; // the wheel's turn towards the next zoom step
    // A pan: from a press of the middle button, or of the left one with Space held.
    bool spatie_ = false;
    Qt::MouseButton pannen_ = Qt::NoButton;
    QPoint panVan_, panScroll_;
    bool panBewogen_ = false;
};
