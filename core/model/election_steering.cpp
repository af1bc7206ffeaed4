#include "core/model/election_steering.h"

#include "core/model/project.h"
#include "core/model/readiness_level.h"
#include "core/model/requirement.h"

ElectionSteering::ElectionSteering(const Project& project) : required_level(ReadinessLevel::get_reqd_level()) {
    for (const Requirement* goal : project.get_top_lvl_goals()) {
        const Parameter& par = goal->get_par();
        goals.push_back({goal->get_uid(), par.get_type_int(), par.get_target_int(), par.get_goal_weight()});
    }
}
