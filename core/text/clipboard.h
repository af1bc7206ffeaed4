#pragma once

#include <string>

// Plain-text clipboard exchange; the text is UTF-8 both ways.
namespace MyStrF {

void _copy_text_to_clipboard(const std::string& text);
std::string _get_text_from_clipboard();

}  // namespace MyStrF
