#include "core/model/memento_mixin.h"

#include <cassert>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/history/mementos.h"
#include "core/history/state_restore.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"
#include "core/queries/node_lists.h"

namespace {

MementoState quantity_type_mementos() {
    MementoState state;
    std::vector<std::vector<bool>> flags;
    for (const PossPar* p : Parameter::get_standard_poss_parameters()) flags.push_back(p->unit_is_active);
    state.push_back(std::make_shared<MC_PPA>(std::move(flags)));
    for (const PossPar* p : Parameter::get_custom_poss_parameters()) state.push_back(std::make_shared<MC_CPP>(*p));
    const auto custom_units = Parameter::get_custom_units();
    for (size_t i = 0; i < custom_units.size(); ++i)
        if (!custom_units[i].empty()) state.push_back(std::make_shared<MC_CPU>(Parameter::_possible_par_types[i], i));
    return state;
}

std::shared_ptr<MC_NDE> create_mc(const Node* n) {
    if (n->is_prj()) return std::make_shared<MC_PRJ>(n);
    if (n->is_usy()) return std::make_shared<MC_USY>(n);
    if (n->is_man()) return std::make_shared<MC_MAN>(n);
    if (n->is_req()) return std::make_shared<MC_REQ>(n);
    if (n->is_arg()) return std::make_shared<MC_ARG>(n);
    if (n->is_dpr()) return std::make_shared<MC_NDE>(n);
    if (n->is_opt()) return std::make_shared<MC_OPT>(n);
    if (n->is_evd()) return std::make_shared<MC_EVD>(n);
    return nullptr;
}

void append_shared(MementoState& state, const MementoState& from, bool node_mementos) {
    for (const MementoPtr& m : from)
        if (m->is_node == node_mementos) state.push_back(m);
}

}  // namespace

MementoMixin::MementoMixin() : FileNode("", "") {}

MementoMixin::~MementoMixin() = default;

std::string MementoMixin::get_nd_name() const { return GCC::mmx_nd_name; }

void MementoMixin::add_node_info_to_state(MementoState& state) const {
    state.push_back(create_mc(this));
    for (const auto& [uid_key, n] : nd_map)
        if (!n->is_prj())
            if (auto m = create_mc(n)) state.push_back(std::move(m));
}

void MementoMixin::add_full_state() {
    MementoState state = quantity_type_mementos();
    add_node_info_to_state(state);
    _add_state_to_history(std::move(state));
}

void MementoMixin::add_node_state() {
    MementoState state;
    if (!history.empty()) append_shared(state, history[current_state], false);
    add_node_info_to_state(state);
    _add_state_to_history(std::move(state));
}

void MementoMixin::add_poss_par_state() {
    MementoState state = quantity_type_mementos();
    if (!history.empty()) append_shared(state, history[current_state], true);
    _add_state_to_history(std::move(state));
}

void MementoMixin::restart_history() {
    history.clear();
    current_state = 0;
    add_full_state();
}

void MementoMixin::add_uid_state(Node* node) { add_uids_state({node}); }

void MementoMixin::add_uids_state(const NodeList& nodes) { add_renewed_state(nodes, false); }

void MementoMixin::add_uids_and_types_state(const NodeList& nodes) { add_renewed_state(nodes, true); }

void MementoMixin::add_renewed_state(const NodeList& nodes, bool renew_types) {
    const NodeList listed = MyFF::remove_duplicate_uids(nodes);
    if (history.empty()) add_full_state();
    // The listed objects not renewed yet, by the hash of their uid (as the
    // mementos keep it).
    std::unordered_multimap<size_t, const Node*> pending;
    const std::hash<std::string> uid_hash;
    for (const Node* n : listed) pending.emplace(uid_hash(n->get_uid()), n);
    auto take_pending = [&](size_t hash, const std::string& uid) -> const Node* {
        auto [first, last] = pending.equal_range(hash);
        for (auto it = first; it != last; ++it) {
            if (it->second->get_uid() != uid) continue;
            const Node* n = it->second;
            pending.erase(it);
            return n;
        }
        return nullptr;
    };
    MementoState state = renew_types ? quantity_type_mementos() : MementoState{};
    state.reserve(history[current_state].size() + listed.size());
    // Listed objects get fresh mementos in place; everything else is shared.
    for (const MementoPtr& m : history[current_state]) {
        if (renew_types && m->is_poss_par) continue;
        if (!pending.empty() && m->is_node) {
            const auto& memento = static_cast<const MC_NDE&>(*m);
            if (const Node* n = take_pending(memento.uid_hash, memento.uid)) {
                if (auto fresh = create_mc(n)) state.push_back(std::move(fresh));
                continue;
            }
        }
        state.push_back(m);
    }
    // New objects come last, in list order.
    for (const Node* n : listed)
        if (take_pending(uid_hash(n->get_uid()), n->get_uid()))
            if (auto fresh = create_mc(n)) state.push_back(std::move(fresh));
    _add_state_to_history(std::move(state));
}

void MementoMixin::_delete_history_after_current_state() {
    while (history.size() > static_cast<size_t>(current_state) + 1) history.pop_back();
}

void MementoMixin::_add_state_to_history(MementoState state) {
    if (!history.empty()) _delete_history_after_current_state();
    history.push_back(std::move(state));
    if (history.size() > max_states) {
        history.erase(history.begin());
        history.shrink_to_fit();
    } else if (history.size() == 1) {
        current_state = 0;
    } else {
        ++current_state;
    }
    check_history_invariants();
}

void MementoMixin::check_history_invariants() const {
#ifndef NDEBUG
    assert(history.size() <= max_states);
    assert(history.empty() || current_state < history.size());
    for (const MementoState& state : history) {
        std::unordered_set<std::string> uids;
        for (const MementoPtr& m : state)
            if (m->is_node) assert(uids.insert(static_cast<const MC_NDE&>(*m).uid).second);
    }
#endif
}

void MementoMixin::goto_previous_state() {
    if (current_state == 0) return;
    --current_state;
    _load_memento_state(current_state);
}

void MementoMixin::goto_next_state() {
    if (static_cast<size_t>(current_state) + 1 >= history.size()) return;
    ++current_state;
    _load_memento_state(current_state);
}

void MementoMixin::restore_current_state() {
    if (!history.empty()) _load_memento_state(current_state);
}

void MementoMixin::_load_memento_state(uint16_t index) {
    if (!is_prj() || index >= history.size()) return;
    const MementoState state = history[index];  // kept alive while the graph is rebuilt
    restore_state(static_cast<Project&>(*this), state);
}

std::shared_ptr<const MC_NDE> MementoMixin::get_mc_with_uid(uint16_t state_index, const std::string& uid_key) const {
    if (state_index >= history.size()) return nullptr;
    for (const MementoPtr& m : history[state_index])
        if (m->is_node && static_cast<const MC_NDE&>(*m).uid == uid_key) return std::static_pointer_cast<const MC_NDE>(m);
    return nullptr;
}
