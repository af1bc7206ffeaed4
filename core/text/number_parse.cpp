#include <charconv>
#include <cmath>
#include <system_error>

#include "core/platform/platform.h"
#include "core/text/ascii.h"
#include "core/text/number_format.h"

namespace MyStrF {
namespace {

// Lenient reading of a leading number: white space skipped, an optional sign,
// the number, and whatever follows ignored. from_chars takes no '+', so it is
// stepped over here (but "+-1" stays unreadable).
template <typename Number>
std::errc read_leading(const std::string& text, Number& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first != last && ascii::is_space(*first)) ++first;
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') return std::errc::invalid_argument;
    }
    return std::from_chars(first, last, value).ec;
}

}  // namespace

int _StringToInt(const std::string& text, std::string& errors, int default_value) {
    if (text.empty()) {
        errors += "_StringToInt: empty string cannot define an Integer.";
        return default_value;
    }
    int value = 0;
    const std::errc outcome = read_leading(text, value);
    if (outcome == std::errc::result_out_of_range) {
        errors += "_StringToInt: '" + text + "' int is out of range: stoi argument out of range\n";
        return default_value;
    }
    if (outcome != std::errc{}) {
        errors += "_StringToInt: '" + text + "' is invalid int argument: invalid stoi argument\n";
        return default_value;
    }
    return value;
}

int _StringToInt(const std::string& text, int default_value) {
    std::string errors;
    const int value = _StringToInt(text, errors, default_value);
    if (errors.empty()) return value;
    platform::show_error(errors);
    return default_value;
}

double _string_to_double(const std::string& text) {
    if (text.empty()) {
        platform::show_error("_string_to_double: empty string cannot define a double.");
        return 0.0;
    }
    double value = 0.0;
    const std::errc outcome = read_leading(text, value);
    if (outcome == std::errc::result_out_of_range) {
        platform::show_error("_string_to_double: '" + text + "' double is out of range: stod argument out of range\n");
        return 0.0;
    }
    // nan and inf are no quantities: they count as unreadable.
    if (outcome != std::errc{} || !std::isfinite(value)) {
        platform::show_error("_string_to_double: '" + text + "' is invalid double argument: invalid stod argument\n");
        return 0.0;
    }
    return value;
}

bool _string_to_bool(const std::string& text) {
    if (text == "true" || text == "True" || text == "TRUE") return true;
    if (text == "false" || text == "False" || text == "FALSE") return false;
    if (text.empty())
        platform::show_error("_string_to_bool: empty string cannot define a Boolean.");
    else
        platform::show_error("_string_to_bool: '" + text + "' does not define a Boolean.\n");
    return false;
}

std::string _bool_to_string(bool value) { return value ? "true" : "false"; }

bool _no_error(std::string_view text) { return !text.starts_with("Error: "); }

}  // namespace MyStrF
