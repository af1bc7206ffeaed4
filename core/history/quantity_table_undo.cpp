#include <unordered_map>

#include "core/constants/gcc.h"
#include "core/history/mementos.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"

// The parameter window steps only through states that changed nothing but the
// quantity-type table.

void Parameter::make_pars_state() {
    if (GCC::RP) GCC::RP->add_poss_par_state();
}

void Parameter::goto_previous_state() {
    if (!owner || !GCC::RP) return;
    const uint16_t current = GCC::RP->get_current_state();
    if (current > 0 && !_are_there_node_changes(static_cast<uint16_t>(current - 1))) GCC::RP->goto_previous_state();
}

void Parameter::goto_next_state() {
    if (!owner || !GCC::RP) return;
    const uint16_t current = GCC::RP->get_current_state();
    if (static_cast<size_t>(current) + 1 < GCC::RP->get_state_count() &&
        !_are_there_node_changes(static_cast<uint16_t>(current + 1)))
        GCC::RP->goto_next_state();
}

bool Parameter::_are_there_node_changes(uint16_t state_index) const {
    if (!GCC::RP || state_index >= GCC::RP->get_state_count()) return true;
    auto node_mementos = [](const MementoState& state) {
        std::unordered_map<std::string, const MC*> by_uid;
        for (const MementoPtr& m : state)
            if (m->is_node) by_uid.emplace(static_cast<const MC_NDE&>(*m).uid, m.get());
        return by_uid;
    };
    const auto current = node_mementos(GCC::RP->get_state(GCC::RP->get_current_state()));
    const auto other = node_mementos(GCC::RP->get_state(state_index));
    if (current.size() != other.size()) return true;
    for (const auto& [uid, memento] : current) {
        auto it = other.find(uid);
        if (it == other.end() || it->second != memento) return true;
    }
    return false;
}
