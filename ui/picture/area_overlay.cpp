#include "ui/picture/area_overlay.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/main_window/canvas_view.h"
#include "ui/picture/page_render.h"
#include "ui/picture/picture_texts.h"

namespace picture {
namespace {

constexpr int veil_alpha = 150;
constexpr int frame_width = 2;

}  // namespace

AreaOverlay::AreaOverlay(CanvasView& canvas)
    : QDialog(&canvas, Qt::FramelessWindowHint | Qt::Dialog),
      frozen_(QPixmap::fromImage(render_visible(canvas, canvas.viewport()->rect()))) {
    setWindowTitle(QString::fromUtf8(texts::area_title));
    setModal(true);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(QRect(canvas.viewport()->mapToGlobal(QPoint(0, 0)), canvas.viewport()->size()));
}

void AreaOverlay::mousePressEvent(QMouseEvent* event) {
    start_ = current_ = event->position().toPoint();
    selection_ = QRect();
    update();
}

void AreaOverlay::mouseMoveEvent(QMouseEvent* event) {
    current_ = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton) {
        const Area area = between(start_.x(), start_.y(), current_.x(), current_.y());
        selection_ = QRect(area.x, area.y, area.width, area.height);
    }
    update();
}

void AreaOverlay::mouseReleaseEvent(QMouseEvent*) { accept(); }

void AreaOverlay::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        selection_ = QRect();
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AreaOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, frozen_);
    painter.fillRect(rect(), QColor(0, 0, 0, veil_alpha));
    if (!selection_.isEmpty()) {
        painter.drawPixmap(selection_.topLeft(), frozen_, selection_);
        painter.setPen(QPen(Qt::red, frame_width));
        painter.drawRect(selection_);
    }
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(0, current_.y(), width(), current_.y());
    painter.drawLine(current_.x(), 0, current_.x(), height());
}

}  // namespace picture
