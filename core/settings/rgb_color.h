#pragma once

#include <cstdint>
#include <string>

// A colour of the appearance scheme; text form "R###G###B###".
class RGB_Color {
public:
    RGB_Color() = default;
    RGB_Color(int32_t r, int32_t g, int32_t b);

    // Components are clamped to 0..255.
    void set_color(int32_t r, int32_t g, int32_t b);
    // Reads the text form; problems are appended to errors (length errors
    // leave the colour unchanged, an unreadable component gives 0).
    void set_color(const std::string& text, std::string& errors);
    std::string get_rgb_str() const;

    uint8_t r = 255;
    uint8_t g = 255;
    uint8_t b = 255;

    friend bool operator==(const RGB_Color&, const RGB_Color&) = default;
};
