#include "ui/glue/number_input.h"

#include <charconv>
#include <cmath>
#include <string>

namespace glue {
namespace {

// The text without surrounding blanks and without a leading "+", as ASCII;
// empty when it holds anything else.
std::string number_chars(const QString& text) {
    const QString trimmed = text.trimmed();
    std::string chars;
    chars.reserve(static_cast<size_t>(trimmed.size()));
    for (QChar c : trimmed) {
        if (c.unicode() > 0x7F) return {};
        chars.push_back(static_cast<char>(c.unicode()));
    }
    if (!chars.empty() && chars.front() == '+') {
        chars.erase(0, 1);
        if (!chars.empty() && chars.front() == '-') return {};
    }
    return chars;
}

}  // namespace

std::optional<double> parse_decimal(const QString& text) {
    std::string chars = number_chars(text);
    for (char& c : chars)
        if (c == ',') c = '.';
    if (chars.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(chars.data(), chars.data() + chars.size(), value);
    if (error != std::errc() || end != chars.data() + chars.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> parse_whole(const QString& text) {
    const std::string chars = number_chars(text);
    if (chars.empty()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(chars.data(), chars.data() + chars.size(), value);
    if (error != std::errc() || end != chars.data() + chars.size()) return std::nullopt;
    return value;
}

}  // namespace glue
