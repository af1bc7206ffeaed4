#include "core/layout/tree_walk.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"

namespace {

// A project root with every item that passes the display filter placed once
// below it and expanded by the item's own tree step.
template <class T>
TreeEl* filtered_tree(Project* project, const std::vector<T*>& items, void (T::*expand)(TreeEl*, TreeWalk&)) {
    auto* root = new TreeEl(project);
    TreeElList made;
    PlacedUids placed;
    TreeWalk::run(made, placed, [&](TreeWalk& walk) {
        std::vector<TreeWalk::Step> steps;
        for (T* item : items) steps.push_back(TreeWalk::place(root, item, expand, true));
        walk.expand(std::move(steps));
    });
    return root;
}

}  // namespace

TreeEl* Project::create_dpr_req_tree() {
    return filtered_tree<Requirement>(this, get_top_lvl_reqs(), &Requirement::dpr_req_tree);
}

TreeEl* Project::create_opt_dpr_tree() {
    return filtered_tree<DesignProblem>(this, get_top_designproblems(), &DesignProblem::opt_dpr_tree);
}

TreeEl* Project::create_req_arg_tree() {
    return filtered_tree<Requirement>(this, get_top_lvl_reqs(), &Requirement::arg_req_tree);
}

TreeEl* Project::create_opt_tree() {
    auto* root = new TreeEl(this);
    for (Option* o : get_top_options(false)) o->create_maintree_opt_tree(root->add_child(o));
    return root;
}
