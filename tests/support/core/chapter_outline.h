#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/chapters/chapter_walk.h"

namespace testing_support {

// Writes the events of a chapter walk as one line each, indented by the
// sections and groups open around them:
//   H<level>[p] <text> @<node>   heading (p: on a new page)
//   I <name>                     introduction
//   R <role> <node>[ *][ {]      reference row (*: the section's subject, {: opens a group)
//   none <kind>                  the report's no-objects line
//   written <node>               content not repeated
// Nodes are shown by the names given, else by their uid. Closing events
// write no line; close_count and balanced() check them.
class ChapterOutline : public chapters::ChapterVisitor {
public:
    explicit ChapterOutline(std::map<const Node*, std::string> names = {}) : names(std::move(names)) {}

    void heading(const chapters::Heading& h) override;
    void end_section() override;
    void intro(const chapters::Intro& i) override;
    void ref(const chapters::Ref& r) override;
    void end_group() override;
    void no_objects(std::string_view kind_name) override;
    void already_written(const Node& node) override;

    std::string text() const;
    // Every heading and group was closed, in the order opened.
    bool balanced() const { return open.empty() && !misclosed; }

    std::vector<std::string> lines;
    std::vector<chapters::Heading> headings;
    std::vector<chapters::Intro> intros;
    std::vector<chapters::Ref> refs;
    size_t events = 0;
    size_t max_level = 0;

private:
    std::string name(const Node* node) const;
    void line(std::string text);

    std::map<const Node*, std::string> names;
    std::vector<char> open;  // 's' section, 'g' group
    bool misclosed = false;
};

}  // namespace testing_support
