#pragma once

#include <QString>
#include <optional>

// Numbers typed into the dialogs. Either "." or "," is taken as the decimal
// point, whatever the locale; blanks around the number are allowed, anything
// else makes the text no number.
namespace glue {

std::optional<double> parse_decimal(const QString& text);
// A 32-bit whole number.
std::optional<int> parse_whole(const QString& text);

}  // namespace glue
