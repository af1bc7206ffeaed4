#pragma once

#include <string>
#include <string_view>

// Pieces of PDF syntax. Numbers never pass through a locale: a decimal comma
// would break every operator that reads them.
namespace pdf {

// Decimal integer.
void append_int(std::string& out, long long value);
// Shortest decimal form that reads back as the same double ("0", "0.4", "1").
void append_number(std::string& out, double value);
std::string int_text(long long value);
// The integer zero-filled to width digits.
void append_padded(std::string& out, long long value, int width);

// The bytes of a literal string body: backslash and parentheses escaped, the
// control characters backspace, tab, newline, form feed and carriage return
// written as their two-character escapes.
std::string escape_pdf_string(std::string_view bytes);
void append_escaped(std::string& out, std::string_view bytes);

// A complete text string token for text outside page content (document
// information, outline titles) from UTF-8: a literal string in PDFDocEncoding
// when every character has a code there, otherwise a hex string in UTF-16BE
// with its byte-order mark. Invalid UTF-8 shows as U+FFFD.
std::string pdf_text_string(std::string_view utf8);

// A URI reduced to 7-bit text: bytes outside the printable ASCII range and
// the blank are percent-encoded.
std::string uri_ascii(std::string_view uri);

// UTF-8 to the single-byte Windows-1252 text the core fonts are measured and
// drawn in; characters it lacks become '?'.
std::string to_winansi(std::string_view utf8);

}  // namespace pdf
