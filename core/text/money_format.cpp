#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/text/fixed_point.h"
#include "core/text/number_format.h"

namespace MyStrF {
namespace {

// The nearest 64-bit integer (halves away from zero), or nothing when the value
// has no such form: converting an out-of-range double would be undefined.
std::optional<int64_t> nearest_integer(double value) {
    constexpr double two_pow_63 = 9223372036854775808.0;
    if (!std::isfinite(value) || std::fabs(value) >= two_pow_63) return std::nullopt;
    return std::llround(value);
}

// Quotient with up to six decimals and a decimal comma: 1.5 -> "1,5".
std::string scaled_text(double quotient) {
    std::string text = fixed_point::without_trailing_zeros(fixed_point::text(quotient, 6));
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

// Round millions as "M", round hundreds between a thousand and a million as "k".
std::optional<std::string> abbreviated_whole_amount(int64_t rounded) {
    const uint64_t magnitude = rounded < 0 ? 0 - static_cast<uint64_t>(rounded) : static_cast<uint64_t>(rounded);
    if (magnitude >= 1'000'000 && magnitude % 100'000 == 0) return scaled_text(static_cast<double>(rounded) / 1e6) + "M";
    if (magnitude >= 1'000 && magnitude < 1'000'000 && magnitude % 100 == 0)
        return scaled_text(static_cast<double>(rounded) / 1e3) + "k";
    return std::nullopt;
}

// '.' between groups of three digits counted from the right; a leading '-' is kept apart.
std::string grouped_thousands(const std::string& integer_part) {
    const size_t sign = !integer_part.empty() && integer_part.front() == '-' ? 1 : 0;
    const std::string digits = integer_part.substr(sign);
    std::string grouped = integer_part.substr(0, sign);
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += '.';
        grouped += digits[i];
    }
    return grouped;
}

// Two to four decimals after a comma; none when the amount is whole after
// rounding to four decimals (5.00003 reads as 5).
std::string general_amount(double value) {
    // Adding 0.0 turns a negative zero into zero: -0.00001 is shown as 0, not -0.
    const double rounded = std::round(value * 10000.0) / 10000.0 + 0.0;
    const std::string text = fixed_point::without_trailing_zeros(fixed_point::text(rounded, 4));
    const size_t point = text.find('.');
    if (point == std::string::npos) return grouped_thousands(text);
    std::string decimals = text.substr(point + 1);
    if (decimals.size() == 1) decimals += '0';
    return grouped_thousands(text.substr(0, point)) + "," + decimals;
}

std::string integer_text(int64_t value) {
    std::array<char, 24> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string amount_text(double value) {
    // Infinities and NaN have no money form; the plain number text says what they are.
    if (!std::isfinite(value)) return _double_to_string(value);
    const auto rounded = nearest_integer(value);
    // Beyond 2^63 there is no 64-bit integer form, but every such double is whole.
    if (!rounded) return grouped_thousands(fixed_point::text(value, 0));
    const bool whole = std::fabs(value - static_cast<double>(*rounded)) < 1e-9;
    if (!whole) return general_amount(value);
    // Whole amounts are written from the integer: scaling large ones by 10000 and
    // back would change their last digits.
    return abbreviated_whole_amount(*rounded).value_or(grouped_thousands(integer_text(*rounded)));
}

}  // namespace

std::string _double_to_price(double value, const std::string& currency) {
    const std::string amount = amount_text(value);
    if (currency == "kr" || currency == "CHF") return amount + " " + currency;
    return currency + amount;
}

}  // namespace MyStrF
