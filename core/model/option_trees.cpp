#include <unordered_set>
#include <utility>

#include "core/constants/gcc.h"
#include "core/layout/tree_walk.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"

TreeEl* Option::create_option_tree() { return create_option_tree(new TreeEl(this)); }

TreeEl* Option::create_option_tree(TreeEl* el) {
    // Every element is built from its own node alone, so the order of the walk does not matter.
    // Each option once, also when links made in code close a cycle.
    std::vector<std::pair<Option*, TreeEl*>> pending{{this, el}};
    std::unordered_set<const Option*> seen{this};
    while (!pending.empty()) {
        const auto [option, option_el] = pending.back();
        pending.pop_back();
        for (Option* sub : option->get_sub_options(false))
            if (seen.insert(sub).second) pending.push_back({sub, option_el->add_child(sub)});
    }
    return el;
}

void Option::create_maintree_opt_tree(TreeEl* el) {
    // As above: each element lists the options of its own node's next level, each once.
    std::vector<std::pair<Option*, TreeEl*>> pending{{this, el}};
    while (!pending.empty()) {
        Option* option = pending.back().first;
        TreeEl* option_el = pending.back().second;
        pending.pop_back();
        std::unordered_set<std::string> seen;
        auto add = [&](Option* o) {
            if (seen.insert(o->get_uid()).second) pending.push_back({o, option_el->add_child(o)});
        };
        const auto subs = option->get_sub_options(false);
        if (!subs.empty()) {
            for (Option* sub : subs) add(sub);
            if (Requirement* integration = option->get_integration_requirement())
                for (DesignProblem* dp : integration->get_child_designproblems())
                    for (Option* o : dp->get_child_options(false)) add(o);
            continue;
        }
        for (Requirement* r : option->get_reqs_to_next_option())
            for (DesignProblem* dp : r->get_child_designproblems())
                for (Option* o : dp->get_child_options(false)) add(o);
    }
}

void Option::dpr_opt_tree(TreeEl* el, TreeElList& made, PlacedUids& placed) {
    TreeWalk::run(made, placed, [&](TreeWalk& walk) { dpr_opt_tree(el, walk); });
}

void Option::dpr_opt_tree(TreeEl* el, TreeWalk& walk) {
    std::vector<TreeWalk::Step> steps;
    auto add_problem = [&](DesignProblem* dp) {
        steps.push_back(TreeWalk::place(el, dp, &DesignProblem::opt_dpr_tree, true));
    };
    const auto subs = get_sub_options(false);
    if (!subs.empty()) {
        for (Option* sub : subs) steps.push_back(TreeWalk::place(el, sub, &Option::dpr_opt_tree, true));
        if (!GCC::RP || GCC::RP->get_settings().get_incl_int_req())
            if (Requirement* integration = get_integration_requirement())
                for (DesignProblem* dp : integration->get_child_designproblems()) add_problem(dp);
    } else {
        for (Requirement* r : get_reqs_to_next_option())
            for (DesignProblem* dp : r->get_child_designproblems()) add_problem(dp);
    }
    walk.expand(std::move(steps));
}
