#pragma once

#include <QFont>
#include <QGraphicsView>
#include <vector>

#include "ui/geometry/page_builder.h"
#include "ui/geometry/page_description.h"

class ObjectBox;

namespace windows {

// The area of a viewer window that shows object boxes: the boxes the canvas
// uses (full context menu and double click), scaled to the window's font, on
// the panel colour. It keeps what it drew as descriptions (uids, never
// objects), so a refresh can draw again whatever still exists.
class BoxView : public QGraphicsView {
    Q_OBJECT
public:
    BoxView(QWidget* parent, const QFont& font);

    const QFont& box_font() const { return font_; }
    // Box width and height and the font height of the window's font.
    page_geometry::BoxMetrics metrics() const;
    // A builder of descriptions in the window's font.
    page_geometry::PageBuilder builder() const;

    // Releases what was drawn (deleteLater: a box's command may be running)
    // and draws the descriptions; the scene reaches from (0, 0) to the far
    // corner of what is drawn and the given minimum size.
    void show_page(page_geometry::PageGeometry page, QSize minimum = {});
    // Draws again the boxes whose objects still exist, at their places,
    // without connectors.
    void keep_survivors();

    const page_geometry::PageGeometry& page() const { return page_; }
    const std::vector<ObjectBox*>& boxes() const { return boxes_; }

private:
    void clear_items();

    QFont font_;
    page_geometry::PageGeometry page_;
    std::vector<ObjectBox*> boxes_;
};

// A font of the application font's family, pixel_height pixels high.
QFont font_of_pixel_size(int pixel_size);

// The window's font of the search and review windows: the application font,
// or one of (working-area height / divisor) pixels when that is smaller.
QFont capped_app_font(int working_area_height, int divisor);

}  // namespace windows
