#include "core/io/xml_values.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "core/text/ascii.h"
#include "core/settings/xml_element_text.h"
#include "core/text/number_format.h"
#include "core/text/xml_text.h"

namespace project_file {
namespace {

// A hostile file could hold any number of different problems; the message
// stays readable.
constexpr size_t max_listed_problems = 30;

template <typename Number>
std::optional<Number> read_leading(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first != last && MyStrF::ascii::is_space(*first)) ++first;
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') return std::nullopt;
    }
    Number value{};
    if (std::from_chars(first, last, value).ec != std::errc{}) return std::nullopt;
    return value;
}

// Most stored values (uids, numbers, short texts): printable ASCII and no
// reference, looked at eight bytes at a time in one pass.
bool printable_ascii_without_ampersand(std::string_view text) {
    constexpr uint64_t ones = 0x0101010101010101;
    constexpr uint64_t high_bits = 0x8080808080808080;
    size_t i = 0;
    for (; text.size() - i >= 8; i += 8) {
        uint64_t bytes = 0;
        std::memcpy(&bytes, text.data() + i, 8);
        const uint64_t control_or_beyond_ascii = ((bytes - ones * 0x20) & ~bytes) | bytes;
        const uint64_t no_ampersand = bytes ^ (ones * '&');
        const uint64_t ampersand = (no_ampersand - ones) & ~no_ampersand;
        if (((control_or_beyond_ascii | ampersand) & high_bits) != 0) return false;
    }
    for (; i < text.size(); ++i)
        if (text[i] < 0x20 || text[i] > 0x7E || text[i] == '&') return false;
    return true;
}

template <typename Number>
std::string decimal(Number value) {
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string with_single_line_feeds(std::string text) {
    if (text.find('\r') == std::string::npos) return text;
    std::string normalised;
    normalised.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            normalised += text[i];
            continue;
        }
        normalised += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return normalised;
}

std::string unreadable(const char* name, const std::string& replacement) {
    return std::string("A value of \"") + name + "\" could not be read; " + replacement + " was used.";
}

}  // namespace

std::string file_text(const std::string& value) { return with_single_line_feeds(MyStrF::xml_clean(value)); }

void add_text(pugi::xml_node parent, const char* name, const std::string& value) {
    if (value.empty()) return;
    parent.append_child(name).text().set(file_text(value).c_str());
}

void add_bool(pugi::xml_node parent, const char* name, bool value) {
    parent.append_child(name).text().set(MyStrF::_bool_to_string(value).c_str());
}

void add_integer(pugi::xml_node parent, const char* name, int64_t value) { add_text(parent, name, decimal(value)); }

void add_unsigned(pugi::xml_node parent, const char* name, uint64_t value) { add_text(parent, name, decimal(value)); }

void add_real(pugi::xml_node parent, const char* name, double value) {
    add_text(parent, name, MyStrF::_double_to_roundtrip_string(value));
}

std::string text_of(pugi::xml_node element, const char* name, ReadReport& report) {
    return text_in(element.child(name), report);
}

std::optional<std::string_view> text_as_stored(pugi::xml_node value_element) {
    const pugi::xml_node only = value_element.first_child();
    if (!only) return std::string_view();
    if (only.next_sibling() || only.type() != pugi::node_pcdata) return std::nullopt;
    const std::string_view raw = only.value();
    if (printable_ascii_without_ampersand(raw)) return raw;
    if (raw.find('&') != std::string_view::npos || raw.find('\r') != std::string_view::npos ||
        !MyStrF::is_xml_clean(raw))
        return std::nullopt;
    return raw;
}

std::string text_in(pugi::xml_node value_element, ReadReport& report) {
    // Nearly every value: nothing to decode or clean.
    if (const auto stored = text_as_stored(value_element)) return std::string(*stored);
    bool cleaned = false;
    std::string text = with_single_line_feeds(xml_reading::element_text(value_element, &cleaned));
    if (cleaned) report.note("Characters that XML 1.0 does not allow were removed from texts (invalid UTF-8 became U+FFFD).");
    return text;
}

std::vector<std::string> texts_of(pugi::xml_node element, const char* name, ReadReport& report) {
    std::vector<std::string> texts;
    for (const pugi::xml_node child : element.children(name)) texts.push_back(text_in(child, report));
    return texts;
}

std::optional<int> parse_int(const std::string& text) {
    std::string errors;
    const int value = MyStrF::_StringToInt(text, errors, 0);
    if (!errors.empty()) return std::nullopt;
    return value;
}

std::optional<uint64_t> parse_unsigned(const std::string& text) { return read_leading<uint64_t>(text); }

std::optional<double> parse_real(const std::string& text) {
    const auto value = read_leading<double>(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    // -0 reads as 0: the model holds no negative zero.
    return *value == 0.0 ? 0.0 : *value;
}

std::optional<bool> parse_bool(const std::string& text) {
    if (text == "true" || text == "True" || text == "TRUE") return true;
    if (text == "false" || text == "False" || text == "FALSE") return false;
    return std::nullopt;
}

void ReadReport::note(const std::string& problem) {
    for (Problem& known : problems)
        if (known.text == problem) {
            ++known.count;
            return;
        }
    if (problems.size() < max_listed_problems)
        problems.push_back({problem, 1});
    else
        truncated = true;
}

void ReadReport::note_lines(const std::string& lines) {
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find('\n', start);
        if (end == std::string::npos) end = lines.size();
        if (end > start) note(lines.substr(start, end - start));
        start = end + 1;
    }
}

std::string ReadReport::text() const {
    std::string text;
    for (const Problem& p : problems) {
        text += p.text;
        if (p.count > 1) text += " (" + decimal(p.count) + " times)";
        text += "\n";
    }
    if (truncated) text += "Further problems were not listed.\n";
    return text;
}

namespace {
// The value when its element is there and readable; an element that cannot be
// read is noted with the default used instead.
template <typename Value, typename Parse, typename Show>
Value read_value(pugi::xml_node value_element, const char* name, Value default_value, ReadReport& report, Parse parse,
                 Show show) {
    if (!value_element) return default_value;
    if (const auto value = parse(text_in(value_element, report))) return *value;
    report.note(unreadable(name, show(default_value)));
    return default_value;
}
}  // namespace

int read_int_value(pugi::xml_node value_element, const char* name, int default_value, ReadReport& report) {
    return read_value(value_element, name, default_value, report, parse_int, [](int v) { return decimal(v); });
}

double read_real_value(pugi::xml_node value_element, const char* name, double default_value, ReadReport& report) {
    return read_value(value_element, name, default_value, report, parse_real, MyStrF::_double_to_roundtrip_string);
}

bool read_bool_value(pugi::xml_node value_element, const char* name, bool default_value, ReadReport& report) {
    return read_value(value_element, name, default_value, report, parse_bool, MyStrF::_bool_to_string);
}

int read_int(pugi::xml_node element, const char* name, int default_value, ReadReport& report) {
    return read_int_value(element.child(name), name, default_value, report);
}

double read_real(pugi::xml_node element, const char* name, double default_value, ReadReport& report) {
    return read_real_value(element.child(name), name, default_value, report);
}

bool read_bool(pugi::xml_node element, const char* name, bool default_value, ReadReport& report) {
    return read_bool_value(element.child(name), name, default_value, report);
}

}  // namespace project_file
