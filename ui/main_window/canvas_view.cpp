#include "ui/main_window/canvas_view.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "ui/glue/scene_items.h"

CanvasView::CanvasView(QWidget* parent, TabPage shown) : QGraphicsView(parent) {
    show_page(shown);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setDragMode(QGraphicsView::NoDrag);
}

void CanvasView::show_page(TabPage page) {
    KeptScene& shown = pages_[static_cast<size_t>(page)];
    if (!shown.scene) {
        shown.scene = new QGraphicsScene(this);
        // Qt activates every item of a scene when its first view becomes
        // active, and deactivates them when the last one stops being active,
        // walking and sorting all items each time: at every page switch and
        // every change of the window's activation. The pages hold no panels
        // and no items that take focus, so each page scene counts as active
        // from the start and that walk never runs.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(shown.scene, &activate);
    }
    shown_ = &shown;
    if (shown.scene != scene()) setScene(shown.scene);
}

void CanvasView::release_hidden_pages() {
    for (KeptScene& page : pages_)
        if (page.scene && &page != shown_) {
            page.scene->deleteLater();
            page = KeptScene();
        }
}

void CanvasView::set_zoom_percent(int percent) {
    zoom_percent_ = percent;
    const double scale = percent / 100.0;
    setTransform(QTransform::fromScale(scale, scale));
    fit_scene();
}

void CanvasView::set_background(const QColor& colour) {
    setBackgroundBrush(colour);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colour);
    setPalette(palette);
}

void CanvasView::clear_scene() { glue::release_scene_items(*scene()); }

void CanvasView::rebuild(bool keep_scroll, int margin, bool draw_keeps_items,
                         const std::function<QPointF(QGraphicsScene&)>& draw) {
    const int scroll_x = keep_scroll ? horizontalScrollBar()->value() : 0;
    const int scroll_y = keep_scroll ? verticalScrollBar()->value() : 0;
    setUpdatesEnabled(false);
    if (!draw_keeps_items) clear_scene();
    shown_->far_corner = draw ? draw(*scene()) : QPointF();
    margin_ = margin;
    fit_scene();

    horizontalScrollBar()->setValue(std::clamp(scroll_x, 0, horizontalScrollBar()->maximum()));
    verticalScrollBar()->setValue(std::clamp(scroll_y, 0, verticalScrollBar()->maximum()));
    setUpdatesEnabled(true);
}

void CanvasView::fit_scene() {
    const double scale = zoom_percent_ / 100.0;
    const double width = std::max((viewport()->width() - 100) / scale, shown_->far_corner.x());
    const double height = std::max((viewport()->height() - 100) / scale, shown_->far_corner.y());
    scene()->setSceneRect(0, 0, width + margin_, height + margin_);
}

void CanvasView::prepare_drawing(const QRectF& scene_rect) const {
    if (before_drawing_) before_drawing_(*scene(), scene_rect);
}

void CanvasView::paintEvent(QPaintEvent* event) {
    prepare_drawing(mapToScene(event->rect()).boundingRect());
    QGraphicsView::paintEvent(event);
}

void CanvasView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        if (const int steps = wheel_steps_.add(event->angleDelta().y())) emit zoomStepsRequested(steps);
        event->accept();
        return;
    }
    QGraphicsView::wheelEvent(event);
}
