#include "ui/glue/colours.h"

#include <algorithm>

namespace glue {

bool is_dark(const QColor& colour) {
    // Compared in integers scaled by 1000 so that 128 grey (0.50196) is light and 127 dark, exactly.
    const int weighted = 299 * colour.red() + 587 * colour.green() + 114 * colour.blue();
    return weighted * 2 < 255 * 1000;
}

QColor offset_color(const QColor& colour, int offset) {
    const int signed_offset = is_dark(colour) ? offset : -offset;
    const auto shift = [signed_offset](int component) { return std::clamp(component + signed_offset, 0, 255); };
    return QColor(shift(colour.red()), shift(colour.green()), shift(colour.blue()));
}

QColor to_qcolor(const RGB_Color& colour) { return QColor(colour.r, colour.g, colour.b); }

}  // namespace glue
