#include "ui/pages/page_items.h"

#include <QGraphicsScene>

#include "ui/boxes/box_style.h"
#include "ui/boxes/object_box.h"
#include "ui/geometry/page_builder.h"
#include "ui/geometry/tree_drawing.h"
#include "ui/pages/canvas_font.h"
#include "ui/pages/connector_item.h"
#include "ui/theme/fonts.h"

namespace pages {
namespace {

double z_of(page_geometry::Layer layer) { return static_cast<double>(layer); }

}  // namespace

ObjectBox* draw_box(QGraphicsScene& scene, const page_geometry::BoxDescription& box,
                    const std::shared_ptr<const BoxStyle>& style) {
    auto* item = new ObjectBox(box, style);
    item->setZValue(z_of(box.layer));
    scene.addItem(item);
    return item;
}

std::vector<ObjectBox*> draw_page(QGraphicsScene& scene, const page_geometry::PageGeometry& page,
                                  std::shared_ptr<const BoxStyle> style) {
    for (const page_geometry::LineDescription& line : page.lines) {
        auto* item = new ConnectorItem(line);
        item->setZValue(z_of(line.layer));
        scene.addItem(item);
    }
    if (!style) style = BoxStyle::current();
    std::vector<ObjectBox*> boxes;
    boxes.reserve(page.boxes.size());
    for (const page_geometry::BoxDescription& box : page.boxes) boxes.push_back(draw_box(scene, box, style));
    for (const page_geometry::LabelDescription& label : page.labels) {
        auto* item = new LabelItem(label, style->font());
        item->setZValue(z_of(label.layer));
        scene.addItem(item);
    }
    return boxes;
}

ObjectBox* draw_tree_el_tree(QGraphicsScene& scene, const TreeEl* tree, int x0, int y0) {
    page_geometry::PageBuilder builder(canvas_font());
    const int root = page_geometry::draw_tree_el_tree(builder, tree, x0, y0);
    const std::vector<ObjectBox*> boxes = draw_page(scene, builder.take());
    return root < 0 ? nullptr : boxes[static_cast<size_t>(root)];
}

}  // namespace pages
