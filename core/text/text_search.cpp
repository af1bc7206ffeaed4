#include <algorithm>
#include <string_view>

#include "core/text/ascii.h"
#include "core/text/text_utils.h"

namespace MyStrF {
namespace {

// Bytes that end a word for the find command.
bool is_word_separator(char c) { return std::string_view(" .,();':?/").find(c) != std::string_view::npos; }

bool is_link_padding(char c) { return std::string_view(" \t\r\n\"'`<>").find(c) != std::string_view::npos; }

}  // namespace

std::string _replace(const std::string& text, std::string from, std::string to) {
    // An empty pattern occurs nowhere in particular; replacing it would only prepend.
    if (from.empty()) return text;
    std::string result = text;
    const size_t position = result.find(from);
    if (position != std::string::npos) result.replace(position, from.size(), to);
    return result;
}

std::string _replace_all(const std::string& text, std::string from, std::string to) {
    if (from.empty()) return text;
    std::string result = text;
    for (size_t position = result.find(from); position != std::string::npos;
         position = result.find(from, position + to.size())) {
        result.replace(position, from.size(), to);
    }
    return result;
}

bool _contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool _containsDomain(const std::string& text, const std::string& part) { return _contains(text, part); }

bool _startsWith(const std::string& text, const std::string& prefix) { return text.starts_with(prefix); }

bool _contains_string(const std::vector<std::string>& items, const std::string& item) {
    return std::ranges::find(items, item) != items.end();
}

bool _is_in_str(std::string_view text, std::string_view needle, bool whole_word) {
    if (text.empty() || needle.empty()) return false;
    // With whole_word, any occurrence standing as a word counts, not only the first.
    for (size_t position = text.find(needle); position != std::string_view::npos;
         position = text.find(needle, position + 1)) {
        if (!whole_word) return true;
        const size_t end = position + needle.size();
        const char before = position == 0 ? ' ' : text[position - 1];
        const char after = end == text.size() ? ' ' : text[end];
        if (is_word_separator(before) && is_word_separator(after)) return true;
    }
    return false;
}

std::string _trimLink(const std::string& link) {
    size_t first = 0;
    size_t last = link.size();
    while (first < last && is_link_padding(link[first])) ++first;
    while (last > first && is_link_padding(link[last - 1])) --last;
    std::string trimmed = link.substr(first, last - first);
    for (char& c : trimmed) c = ascii::to_lower(c);
    return trimmed;
}

}  // namespace MyStrF
