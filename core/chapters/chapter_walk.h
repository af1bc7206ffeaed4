#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/chapters/route.h"

class Node;
class Project;

// The six views of a project's graph that the full PDF report writes as its
// tree chapters, the ReqIF export as the chapters of its document hierarchy and
// the SysML export as its view packages. One walk produces them for all three
// as a stream of events to a visitor, in the report's order.
//
// Walk under the export display filter (ExportDisplayFilter): the walks ask
// the model for each option's requirements to the next option, which honour
// the display filter.
namespace chapters {

enum class Chapter {
    project_tree,         // the project, its user stories, mandates and top-level requirements
    design_problem_tree,  // design problems, each with the problems its options lead to
    options_tree,         // design problems with their options and sub-options
    validation_trees,     // one section per option: its problem, requirements and arguments
    requirements_trees,   // top-level requirements down through arguments
    v_diagram,            // user stories, requirements, options, arguments, evidence
};
inline constexpr std::array<Chapter, 6> all_chapters{Chapter::project_tree,       Chapter::design_problem_tree,
                                                     Chapter::options_tree,       Chapter::validation_trees,
                                                     Chapter::requirements_trees, Chapter::v_diagram};

// The walks of the report and of the two interchange files agree but in two
// chapters:
// - Project Tree: the report always writes the three introductions (an empty
//   list then gets a no_objects event) and lists the project's top-level
//   requirements; the interchange files write an introduction only for a
//   list that is not empty, and list the requirements of the mandates.
// - Requirements Trees: the report lists an argument's requirements as they
//   come (one may appear twice); the interchange files list each once, since
//   every route must name one place. The report also keeps a blank between
//   the option's subject and "is selected.".
enum class Style { report, interchange };

// What a listed node stands for where it is listed.
enum class Role {
    project,
    user_story,
    mandate,
    top_req,
    requirement,
    integration_req,
    design_problem,
    option,
    argument,
    evidence,
};
// "project", "user_story", "mandate", "top_req", "requirement",
// "integration_req", "design_problem", "option", "argument", "evidence".
std::string_view role_name(Role role);

// A heading opens a section; everything up to the matching end_section
// belongs to it. Chapter headings (level 1) carry no node; every other
// heading is about its node, and the section's first reference row to that
// node is marked as the section's subject.
struct Heading {
    int level;              // the report's heading level, 1 for the chapter
    std::string_view name;  // stable name of this kind of heading, e.g. "DOC_CF11_DPR_SECTION"
    Route route;            // where the section lies; empty for a chapter heading
    std::string text;
    const Node* node;
    Role role;
    bool new_page;  // the report starts this heading on a new page

    // name, then "__" and the route when there is one: unique within a walk.
    std::string key(size_t max_route_size = std::string::npos) const;
};

// A connecting sentence of the chapter.
struct Intro {
    std::string_view name;  // e.g. "DOC_CF11_DPR_INTRO"
    Route route;            // empty for the chapter's own introductions
    std::string text;

    std::string key(size_t max_route_size = std::string::npos) const;
};

// A reference row: the node, shown where the route leads (its last step is
// the node's uid). A row that opens a group owns what follows up to the
// matching end_group (the problem of an option with the requirements it must
// meet, an argument with its evidence and requirements); the report and the
// ReqIF hierarchy write groups flat, the SysML views nest them.
struct Ref {
    const Node* node;
    Route route;
    Role role;
    bool subject;      // the node the enclosing heading is about
    bool opens_group;
};

class ChapterVisitor {
public:
    virtual ~ChapterVisitor() = default;
    virtual void heading(const Heading& heading) = 0;
    virtual void end_section() = 0;
    virtual void intro(const Intro& intro) = 0;
    virtual void ref(const Ref& ref) = 0;
    virtual void end_group() {}
    // Where the report writes "No <kind> objects defined here.".
    virtual void no_objects(std::string_view kind_name) { (void)kind_name; }
    // The content below the node's section was written before in this
    // chapter and is not repeated: the node lies on its own route (a cycle),
    // or the chapter has grown past its budget (shared subtrees).
    virtual void already_written(const Node& node) { (void)node; }
};

// Walks one chapter: its heading, everything in it, its end_section.
//
// A subtree reached along a second route is written again in full, as the
// report does (the same design problem below two top design problems appears
// twice), until the chapter has produced 100000 + 16 x (objects in the
// registry) events; after that a subtree already written in the chapter gets
// only its heading, introduction and reference row, then already_written, so
// that shared subtrees cannot make a chapter grow exponentially. A node that
// lies on its own route is never expanded again. The walk keeps its own stack:
// chains of any depth are walked without deep recursion.
void walk_chapter(const Project& project, Chapter chapter, Style style, ChapterVisitor& visitor);

// The six chapters in the report's order.
void walk_chapters(const Project& project, Style style, ChapterVisitor& visitor);

}  // namespace chapters
