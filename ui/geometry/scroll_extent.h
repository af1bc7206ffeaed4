#pragma once

#include "ui/geometry/page_description.h"

// The canvas size and scroll position after a page is drawn.
namespace page_geometry {

// The application font height used when there is no application font.
inline constexpr int fallback_app_font_height = 10;

// The canvas covers the viewport less 100 px in each direction and every
// description of the page, plus the application font height F as margin
// (0 or less for F means there is no application font).
Size canvas_size(const PageGeometry& page, Size viewport, int app_font_height);

// The scroll position kept across a redraw, clamped to what the new canvas
// allows in the viewport.
Point clamp_scroll(Point stored, Size canvas, Size viewport);

}  // namespace page_geometry
