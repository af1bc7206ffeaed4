#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The rows every dialog that makes or edits a goal shares: the property the
// goal is about and its importance.
namespace kinds {

// The properties a goal can be about: the active quantity types but the
// functional one, in table order. Names alone are ambiguous (a custom type
// may carry a standard type's name), so each entry keeps its row of the
// quantity-type table; answers are mapped back through type_indexes only.
struct GoalProperties {
    std::vector<std::string> names;
    std::vector<uint32_t> type_indexes;

    // The entry showing the type, or -1 when it is not offered.
    int entry_of(uint32_t type_index) const;
    // The type of a chosen entry; the first offered type for an entry out of range.
    uint32_t type_of(int entry) const;
};

GoalProperties goal_properties();

// The entry to preset for an object of this quantity type: its own type's;
// for a functional object (or a type not offered) the seventh active type of
// the table (the price type while all are active), or the first entry when
// six or fewer types are active. -1 when nothing is offered.
int preset_goal_entry(const GoalProperties& properties, uint32_t current_type);

// The weight an importance answer gives: limited to 1..100 (a goal always counts).
uint16_t goal_weight_from_answer(int answer);

}  // namespace kinds
