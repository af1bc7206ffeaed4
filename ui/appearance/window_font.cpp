#include "ui/appearance/window_font.h"

#include "ui/glue/screen_placement.h"
#include "ui/theme/fonts.h"

namespace appearance {

QFont window_font() {
    const QFont& font = gcm::app_font();
    const int largest = glue::available_geometry_under_mouse().height() / 42;
    if (largest <= 0 || font.pixelSize() <= largest) return font;
    QFont smaller = gcm::arial(largest);
    smaller.setFamily(font.family());
    return smaller;
}

}  // namespace appearance
