#include "core/model/design_problem.h"

#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/layout/tree_walk.h"
#include "core/model/argument.h"
#include "core/model/evidence.h"
#include "core/model/model_batch.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

DesignProblem::DesignProblem(Node* parent_requirement) : Node(parent_requirement) {
    rlevel.set_by_minimum(false);
    set_uid("");
    // The requirement did not count the problem while it was being linked.
    rlevel.update();
}

DesignProblem::~DesignProblem() {
    if (GraphTeardown::active()) return;
    // When only one other problem is left on this level, it has no siblings any
    // more and its options need no integration requirements; neither do ours.
    std::vector<DesignProblem*> siblings;
    if (siblings_recorded) {
        if (GCC::RP)
            for (const std::string& sibling_uid : sibling_uids_at_unlink) {
                Node* n = GCC::RP->_get_pointer_to_node_with_uid(sibling_uid);
                if (n && n->is_dpr()) siblings.push_back(static_cast<DesignProblem*>(n));
            }
    } else {
        siblings = get_siblings();
    }
    if (siblings.size() != 2) return;
    for (DesignProblem* dp : siblings) {
        if (!GCC::RP || GCC::RP->_get_pointer_to_node_with_uid(dp->get_uid()) != dp) continue;
        for (Option* o : dp->get_child_options(false)) {
            Requirement* r = o->get_integration_requirement();
            if (r && o->has_child(r)) dispose(r);
        }
    }
}

std::string DesignProblem::get_nd_name() const { return GCC::dpr_nd_name; }

void DesignProblem::remove_parent(Node* p, bool both) {
    if (!p) return;
    // A requirement being destroyed no longer answers as one; it has seen to
    // its arguments and to this problem's siblings itself.
    if (p->is_req()) {
        if (parents.size() == 1 && parents.front() == p) remember_siblings();
        for (Argument* a : static_cast<Requirement*>(p)->get_child_arguments(this)) dispose(a);
    }
    const std::vector<Option*> options = get_child_options(false);
    // Keeps this problem until its options are judged without the requirement.
    DeletionScope scope;
    Node::remove_parent(p, both);
    for (Option* o : options) o->get_rlevel().update();
}

void DesignProblem::remember_siblings() {
    if (GraphTeardown::active()) return;
    sibling_uids_at_unlink.clear();
    for (const DesignProblem* dp : get_siblings()) sibling_uids_at_unlink.push_back(dp->get_uid());
    siblings_recorded = true;
}

std::vector<Requirement*> DesignProblem::get_parent_requirements() const { return MyFF::filter_requirements(parents); }

std::vector<Requirement*> DesignProblem::get_parent_goals() const {
    std::vector<Requirement*> goals;
    for (Requirement* r : get_parent_requirements())
        if (r->is_goal()) goals.push_back(r);
    return goals;
}

std::vector<Requirement*> DesignProblem::get_parent_range_reqs() const {
    std::vector<Requirement*> ranges;
    for (Requirement* r : get_parent_requirements())
        if (r->is_range()) ranges.push_back(r);
    return ranges;
}

bool DesignProblem::parents_have_same_subject() const {
    const auto requirements = get_parent_requirements();
    for (size_t i = 1; i < requirements.size(); ++i)
        if (requirements[i]->get_subject() != requirements[i - 1]->get_subject()) return false;
    return true;
}

std::vector<Requirement*> DesignProblem::get_potential_parent_requirements() const {
    const auto requirements = get_parent_requirements();
    if (requirements.empty()) return {};
    std::unordered_set<std::string> seen;
    for (const Requirement* r : requirements) seen.insert(r->get_uid());
    std::vector<Requirement*> potential;
    for (Requirement* sibling : requirements.front()->get_siblings())
        if (seen.insert(sibling->get_uid()).second) potential.push_back(sibling);
    return potential;
}

std::string DesignProblem::add_parent_requirement(Requirement* requirement) {
    return requirement->add_to_existing_designproblem(this);
}

std::vector<Option*> DesignProblem::get_child_options(bool recursive) const {
    std::vector<Option*> options;
    for (Option* o : MyFF::filter_options(children)) {
        options.push_back(o);
        if (recursive)
            for (Option* sub : o->get_sub_options(true)) options.push_back(sub);
    }
    return options;
}

std::vector<DesignProblem*> DesignProblem::get_siblings() const {
    std::vector<DesignProblem*> siblings{const_cast<DesignProblem*>(this)};
    std::unordered_set<std::string> seen{uid};
    const auto requirements = get_parent_requirements();
    if (requirements.empty()) return siblings;
    if (requirements.front()->is_tlr()) {
        if (!GCC::RP) return siblings;
        return GCC::RP->get_top_designproblems();
    }
    auto append_new = [&](const std::vector<DesignProblem*>& problems) {
        for (DesignProblem* dp : problems)
            if (seen.insert(dp->get_uid()).second) siblings.push_back(dp);
    };
    std::vector<Option*> integrating;
    for (const Requirement* r : requirements)
        if (Option* o = r->get_parent_option(false)) integrating.push_back(o);
    if (!integrating.empty()) {
        for (const Option* o : integrating)
            if (const Requirement* r = o->get_integration_requirement()) append_new(r->get_child_designproblems());
        return siblings;
    }
    NodeList options;
    for (const Requirement* r : requirements)
        for (const Argument* a : r->get_parent_arguments())
            for (Option* o : a->get_parent_options(true)) options.push_back(o);
    for (Node* n : MyFF::remove_duplicate_uids(options))
        for (const Argument* a : static_cast<Option*>(n)->get_child_arguments())
            for (const Requirement* derived : a->get_child_requirements()) append_new(derived->get_child_designproblems());
    return siblings;
}

Option* DesignProblem::add_child_option(const std::string& subject_text, bool record_undo) {
    auto* option = new Option(this, subject_text);
    NodeList changed{option, this};
    const auto siblings = get_siblings();
    if (siblings.size() > 1)
        for (DesignProblem* dp : siblings)
            for (Option* o : dp->get_child_options(false))
                for (Node* n : o->add_dpr_integration_req()) changed.push_back(n);
    changed = MyFF::remove_duplicate_uids(changed);
    if (record_undo) make_uids_state(changed);
    return option;
}

std::string DesignProblem::get_requirement_problem_txt(const Requirement* r, bool with_subject) const {
    std::string text = with_subject ? MyStrF::_addArticle(r->get_subject(), false) + " " : std::string();
    const auto& vc = *r->get_verb_cap();
    const Parameter& par = r->get_par();
    if (!vc.empty()) {
        if (!vc.get_verb().empty()) text += vc.get_verb();
        if (!vc.get_capability().empty()) text += " " + vc.get_capability();
        if (r->is_functional()) return text;
        text += " with " + MyStrF::_addArticle(par.get_type(), false) + " " + par.get_target_txt();
    } else {
        text += par.get_type() + " be " + par.get_target_txt();
    }
    if (par.is_min_max()) return text;
    return text + " " + MyStrF::_double_to_string(par);
}

std::string DesignProblem::get_txt() const {
    std::string text = "How can";
    const auto requirements = get_parent_requirements();
    if (requirements.empty()) {
        text += "<<error, no parent Requirement>>;\n";
    } else if (requirements.size() == 1) {
        text += " " + get_requirement_problem_txt(requirements.front(), true) + ";\n";
    } else if (parents_have_same_subject()) {
        text += " " + MyStrF::_addArticle(requirements.front()->get_subject(), false) + ":\n";
        for (const Requirement* r : requirements) text += "- " + get_requirement_problem_txt(r, false) + ";\n";
    } else {
        text += ":\n";
        for (const Requirement* r : requirements) text += "- " + get_requirement_problem_txt(r, true) + ";\n";
    }
    return text.substr(0, text.size() - 2) + "?";
}

std::string DesignProblem::get_short_txt(size_t max_len) const {
    const auto requirements = get_parent_requirements();
    if (requirements.empty()) return {};
    std::string text;
    const bool same = parents_have_same_subject();
    if (same) text = MyStrF::_capitalFirstLetter(requirements.front()->get_subject()) + ": ";
    for (const Requirement* r : requirements) text += r->get_short_txt(0, !same) + ", ";
    return MyStrF::_toMaxLengthWithPoints(text.substr(0, text.size() - 2), max_len);
}

std::string DesignProblem::get_str(bool lower) const {
    std::string text = Node::get_str(false) + get_short_txt(0);
    return lower ? MyStrF::_toLowerCase(text) : text;
}

void DesignProblem::req_dpr_tree(TreeEl* el, TreeElList& made, PlacedUids& placed) {
    TreeWalk::run(made, placed, [&](TreeWalk& walk) { req_dpr_tree(el, walk); });
}

void DesignProblem::opt_dpr_tree(TreeEl* el, TreeElList& made, PlacedUids& placed) {
    TreeWalk::run(made, placed, [&](TreeWalk& walk) { opt_dpr_tree(el, walk); });
}

void DesignProblem::req_dpr_tree(TreeEl* el, TreeWalk& walk) {
    const bool with_integration = !GCC::RP || GCC::RP->get_settings().get_incl_int_req();
    std::vector<Requirement*> requirements;
    std::vector<Evidence*> evidence;
    for (Option* o : get_child_options(false)) {
        if (with_integration)
            if (Requirement* r = o->get_integration_requirement()) requirements.push_back(r);
        for (Option* leaf : o->get_leaf_options()) {
            for (Requirement* r : leaf->get_reqs_to_next_option()) requirements.push_back(r);
            for (Evidence* e : leaf->get_related_evd()) evidence.push_back(e);
        }
    }
    std::vector<TreeWalk::Step> steps;
    for (Evidence* e : evidence) steps.push_back(TreeWalk::place(el, e));
    for (Requirement* r : MyFF::remove_duplicate_reqs(requirements))
        steps.push_back(TreeWalk::place(el, r, &Requirement::dpr_req_tree, true));
    walk.expand(std::move(steps));
}

void DesignProblem::opt_dpr_tree(TreeEl* el, TreeWalk& walk) {
    std::vector<TreeWalk::Step> steps;
    for (Option* o : get_child_options(false)) steps.push_back(TreeWalk::place(el, o, &Option::dpr_opt_tree, true));
    walk.expand(std::move(steps));
}
