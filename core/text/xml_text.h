#pragma once

#include <string>
#include <string_view>

namespace MyStrF {

// Text as every XML writer (and the project reader) of the program must hold
// it: valid UTF-8 with only characters XML 1.0 allows. Invalid or overlong
// sequences, surrogates and code points above U+10FFFF become U+FFFD; C0
// controls other than tab, newline and carriage return, and U+FFFE/U+FFFF,
// are removed. Clean text is returned unchanged, so cleaning twice is the
// same as cleaning once.
std::string xml_clean(std::string_view text);

// True when xml_clean would return the text unchanged.
bool is_xml_clean(std::string_view text);

// The text that escaped XML character data stands for, as xml_clean leaves
// it: the five predefined entities and character references are decoded
// (other '&' sequences stay as they are); a reference to a character XML 1.0
// forbids is removed (NUL included, so it never cuts the text), one to a
// surrogate or beyond U+10FFFF becomes U+FFFD. cleaned, when given, is set
// when something was removed or replaced.
std::string xml_unescape(std::string_view escaped, bool* cleaned = nullptr);

}  // namespace MyStrF
