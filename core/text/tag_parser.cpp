#include "core/text/tag_parser.h"

#include <iterator>
#include <utility>

namespace MyStrF {
namespace {

std::string opening_mark(std::string_view tag) { return "<" + std::string(tag) + ">"; }
std::string closing_mark(std::string_view tag) { return "</" + std::string(tag) + ">"; }

}  // namespace

std::string _extract_tag_content(std::string_view text, std::string_view tag, size_t& position) {
    const std::string open = opening_mark(tag);
    const std::string close = closing_mark(tag);
    const size_t open_at = text.find(open, position);
    if (open_at == std::string_view::npos) return {};
    const size_t content_at = open_at + open.size();
    const size_t close_at = text.find(close, content_at);
    if (close_at == std::string_view::npos) return {};
    position = close_at + close.size();
    return std::string(text.substr(content_at, close_at - content_at));
}

std::list<std::vector<std::string>> _parse_text(const std::string& text, const std::list<std::string>& tags) {
    std::list<std::vector<std::string>> records;
    if (tags.empty()) return records;
    const std::string open = opening_mark(tags.front());
    const std::string close = closing_mark(tags.front());
    const std::string_view all = text;
    for (size_t open_at = all.find(open); open_at != std::string_view::npos;) {
        const size_t body_at = open_at + open.size();
        const size_t close_at = all.find(close, body_at);
        // An unclosed record ends the reading: nothing after it is trusted.
        if (close_at == std::string_view::npos) break;
        const std::string_view body = all.substr(body_at, close_at - body_at);
        std::vector<std::string> fields;
        fields.reserve(tags.size() - 1);
        // Each field is searched from the start of the body, so fields may come in any order.
        for (auto tag = std::next(tags.begin()); tag != tags.end(); ++tag) {
            size_t position = 0;
            fields.push_back(_extract_tag_content(body, *tag, position));
        }
        records.push_back(std::move(fields));
        open_at = all.find(open, close_at + close.size());
    }
    return records;
}

std::string _decode_xml_entities(const std::string& text) {
    struct Entity {
        std::string_view name;
        char character;
    };
    static constexpr Entity entities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string decoded;
    decoded.reserve(text.size());
    const std::string_view rest = text;
    for (size_t i = 0; i < rest.size();) {
        bool replaced = false;
        if (rest[i] == '&') {
            for (const Entity& entity : entities) {
                if (rest.substr(i).starts_with(entity.name)) {
                    decoded += entity.character;
                    i += entity.name.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) decoded += rest[i++];
    }
    return decoded;
}

}  // namespace MyStrF
