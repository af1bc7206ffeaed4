#include "ui/theme/fonts.h"

#include <QFontMetrics>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/settings/project_settings.h"

namespace gcm {
namespace {

constexpr int unset_font_size = 9;

struct Fonts {
    QFont app;
    QFont canvas;
};

Fonts& fonts() {
    static Fonts value{arial(ProjectSettings().font_size), arial(ProjectSettings().font_size)};
    return value;
}

}  // namespace

int clamp_font_size(int size, const ProjectSettings& settings) {
    if (size == 0) size = unset_font_size;
    return std::clamp<int>(size, settings.min_font_size, std::max(settings.min_font_size, settings.max_font_size));
}

int clamp_zoom(int zoom, const ProjectSettings& settings) {
    return std::clamp<int>(zoom, settings.min_zoom, std::max(settings.min_zoom, settings.max_zoom));
}

int default_base_font_size() {
    if (GCC::RP) {
        const ProjectSettings& settings = GCC::RP->get_settings();
        return clamp_font_size(settings.font_size, settings);
    }
    const ProjectSettings defaults;
    return clamp_font_size(defaults.font_size, defaults);
}

QFont arial(int pixel_size) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixel_size));
    return font;
}

const QFont& app_font() { return fonts().app; }
const QFont& mp_font() { return fonts().canvas; }

void init_fonts(int base_size) {
    const ProjectSettings limits;
    const int size = clamp_font_size(base_size, limits);
    fonts() = Fonts{arial(size), arial(size)};
}

int app_font_height() { return QFontMetrics(app_font()).height(); }
int canvas_font_height() { return QFontMetrics(mp_font()).height(); }

}  // namespace gcm
