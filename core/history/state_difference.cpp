#include "core/history/state_difference.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/history/mementos.h"

namespace {

using Run = MementoState::Run;

std::unordered_set<const Run*> runs_of(const MementoState& state) {
    std::unordered_set<const Run*> runs;
    for (size_t r = 0; r < state.run_count(); ++r) runs.insert(state.run(r).get());
    return runs;
}

// The positions of the mementos of a state that lie in runs the other state
// does not hold.
std::vector<size_t> unshared_positions(const MementoState& state, const std::unordered_set<const Run*>& other_runs) {
    std::vector<size_t> positions;
    for (size_t r = 0; r < state.run_count(); ++r) {
        if (other_runs.count(state.run(r).get())) continue;
        const size_t start = state.run_start(r);
        for (size_t i = 0; i < state.run(r)->size(); ++i) positions.push_back(start + i);
    }
    return positions;
}

const MC_NDE* object_memento(const MementoPtr& memento) {
    return memento->is_node ? static_cast<const MC_NDE*>(memento.get()) : nullptr;
}

// The first object memento after a position, or null.
const MC_NDE* next_object(const MementoState& state, size_t position) {
    for (size_t i = position + 1; i < state.size(); ++i)
        if (const MC_NDE* m = object_memento(state[i])) return m;
    return nullptr;
}

}  // namespace

StateDifference difference_between(const MementoState& current, const MementoState& target) {
    StateDifference difference;
    const std::vector<size_t> current_positions = unshared_positions(current, runs_of(target));
    const std::vector<size_t> target_positions = unshared_positions(target, runs_of(current));

    std::unordered_set<const MC*> in_target;
    for (size_t i : target_positions) in_target.insert(target[i].get());
    std::unordered_set<const MC*> in_current;
    // The objects whose current memento the target state does not hold, by uid.
    std::unordered_map<std::string_view, const MC_NDE*> leaving;
    for (size_t i : current_positions) {
        const MementoPtr& m = current[i];
        in_current.insert(m.get());
        if (in_target.count(m.get())) continue;
        if (const MC_NDE* object = object_memento(m))
            leaving.emplace(object->uid, object);
        else
            difference.quantity_types_changed = true;
    }
    for (size_t i : target_positions) {
        const MementoPtr& m = target[i];
        if (in_current.count(m.get())) continue;
        const MC_NDE* object = object_memento(m);
        if (!object) {
            difference.quantity_types_changed = true;
            continue;
        }
        const auto before = leaving.find(object->uid);
        if (before == leaving.end()) {
            difference.added.push_back({object, next_object(target, i)});
        } else {
            difference.changed.push_back({before->second, object});
            leaving.erase(before);
        }
    }
    // In the current state's order.
    for (size_t i : current_positions)
        if (const MC_NDE* object = object_memento(current[i]); object && leaving.count(object->uid))
            difference.removed.push_back(object);
    return difference;
}
