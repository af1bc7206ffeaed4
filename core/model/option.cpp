#include "core/model/option.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/model_batch.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

Option::Option(Node* parent, const std::string& subject_text) : Node(parent) {
    set_subject(subject_text, true);
    update_par_base_value_sum();
    if (DesignProblem* dp = get_top_option()->get_parent_designproblem(); dp && !ModelBatch::active())
        dp->get_optimal_child_option();
    else if (!dp)
        optimal = true;
    set_uid("");
    // Its problem counted it while it was not yet an option.
    rlevel.update();
}

Option::~Option() {
    if (GraphTeardown::active()) return;
    Option* parent_option = parents.size() == 1 ? get_parent_option() : nullptr;
    const bool only_sub_option = parent_option && parent_option->get_sub_options(false).size() == 1;
    for (Argument* a : get_child_arguments()) {
        if (!has_child(a)) continue;
        if (only_sub_option) {
            // The parent option is again what this option was: the arguments go back up.
            a->add_parent(parent_option, true);
            a->remove_parent(this, true);
            parent_option->get_subject();
            a->replace_subject_ptr(parent_option->subject_ptr());
        } else {
            dispose(a);
        }
    }
}

std::string Option::get_nd_name() const { return GCC::opt_nd_name; }

// ---- Structure ----

Option* Option::add_sub_option(const std::string& subject_text) {
    NodeList changed;
    Option* sub = add_sub_option(changed, subject_text);
    make_uids_state(changed);
    return sub;
}

Option* Option::add_sub_option(NodeList& changed, const std::string& subject_text) {
    auto* sub = new Option(this, subject_text);
    auto* integration = new Requirement(sub, get_subject());
    changed = get_impacted_by_subject_change();
    changed.insert(changed.end(), {this, sub, integration});
    for (Argument* a : get_child_arguments()) {
        a->add_parent(sub, true);
        a->remove_parent(this, true);
        a->replace_subject_ptr(sub->subject_ptr());
        changed.push_back(a);
    }
    changed = MyFF::remove_duplicate_uids(changed);
    return sub;
}

NodeList Option::add_dpr_integration_req() {
    if (get_integration_requirement()) return {};
    DesignProblem* dp = get_top_option()->get_parent_designproblem();
    if (!dp || dp->get_siblings().size() <= 1) return {};
    const auto requirements = dp->get_parent_requirements();
    if (requirements.empty()) return {};
    Requirement* first = requirements.front();
    std::string subject_text;
    if (first->is_tlr()) {
        subject_text = first->get_subject();
    } else {
        Option* above = first->get_parent_option(true);
        if (!above) return {};
        subject_text = above->get_subject();
    }
    auto* integration = new Requirement(this, subject_text);
    return {integration, this};
}

Option* Option::get_parent_option() const { return MyFF::filter_option(parents); }

namespace {
// Links made in code may close a cycle of options (files cannot: the reader
// drops such links). The walks up therefore run with a second walker at half
// speed, which meets the first only on a cycle; no memory is needed per step.
// Visits each option above start, nearest first; returns false when the walk
// went round a cycle (some options were then visited more than once).
template <class Visit>
bool walk_up_options(const Option* start, Visit visit) {
    const Option* slow = start;
    bool move_slow = false;
    for (Option* up = start->get_parent_option(); up; up = up->get_parent_option()) {
        if (up == start) return false;
        visit(up);
        if (move_slow) slow = slow->get_parent_option();
        move_slow = !move_slow;
        if (up == slow) return false;
    }
    return true;
}
}  // namespace

std::vector<Option*> Option::get_parent_options() const {
    std::vector<Option*> ancestors;
    if (walk_up_options(this, [&](Option* o) { ancestors.push_back(o); })) return ancestors;
    // On a cycle: each option once, this one not at all.
    std::unordered_set<const Option*> seen{this};
    std::erase_if(ancestors, [&](const Option* o) { return !seen.insert(o).second; });
    return ancestors;
}

Option* Option::get_top_option() {
    // A cycle has no top: each option on or below it is its own.
    Option* top = this;
    return walk_up_options(this, [&](Option* o) { top = o; }) ? top : this;
}

DesignProblem* Option::get_parent_designproblem() {
    return MyFF::filter_design_problem(get_top_option()->get_parents());
}

std::vector<Option*> Option::get_leaf_options() {
    std::vector<Option*> leaves;
    for (Option* o : get_option_tree_depth_first())
        if (o->get_sub_options(false).empty()) leaves.push_back(o);
    return leaves;
}

std::vector<Option*> Option::get_sub_options(bool recursive) const {
    if (!recursive) return MyFF::filter_options(children);
    std::vector<Option*> subs = const_cast<Option*>(this)->get_option_tree_depth_first();
    subs.erase(subs.begin());
    return subs;
}

std::vector<Option*> Option::get_option_tree_depth_first() {
    std::vector<Option*> tree;
    std::vector<Option*> pending{this};
    // Each option once, also when links made in code close a cycle. Most trees
    // hold a few options, which are found in the tree itself; a set of them is
    // made only for a large tree.
    constexpr size_t searched_in_tree = 32;
    std::unordered_set<const Option*> seen;
    auto first_visit = [&](const Option* o) {
        if (tree.size() < searched_in_tree) return std::find(tree.begin(), tree.end(), o) == tree.end();
        if (seen.empty()) seen.insert(tree.begin(), tree.end());
        return seen.insert(o).second;
    };
    while (!pending.empty()) {
        Option* o = pending.back();
        pending.pop_back();
        if (!first_visit(o)) continue;
        tree.push_back(o);
        // Its sub-options, the first to be visited next.
        for (auto c = o->children.rbegin(); c != o->children.rend(); ++c)
            if ((*c)->is_opt()) pending.push_back(static_cast<Option*>(*c));
    }
    return tree;
}

Requirement* Option::get_integration_requirement() const { return MyFF::filter_requirement(children); }

std::vector<Argument*> Option::get_child_arguments() const { return MyFF::filter_arguments(children); }

Argument* Option::add_child_argument(Requirement* requirement, bool validates) {
    if (!requirement) return nullptr;
    for (const Requirement* r : get_potential_parent_reqs(false)) {
        if (r->get_uid() != requirement->get_uid()) continue;
        auto* argument = new Argument(this, requirement, validates);
        make_uids_state({this, argument, requirement});
        return argument;
    }
    return nullptr;
}

std::vector<Requirement*> Option::get_potential_parent_reqs(bool exclude_linked) {
    DesignProblem* dp = get_parent_designproblem();
    if (!dp) return {};
    std::vector<Requirement*> requirements = dp->get_parent_requirements();
    if (!exclude_linked) return requirements;
    std::unordered_set<std::string> argued;
    for (const Argument* a : get_child_arguments())
        if (const Requirement* r = a->get_parent_requirement()) argued.insert(r->get_uid());
    std::erase_if(requirements, [&](const Requirement* r) { return argued.count(r->get_uid()) != 0; });
    return requirements;
}

void Option::set_optimal_flag(bool value) {
    for (Option* o : get_option_tree_depth_first()) o->optimal = value;
}

void Option::set_optimal() { set_optimal_flag(true); }

void Option::set_sub_optimal() { set_optimal_flag(false); }

bool Option::has_invalidate() const {
    for (const Argument* a : get_child_arguments())
        if (!a->get_validates()) return true;
    return false;
}

// ---- Totals ----

NodeList Option::get_par_base_value_objects() {
    NodeList feeding;
    if (Requirement* integration = get_integration_requirement())
        for (DesignProblem* dp : integration->get_child_designproblems()) feeding.push_back(dp->get_optimal_child_option());
    const auto subs = get_sub_options(false);
    if (!subs.empty()) {
        feeding.insert(feeding.end(), subs.begin(), subs.end());
    } else {
        for (Argument* a : get_child_arguments()) {
            for (Evidence* e : a->get_child_evidences()) feeding.push_back(e);
            for (Requirement* derived : a->get_child_requirements())
                for (DesignProblem* dp : derived->get_child_designproblems())
                    feeding.push_back(dp->get_optimal_child_option());
        }
    }
    return MyFF::remove_duplicate_uids(feeding);
}

void Option::update_par_base_value_sum() {
    const size_t types = Parameter::_possible_par_types.size();
    std::vector<double> sums(types, 0.0);
    std::vector<bool> has_data(types, false);
    const NodeList feeding = get_par_base_value_objects();
    for (const Node* n : feeding) {
        if (n->is_opt()) {
            // A shorter list (a type added meanwhile) counts as zeros for the missing types.
            const auto* o = static_cast<const Option*>(n);
            for (size_t i = 0; i < types && i < o->par_base_value_sum.size(); ++i) {
                sums[i] += o->par_base_value_sum[i];
                if (o->has_par_data(i)) has_data[i] = true;
            }
        } else if (n->is_evd()) {
            // Goals and functional evidence carry no amount; they are skipped, not the end of the sum.
            const auto* e = static_cast<const Evidence*>(n);
            const Parameter& par = e->get_par();
            const uint32_t type = par.get_type_int();
            if (type == 0 || type >= types || par.is_min_max()) continue;
            // Several evidence of one subject and type are averaged.
            size_t same = 0;
            const std::string subject_text = e->get_subject();
            for (const Node* other : feeding)
                if (other->is_evd() && static_cast<const Evidence*>(other)->get_par().get_type_int() == type &&
                    other->get_subject() == subject_text)
                    ++same;
            sums[type] += par.get_base_value() / static_cast<double>(same);
            has_data[type] = true;
        }
    }
    par_base_value_sum = std::move(sums);
    par_has_data = std::move(has_data);
}

bool Option::has_par_data(size_t type_index) const {
    return type_index < par_has_data.size() && par_has_data[type_index];
}

std::string Option::get_ready_level_txt() const {
    std::string text;
    const auto& table = Parameter::_possible_par_types;
    for (size_t i = 0; i < par_base_value_sum.size() && i < table.size(); ++i) {
        if (std::abs(par_base_value_sum[i]) <= 1e-9) continue;
        text += "The " + table[i].name + " is " +
                MyStrF::_double_to_string(par_base_value_sum[i], static_cast<unsigned>(i), table[i].unit_symbols[0]);
    }
    return text;
}

// ---- Texts ----

std::string Option::get_validity_str() const {
    const char* state = !rlevel.is_valid() ? "Invalid." : optimal ? "Optimal." : "Valid.";
    return "The " + GCC::opt_nd_name + " is " + state + "\n" + rlevel.get_tooltip_text() + get_ready_level_txt();
}

std::string Option::get_txt() const { return MyStrF::_capitalFirstLetter(get_subject()); }

std::string Option::get_str(bool lower) const {
    std::string text = Node::get_str(false);
    return lower ? MyStrF::_toLowerCase(text) : text;
}

std::string Option::get_short_txt(size_t max_len) const { return MyStrF::_toMaxLengthWithPoints(get_txt(), max_len); }

// ---- Next decomposition level ----

std::vector<Requirement*> Option::get_reqs_to_next_option() const {
    std::vector<Requirement*> requirements;
    if (!GCC::RP || GCC::RP->get_settings().get_incl_int_req())
        if (Requirement* r = get_integration_requirement()) requirements.push_back(r);
    if (get_sub_options(false).empty())
        for (const Argument* a : get_child_arguments())
            for (Requirement* r : a->get_child_requirements()) requirements.push_back(r);
    return MyFF::remove_duplicate_reqs(requirements);
}

std::vector<DesignProblem*> Option::get_dprs_to_next_option() const {
    std::vector<DesignProblem*> problems;
    for (const Requirement* r : get_reqs_to_next_option())
        for (DesignProblem* dp : r->get_child_designproblems()) problems.push_back(dp);
    return MyFF::remove_duplicate_dprs(problems);
}

std::vector<Evidence*> Option::get_related_evd() const {
    std::vector<Evidence*> evidence;
    for (const Argument* a : get_child_arguments())
        for (Evidence* e : a->get_child_evidences()) evidence.push_back(e);
    return MyFF::remove_duplicate_evd(evidence);
}

std::vector<Option*> Option::get_next_option_layer() const {
    auto subs = get_sub_options(false);
    if (!subs.empty()) return subs;
    std::vector<Option*> next;
    for (const Argument* a : get_child_arguments())
        for (const Requirement* r : a->get_child_requirements())
            for (const DesignProblem* dp : r->get_child_designproblems())
                for (Option* o : dp->get_child_options(false)) next.push_back(o);
    return MyFF::remove_duplicate_options(next);
}
