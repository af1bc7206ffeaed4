#include "ui/geometry/box_metrics.h"

namespace page_geometry {

BoxParts box_parts(Size box, int font_height, int title_font_height) {
    constexpr int b = box_border_thickness;
    const int split = title_font_height + 7;  // y of the separator
    const int r = font_height / 2;            // corner radius
    const int right = box.width - b;
    const int bottom = box.height - b;
    BoxParts parts;
    parts.title_origin = {3, 4};
    parts.separator = {b, split, box.width - b, b};
    parts.text = {3, b + split, box.width - 2 * (b + 2), box.height - 2 * b - split};
    parts.readiness_icon = {box.width - 5 - 2 * title_font_height, 3, title_font_height - 2, title_font_height - 2};
    parts.comment_button = {box.width - 6 - title_font_height, 3, title_font_height, title_font_height};
    parts.clip = {{-b, -b, right + 2 * b, bottom + 2 * b}, 2 * (r + b)};
    parts.fill = {{b, b, right - 2 * b, bottom - 2 * b}, 2 * (r - b)};
    parts.border = {{0, 0, right, bottom}, 2 * r};
    return parts;
}

}  // namespace page_geometry
