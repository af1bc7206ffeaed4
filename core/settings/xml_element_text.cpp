#include "core/settings/xml_element_text.h"

#include "core/text/xml_text.h"

namespace xml_reading {

std::string element_text(pugi::xml_node element, bool* cleaned) {
    std::string text;
    bool changed = false;
    for (const pugi::xml_node part : element.children()) {
        bool part_changed = false;
        if (part.type() == pugi::node_pcdata) {
            // Most values are one part: taken over, not copied.
            if (text.empty())
                text = MyStrF::xml_unescape(part.value(), &part_changed);
            else
                text += MyStrF::xml_unescape(part.value(), &part_changed);
        } else if (part.type() == pugi::node_cdata) {
            part_changed = !MyStrF::is_xml_clean(part.value());
            text += part_changed ? MyStrF::xml_clean(part.value()) : std::string(part.value());
        }
        changed = changed || part_changed;
    }
    if (cleaned) *cleaned = changed;
    return text;
}

}  // namespace xml_reading
