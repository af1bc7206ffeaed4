#include <string>
#include <vector>

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
#include "core/quantity/parameter.h"

namespace MyEx {
namespace {

constexpr bool with_undo = true;
constexpr bool validating = true;

constexpr uint16_t target_at_least = 4;

// The first custom row after the twelve built-in types.
constexpr uint32_t thickness = 12;

void add_thickness_type(Project* project) {
    Parameter::add_cust_poss_parameter("thickness", {"mm"}, {1.0}, {0.0}, {true},
                                       {"as thin as possible", "thinner than", "at most", "as thick as", "at least",
                                        "thicker than", "as thick as possible"});
    // Recorded at once, so that no undo state after this one refers to the
    // type while its table lacks it.
    project->add_poss_par_state();
}

void add_strength_evidence(Argument* argument, int32_t level, double millimetres, const std::string& tooltip,
                           const std::string& reference, const std::string& reference_descr) {
    Evidence* e = argument->add_child_evidence(level, "is", "strong enough", thickness, millimetres, 0,
                                               target_at_least, tooltip);
    e->add_reference_to_node(reference, reference_descr, "", "");
    // The reference table lives in the project.
    Node::make_uids_state({e, GCC::RP});
}

void link_requirement(Argument* argument, Requirement* requirement) {
    argument->link_existing_requirement(requirement);
    Node::make_uids_state({argument, requirement});
}

// The options of a new problem below requirement, then the requirements it also answers.
DesignProblem* add_problem(Requirement* requirement, const std::vector<Requirement*>& also,
                           const std::vector<std::string>& options, std::vector<Option*>* made = nullptr) {
    DesignProblem* dp = requirement->add_designproblem();
    for (Requirement* r : also) r->add_to_existing_designproblem(dp);
    for (const std::string& subject : options) {
        Option* o = dp->add_child_option(subject, with_undo);
        if (made) made->push_back(o);
    }
    return dp;
}

}  // namespace

// Every step records its undo state, as the same edits by a user would, so
// that each undo takes back one step and never objects made before it.
void create_gate_project(Project* project) {
    if (!can_build_into(project)) return;
    start_example(project, "Gate Project", "manage access to an area.");

    UserStory* u1 = project->add_user_story("keep out", "unauthorized people", "solution", "", true);
    UserStory* u2 = project->add_user_story("let in", "authorized people", "solution", "", true);
    Mandate* mandate = u1->add_mandate("", 1, false);
    Requirement* r1 = mandate->add_f_requirement(u1, with_undo);
    Requirement* r2 = mandate->add_f_requirement(u2, with_undo);

    std::vector<Option*> d1_options;
    add_problem(r1, {r2}, {"lockable Door", "Guard"}, &d1_options);
    Option* door = d1_options[0];
    Option* guard = d1_options[1];

    Argument* g1 = guard->add_child_argument(r1, validating);
    Argument* g2 = guard->add_child_argument(r2, validating);
    Requirement* r3 = g2->add_f_requirement("know", "which people are allowed to enter", with_undo);
    Requirement* r4 = g1->add_f_requirement("stop", "people", with_undo);
    link_requirement(g1, r3);

    add_problem(r3, {}, {"list", "identification"});
    std::vector<Option*> d3_options;
    add_problem(r4, {}, {"weapon", "Assertiveness training", "back-up"}, &d3_options);
    d3_options[2]->set_tooltip_txt(
        "The guard will receive more\nrespect if people know that\nbackup can arrive in minutes.");
    Node::make_uids_state({d3_options[2]});

    Option* panel = door->add_sub_option("Panel");
    Option* lock = door->add_sub_option("Lock");
    Option* hinge = door->add_sub_option("Hinge Mechanism");

    Argument* l1 = lock->add_child_argument(r2, validating);
    Argument* l2 = lock->add_child_argument(r1, validating);
    Requirement* r5 = l1->add_f_requirement("function", "correctly", with_undo);
    Requirement* r6 = l1->add_f_requirement("be", "opened by selected people only", with_undo);
    link_requirement(l2, r5);
    Requirement* r7 = l2->add_f_requirement("resist", "breaking in", with_undo);

    Argument* p1 = panel->add_child_argument(r1, validating);
    Requirement* r8 = p1->add_f_requirement("resist", "breaking in", with_undo);

    Argument* h1 = hinge->add_child_argument(r2, validating);
    Argument* h2 = hinge->add_child_argument(r1, validating);
    Requirement* r9 = h2->add_f_requirement("resist", "breaking in", with_undo);
    Requirement* r10 = h2->add_f_requirement("seal", "the gate with the panel", with_undo);
    Requirement* r11 = h1->add_f_requirement("move", "the panel to let people through", with_undo);

    std::vector<Option*> locks;
    add_problem(r5, {r6, r7}, {"Mechanical Lock", "Electronic Lock"}, &locks);
    add_problem(r9, {r10, r11}, {"Swinging Door", "Rotating Door", "Sliding Door"});

    DesignProblem* d6 = r8->add_designproblem();
    d6->add_parent_requirement(panel->get_integration_requirement());
    Option* wood = d6->add_child_option("Laminated Wood", with_undo);
    Option* glass = d6->add_child_option("Laminated Glass", with_undo);
    Option* steel = d6->add_child_option("Steel", with_undo);
    Argument* w = wood->add_child_argument(r8, validating);
    Argument* g = glass->add_child_argument(r8, validating);
    Argument* s = steel->add_child_argument(r8, validating);

    add_thickness_type(project);
    add_strength_evidence(w, 8, 30.0, "This includes EN 204\nClass D4 adhesive.", "EN 13307", "Parts 1 & 2");
    add_strength_evidence(g, 7, 10.0, "Protection against\nmanual hammer attacks.", "EN 356", "Class P6B");
    add_strength_evidence(s, 4, 5.0, "Strength is no problem.\nThickness mainly for stiffness", "Calculation 3",
                          "FE Analysis");

    Option* mechanical = locks[0];
    Option* electronic = locks[1];
    Argument* k1 = mechanical->add_child_argument(r5, validating);
    Argument* k2 = mechanical->add_child_argument(r6, validating);
    Argument* k3 = mechanical->add_child_argument(r7, validating);
    Requirement* r12 = k1->add_f_requirement("be", "SKG certified", with_undo);
    k1->add_f_requirement("be", "properly maintained", with_undo);
    k2->add_f_requirement("have", "key distribution process", with_undo);
    link_requirement(k3, r12);

    Argument* n1 = electronic->add_child_argument(r5, validating);
    Argument* n2 = electronic->add_child_argument(r6, validating);
    Argument* n3 = electronic->add_child_argument(r7, validating);
    n1->add_f_requirement("have", "access to reliable power", with_undo);
    n1->add_f_requirement("have", "a reliable mechanical backup in case of power failure", with_undo);
    n2->add_f_requirement("be", "opened by selected people only", with_undo);
    n3->add_f_requirement("not be", "easily cracked", with_undo);

    project->add_full_state();
}

}  // namespace MyEx
