#include <cstdint>
#include <string_view>

#include "core/text/text_utils.h"
#include "core/text/utf8_boundary.h"

namespace MyStrF {
namespace {

constexpr bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the sequence a byte starts; 1 for ASCII and for bytes that start none.
constexpr size_t sequence_length(unsigned char lead) {
    if (lead >= 0xC0 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    return 1;
}

// Windows-1252 bytes 0x80-0x9F for the characters that are not Latin-1.
char winansi_byte(uint32_t code_point) {
    struct Mapping {
        uint32_t code_point;
        unsigned char byte;
    };
    static constexpr Mapping table[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
        {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
        {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96},
        {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
        {0x0178, 0x9F}};
    for (const Mapping& m : table)
        if (m.code_point == code_point) return static_cast<char>(m.byte);
    return '?';
}

}  // namespace

size_t utf8::cut_position(std::string_view text, size_t n) {
    if (n >= text.size()) return text.size();
    if (!is_continuation(static_cast<unsigned char>(text[n]))) return n;
    for (size_t back = 1; back <= 3 && back <= n; ++back) {
        const auto c = static_cast<unsigned char>(text[n - back]);
        if (is_continuation(c)) continue;
        return sequence_length(c) > back ? n - back : n;
    }
    return n;
}

std::string utf8_to_winansi(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    const size_t size = utf8.size();
    for (size_t i = 0; i < size;) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const auto next = [&](size_t k) { return static_cast<uint32_t>(static_cast<unsigned char>(utf8[i + k]) & 0x3F); };
        // The bytes after a lead are taken as they come, without a continuation check.
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            i += 1;
        } else if ((lead & 0xE0) == 0xC0 && i + 1 < size) {
            const uint32_t code_point = (lead & 0x1Fu) << 6 | next(1);
            out += code_point <= 0xFF ? static_cast<char>(code_point) : winansi_byte(code_point);
            i += 2;
        } else if ((lead & 0xF0) == 0xE0 && i + 2 < size) {
            out += winansi_byte((lead & 0x0Fu) << 12 | next(1) << 6 | next(2));
            i += 3;
        } else {
            out += '?';
            i += 1;
        }
    }
    return out;
}

std::u16string utf8_to_wide(const std::string& utf8) {
    std::u16string wide;
    const size_t size = utf8.size();
    for (size_t i = 0; i < size;) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        size_t length = 1;
        uint32_t code_point = lead;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2, code_point = lead & 0x1F;
        else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code_point = lead & 0x0F;
        else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code_point = lead & 0x07;
        else if (lead >= 0x80) return {};  // continuation byte, overlong lead C0/C1, or F5-FF
        if (size - i < length) return {};
        for (size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if (!is_continuation(c)) return {};
            code_point = code_point << 6 | (c & 0x3F);
        }
        const bool overlong = (length == 3 && code_point < 0x800) || (length == 4 && code_point < 0x10000);
        const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
        if (overlong || surrogate || code_point > 0x10FFFF) return {};
        if (code_point < 0x10000) {
            wide += static_cast<char16_t>(code_point);
        } else {
            code_point -= 0x10000;
            wide += static_cast<char16_t>(0xD800 + (code_point >> 10));
            wide += static_cast<char16_t>(0xDC00 + (code_point & 0x3FF));
        }
        i += length;
    }
    return wide;
}

}  // namespace MyStrF
