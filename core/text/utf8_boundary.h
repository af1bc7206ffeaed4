#pragma once

#include <cstddef>
#include <string_view>

namespace MyStrF::utf8 {

// The largest position not above n (and not above the text's size) that does
// not fall inside a multi-byte character. Looks back at most three bytes, so
// malformed text is cut near n as well.
size_t cut_position(std::string_view text, size_t n);

}  // namespace MyStrF::utf8
