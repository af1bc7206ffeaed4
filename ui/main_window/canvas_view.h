#pragma once

#include <QGraphicsView>
#include <array>
#include <functional>

#include "ui/main_window/tab_page.h"
#include "ui/main_window/wheel_steps.h"

// The canvas of the tab pages: one scene item per box, connector and label.
// Zoom is the view's transform; scene coordinates are those of zoom 100 %.
// Each page has a scene of its own, made when the page is first shown and
// kept while it is hidden: coming back to a page keeps its items instead of
// removing the other page's thousands of items and making all of its own.
class CanvasView : public QGraphicsView {
    Q_OBJECT
public:
    CanvasView(QWidget* parent, TabPage shown);

    // The view shows the page's scene (its items as last drawn, until the next rebuild).
    void show_page(TabPage page);
    // Releases the scenes of the hidden pages with their items (deleteLater):
    // after another project or font their items would all be replaced anyway,
    // and a whole scene goes faster than its items one by one.
    void release_hidden_pages();

    // The scale of the view, with the scene refitted to the visible area; the
    // items stay as they are.
    void set_zoom_percent(int percent);
    int zoom_percent() const { return zoom_percent_; }
    void set_background(const QColor& colour);

    // The page drawn again: unless draw keeps its items, every item removed
    // first (items that are objects are released with deleteLater); then
    // draw, which returns the far corner of what it drew, the scene extended
    // to that corner plus margin, and the scroll position restored (clamped)
    // when kept, otherwise the top-left shown.
    void rebuild(bool keep_scroll, int margin, bool draw_keeps_items,
                 const std::function<QPointF(QGraphicsScene&)>& draw);

    // Runs before any part of the scene is drawn, with the part in scene
    // coordinates: items that fill in what they show only when it is seen
    // (the kept boxes of a page) get up to date there.
    void set_before_drawing(std::function<void(QGraphicsScene&, const QRectF&)> prepare) {
        before_drawing_ = std::move(prepare);
    }
    // What drawing the part of the scene outside the view (a picture) needs first.
    void prepare_drawing(const QRectF& scene_rect) const;

signals:
    // Ctrl with the wheel: whole zoom steps (+2 per notch forwards).
    void zoomStepsRequested(int steps);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void clear_scene();
    // The scene reaches at least 100 px short of the visible area, and the far corner plus margin.
    void fit_scene();

    // A page's far corner stays with its scene: refitting a page shown again
    // to another page's corner would make the scene index all of its items anew.
    struct KeptScene {
        QGraphicsScene* scene = nullptr;
        QPointF far_corner;
    };
    std::array<KeptScene, all_tab_pages.size()> pages_{};
    KeptScene* shown_ = nullptr;
    int zoom_percent_ = 100;
    int margin_ = 0;
    WheelSteps wheel_steps_;
    std::function<void(QGraphicsScene&, const QRectF&)> before_drawing_;
};
