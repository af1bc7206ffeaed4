// Fuzzes the project-file reader: any bytes are read as a project file into a
// project. Checked: nothing crashes or hangs; a file that does not parse or has
// no "ROOT" leaves the project untouched; no message box is shown, also not
// while the tab-page trees are built; the graph invariants hold after reading;
// writing the result and reading it back gives the same project and the same
// file, without any problem reported; deleting the first object and undoing
// that gives the project back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/constants/gcc.h"
#include "core/io/project_reader.h"
#include "core/io/project_writer.h"
#include "core/layout/panel_trees.h"
#include "core/model/graph_invariants.h"
#include "core/model/process_state.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "core/platform/platform.h"
#include "fuzz/fuzz_support.h"
#include "tests/support/core/model_dump.h"

using fuzz_support::check;
using fuzz_support::QuietPlatform;
using fuzz_support::quiet_platform;

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
        const auto violations = graph_invariant_violations(*project);
        check(violations.empty(), "a graph invariant is broken after reading", violations.empty() ? "" : violations[0]);
        const std::string read = testing_support::dump_project(*project);
        const std::string written = project_file::project_file_text(*project);
        const project_file::ReadOutcome second =
            project_file::read_project_buffer(*project, written.data(), written.size(), "written");
        check(second.opened && second.text.empty(), "the written file reads with problems", second.text);
        check(testing_support::dump_project(*project) == read, "reading the written file changed the project",
              testing_support::dump_difference(read, testing_support::dump_project(*project)));
        check(project_file::project_file_text(*project) == written, "the written file is not stable");

        for (auto* tree : {&MyFF::get_problems_panel_tree, &MyFF::get_options_panel_tree,
                           &MyFF::get_requirements_panel_tree})
            delete tree(project, 10, 100, 40);
        project->add_full_state();
        for (const auto& [uid, node] : project->get_nd_map()) {
            if (node == project) continue;
            delete node;
            project->add_node_state();
            project->goto_previous_state();
            check(testing_support::dump_project(*GCC::RP) == read, "undoing a deletion changed the project",
                  testing_support::dump_difference(read, testing_support::dump_project(*GCC::RP)));
            break;
        }
    }
    check(desktop.boxes == 0, "the reader showed a message box", desktop.last_box);
    reset_process_state();
    return 0;
}
