#include "ui/windows/box_view.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/boxes/box_style.h"
#include "ui/boxes/object_box.h"
#include "ui/glue/scene_items.h"
#include "ui/glue/text_conversion.h"
#include "ui/pages/page_items.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace windows {

BoxView::BoxView(QWidget* parent, const QFont& font) : QGraphicsView(parent), font_(font) {
    setScene(new QGraphicsScene(this));
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundBrush(gcm::scheme().panel_color);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

page_geometry::BoxMetrics BoxView::metrics() const {
    return page_geometry::BoxMetrics::for_font_height(QFontMetrics(font_).height());
}

page_geometry::PageBuilder BoxView::builder() const {
    const QFontMetrics measure(font_);
    return page_geometry::PageBuilder({measure.height(), [measure](std::string_view text) {
                                           const QSize size = measure.size(0, glue::to_ui(text));
                                           return page_geometry::Size{size.width(), size.height()};
                                       }});
}

void BoxView::clear_items() {
    glue::release_scene_items(*scene());
    boxes_.clear();
}

void BoxView::show_page(page_geometry::PageGeometry page, QSize minimum) {
    clear_items();
    page_ = std::move(page);
    boxes_ = pages::draw_page(*scene(), page_, BoxStyle::for_font(font_));
    const page_geometry::Point corner = page_.far_corner();
    scene()->setSceneRect(0, 0, std::max(corner.x, minimum.width()), std::max(corner.y, minimum.height()));
}

void BoxView::keep_survivors() {
    page_geometry::PageGeometry survivors;
    for (const page_geometry::BoxDescription& box : page_.boxes)
        if (!box.uid.empty() && GCC::RP && GCC::RP->_get_pointer_to_node_with_uid(box.uid))
            survivors.boxes.push_back(box);
    const QSize extent = sceneRect().size().toSize();
    show_page(std::move(survivors), extent);
}

QFont font_of_pixel_size(int pixel_size) {
    QFont font = gcm::app_font();
    font.setPixelSize(std::max(pixel_size, 1));
    return font;
}

QFont capped_app_font(int working_area_height, int divisor) {
    const int cap = working_area_height / divisor;
    if (QFontInfo(gcm::app_font()).pixelSize() > cap) return font_of_pixel_size(cap);
    return gcm::app_font();
}

}  // namespace windows
