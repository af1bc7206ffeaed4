#include "core/model/readiness_level.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/graph_order.h"
#include "core/model/model_batch.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/text/number_format.h"

uint16_t ReadinessLevel::_reqd_lvl = 1;

namespace {

const std::array<std::string, 10> level_texts = {
    "No level set",
    "Basic principles observed",
    "Technology concept formulated",
    "Experimental proof of concept",
    "Technology validated in a lab",
    "Technology validated in relevant environment",
    "Technology demonstrated in relevant environment",
    "System prototype demonstration in operational environment",
    "System complete and qualified",
    "Actual system proven in operational environment",
};

uint16_t clamp_level(int level) { return static_cast<uint16_t>(std::clamp(level, 0, 9)); }

// A node whose level never changes by itself: no owner yet, or a plain node
// (also any kind while it is being constructed or destroyed).
bool is_inert(const Node* owner) { return !owner || owner->get_nd_type() == "NDE"; }

// The owner and all its ancestors, each once, children before parents.
std::vector<Node*> self_and_ancestors_bottom_up(Node* start) {
    std::vector<Node*> order = post_order({start}, &Node::get_parents);
    std::reverse(order.begin(), order.end());
    return order;
}

// A validating argument counts when a child meets its requirement. Children of
// the requirement's own quantity type are the ones that count; others (another
// type, a goal) count only when no child of that type exists.
bool argument_is_met(const Argument* argument, const Requirement* requirement) {
    const auto& kids = argument->get_children();
    auto satisfies = [&](const Node* kid) { return requirement->is_satisfied_by(kid); };
    if (!requirement->is_functional()) {
        const uint32_t type = requirement->get_par().get_type_int();
        std::vector<const Node*> same_type;
        for (const Node* kid : kids) {
            if (!kid->is_req() && !kid->is_evd()) continue;
            const auto& par = static_cast<const VerbCapParamBase*>(kid)->get_par();
            if (par.get_type_int() == type && !par.is_min_max()) same_type.push_back(kid);
        }
        if (!same_type.empty()) return std::any_of(same_type.begin(), same_type.end(), satisfies);
    }
    return std::any_of(kids.begin(), kids.end(), satisfies);
}

// The top option's total of each range requirement of its design problem must
// meet that requirement, by the same test an evidence must pass.
bool totals_meet_ranges(const Option* top, const DesignProblem* dp) {
    const auto& totals = top->get_par_base_value_sum();
    for (const Requirement* range : dp->get_parent_range_reqs()) {
        const uint32_t type = range->get_par().get_type_int();
        Parameter offered(nullptr, type, 0.0, 0, 3, 100);
        offered.set_base_value(type < totals.size() ? totals[type] : 0.0);
        if (!range->get_par().is_satisfied_by(&offered)) return false;
    }
    return true;
}

// Every requirement of the design problem is argued somewhere in the tree.
bool tree_argues_every_requirement(const std::vector<Option*>& tree, const DesignProblem* dp) {
    // Up to this many argued requirements are searched one by one, cheaper
    // than hashing their uids; a tree argues one or a few as a rule.
    constexpr size_t few = 16;
    std::vector<const Requirement*> argued;
    for (const Option* o : tree)
        for (const Node* a : o->get_children())
            if (a->is_arg())
                if (const Requirement* r = static_cast<const Argument*>(a)->get_parent_requirement()) argued.push_back(r);
    const auto requirements = dp->get_parent_requirements();
    if (argued.size() <= few)
        return std::all_of(requirements.begin(), requirements.end(), [&](const Requirement* r) {
            return std::any_of(argued.begin(), argued.end(),
                               [&](const Requirement* a) { return a == r || a->get_uid() == r->get_uid(); });
        });
    std::unordered_set<std::string_view> argued_uids;
    for (const Requirement* r : argued) argued_uids.insert(r->get_uid());
    return std::all_of(requirements.begin(), requirements.end(),
                       [&](const Requirement* r) { return argued_uids.count(r->get_uid()) != 0; });
}

}  // namespace

// An option tree is judged as a whole: totals bottom-up first, then the checks
// that read the top option's totals and the arguments of the whole tree, then
// the levels bottom-up.
void recompute_option_tree(Option* top) {
    // Each option after its sub-options.
    std::vector<Option*> tree = top->get_option_tree_depth_first();
    std::reverse(tree.begin(), tree.end());
    for (Option* o : tree) o->update_par_base_value_sum();
    DesignProblem* dp = top->get_parent_designproblem();
    const bool acceptable = !dp || (totals_meet_ranges(top, dp) && tree_argues_every_requirement(tree, dp));
    for (Option* o : tree) {
        ReadinessLevel& level = o->get_rlevel();
        if (acceptable)
            level.aggregate(o->get_children());
        else
            level.reset();
        // Without a design problem nothing elects: every option of the tree counts as optimal.
        if (!dp) o->optimal = true;
    }
}

ReadinessLevel::ReadinessLevel(Node* o) : owner(o) {}

uint16_t ReadinessLevel::get_reqd_level() { return _reqd_lvl; }

void ReadinessLevel::set_reqd_level(int level) {
    _reqd_lvl = clamp_level(level);
    // Validity, and with it every election, depends on the required level.
    if (GCC::RP && !ModelBatch::active()) GCC::RP->recompute_all();
}

uint16_t ReadinessLevel::get_min_level(bool special) const {
    if (special && owner) {
        if (owner->is_opt()) {
            const auto* option = static_cast<const Option*>(owner);
            if (option->is_optimal()) return 10;
            if (option->has_invalidate()) return 12;
        }
        if (owner->is_arg() && !static_cast<const Argument*>(owner)->get_validates()) return 12;
    }
    return min_level;
}

void ReadinessLevel::set_levels(int level) {
    av_level = std::clamp(static_cast<double>(level), 0.0, 9.0);
    min_level = max_level = clamp_level(level);
    update();
}

void ReadinessLevel::reset() {
    min_level = max_level = 0;
    av_level = 0.0;
}

void ReadinessLevel::aggregate(const std::vector<Node*>& nodes) {
    if (nodes.empty()) {
        reset();
        return;
    }
    double sum = 0.0;
    int achieved = by_minimum ? 9 : 0;
    int highest = 0;
    for (const Node* n : nodes) {
        const ReadinessLevel& l = n->get_rlevel();
        sum += l.av_level;
        achieved = by_minimum ? std::min<int>(achieved, l.min_level) : std::max<int>(achieved, l.min_level);
        highest = std::max<int>(highest, l.max_level);
    }
    av_level = std::clamp(sum / static_cast<double>(nodes.size()), 0.0, 9.0);
    min_level = clamp_level(achieved);
    max_level = clamp_level(highest);
}

void ReadinessLevel::_update_argument() {
    const auto* argument = static_cast<const Argument*>(owner);
    const Requirement* requirement = argument->get_parent_requirement();
    if (requirement && argument->get_validates() && argument_is_met(argument, requirement))
        aggregate(owner->get_children());
    else
        reset();
}

void ReadinessLevel::recompute_local() {
    if (is_inert(owner) || owner->is_evd()) return;
    if (owner->is_arg()) {
        _update_argument();
    } else if (owner->is_opt()) {
        auto* option = static_cast<Option*>(owner);
        if (!option->get_parent_option()) recompute_option_tree(option);
    } else if (owner->is_req()) {
        const auto problems = MyFF::filter_design_problems(owner->get_children());
        aggregate(MyFF::as_nodes(problems));
        for (DesignProblem* dp : problems) dp->get_optimal_child_option();
    } else if (owner->is_dpr()) {
        static_cast<DesignProblem*>(owner)->get_optimal_child_option();
        aggregate(owner->get_children());
    } else {
        aggregate(owner->get_children());
    }
}

void ReadinessLevel::update() {
    if (!owner || ModelBatch::active()) return;
    for (Node* n : self_and_ancestors_bottom_up(owner)) n->get_rlevel().recompute_local();
}

bool ReadinessLevel::is_valid() const { return _reqd_lvl <= min_level; }

const std::string& ReadinessLevel::get_min_level_txt_ptr() const { return level_texts[min_level]; }

const std::string& ReadinessLevel::get_reqd_level_txt_ptr() { return level_texts[_reqd_lvl]; }

const std::array<std::string, 10>& ReadinessLevel::get_levels() { return level_texts; }

std::string ReadinessLevel::get_tooltip_text() const {
    return GCC::separator_ttt + "The required readiness level is: " + std::to_string(_reqd_lvl) + "\n" +
           "The achieved readiness level is: " + std::to_string(min_level) + "\n" +
           "The average readiness level is:  " + MyStrF::_double_to_string(av_level) + "\n";
}
