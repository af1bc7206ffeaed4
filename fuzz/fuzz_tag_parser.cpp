// Fuzzes the reader of AI answers and the text helpers that shape its results.
// Input layout: byte 0 = width for wrapping and shortening, byte 1 = number of
// tags (0-4), then that many NUL-terminated tags, then the answer text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/tag_parser.h"
#include "core/text/text_utils.h"

namespace {

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// Independent strict UTF-8 check (no overlong forms, no surrogates, at most U+10FFFF).
bool is_valid_utf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        uint32_t code_point = 0;
        if (c < 0x80) length = 1, code_point = c;
        else if ((c & 0xE0) == 0xC0) length = 2, code_point = c & 0x1F;
        else if ((c & 0xF0) == 0xE0) length = 3, code_point = c & 0x0F;
        else if ((c & 0xF8) == 0xF0) length = 4, code_point = c & 0x07;
        else return false;
        if (text.size() - i < length) return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code_point = code_point << 6 | (next & 0x3F);
        }
        static constexpr uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code_point < smallest[length] || code_point > 0x10FFFF) return false;
        if (code_point >= 0xD800 && code_point <= 0xDFFF) return false;
        i += length;
    }
    return true;
}

std::string encode_xml_entities(std::string_view text) {
    std::string encoded;
    for (char c : text) {
        switch (c) {
            case '&': encoded += "&amp;"; break;
            case '<': encoded += "&lt;"; break;
            case '>': encoded += "&gt;"; break;
            case '"': encoded += "&quot;"; break;
            case '\'': encoded += "&apos;"; break;
            default: encoded += c;
        }
    }
    return encoded;
}

void check_shortening(const std::string& text, size_t n) {
    const bool valid = is_valid_utf8(text);
    const std::string cut = MyStrF::_toMaxLength(text, n);
    check(text.starts_with(cut), "_toMaxLength gives a prefix");
    if (text.size() <= n) check(cut == text, "_toMaxLength keeps a short text");
    else check(cut.size() <= n && cut.size() + 3 >= n, "_toMaxLength cuts at most three bytes early");
    if (valid) check(is_valid_utf8(cut), "_toMaxLength keeps characters whole");

    const std::string pointed = MyStrF::_toMaxLengthWithPoints(text, n);
    if (n < 3 || text.size() <= n) {
        check(pointed == text, "_toMaxLengthWithPoints keeps short texts");
        return;
    }
    check(pointed.ends_with("...") && pointed.size() <= n && pointed.size() + 3 >= n,
          "_toMaxLengthWithPoints ends in points within three bytes of n");
    check(text.starts_with(std::string_view(pointed).substr(0, pointed.size() - 3)), "the kept part is a prefix");
    if (valid) check(is_valid_utf8(pointed), "_toMaxLengthWithPoints keeps characters whole");
}

void check_wrapping(const std::string& text, size_t width) {
    const std::string wrapped = MyStrF::_WrapText(text, width);
    if (text.empty() || width == 0) {
        check(wrapped == text, "_WrapText leaves empty text and width 0 alone");
        return;
    }
    check(MyStrF::_text_to_words(wrapped) == MyStrF::_text_to_words(text), "_WrapText keeps the words in order");
    for (const std::string& line : MyStrF::_split_lines(wrapped)) {
        check(!line.empty() && line.front() != ' ' && line.back() != ' ', "lines have no blank at either end");
        if (line.size() > width) check(line.find(' ') == std::string::npos, "only a single word exceeds the width");
    }
}

void check_extraction(const std::string& text, const std::string& tag) {
    const std::string open = "<" + tag + ">";
    const std::string close = "</" + tag + ">";
    size_t position = 0;
    for (int step = 0; step < 64; ++step) {
        const size_t before = position;
        const std::string content = MyStrF::_extract_tag_content(text, tag, position);
        if (position == before) {
            check(content.empty(), "nothing found gives an empty content");
            return;
        }
        check(position > before && position <= text.size(), "position moves forward inside the text");
        const size_t content_at = position - close.size() - content.size();
        check(text.compare(position - close.size(), close.size(), close) == 0, "position follows the closing mark");
        check(text.compare(content_at, content.size(), content) == 0, "content is taken byte for byte");
        check(content_at >= before + open.size() && text.compare(content_at - open.size(), open.size(), open) == 0,
              "content follows an opening mark");
        check(content.find(close) == std::string::npos, "the first closing mark ends the content");
    }
}

void check_records(const std::string& text, const std::list<std::string>& tags) {
    const auto records = MyStrF::_parse_text(text, tags);
    if (tags.empty()) {
        check(records.empty(), "no tags, no records");
        return;
    }
    const std::string close = "</" + tags.front() + ">";
    size_t closing_marks = 0;
    for (size_t at = text.find(close); at != std::string::npos; at = text.find(close, at + close.size())) ++closing_marks;
    check(records.size() <= closing_marks, "every record has its own closing mark");
    for (const auto& fields : records) {
        check(fields.size() == tags.size() - 1, "one field per field tag");
        for (const std::string& field : fields) {
            check(text.find(field) != std::string::npos, "fields are parts of the text");
            check(field.find(close) == std::string::npos, "fields never cross a record boundary");
        }
    }
}

void check_entities(const std::string& text) {
    const std::string decoded = MyStrF::_decode_xml_entities(text);
    check(decoded.size() <= text.size(), "decoding never lengthens");
    if (text.find('&') == std::string::npos) check(decoded == text, "text without '&' is unchanged");
    check(MyStrF::_decode_xml_entities(encode_xml_entities(text)) == text, "decoding undoes encoding");
}

void check_conversions(const std::string& text) {
    check(is_valid_utf8(text) == (text.empty() || !MyStrF::utf8_to_wide(text).empty()),
          "utf8_to_wide accepts exactly the valid texts");
    check(MyStrF::utf8_to_winansi(text).size() <= text.size(), "Windows-1252 never has more bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t width = data[0];
    const size_t tag_count = data[1] % 5;
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    std::list<std::string> tags;
    for (size_t i = 0; i < tag_count && !rest.empty(); ++i) {
        const size_t end = rest.find('\0');
        tags.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    const std::string text(rest);

    check_records(text, tags);
    for (const std::string& tag : tags) check_extraction(text, tag);
    check_shortening(text, width);
    check_wrapping(text, width);
    check_entities(text);
    check_conversions(text);
    for (const auto& fields : MyStrF::_parse_text(text, tags))
        for (const std::string& field : fields) {
            check_wrapping(field, 60);
            check_entities(field);
        }
    return 0;
}
