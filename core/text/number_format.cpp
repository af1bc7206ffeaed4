#include "core/text/number_format.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/text/fixed_point.h"

namespace MyStrF {
namespace {

// Magnitudes below 1 get one more decimal per decade so that small values keep
// about four significant digits. Written as "not less than" so that NaN keeps 3.
int adaptive_decimals(double magnitude) {
    if (!(magnitude < 1.0)) return 3;
    if (!(magnitude < 0.1)) return 4;
    if (!(magnitude < 0.01)) return 5;
    if (!(magnitude < 0.001)) return 6;
    if (!(magnitude < 0.0001)) return 7;
    if (!(magnitude < 0.00001)) return 8;
    return 9;
}

}  // namespace

std::string _double_to_string(double value) {
    std::string text = fixed_point::without_trailing_zeros(fixed_point::text(value, adaptive_decimals(std::fabs(value))));
    // A tiny negative value rounds to zero, which has no sign.
    return text == "-0" ? "0" : text;
}

std::string _double_to_string(double value, unsigned type_index, std::string unit) {
    constexpr unsigned functional_type = 0;
    constexpr unsigned real_type = 1;
    constexpr unsigned price_type = 6;
    if (type_index == price_type) return _double_to_price(value, unit);
    if (type_index == functional_type || type_index == real_type || unit == "-") return _double_to_string(value);
    return _double_to_string(value) + unit;
}

std::string _double_to_roundtrip_string(double value) {
    // Files never hold nan or inf: they could not be read back.
    if (!std::isfinite(value)) return "0";
    // Plain decimals, as the file format has them; an exponent only for
    // magnitudes no quantity takes, where plain digits would run long.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0.0 || (magnitude >= 1e-9 && magnitude <= 1e15);
    std::array<char, 64> buffer;
    const auto result = plain ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed)
                              : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string _intToStringWithLength(int value, unsigned width) {
    std::array<char, 16> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), result.ptr);
    // The zeros go after a minus sign, so a negative number stays a number.
    const size_t sign = value < 0 ? 1 : 0;
    if (text.size() < width) text.insert(sign, width - text.size(), '0');
    return text;
}

}  // namespace MyStrF
