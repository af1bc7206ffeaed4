#pragma once

#include "ui/geometry/canvas_font.h"

namespace pages {

// The canvas font as the page geometry needs it: its height f and the
// measure of the texts the pages draw themselves.
page_geometry::CanvasFont canvas_font();

}  // namespace pages
