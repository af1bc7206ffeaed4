#pragma once

#include <functional>
#include <string_view>

#include "ui/geometry/geometry_types.h"

namespace page_geometry {

// The size of a text drawn in the canvas font.
using TextMeasure = std::function<Size(std::string_view)>;

// What the layouts need of the canvas font: its height f in pixels (0 or
// less when there is none) and a way to measure the few texts the pages
// draw themselves. The desktop passes the font's real metrics; without them
// a text counts as 0.6 f per byte wide and f high.
struct CanvasFont {
    int height = 0;
    TextMeasure measure;

    Size text_size(std::string_view text) const;
};

}  // namespace page_geometry
