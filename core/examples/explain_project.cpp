#include <string>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "core/examples/example_start.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"

namespace MyEx {
namespace {

constexpr bool with_undo = true;
constexpr bool validating = true;
constexpr bool invalidating = false;

// Every object of this example explains its kind in its tooltip ("tooltp" spelt so).
const std::string edit_hint = "\n\n Right Click and select 'Edit tooltp text' to modify this text.";

// Like a user's edit of the tooltip and the comments, this is its own undo step.
template <class T>
T* explained(T* node, const std::string& help_text) {
    if (!node) return node;
    node->set_tooltip_txt(help_text + edit_hint);
    add_demo_comments(node);
    Node::make_uids_state({node});
    return node;
}

void link_evidence(Argument* argument, Evidence* evidence) {
    argument->link_existing_evidence(evidence);
    Node::make_uids_state({argument, evidence});
}

constexpr uint32_t price = 6;
constexpr uint16_t target_min = 0;
constexpr uint16_t target_equal = 3;
const std::string modify_hint = "Double Click to modify";

}  // namespace

// Every step records its undo state, as the same edits by a user would, so
// that each undo takes back one step and never objects made before it.
void create_explain_project(Project* project) {
    if (!can_build_into(project)) return;
    start_example(project, "MyProject", "Project description.");
    explained(project, GCC::prj_txt);

    UserStory* story =
        explained(project->add_user_story("do", "something", "solution", modify_hint, true), GCC::usy_txt);
    Mandate* mandate = explained(story->add_mandate("An additional Remark can be added here", 1, false), GCC::man_txt);
    Requirement* r1 = explained(mandate->add_f_requirement(story, with_undo), GCC::req_txt);
    Requirement* r2 = explained(mandate->add_q_requirement(story, price, 0.0, 0, target_min, 100), GCC::req_txt);

    DesignProblem* d1 = explained(r1->add_designproblem(), GCC::dpr_txt);
    r2->add_to_existing_designproblem(d1);
    Option* o1 = explained(d1->add_child_option("option 1", with_undo), GCC::opt_txt);
    Option* o2 = explained(d1->add_child_option("option 2", with_undo), GCC::opt_txt);

    Argument* a1 = explained(o1->add_child_argument(r1, validating), GCC::arg_txt);
    Argument* a2 = explained(o1->add_child_argument(r2, validating), GCC::arg_txt);
    Argument* a3 = explained(o2->add_child_argument(r1, validating), GCC::arg_txt);
    Argument* a4 = explained(o2->add_child_argument(r2, validating), GCC::arg_txt);

    Requirement* r3 = explained(a1->add_f_requirement("perform", "action", with_undo), GCC::req_txt);
    Requirement* r4 = explained(a2->add_q_requirement("do", "something", price, 0.0, 0, target_min, 100), GCC::req_txt);

    Evidence* e1 = a3->add_child_evidence(8, "do", "something", price, 50.0, 0, target_equal, modify_hint);
    link_evidence(a4, e1);
    explained(e1, GCC::evd_txt);

    DesignProblem* d2 = explained(r3->add_designproblem(), GCC::dpr_txt);
    r4->add_to_existing_designproblem(d2);
    Option* o3 = explained(d2->add_child_option("option 1A", with_undo), GCC::opt_txt);
    Option* o4 = explained(d2->add_child_option("option 1B", with_undo), GCC::opt_txt);

    Argument* a5 = explained(o4->add_child_argument(r3, invalidating), GCC::arg_txt);
    Evidence* e2 = a5->add_child_evidence(8, "cannot perform", "action", price, 50.0, 0, target_equal, modify_hint);
    link_evidence(a5, e2);
    explained(e2, GCC::evd_txt);

    Argument* a6 = explained(o3->add_child_argument(r3, validating), GCC::arg_txt);
    Argument* a7 = explained(o3->add_child_argument(r4, validating), GCC::arg_txt);
    // The last evidence keeps its own tooltip and has no comments.
    Evidence* e3 = a6->add_child_evidence(7, "do", "something", price, 40.0, 0, target_equal, modify_hint);
    link_evidence(a7, e3);

    project->add_full_state();
}

}  // namespace MyEx
