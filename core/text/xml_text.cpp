#include "core/text/xml_text.h"

#include <cstdint>
#include <cstring>
#include <optional>

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
        // Eight bytes at a time while they are all printable ASCII, as most
        // stored text is.
        if (text.size() - i >= 8) {
            uint64_t bytes = 0;
            std::memcpy(&bytes, text.data() + i, 8);
            constexpr uint64_t ones = 0x0101010101010101;
            constexpr uint64_t high_bits = 0x8080808080808080;
            const uint64_t control_or_beyond_ascii = ((bytes - ones * 0x20) & ~bytes) | bytes;
            if ((control_or_beyond_ascii & high_bits) == 0) {
                i += 8;
                continue;
            }
        }
        const Decoded d = decode(text, i);
        if (d.length == 0 || !allowed_in_xml(d.code_point)) return false;
        i += d.length;
    }
    return true;
}

namespace {

void append_utf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code point of "&#123;" or "&#x7B;" at the start of text (its length
// set), or nothing when text does not start with a character reference.
// Values too large for any character count as beyond U+10FFFF.
std::optional<uint32_t> character_reference(std::string_view text, size_t& length) {
    if (!text.starts_with("&#")) return std::nullopt;
    const bool hex = text.size() > 2 && text[2] == 'x';
    size_t i = hex ? 3 : 2;
    const size_t first_digit = i;
    uint32_t cp = 0;
    for (; i < text.size() && text[i] != ';'; ++i) {
        const char c = text[i];
        uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint32_t>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<uint32_t>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<uint32_t>(c - 'A' + 10);
        else
            return std::nullopt;
        cp = cp > 0x10FFFF ? cp : cp * (hex ? 16 : 10) + digit;
    }
    if (i == first_digit || i == text.size()) return std::nullopt;
    length = i + 1;
    return cp;
}

}  // namespace

std::string xml_unescape(std::string_view escaped, bool* cleaned) {
    struct Entity {
        std::string_view name;
        char character;
    };
    static constexpr Entity entities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string decoded;
    decoded.reserve(escaped.size());
    bool changed = false;
    size_t plain_start = 0;
    // Plain runs are cleaned as they stand; references are decoded one by one.
    auto flush_plain = [&](size_t end) {
        const std::string_view plain = escaped.substr(plain_start, end - plain_start);
        if (is_xml_clean(plain)) {
            decoded.append(plain);
        } else {
            decoded += xml_clean(plain);
            changed = true;
        }
    };
    for (size_t i = escaped.find('&'); i != std::string_view::npos; i = escaped.find('&', i)) {
        const std::string_view rest = escaped.substr(i);
        size_t length = 0;
        if (const auto cp = character_reference(rest, length)) {
            flush_plain(i);
            if (*cp > 0x10FFFF || (*cp >= 0xD800 && *cp <= 0xDFFF)) {
                decoded += replacement;
                changed = true;
            } else if (!allowed_in_xml(*cp)) {
                changed = true;
            } else {
                append_utf8(decoded, *cp);
            }
            i += length;
            plain_start = i;
            continue;
        }
        const Entity* entity = nullptr;
        for (const Entity& e : entities)
            if (rest.starts_with(e.name)) entity = &e;
        if (!entity) {
            ++i;
            continue;
        }
        flush_plain(i);
        decoded += entity->character;
        i += entity->name.size();
        plain_start = i;
    }
    flush_plain(escaped.size());
    if (cleaned) *cleaned = changed;
    return decoded;
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
