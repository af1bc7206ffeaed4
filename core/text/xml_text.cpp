#include "core/text/xml_text.h"

#include <cstdint>

namespace MyStrF {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD

struct Decoded {
    uint32_t code_point;
    size_t length;  // 0: not a valid sequence; the first byte is to be replaced
};

// Strict decoding: shortest form only, no surrogates, nothing above U+10FFFF.
Decoded decode(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    size_t length = 0;
    uint32_t cp = 0;
    uint32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return {0, 0};
    }
    if (i + length > text.size()) return {0, 0};
    for (size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return {0, 0};
        cp = (cp << 6) | (byte(k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
    return {cp, length};
}

constexpr bool allowed_in_xml(uint32_t cp) {
    if (cp < 0x20) return cp == '\t' || cp == '\n' || cp == '\r';
    return cp != 0xFFFE && cp != 0xFFFF;
}

}  // namespace

bool is_xml_clean(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const Decoded d = decode(text, i);
        if (d.length == 0 || !allowed_in_xml(d.code_point)) return false;
        i += d.length;
    }
    return true;
}

std::string xml_clean(std::string_view text) {
    if (is_xml_clean(text)) return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size();) {
        const Decoded d = decode(text, i);
        if (d.length == 0) {
            out += replacement;
            i += 1;
            continue;
        }
        if (allowed_in_xml(d.code_point)) out.append(text.substr(i, d.length));
        i += d.length;
    }
    return out;
}

}  // namespace MyStrF
