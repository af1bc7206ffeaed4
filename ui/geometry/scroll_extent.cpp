#include "ui/geometry/scroll_extent.h"

#include <algorithm>

namespace page_geometry {

Size canvas_size(const PageGeometry& page, Size viewport, int app_font_height) {
    const int margin = app_font_height > 0 ? app_font_height : fallback_app_font_height;
    const Point corner = page.far_corner();
    return {std::max(viewport.width - 100, corner.x) + margin, std::max(viewport.height - 100, corner.y) + margin};
}

Point clamp_scroll(Point stored, Size canvas, Size viewport) {
    const int max_x = std::max(0, canvas.width - viewport.width);
    const int max_y = std::max(0, canvas.height - viewport.height);
    return {std::clamp(stored.x, 0, max_x), std::clamp(stored.y, 0, max_y)};
}

}  // namespace page_geometry
