#include "ui/geometry/canvas_font.h"

#include "ui/geometry/box_metrics.h"

namespace page_geometry {

Size CanvasFont::text_size(std::string_view text) const {
    if (measure) return measure(text);
    const int f = BoxMetrics::for_font_height(height).f;
    return {static_cast<int>(text.size()) * f * 3 / 5, f};
}

}  // namespace page_geometry
