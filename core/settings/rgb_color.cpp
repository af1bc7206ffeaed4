#include "core/settings/rgb_color.h"

#include <algorithm>

#include "core/text/number_format.h"

namespace {
uint8_t clamp_component(int32_t v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }
}  // namespace

RGB_Color::RGB_Color(int32_t red, int32_t green, int32_t blue) { set_color(red, green, blue); }

void RGB_Color::set_color(int32_t red, int32_t green, int32_t blue) {
    r = clamp_component(red);
    g = clamp_component(green);
    b = clamp_component(blue);
}

void RGB_Color::set_color(const std::string& text, std::string& errors) {
    const std::string format = "It must be of format 'R###G###B###'";
    if (text.empty()) {
        errors += "RGB_Color::set_color: rgb_str_in is empty.\n" + format;
        return;
    }
    if (text.size() != 12) {
        errors += "RGB_Color::set_color: rgb_str_in is '" + text + "'.\n" + format;
        return;
    }
    set_color(MyStrF::_StringToInt(text.substr(1, 3), errors, 0), MyStrF::_StringToInt(text.substr(5, 3), errors, 0),
              MyStrF::_StringToInt(text.substr(9, 3), errors, 0));
}

std::string RGB_Color::get_rgb_str() const {
    return "R" + MyStrF::_intToStringWithLength(r, 3) + "G" + MyStrF::_intToStringWithLength(g, 3) + "B" +
           MyStrF::_intToStringWithLength(b, 3);
}
