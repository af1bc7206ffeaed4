#pragma once

#include <list>
#include <string>
#include <string_view>
#include <vector>

// The tagged-record grammar of AI answers: <record> ... <field>text</field> ... </record>.
namespace MyStrF {

// Content of the next <tag>...</tag> at or after position; moves position past
// the closing mark. Empty (and position unchanged) when not found.
std::string _extract_tag_content(std::string_view text, std::string_view tag, size_t& position);

// tags = record tag, then field tags. One vector of field contents per record,
// in text order; contents are returned byte for byte.
std::list<std::vector<std::string>> _parse_text(const std::string& text, const std::list<std::string>& tags);

// Decodes the five predefined XML entities (&amp; &lt; &gt; &quot; &apos;).
std::string _decode_xml_entities(const std::string& text);

}  // namespace MyStrF
