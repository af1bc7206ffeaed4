#include "core/model/requirement.h"

#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/mandate.h"
#include "core/model/model_batch.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

void Requirement::finish_construction(Node* parent) {
    if (parent) {
        parent->get_subject();
        subject = parent->subject_ptr();
    }
    set_uid("");
}

Requirement::Requirement(Node* parent, UserStory* story) : VerbCapParamBase(parent) {
    finish_construction(parent);
    add_parent(story, true);
    set_verb_cap(story->get_verb_cap());
    par.assign(0, 0.0, 0, 3, 100);
}

Requirement::Requirement(Node* parent, const std::string& verb, const std::string& capability)
    : VerbCapParamBase(parent) {
    finish_construction(parent);
    new_verb_cap(verb, capability);
    par.assign(0, 0.0, 0, 3, 100);
}

Requirement::Requirement(Node* parent, const std::string& subject_text) : VerbCapParamBase(parent) {
    finish_construction(parent);
    new_verb_cap("be", MyStrF::_integration_req_cap(subject_text));
    par.assign(0, 0.0, 0, 3, 100);
}

Requirement::Requirement(Node* parent, std::shared_ptr<VerbCapability> vc, uint32_t type, double value, uint16_t unit,
                         uint16_t target, uint16_t goal_weight)
    : VerbCapParamBase(parent) {
    finish_construction(parent);
    set_verb_cap(std::move(vc));
    par.assign(type, value, unit, target, goal_weight);
}

Requirement::Requirement(Node* parent, UserStory* story, uint32_t type, double value, uint16_t unit, uint16_t target,
                         uint16_t goal_weight)
    : VerbCapParamBase(parent) {
    finish_construction(parent);
    if (story) {
        add_parent(story, true);
        set_verb_cap(story->get_verb_cap());
    } else {
        new_verb_cap("no_verb_specified", "no_capability_specified");
    }
    par.assign(type, value, unit, target, goal_weight);
}

Requirement::Requirement(Node* parent, const std::string& verb, const std::string& capability,
                         const std::string& type_name, double value, const std::string& unit_symbol, uint16_t target,
                         uint16_t goal_weight)
    : VerbCapParamBase(parent) {
    finish_construction(parent);
    new_verb_cap(verb, capability);
    par.assign(type_name, value, unit_symbol, target, goal_weight);
}

Requirement::Requirement(Node* parent, const std::string& verb, const std::string& capability, uint32_t type,
                         double value, uint16_t unit, uint16_t target, uint16_t goal_weight)
    : VerbCapParamBase(parent) {
    finish_construction(parent);
    new_verb_cap(verb, capability);
    par.assign(type, value, unit, target, goal_weight);
}

Requirement::~Requirement() {
    const bool project_goal = !GraphTeardown::active() && is_tlr() && is_goal();
    for (DesignProblem* dp : get_child_designproblems())
        if (dp->get_parents().size() == 1) dp->remember_siblings();
    for (Argument* a : get_child_arguments()) dispose(a);
    // Project goals steer elections everywhere: losing one recomputes the
    // project. Asked for only now: the deletions of the arguments above end
    // while this requirement is still linked, and would recompute too early.
    if (project_goal) recompute_when_deletion_ends();
}

std::string Requirement::get_nd_name() const { return GCC::req_nd_name; }

bool Requirement::is_tlr() const {
    return MyFF::filter_mandate(parents) != nullptr || MyFF::filter_user_story(parents) != nullptr;
}

bool Requirement::is_int() const { return get_parent_option(false) != nullptr; }

std::string Requirement::get_txt() const {
    std::string text = "The " + get_subject();
    const std::string type_phrase = MyStrF::_addArticle(par.get_type(), false) + " " + par.get_target_txt();
    const VerbCapability& vc = *get_verb_cap();
    if (!vc.empty()) {
        text += " must";
        if (!vc.get_verb().empty()) text += " " + MyStrF::_prep_verb_for_after_must(vc.get_verb());
        if (!vc.get_capability().empty()) text += " " + vc.get_capability();
        if (is_functional()) return text + ".";
        text += " with " + type_phrase;
    } else {
        text += " " + par.get_type() + " must be " + par.get_target_txt();
    }
    if (is_goal()) return text + " (weight: " + std::to_string(par.get_goal_weight()) + ").";
    return text + " " + MyStrF::_double_to_string(par) + ".";
}

std::string Requirement::get_str(bool lower) const {
    std::string text = VerbCapParamBase::get_str(false) + get_short_txt(0, true);
    return lower ? MyStrF::_toLowerCase(text) : text;
}

DesignProblem* Requirement::add_designproblem() {
    auto* dp = new DesignProblem(this);
    make_uids_state({this, dp});
    return dp;
}

std::vector<Requirement*> Requirement::get_siblings() const {
    std::vector<Requirement*> siblings{const_cast<Requirement*>(this)};
    auto append = [&](const std::vector<Requirement*>& more) { siblings.insert(siblings.end(), more.begin(), more.end()); };
    if (is_tlr()) {
        if (GCC::RP)
            for (UserStory* s : GCC::RP->get_child_user_stories()) append(s->get_child_requirements());
        return MyFF::remove_duplicate_reqs(siblings);
    }
    Option* o = get_parent_option(false);
    if (!o)
        for (Argument* a : get_parent_arguments())
            for (Option* op : a->get_parent_options(true)) o = op;
    if (o && o->get_parent_option()) o = o->get_parent_option();
    if (o) {
        for (Argument* a : o->get_child_arguments()) append(a->get_child_requirements());
        for (Option* sub : o->get_sub_options(false)) {
            if (Requirement* r = sub->get_integration_requirement()) siblings.push_back(r);
            for (Argument* a : sub->get_child_arguments()) append(a->get_child_requirements());
        }
        if (DesignProblem* dp = MyFF::filter_design_problem(o->get_parents()))
            for (DesignProblem* sibling : dp->get_siblings())
                for (Option* option : sibling->get_child_options(false))
                    if (Requirement* r = option->get_integration_requirement()) siblings.push_back(r);
    }
    return MyFF::remove_duplicate_reqs(siblings);
}

std::vector<DesignProblem*> Requirement::get_potential_child_design_problems() const {
    std::unordered_set<std::string> seen;
    for (const DesignProblem* dp : get_child_designproblems()) seen.insert(dp->get_uid());
    std::vector<DesignProblem*> potential;
    for (const Requirement* sibling : get_siblings())
        for (DesignProblem* dp : sibling->get_child_designproblems())
            if (seen.insert(dp->get_uid()).second) potential.push_back(dp);
    return potential;
}

std::string Requirement::add_to_existing_designproblem(DesignProblem* dp) {
    if (dp) {
        for (const DesignProblem* candidate : get_potential_child_design_problems()) {
            if (candidate->get_uid() != dp->get_uid()) continue;
            dp->add_parent(this, true);
            // The problem's goals and ranges changed: its options are judged again.
            for (Option* o : dp->get_child_options(false)) o->get_rlevel().update();
            make_uids_state({this, dp});
            return {};
        }
    }
    return "DesignProblem " + (dp ? dp->get_uid() : std::string()) + " could not be added to Requirement " + uid +
           ".";
}

Option* Requirement::get_parent_option(bool through_arguments) const {
    if (Option* o = MyFF::filter_option(parents)) return o;
    if (through_arguments)
        for (const Argument* a : get_parent_arguments())
            if (auto options = a->get_parent_options(true); !options.empty()) return options.front();
    return nullptr;
}

Mandate* Requirement::get_parent_mandate() const { return MyFF::filter_mandate(parents); }

UserStory* Requirement::get_parent_userstory() const { return MyFF::filter_user_story(parents); }

std::vector<Argument*> Requirement::get_parent_arguments() const { return MyFF::filter_arguments(parents); }

std::vector<Option*> Requirement::get_potential_arg_options(Option* option) const {
    std::vector<Option*> result;
    if (option) {
        for (Option* leaf : option->get_top_option()->get_leaf_options()) {
            bool argued = false;
            for (const Argument* a : leaf->get_child_arguments())
                if (const Requirement* r = a->get_parent_requirement(); r && r->get_uid() == uid) argued = true;
            if (!argued) result.push_back(leaf);
        }
        return result;
    }
    std::unordered_set<std::string> seen;
    for (const Argument* a : get_child_arguments())
        for (const Option* o : a->get_parent_options(false)) seen.insert(o->get_uid());
    for (const DesignProblem* dp : get_child_designproblems())
        for (Option* o : dp->get_child_options(false))
            for (Option* leaf : o->get_leaf_options())
                if (seen.insert(leaf->get_uid()).second) result.push_back(leaf);
    return result;
}

std::vector<DesignProblem*> Requirement::get_child_designproblems() const {
    return MyFF::filter_design_problems(children);
}

std::vector<Argument*> Requirement::get_child_arguments() const { return MyFF::filter_arguments(children); }

std::vector<Argument*> Requirement::get_child_arguments(DesignProblem* dp) const {
    std::unordered_set<std::string> seen;
    for (const Argument* a : get_child_arguments()) seen.insert(a->get_uid());
    std::vector<Argument*> shared;
    for (const Option* o : dp->get_child_options(true))
        for (Argument* a : o->get_child_arguments())
            if (!seen.insert(a->get_uid()).second) shared.push_back(a);
    return shared;
}

NodeList Requirement::get_related_child_options() const {
    NodeList options;
    for (const DesignProblem* dp : get_child_designproblems())
        for (Option* o : dp->get_child_options(false)) options.push_back(o);
    return MyFF::remove_duplicate_uids(options);
}

std::vector<Requirement*> Requirement::get_related_integration_requirements() const {
    std::vector<Requirement*> result;
    for (Node* n : get_related_child_options()) {
        auto* o = static_cast<Option*>(n);
        if (Requirement* r = o->get_integration_requirement()) result.push_back(r);
        for (const Option* sub : o->get_sub_options(false))
            if (Requirement* r = sub->get_integration_requirement()) result.push_back(r);
    }
    return result;
}

bool Requirement::is_satisfied_by(const std::shared_ptr<VerbCapability>& vc, const Parameter* offered) const {
    if (is_functional()) return !get_verb_cap()->get_verb_key().empty() && vc && !vc->get_verb_key().empty();
    return par.is_satisfied_by(offered);
}

bool Requirement::is_satisfied_by(const Node* node) const {
    if (!node) return false;
    if (!node->is_evd() && !node->is_req()) return true;
    const auto* offered = static_cast<const VerbCapParamBase*>(node);
    return is_satisfied_by(offered->get_verb_cap(), &offered->get_par());
}
