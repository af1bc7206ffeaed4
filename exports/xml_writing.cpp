#include "exports/xml_writing.h"

#include <cmath>

#include "core/text/ascii.h"
#include "core/text/number_format.h"
#include "core/text/xml_text.h"

namespace exports::xml {

void set(pugi::xml_node element, const char* name, std::string_view value) {
    pugi::xml_attribute attribute = element.append_attribute(name);
    if (MyStrF::is_xml_clean(value)) {
        attribute.set_value(value.data(), value.size());
    } else {
        const std::string clean = MyStrF::xml_clean(value);
        attribute.set_value(clean.data(), clean.size());
    }
}

void append_text(pugi::xml_node parent, std::string_view text) {
    pugi::xml_node node = parent.append_child(pugi::node_pcdata);
    if (MyStrF::is_xml_clean(text)) {
        node.set_value(text.data(), text.size());
    } else {
        const std::string clean = MyStrF::xml_clean(text);
        node.set_value(clean.data(), clean.size());
    }
}

pugi::xml_node add_text(pugi::xml_node parent, const char* name, std::string_view text) {
    pugi::xml_node element = parent.append_child(name);
    append_text(element, text);
    return element;
}

std::optional<std::string> number(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return MyStrF::_double_to_string(value);
}

namespace {

struct SizeWriter : pugi::xml_writer {
    void write(const void*, size_t size) override { total += size; }
    size_t total = 0;
};

struct StringWriter : pugi::xml_writer {
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
    std::string text;
};

bool is_name_char(char c) {
    return MyStrF::ascii::is_alpha(c) || MyStrF::ascii::is_digit(c) || c == '_' || c == '-' || c == '.';
}

}  // namespace

std::string text_of(const pugi::xml_document& document, const char* indent) {
    // Sized first: a text of a hundred megabytes that grows by doubling
    // touches twice its memory and copies itself on the way.
    SizeWriter size;
    document.save(size, indent, pugi::format_indent, pugi::encoding_utf8);
    StringWriter writer;
    writer.text.reserve(size.total);
    document.save(writer, indent, pugi::format_indent, pugi::encoding_utf8);
    return std::move(writer.text);
}

std::string hash_hex(std::string_view text) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (size_t i = 16; i-- > 0; hash >>= 4) hex[i] = digits[hash & 0xf];
    return hex;
}

std::string identifier(std::string_view text) {
    const bool good_start = !text.empty() && (MyStrF::ascii::is_alpha(text.front()) || text.front() == '_');
    bool changed = !good_start;
    std::string id = good_start ? "" : "_";
    id.reserve(text.size() + 18);
    for (char c : text) {
        if (is_name_char(c)) {
            id += c;
        } else {
            id += '_';
            changed = true;
        }
    }
    if (changed) id += "_" + hash_hex(text);
    return id;
}

std::string uri(std::string_view link) {
    static constexpr char digits[] = "0123456789ABCDEF";
    static constexpr std::string_view unfit = " <>\"{}|\\^`";
    std::string out;
    out.reserve(link.size());
    for (char c : link) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x21 || byte >= 0x7f || unfit.find(c) != std::string_view::npos) {
            out += '%';
            out += digits[byte >> 4];
            out += digits[byte & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace exports::xml
