#include "core/text/ascii.h"
#include "core/text/sentences.h"

namespace MyStrF {

std::string _trimString(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && ascii::is_space(text[first])) ++first;
    while (last > first && ascii::is_space(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string _toLowerCase(const std::string& text, bool keep_first) {
    std::string lower = text;
    for (size_t i = keep_first ? 1 : 0; i < lower.size(); ++i) lower[i] = ascii::to_lower(lower[i]);
    return lower;
}

std::string _trimLwr(const std::string& text) { return _toLowerCase(_trimString(text)); }

std::string _capitalFirstLetter(const std::string& text) {
    if (text.empty()) return text;
    std::string trimmed = _trimString(text);
    if (!trimmed.empty()) trimmed[0] = ascii::to_upper(trimmed[0]);
    return trimmed;
}

bool _isVowel(char c) {
    switch (ascii::to_lower(c)) {
        case 'a': case 'e': case 'i': case 'o': case 'u': return true;
        default: return false;
    }
}

}  // namespace MyStrF
