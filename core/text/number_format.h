#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers to text and back. Every conversion uses '.' as decimal point,
// whatever the process locale says.
namespace MyStrF {

// Adaptive fixed-point text: 3 decimals from 1 upwards, one more per decade
// below 1 (at most 9), trailing zeros and a trailing point removed.
std::string _double_to_string(double value);

// The adaptive text followed directly by the unit symbol; the money form for
// the price type (6); the bare number for types 0 and 1 and the unit "-".
std::string _double_to_string(double value, unsigned type_index, std::string unit);

// Shortest text that reads back to exactly the same double (used for
// storage), in plain decimals from 1e-9 to 1e15 in magnitude, outside them
// with an exponent.
std::string _double_to_roundtrip_string(double value);

// European money text with "k" and "M" abbreviations of whole amounts.
std::string _double_to_price(double value, const std::string& currency);

// Decimal text left-padded with '0' to the width; never cut.
std::string _intToStringWithLength(int value, unsigned width);

// Local time as year_month_day_hour_minute_ (for file-name prefixes).
std::string _get_time_prefix();

// Lenient integer parser (leading blanks skipped, trailing characters ignored).
// Failures append a message to errors and give the default.
int _StringToInt(const std::string& text, std::string& errors, int default_value);

// As above, but a failure shows the message in an "Error" box.
int _StringToInt(const std::string& text, int default_value);

// Lenient double parser; non-finite values count as unreadable. A failure
// shows an "Error" box and gives 0.0.
double _string_to_double(const std::string& text);

// "true"/"True"/"TRUE" and "false"/"False"/"FALSE"; anything else shows an
// "Error" box and gives false.
bool _string_to_bool(const std::string& text);

std::string _bool_to_string(bool value);

// True when the text does not begin with "Error: ".
bool _no_error(std::string_view text);

}  // namespace MyStrF
