#include "core/constants/gcc.h"
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
    return get_why(made, placed);
}

TreeEl* Requirement::get_why(TreeElList& made, PlacedUids& placed) {
    auto* el = new TreeEl(this);
    made.push_back(el);
    std::vector<Requirement*> origins;
    if (Option* o = get_parent_option(false)) {
        if (DesignProblem* dp = o->get_top_option()->get_parent_designproblem()) origins = dp->get_parent_requirements();
    } else if (UserStory* story = get_parent_userstory()) {
        el->add_child(story, made, placed);
    } else {
        for (const Argument* a : get_parent_arguments())
            if (Requirement* r = a->get_parent_requirement()) origins.push_back(r);
        origins = MyFF::remove_duplicate_reqs(origins);
    }
    for (Requirement* r : origins) {
        if (placed.insert(r->get_uid()).second) {
            TreeEl* child = r->get_why(made, placed);
            el->adopt_child(child);
        } else {
            el->add_linked_child_el(r, made);
        }
    }
    return el;
}

void Requirement::dpr_req_tree(TreeEl* el, TreeElList& made, PlacedUids& placed) {
    for (DesignProblem* dp : get_child_designproblems()) {
        if (!dp->take_into_account()) continue;
        if (TreeEl* child = el->add_child(dp, made, placed)) dp->req_dpr_tree(child, made, placed);
    }
}

void Requirement::arg_req_tree(TreeEl* el, TreeElList& made, PlacedUids& placed) {
    for (Argument* a : get_child_arguments()) {
        if (!a->take_into_account()) continue;
        if (TreeEl* child = el->add_child(a, made, placed)) a->req_arg_tree(child, made, placed);
    }
    if (GCC::RP && !GCC::RP->get_settings().get_incl_int_req()) return;
    for (Requirement* r : get_related_integration_requirements()) {
        if (!r->take_into_account()) continue;
        Option* o = r->get_parent_option(false);
        if (!o) continue;
        TreeEl* option_el = el->add_child(o, made, placed);
        if (!option_el) {
            for (auto it = made.rbegin(); it != made.rend(); ++it)
                if ((*it)->get_node() == o) {
                    option_el = *it;
                    break;
                }
        }
        if (!option_el) continue;
        if (TreeEl* req_el = option_el->add_child(r, made, placed)) r->arg_req_tree(req_el, made, placed);
    }
}
