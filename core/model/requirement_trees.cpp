#include "core/constants/gcc.h"
#include "core/layout/tree_walk.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/queries/node_lists.h"

TreeEl* Requirement::get_why() {
    TreeElList made;
    PlacedUids placed;
    auto* root = new TreeEl(this);
    made.push_back(root);
    TreeWalk::run(made, placed, [&](TreeWalk& walk) { why_tree(root, walk); });
    return root;
}

void Requirement::why_tree(TreeEl* el, TreeWalk& walk) {
    std::vector<TreeWalk::Step> steps;
    std::vector<Requirement*> origins;
    if (Option* o = get_parent_option(false)) {
        if (DesignProblem* dp = o->get_top_option()->get_parent_designproblem()) origins = dp->get_parent_requirements();
    } else if (UserStory* story = get_parent_userstory()) {
        steps.push_back(TreeWalk::place(el, story));
    } else {
        for (const Argument* a : get_parent_arguments())
            if (Requirement* r = a->get_parent_requirement()) origins.push_back(r);
        origins = MyFF::remove_duplicate_reqs(origins);
    }
    for (Requirement* r : origins)
        steps.push_back([el, r](TreeWalk& w) {
            if (!w.placed.insert(r->get_uid()).second) {
                el->add_linked_child_el(r, w.made);
                return;
            }
            auto* child = new TreeEl(r);
            w.made.push_back(child);
            el->adopt_child(child);
            r->why_tree(child, w);
        });
    walk.expand(std::move(steps));
}

void Requirement::dpr_req_tree(TreeEl* el, TreeElList& made, PlacedUids& placed) {
    TreeWalk::run(made, placed, [&](TreeWalk& walk) { dpr_req_tree(el, walk); });
}

void Requirement::arg_req_tree(TreeEl* el, TreeElList& made, PlacedUids& placed) {
    TreeWalk::run(made, placed, [&](TreeWalk& walk) { arg_req_tree(el, walk); });
}

void Requirement::dpr_req_tree(TreeEl* el, TreeWalk& walk) {
    std::vector<TreeWalk::Step> steps;
    for (DesignProblem* dp : get_child_designproblems())
        steps.push_back(TreeWalk::place(el, dp, &DesignProblem::req_dpr_tree, true));
    walk.expand(std::move(steps));
}

void Requirement::arg_req_tree(TreeEl* el, TreeWalk& walk) {
    std::vector<TreeWalk::Step> steps;
    for (Argument* a : get_child_arguments()) steps.push_back(TreeWalk::place(el, a, &Argument::req_arg_tree, true));
    if (!GCC::RP || GCC::RP->get_settings().get_incl_int_req()) {
        for (Requirement* r : get_related_integration_requirements()) {
            // The integration requirement goes below an element of its option.
            steps.push_back([el, r](TreeWalk& w) {
                if (!r->take_into_account()) return;
                Option* o = r->get_parent_option(false);
                if (!o) return;
                TreeEl* option_el = el->add_child(o, w.made, w.placed);
                if (!option_el) {
                    for (auto it = w.made.rbegin(); it != w.made.rend(); ++it)
                        if ((*it)->get_node() == o) {
                            option_el = *it;
                            break;
                        }
                }
                if (option_el) TreeWalk::place(option_el, r, &Requirement::arg_req_tree, false)(w);
            });
        }
    }
    walk.expand(std::move(steps));
}
