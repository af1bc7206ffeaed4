#include "ui/kinds/goal_rows.h"

#include <algorithm>

#include "core/quantity/parameter.h"

namespace kinds {

int GoalProperties::entry_of(uint32_t type_index) const {
    const auto found = std::find(type_indexes.begin(), type_indexes.end(), type_index);
    return found == type_indexes.end() ? -1 : static_cast<int>(found - type_indexes.begin());
}

uint32_t GoalProperties::type_of(int entry) const {
    if (entry >= 0 && static_cast<size_t>(entry) < type_indexes.size()) return type_indexes[static_cast<size_t>(entry)];
    return type_indexes.empty() ? 1u : type_indexes.front();
}

GoalProperties goal_properties() {
    GoalProperties properties;
    const std::vector<PossPar*> table = Parameter::get_poss_parameters();
    for (size_t i = 1; i < table.size(); ++i) {
        if (!table[i]->is_active()) continue;
        properties.names.push_back(table[i]->name);
        properties.type_indexes.push_back(static_cast<uint32_t>(i));
    }
    return properties;
}

int preset_goal_entry(const GoalProperties& properties, uint32_t current_type) {
    if (properties.type_indexes.empty()) return -1;
    if (current_type != 0) {
        if (const int own = properties.entry_of(current_type); own >= 0) return own;
    }
    std::vector<uint32_t> active;
    const std::vector<PossPar*> table = Parameter::get_poss_parameters();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i]->is_active()) active.push_back(static_cast<uint32_t>(i));
    if (active.size() > 6) {
        if (const int seventh = properties.entry_of(active[6]); seventh >= 0) return seventh;
    }
    return 0;
}

uint16_t goal_weight_from_answer(int answer) { return static_cast<uint16_t>(std::clamp(answer, 1, 100)); }

}  // namespace kinds
