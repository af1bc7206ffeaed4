#include "tests/support/core/chapter_outline.h"

#include "core/model/node.h"

namespace testing_support {

std::string ChapterOutline::name(const Node* node) const {
    if (!node) return "-";
    const auto found = names.find(node);
    return found != names.end() ? found->second : node->get_uid();
}

void ChapterOutline::line(std::string text) {
    ++events;
    lines.push_back(std::string(2 * open.size(), ' ') + std::move(text));
}

void ChapterOutline::heading(const chapters::Heading& h) {
    line("H" + std::to_string(h.level) + (h.new_page ? "p " : " ") + h.text + (h.node ? " @" + name(h.node) : ""));
    headings.push_back(h);
    if (static_cast<size_t>(h.level) > max_level) max_level = static_cast<size_t>(h.level);
    open.push_back('s');
}

void ChapterOutline::end_section() {
    ++events;
    if (open.empty() || open.back() != 's') misclosed = true;
    if (!open.empty()) open.pop_back();
}

void ChapterOutline::intro(const chapters::Intro& i) {
    line("I " + std::string(i.name));
    intros.push_back(i);
}

void ChapterOutline::ref(const chapters::Ref& r) {
    line("R " + std::string(chapters::role_name(r.role)) + " " + name(r.node) + (r.subject ? " *" : "") +
         (r.opens_group ? " {" : ""));
    refs.push_back(r);
    if (r.opens_group) open.push_back('g');
}

void ChapterOutline::end_group() {
    ++events;
    if (open.empty() || open.back() != 'g') misclosed = true;
    if (!open.empty()) open.pop_back();
}

void ChapterOutline::no_objects(std::string_view kind_name) { line("none " + std::string(kind_name)); }

void ChapterOutline::already_written(const Node& node) { line("written " + name(&node)); }

std::string ChapterOutline::text() const {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

}  // namespace testing_support
