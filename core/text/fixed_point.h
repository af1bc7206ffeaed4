#pragma once

#include <string>

// Shared by the number and the money texts.
namespace MyStrF::fixed_point {

// Correctly rounded fixed-point text of the binary value, '.' as point, any locale.
std::string text(double value, int decimals);

// "12.500" -> "12.5", "3.000" -> "3"; a text without a point is left alone.
std::string without_trailing_zeros(std::string text);

}  // namespace MyStrF::fixed_point
