#pragma once

#include <vector>

#include "core/history/memento_state.h"

struct MC_NDE;

// What differs between two undo states. Runs the states share, and mementos
// they share within other runs, are equal and are never looked into, so the
// cost follows the size of the change rather than the size of the project.
struct StateDifference {
    struct Changed {
        const MC_NDE* before;
        const MC_NDE* after;
    };
    struct Added {
        const MC_NDE* memento;
        // The object memento that follows it in the target state; null at the end.
        const MC_NDE* next;
    };
    // The quantity-type table differs (its mementos are not the same ones).
    bool quantity_types_changed = false;
    // Objects in both states whose mementos differ, the project included, in
    // the target state's order.
    std::vector<Changed> changed;
    // Objects of the target state only, in its order.
    std::vector<Added> added;
    // Objects of the current state only.
    std::vector<const MC_NDE*> removed;
};

StateDifference difference_between(const MementoState& current, const MementoState& target);
