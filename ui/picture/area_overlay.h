#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QRect>

class CanvasView;

namespace picture {

// The selection of an area of the visible page: a borderless window lying
// exactly over the canvas's visible area, showing it as drawn when the window
// opened under a dark veil. Dragging with the left button selects a rectangle
// (shown without the veil, framed in red); white lines cross at the pointer.
// Releasing any button ends the selection (Accepted); Escape closes without
// one (Rejected).
class AreaOverlay : public QDialog {
    Q_OBJECT
public:
    explicit AreaOverlay(CanvasView& canvas);

    // The selection in the coordinates of the canvas's viewport (empty when
    // none was dragged). It may reach beyond the visible area when the
    // pointer left the window while dragging.
    QRect selection() const { return selection_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap frozen_;
    QPoint start_;
    QPoint current_;
    QRect selection_;
};

}  // namespace picture
