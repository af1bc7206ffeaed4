#include "pdf/doc/pdf_strings.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

#include "core/text/text_utils.h"
#include "core/text/xml_text.h"

namespace pdf {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// PDFDocEncoding codes of the characters that are not at their Latin-1 position.
std::optional<unsigned char> pdfdoc_special(char16_t c) {
    struct Mapping {
        char16_t code_point;
        unsigned char byte;
    };
    static constexpr Mapping table[] = {
        {0x02D8, 0x18}, {0x02C7, 0x19}, {0x02C6, 0x1A}, {0x02D9, 0x1B}, {0x02DD, 0x1C}, {0x02DB, 0x1D},
        {0x02DA, 0x1E}, {0x02DC, 0x1F}, {0x2022, 0x80}, {0x2020, 0x81}, {0x2021, 0x82}, {0x2026, 0x83},
        {0x2014, 0x84}, {0x2013, 0x85}, {0x0192, 0x86}, {0x2044, 0x87}, {0x2039, 0x88}, {0x203A, 0x89},
        {0x2212, 0x8A}, {0x2030, 0x8B}, {0x201E, 0x8C}, {0x201C, 0x8D}, {0x201D, 0x8E}, {0x2018, 0x8F},
        {0x2019, 0x90}, {0x201A, 0x91}, {0x2122, 0x92}, {0xFB01, 0x93}, {0xFB02, 0x94}, {0x0141, 0x95},
        {0x0152, 0x96}, {0x0160, 0x97}, {0x0178, 0x98}, {0x017D, 0x99}, {0x0131, 0x9A}, {0x0142, 0x9B},
        {0x0153, 0x9C}, {0x0161, 0x9D}, {0x017E, 0x9E}, {0x20AC, 0xA0}};
    for (const Mapping& m : table)
        if (m.code_point == c) return m.byte;
    return std::nullopt;
}

std::optional<unsigned char> pdfdoc_byte(char16_t c) {
    if (c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c <= 0x7E)) return static_cast<unsigned char>(c);
    if (c >= 0xA1 && c <= 0xFF && c != 0xAD) return static_cast<unsigned char>(c);
    return pdfdoc_special(c);
}

}  // namespace

void append_int(std::string& out, long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void append_number(std::string& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string int_text(long long value) {
    std::string text;
    append_int(text, value);
    return text;
}

void append_padded(std::string& out, long long value, int width) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    const auto digits = static_cast<int>(result.ptr - buffer);
    if (digits < width) out.append(static_cast<size_t>(width - digits), '0');
    out.append(buffer, result.ptr);
}

void append_escaped(std::string& out, std::string_view bytes) {
    // Runs of plain bytes are copied whole; only the few special ones are rewritten.
    size_t plain = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char* escape = nullptr;
        switch (bytes[i]) {
            case '\\': escape = "\\\\"; break;
            case '(': escape = "\\("; break;
            case ')': escape = "\\)"; break;
            case '\b': escape = "\\b"; break;
            case '\t': escape = "\\t"; break;
            case '\n': escape = "\\n"; break;
            case '\f': escape = "\\f"; break;
            case '\r': escape = "\\r"; break;
            default: continue;
        }
        out.append(bytes.substr(plain, i - plain));
        out += escape;
        plain = i + 1;
    }
    out.append(bytes.substr(plain));
}

std::string escape_pdf_string(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    append_escaped(out, bytes);
    return out;
}

std::string pdf_text_string(std::string_view utf8) {
    const std::u16string wide = MyStrF::utf8_to_wide(MyStrF::xml_clean(utf8));
    std::string single;
    single.reserve(wide.size());
    for (char16_t c : wide) {
        const auto byte = pdfdoc_byte(c);
        if (!byte) {
            std::string hex = "<FEFF";
            for (char16_t unit : wide)
                for (int shift = 12; shift >= 0; shift -= 4) hex += kHex[(unit >> shift) & 0xF];
            return hex + ">";
        }
        single += static_cast<char>(*byte);
    }
    return "(" + escape_pdf_string(single) + ")";
}

std::string uri_ascii(std::string_view uri) {
    std::string out;
    out.reserve(uri.size());
    for (char c : uri) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

std::string to_winansi(std::string_view utf8) { return MyStrF::utf8_to_winansi(std::string(utf8)); }

}  // namespace pdf
