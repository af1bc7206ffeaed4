#include "core/examples/example_projects.h"

#include "core/constants/gcc.h"
#include "core/examples/example_start.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"

namespace MyEx {

void add_demo_comments(Node* node) {
    if (!node) return;
    node->add_comment("User A", "You remove a comment by clicking the delete button in the right upper corner.");
    node->add_comment("User B", "You can add a comment below in the empty comment box. "
                                "The comment will be stored automatically.");
    node->add_comment("User C", "You can also manually modify the author.");
}

bool can_build_into(const Project* project) { return project && project == GCC::RP; }

void start_example(Project* project, const std::string& name, const std::string& description) {
    // The example's types must not depend on what was open before.
    Parameter::reset_poss_parameters();
    project->set_name(name);
    project->set_description(description);
    project->add_uids_and_types_state({project});
}

}  // namespace MyEx
