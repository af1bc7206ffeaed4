#pragma once

#include <string>

#include <pugixml.hpp>

// Reading texts from the XML files of the program (project, configuration):
// the parser leaves entities alone, and element_text decodes and cleans them
// as every writer cleans its texts (MyStrF::xml_clean), so that a text reads
// back as it was written and a reference to NUL cannot cut it short.
namespace xml_reading {

constexpr unsigned int parse_options = pugi::parse_default & ~pugi::parse_escapes;

// The character data and CDATA sections directly inside element, in order;
// "" for a null element. cleaned, when given, is set when characters that
// XML 1.0 does not allow were removed or replaced.
std::string element_text(pugi::xml_node element, bool* cleaned = nullptr);

}  // namespace xml_reading
