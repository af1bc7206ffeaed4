#include "ui/pages/canvas_font.h"

#include <QFontMetrics>

#include "ui/glue/text_conversion.h"
#include "ui/theme/fonts.h"

namespace pages {

page_geometry::CanvasFont canvas_font() {
    const QFontMetrics metrics(gcm::mp_font());
    return {metrics.height(), [metrics](std::string_view text) {
                const QSize size = metrics.size(0, glue::to_ui(text));
                return page_geometry::Size{size.width(), size.height()};
            }};
}

}  // namespace pages
