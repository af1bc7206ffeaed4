// Fuzzes the two readers of pasted AI answers on a small project: the input is
// the answer, read once by the design problem and once by the requirement.
// Invariants: no crash, the graph invariants hold, a paste that changed
// anything is exactly one undo state, and one undo takes back all of it
// (objects, references and quantity types), one redo brings it back.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "core/constants/gcc.h"
#include "core/model/design_problem.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/model/graph_invariants.h"
#include "core/platform/platform.h"
#include "fuzz/fuzz_support.h"
#include "core/quantity/parameter.h"

namespace {

using fuzz_support::check;

struct Footprint {
    std::set<std::string> uids;
    size_t types = 0;
    size_t references = 0;
    size_t states = 0;
    uint16_t current = 0;

    static Footprint of(const Project& project) {
        Footprint f;
        for (const auto& [uid, node] : project.get_nd_map()) f.uids.insert(uid);
        f.types = Parameter::get_poss_parameters().size();
        f.references = project.get_references().size();
        f.states = project.get_state_count();
        f.current = project.get_current_state();
        return f;
    }
    bool same_content(const Footprint& other) const {
        return uids == other.uids && types == other.types && references == other.references;
    }
};

void check_graph(const Project& project) {
    const auto violations = graph_invariant_violations(project);
    check(violations.empty(), "a graph invariant is broken", violations.empty() ? "" : violations[0]);
}

void check_one_undo_step(Project& project, const Footprint& before) {
    check_graph(project);
    const Footprint after = Footprint::of(project);
    if (after.same_content(before)) {
        check(after.current == before.current && after.states == before.states,
              "a paste that changed nothing records nothing");
        return;
    }
    check(after.current == before.current + 1 && after.states == after.current + 1u, "one paste, one undo state");
    project.goto_previous_state();
    check(Footprint::of(project).same_content(before), "one undo takes back the whole answer");
    check_graph(project);
    project.goto_next_state();
    check(Footprint::of(project).same_content(after), "one redo brings the whole answer back");
    check_graph(project);
    // Back to the start for the next reader.
    project.goto_previous_state();
}

Node* find(const Project& project, const std::string& uid) {
    Node* node = project._get_pointer_to_node_with_uid(uid);
    check(node != nullptr, "undo brings back the objects of the start");
    return node;
}

// A story, its mandate and requirement, a problem and an option, as the
// current project; built anew for every input.
struct SmallProject {
    SmallProject() {
        delete GCC::RP;
        project = new Project("Gate", "manage access");
        UserStory* story = project->add_user_story("open", "remotely", "gate", "", false);
        Requirement* requirement = story->add_mandate("", 1, false)->add_f_requirement(story, true);
        DesignProblem* problem = requirement->add_designproblem();
        requirement_uid = requirement->get_uid();
        problem_uid = problem->get_uid();
        option_uid = problem->add_child_option("motor", true)->get_uid();
    }
    ~SmallProject() { delete project; }

    Project* project;
    std::string requirement_uid;
    std::string problem_uid;
    std::string option_uid;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_support::quiet_platform();
    const std::string answer(reinterpret_cast<const char*>(data), size);
    SmallProject small;
    Project& project = *small.project;

    const Footprint start = Footprint::of(project);
    auto* problem = static_cast<DesignProblem*>(find(project, small.problem_uid));
    for (const Option* o : problem->add_child_options(answer))
        check(o->get_parents().size() == 1 && o->get_parents()[0] == problem, "options hang below the problem");
    check_one_undo_step(project, start);

    // Undo rebuilt every object: find them again.
    const Footprint before = Footprint::of(project);
    check(before.same_content(start), "the start is back");
    auto* requirement = static_cast<Requirement*>(find(project, small.requirement_uid));
    auto* option = static_cast<Option*>(find(project, small.option_uid));
    const NodeList made = requirement->add_ai_objects(answer, option);
    for (const Node* n : made) check(!n->get_parents().empty(), "every created object has a parent");
    check(made.size() <= Footprint::of(project).uids.size() - before.uids.size(), "every listed object is new");
    check_one_undo_step(project, before);
    return 0;
}
