#pragma once

#include "ui/geometry/geometry_types.h"

// Sizes of the object boxes and connectors, in units of the canvas font
// height f (pixels) where they scale with the zoom.
namespace page_geometry {

// A box is 12 f wide and 6 f high.
inline constexpr int box_width_in_f = 12;
inline constexpr int box_height_in_f = 6;
// Box outlines and connector lines keep their pixel widths at every zoom.
inline constexpr int box_border_thickness = 1;
inline constexpr int connector_thickness = 2;
// The gap used when no canvas font exists.
inline constexpr int fallback_font_height = 5;

// The three sizes every page layout is written in.
struct BoxMetrics {
    int f;  // canvas font height
    int w;  // box width
    int h;  // box height

    // For a canvas font height; 0 or less means there is no canvas font.
    static BoxMetrics for_font_height(int font_height) {
        const int f = font_height > 0 ? font_height : fallback_font_height;
        return {f, box_width_in_f * f, box_height_in_f * f};
    }
};

// The middles of a box's four sides, the points connectors attach to
// (halves truncated).
inline Point get_upr_pt(const Rect& box) { return {box.x + box.width / 2, box.y}; }
inline Point get_lwr_pt(const Rect& box) { return {box.x + box.width / 2, box.y + box.height}; }
inline Point get_lh_pt(const Rect& box) { return {box.x, box.y + box.height / 2}; }
inline Point get_rh_pt(const Rect& box) { return {box.x + box.width, box.y + box.height / 2}; }

// A rounded rectangle: its bounds and the diameter of its corner arcs.
struct RoundedOutline {
    Rect bounds;
    int corner_diameter = 0;
    friend bool operator==(const RoundedOutline&, const RoundedOutline&) = default;
};

// The parts of an object box, relative to its top-left corner.
struct BoxParts {
    Point title_origin;          // where the bold title text starts
    Rect separator;              // the line under the title row
    Rect text;                   // the scrolling sentence text
    Rect readiness_icon;         // readiness level button
    Rect comment_button;         // comment popup button
    RoundedOutline clip;         // the box's visible shape
    RoundedOutline fill;         // filled with the box colour
    RoundedOutline border;       // stroked with the border colour
};

// For a box of that size, the canvas font height f and the height of the
// bold title font.
BoxParts box_parts(Size box, int font_height, int title_font_height);

}  // namespace page_geometry
