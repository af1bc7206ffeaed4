#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"

TreeEl* Project::create_dpr_req_tree() {
    auto* root = new TreeEl(this);
    TreeElList made;
    PlacedUids placed;
    for (Requirement* r : get_top_lvl_reqs()) {
        if (!r->take_into_account()) continue;
        if (TreeEl* el = root->add_child(r, made, placed)) r->dpr_req_tree(el, made, placed);
    }
    return root;
}

TreeEl* Project::create_opt_dpr_tree() {
    auto* root = new TreeEl(this);
    TreeElList made;
    PlacedUids placed;
    for (DesignProblem* dp : get_top_designproblems()) {
        if (!dp->take_into_account()) continue;
        if (TreeEl* el = root->add_child(dp, made, placed)) dp->opt_dpr_tree(el, made, placed);
    }
    return root;
}

TreeEl* Project::create_req_arg_tree() {
    auto* root = new TreeEl(this);
    TreeElList made;
    PlacedUids placed;
    for (Requirement* r : get_top_lvl_reqs()) {
        if (!r->take_into_account()) continue;
        if (TreeEl* el = root->add_child(r, made, placed)) r->arg_req_tree(el, made, placed);
    }
    return root;
}

TreeEl* Project::create_opt_tree() {
    auto* root = new TreeEl(this);
    for (Option* o : get_top_options(false)) o->create_maintree_opt_tree(root->add_child(o));
    return root;
}
