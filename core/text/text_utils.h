#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text utilities: shortening, wrapping, splitting, searching, conversions.
// Lengths count bytes of the UTF-8 text, but no cut ever splits a character.
namespace MyStrF {

std::string _toMaxLength(const std::string& text, size_t n);
std::string _toMaxLengthWithPoints(const std::string& text, size_t n);
std::string _WrapText(const std::string& text, size_t width);
std::vector<std::string> _text_to_words(const std::string& text);
std::vector<std::string> _split_lines(const std::string& text);
std::string _replace(const std::string& text, std::string from, std::string to);
std::string _replace_all(const std::string& text, std::string from, std::string to);
bool _contains(std::string_view text, std::string_view part);
bool _containsDomain(const std::string& text, const std::string& part);
bool _startsWith(const std::string& text, const std::string& prefix);
bool _contains_string(const std::vector<std::string>& items, const std::string& item);
// Find: with whole_word the needle must stand between word separators.
bool _is_in_str(std::string_view text, std::string_view needle, bool whole_word);
std::string _trimLink(const std::string& link);

// UTF-8 to Windows-1252 (for the PDF core fonts); unmappable characters give '?'.
std::string utf8_to_winansi(const std::string& utf8);
// Strict UTF-8 to UTF-16; empty for an empty or invalid input.
std::u16string utf8_to_wide(const std::string& utf8);

// The program's version as major.minor.build.revision, or "Unknown".
std::string _get_file_version();
// The login name of the current user, or "UnknownUser".
std::string find_current_user_name();

}  // namespace MyStrF
