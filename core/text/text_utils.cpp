#include "core/text/text_utils.h"

#include "core/text/ascii.h"
#include "core/text/utf8_boundary.h"

namespace MyStrF {

std::string _toMaxLength(const std::string& text, size_t n) {
    if (text.size() <= n) return text;
    return text.substr(0, utf8::cut_position(text, n));
}

std::string _toMaxLengthWithPoints(const std::string& text, size_t n) {
    if (n < 3 || text.size() <= n) return text;
    return text.substr(0, utf8::cut_position(text, n - 3)) + "...";
}

std::string _WrapText(const std::string& text, size_t width) {
    if (text.empty() || width == 0) return text;
    std::string wrapped;
    size_t line_length = 0;
    for (const std::string& word : _text_to_words(text)) {
        if (wrapped.empty()) {
            wrapped = word;
            line_length = word.size();
        } else if (line_length + 1 + word.size() <= width) {
            wrapped += ' ' + word;
            line_length += 1 + word.size();
        } else {
            wrapped += '\n' + word;
            line_length = word.size();
        }
    }
    return wrapped;
}

std::vector<std::string> _text_to_words(const std::string& text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && ascii::is_space(text[i])) ++i;
        const size_t start = i;
        while (i < text.size() && !ascii::is_space(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::vector<std::string> _split_lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        const size_t line_end = end > start && text[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(text.substr(start, line_end - start));
        start = end + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace MyStrF
