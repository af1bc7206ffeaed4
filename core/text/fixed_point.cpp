#include "core/text/fixed_point.h"

#include <array>
#include <charconv>

namespace MyStrF::fixed_point {

std::string text(double value, int decimals) {
    // Room for the 309 integer digits of the largest double plus sign, point and decimals.
    std::array<char, 400> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

std::string without_trailing_zeros(std::string text) {
    if (text.find('.') == std::string::npos) return text;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace MyStrF::fixed_point
