// Fuzzes the project-file reader: any bytes are read as a project file into a
// project. Checked: nothing crashes or hangs; a file that does not parse or has
// no "ROOT" leaves the project untouched; no message box is shown; an object
// without parent was one in the file (or lost its parent link to close a
// cycle); writing the result and reading it back gives the same project and
// the same file, without any problem reported.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <pugixml.hpp>

#include "core/constants/gcc.h"
#include "core/io/project_reader.h"
#include "core/io/project_writer.h"
#include "core/model/process_state.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "core/platform/platform.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/core/model_dump.h"

namespace {

using fuzz_support::check;
using fuzz_support::QuietPlatform;
using fuzz_support::quiet_platform;


const char* const object_kinds[] = {"PRJ", "FLN", "USY", "MAN", "REQ", "DPR", "OPT", "ARG", "EVD"};

bool is_object_kind(const char* name) {
    for (const char* kind : object_kinds)
        if (std::string(kind) == name) return true;
    return false;
}

// For every uid, the uids the file names as its parents, from either end of
// the link, taken from the element that became the registered object.
std::unordered_map<std::string, std::vector<std::string>> parents_in_file(const pugi::xml_node root,
                                                                           const Project& project) {
    std::unordered_map<std::string, pugi::xml_node> source;
    for (const pugi::xml_node element : root.children()) {
        if (!is_object_kind(element.name())) continue;
        const std::string uid = element.child("uid").text().get();
        const Node* node = project._get_pointer_to_node_with_uid(uid);
        if (!node || source.count(uid)) continue;
        const std::string kind = element.name();
        const bool same_kind = node->is_prj() ? (kind == "PRJ" || kind == "FLN") : node->get_nd_type() == kind;
        if (same_kind) source.emplace(uid, element);
    }
    std::unordered_map<std::string, std::vector<std::string>> parents;
    for (const auto& [uid, element] : source) {
        for (const pugi::xml_node p : element.children("parent")) parents[uid].push_back(p.text().get());
        for (const pugi::xml_node c : element.children("child")) parents[c.text().get()].push_back(uid);
    }
    return parents;
}

bool reaches(const Node* from, const Node* to) {
    std::vector<const Node*> open{from};
    std::unordered_set<const Node*> seen{from};
    while (!open.empty()) {
        const Node* n = open.back();
        open.pop_back();
        if (n == to) return true;
        for (const Node* c : n->get_children())
            if (seen.insert(c).second) open.push_back(c);
    }
    return false;
}

// A parentless object may only have lost links to unknown objects, to
// itself, or a link that would have closed a cycle through it.
void check_orphans(const uint8_t* data, size_t size, const Project& project) {
    pugi::xml_document doc;
    doc.load_buffer(data, size, pugi::parse_default, pugi::encoding_auto);
    const auto parents = parents_in_file(doc.child("ROOT"), project);
    for (const auto& [uid, node] : project.get_nd_map()) {
        if (node->is_prj() || !node->get_parents().empty()) continue;
        const auto listed = parents.find(uid);
        if (listed == parents.end()) continue;
        for (const std::string& parent_uid : listed->second) {
            const Node* parent = project._get_pointer_to_node_with_uid(parent_uid);
            if (!parent || parent == node) continue;
            check(!parent->is_prj() && reaches(node, parent), "an object lost its parent", uid + " / " + parent_uid);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QuietPlatform& desktop = quiet_platform();
    reset_process_state();
    desktop.boxes = 0;
    auto* project = new Project("Fuzz", "input");
    const UserStory* kept = project->add_user_story("keep", "me", "", "", false);
    const std::string kept_uid = kept->get_uid();

    const project_file::ReadOutcome first = project_file::read_project_buffer(*project, data, size, "input");
    if (!first.opened) {
        check(project->get_nd_map().size() == 2 && project->_get_pointer_to_node_with_uid(kept_uid) == kept &&
                  project->get_children().size() == 1,
              "a file that was not read changed the project");
    } else {
        check_orphans(data, size, *project);
        const std::string read = testing_support::dump_project(*project);
        const std::string written = project_file::project_file_text(*project);
        const project_file::ReadOutcome second =
            project_file::read_project_buffer(*project, written.data(), written.size(), "written");
        check(second.opened && second.text.empty(), "the written file reads with problems", second.text);
        check(testing_support::dump_project(*project) == read, "reading the written file changed the project",
              testing_support::dump_difference(read, testing_support::dump_project(*project)));
        check(project_file::project_file_text(*project) == written, "the written file is not stable");
    }
    check(desktop.boxes == 0, "the reader showed a message box", desktop.last_box);
    reset_process_state();
    return 0;
}
