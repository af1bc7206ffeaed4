#include "core/constants/gcc.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"

namespace {

// The election pass running (0: none), and the number of the last one.
uint64_t running_pass = 0;
uint64_t last_pass = 0;

// The goals a problem is elected by: its own, else the project's.
std::vector<Requirement*> election_goals(const DesignProblem& dp) {
    std::vector<Requirement*> goals = dp.get_parent_goals();
    if (goals.empty() && GCC::RP) goals = GCC::RP->get_top_lvl_goals();
    return goals;
}

Option* elect_by_readiness(const std::vector<Option*>& candidates) {
    Option* best = nullptr;
    uint16_t best_level = 0;
    for (Option* o : candidates) {
        const uint16_t level = o->get_rlevel().get_min_level(false);
        if (level > best_level || (best && level == best_level && o->get_rlevel().get_av_level() > best->get_rlevel().get_av_level())) {
            best = o;
            best_level = level;
        }
    }
    return best;
}

// Weighted goals; a candidate without data for a goal's quantity ranks after
// every candidate that has it, instead of winning with a total of 0.
Option* elect_by_goals(const std::vector<Option*>& candidates, const std::vector<Requirement*>& goals) {
    Option* best = nullptr;
    size_t best_missing = 0;
    double best_score = 0.0;
    for (Option* o : candidates) {
        size_t missing = 0;
        double score = 0.0;
        for (const Requirement* goal : goals) {
            const Parameter& par = goal->get_par();
            const uint32_t type = par.get_type_int();
            if (!o->has_par_data(type)) ++missing;
            const auto& totals = o->get_par_base_value_sum();
            const double total = type < totals.size() ? totals[type] : 0.0;
            const double weighted = par.get_goal_weight() * total;
            if (par.get_target_int() == 0) score -= weighted;
            if (par.get_target_int() == 6) score += weighted;
        }
        if (!best || missing < best_missing || (missing == best_missing && score > best_score)) {
            best = o;
            best_missing = missing;
            best_score = score;
        }
    }
    return best;
}

}  // namespace

DesignProblem::ElectionPass::ElectionPass() : enclosing(running_pass) { running_pass = ++last_pass; }

DesignProblem::ElectionPass::~ElectionPass() { running_pass = enclosing; }

Option* DesignProblem::get_optimal_child_option() {
    if (running_pass != 0 && elected_in_pass == running_pass) return elected_then;
    elected_in_pass = running_pass;
    elected_then = nullptr;
    const std::vector<Option*> options = get_child_options(false);
    if (options.empty()) return nullptr;
    std::vector<Option*> candidates;
    for (Option* o : options)
        if (o->get_rlevel().is_valid()) candidates.push_back(o);
    Option* elected = nullptr;
    if (candidates.size() == 1) {
        elected = candidates.front();
    } else if (candidates.size() > 1) {
        const auto goals = election_goals(*this);
        elected = goals.empty() ? elect_by_readiness(candidates) : elect_by_goals(candidates, goals);
    }
    for (Option* o : options) o->set_sub_optimal();
    if (elected) elected->set_optimal();
    elected_then = elected;
    return elected;
}
