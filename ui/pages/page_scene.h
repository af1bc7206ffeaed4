#pragma once

#include <QFont>
#include <memory>
#include <vector>

#include "ui/geometry/page_description.h"

class BoxStyle;
class ConnectorItem;
class LabelItem;
class ObjectBox;
class QGraphicsItem;
class QGraphicsScene;
class QRectF;

namespace pages {

// The items of one tab page on a scene, kept from one rebuild to the next.
// Showing a page description keeps every item whose description is
// unchanged, releases the items no longer described and makes the new ones
// (a kept box reads its object again, and a new one reads it, when it is
// next drawn or looked at: see bring_boxes_up_to_date), instead of
// rebuilding thousands of items after a one-object edit. Stacking follows the
// description order within each layer through the z-value (layer plus a
// fraction), so it does not depend on when an item was added. Items of other
// owners on the scene are left alone.
class PageScene {
public:
    explicit PageScene(QGraphicsScene& scene) : scene_(scene) {}
    PageScene(const PageScene&) = delete;
    PageScene& operator=(const PageScene&) = delete;

    // Shows the page in the style (the current one when null); a style of
    // another font replaces every item.
    void show(const page_geometry::PageGeometry& page, std::shared_ptr<const BoxStyle> style = nullptr);
    // Releases every item of the page.
    void clear();

    QGraphicsScene& scene() const { return scene_; }

private:
    void release(QGraphicsItem* item);

    QGraphicsScene& scene_;
    QFont font_;
    std::vector<ConnectorItem*> lines_;
    std::vector<ObjectBox*> boxes_;
    std::vector<LabelItem*> labels_;
};

// Brings the kept boxes in the part of the scene up to date; whatever draws
// that part runs it first.
void bring_boxes_up_to_date(QGraphicsScene& scene, const QRectF& part);

}  // namespace pages
