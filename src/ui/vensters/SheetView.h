#pragma once

#include <QWidget>

class Surface;

// Shows a picture surface at its own size and reports the mouse in its pixels.
// The view holds no pixels of its own: it repaints whenever the surface changes.
class SheetView : public QWidget {
    Q_OBJECT
public:
    explicit SheetView(Surface &surface, QWidget *parent = nullptr);
    ~SheetView() override;

    Surface &surface() { return surface_; }
    // A dashed outline drawn over the picture, never into it; an empty one is none.
    void zetRand(const QRect &rand);
    QRect rand() const { return rand_; }
    // The keys held at the last press, Shift among them.
    Qt::KeyboardModifiers toetsen() const { return toetsen_; }

signals:
    void pressed(Qt::MouseButton button, int x, int y);
    // `held` is the set of buttons held during the move (none while hovering).
    void moved(Qt::MouseButtons held, int x, int y);
    void released(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Surface &surface_;
    QRect rand_;
    Qt::KeyboardModifiers toetsen_;
};
