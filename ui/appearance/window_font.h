#pragma once

#include <QFont>

namespace appearance {

// The font of the appearance editor and the colour picker: the application
// font, made smaller where the working area is too low for the windows (a
// pixel size of at most its height / 42).
QFont window_font();

}  // namespace appearance
