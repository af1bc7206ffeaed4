#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"

TreeEl* Option::create_option_tree() { return create_option_tree(new TreeEl(this)); }

TreeEl* Option::create_option_tree(TreeEl* el) {
    for (Option* sub : get_sub_options(false)) sub->create_option_tree(el->add_child(sub));
    return el;
}

void Option::create_maintree_opt_tree(TreeEl* el) {
    std::unordered_set<std::string> seen;
    auto add = [&](Option* o) {
        if (seen.insert(o->get_uid()).second) o->create_maintree_opt_tree(el->add_child(o));
    };
    const auto subs = get_sub_options(false);
    if (!subs.empty()) {
        for (Option* sub : subs) add(sub);
        if (Requirement* integration = get_integration_requirement())
            for (DesignProblem* dp : integration->get_child_designproblems())
                for (Option* o : dp->get_child_options(false)) add(o);
        return;
    }
    for (Requirement* r : get_reqs_to_next_option())
        for (DesignProblem* dp : r->get_child_designproblems())
            for (Option* o : dp->get_child_options(false)) add(o);
}

void Option::dpr_opt_tree(TreeEl* el, TreeElList& made, PlacedUids& placed) {
    auto add_problem = [&](DesignProblem* dp) {
        if (!dp->take_into_account()) return;
        if (TreeEl* child = el->add_child(dp, made, placed)) dp->opt_dpr_tree(child, made, placed);
    };
    const auto subs = get_sub_options(false);
    if (!subs.empty()) {
        for (Option* sub : subs) {
            if (!sub->take_into_account()) continue;
            if (TreeEl* child = el->add_child(sub, made, placed)) sub->dpr_opt_tree(child, made, placed);
        }
        if (!GCC::RP || GCC::RP->get_settings().get_incl_int_req())
            if (Requirement* integration = get_integration_requirement())
                for (DesignProblem* dp : integration->get_child_designproblems()) add_problem(dp);
        return;
    }
    for (Requirement* r : get_reqs_to_next_option())
        for (DesignProblem* dp : r->get_child_designproblems()) add_problem(dp);
}
