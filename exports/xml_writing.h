#pragma once

#include <array>
#include <charconv>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

// What both interchange writers need from pugixml: every text they write is
// cleaned by MyStrF::xml_clean, every number is written without the locale.
namespace exports::xml {

// Appends an element; names are literals of the formats.
inline pugi::xml_node add(pugi::xml_node parent, const char* name) { return parent.append_child(name); }

// Appends an attribute with the cleaned value.
void set(pugi::xml_node element, const char* name, std::string_view value);

// Appends an element holding the cleaned text.
pugi::xml_node add_text(pugi::xml_node parent, const char* name, std::string_view text);

// Appends the cleaned text as a text node.
void append_text(pugi::xml_node parent, std::string_view text);

// Decimal text of an integer.
template <std::integral T>
std::string decimal(T value) {
    std::array<char, 24> buffer;
    return std::string(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
}

// A number as the program shows it (MyStrF::_double_to_string); nothing for
// NaN or an infinity, which no file may hold.
std::optional<std::string> number(double value);

// The document as UTF-8 text, one indent per level.
std::string text_of(const pugi::xml_document& document, const char* indent);

// The text as an identifier (an XML NCName of ASCII letters, digits, "_", "-"
// and "."): unchanged when it is one; otherwise every other byte becomes "_",
// a leading "_" is added when it does not start with a letter or "_", and
// "_" and the 16 hex digits of the text's FNV-1a hash are appended, so that
// different texts stay different identifiers.
std::string identifier(std::string_view text);

// FNV-1a (64 bit) of the text, as 16 lower-case hex digits.
std::string hash_hex(std::string_view text);

// A link made fit for a URI attribute: bytes that a URI cannot hold (blanks,
// controls, non-ASCII, <>"{}|\^`) are percent-encoded.
std::string uri(std::string_view link);

}  // namespace exports::xml
