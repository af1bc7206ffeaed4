#pragma once

#include <QColor>

#include "core/settings/rgb_color.h"

// Judging and shifting the scheme colours.
namespace glue {

// Perceived brightness (0.299 R + 0.587 G + 0.114 B) / 255 below one half.
bool is_dark(const QColor& colour);

// A dark colour lightened, a light one darkened, by offset on each component.
QColor offset_color(const QColor& colour, int offset);

QColor to_qcolor(const RGB_Color& colour);

}  // namespace glue
