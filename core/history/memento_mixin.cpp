#include "core/model/memento_mixin.h"

#include <algorithm>
#include <bitset>
#include <cassert>
#include <cstdio>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/history/mementos.h"
#include "core/history/in_place_restore.h"
#include "core/history/state_restore.h"
#include "core/model/deletion_record.h"
#include "core/model/graph_builder.h"
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

// For an object that does not take its subject text from its source: the
// object its memento names as the one it shares the text with. That is the
// first object in registry order that holds the text without taking it from
// its source; "" when this is the object itself.
class SubjectAnchors {
public:
    explicit SubjectAnchors(const UidRegistry& r) : registry(r) {}

    std::string of(const Node* node) {
        const std::string* text = node->subject_ptr().get();
        if (holds_all_sharers(node)) return {};
        if (!first_holder) {
            first_holder.emplace();
            for (const auto& [uid, n] : registry)
                if (!shares_subject_with_source(n)) first_holder->try_emplace(n->subject_ptr().get(), uid);
        }
        const auto found = first_holder->find(text);
        return found == first_holder->end() || found->second == node->get_uid() ? std::string() : found->second;
    }

private:
    // Whether every other holder of the node's text takes it, through its
    // sources, from this node: then the node is the one that holds it (the
    // common case, which needs no walk over the registry).
    static bool holds_all_sharers(const Node* node) {
        const auto& text = node->subject_ptr();
        std::vector<const Node*> group{node};
        for (size_t i = 0; i < group.size(); ++i)
            for (const Node* c : group[i]->get_children())
                if (c->subject_ptr() == text && c->get_subject_source() == group[i]) group.push_back(c);
        return static_cast<long>(group.size()) == text.use_count();
    }

    const UidRegistry& registry;
    std::optional<std::unordered_map<const std::string*, std::string>> first_holder;
};

// The positions of the object mementos of a state, by uid. A state lists
// them in registry order, and a change adds or removes a few objects, so a
// cursor finds nearly every one in turn; an index is built only when the
// orders differ.
class PreviousMementos {
public:
    static constexpr size_t none = static_cast<size_t>(-1);

    PreviousMementos(const MementoState& s, const UidRegistry& r) : state(s), registry(r), cursor(s.begin()) {}

    size_t of(const std::string& uid) {
        for (; !index && cursor != state.end(); ++cursor, ++position) {
            // The project's memento is renewed every time, not looked up.
            if (!(*cursor)->is_node || (*cursor)->acronym == "PRJ") continue;
            const auto& memento = static_cast<const MC_NDE&>(**cursor);
            if (memento.uid == uid) {
                ++cursor;
                return position++;
            }
            // An object gone since that state is passed over; any other
            // mismatch means the orders differ.
            if (registry.contains(memento.uid)) break;
        }
        if (!index) {
            index.emplace();
            size_t i = 0;
            for (const MementoPtr& m : state) {
                if (m->is_node) index->emplace(static_cast<const MC_NDE&>(*m).uid, i);
                ++i;
            }
        }
        const auto found = index->find(uid);
        return found == index->end() ? none : found->second;
    }

private:
    const MementoState& state;
    const UidRegistry& registry;
    MementoState::const_iterator cursor;
    size_t position = 0;
    std::optional<std::unordered_map<std::string_view, size_t>> index;
};

// The listed objects of a snapshot not renewed yet, by the hash of their uid
// (as the mementos keep it). A bit per hash value modulo a few thousand
// rules out nearly every other memento with one test.
class ListedObjects {
public:
    explicit ListedObjects(const NodeList& listed) {
        const std::hash<std::string> uid_hash;
        for (const Node* n : listed) {
            const size_t hash = uid_hash(n->get_uid());
            by_hash.emplace(hash, n);
            filter.set(hash % filter.size());
        }
    }

    size_t size() const { return by_hash.size(); }
    bool empty() const { return by_hash.empty(); }
    bool may_hold(size_t hash) const { return filter.test(hash % filter.size()); }
    bool may_hold_any(const std::vector<size_t>& hashes) const {
        if (empty()) return false;
        for (size_t hash : hashes)
            if (may_hold(hash)) return true;
        return false;
    }

    // The listed object with this uid, no longer pending; none if there is none.
    const Node* take(size_t hash, const std::string& uid) {
        auto [first, last] = by_hash.equal_range(hash);
        for (auto it = first; it != last; ++it) {
            if (it->second->get_uid() != uid) continue;
            const Node* n = it->second;
            by_hash.erase(it);
            return n;
        }
        return nullptr;
    }

private:
    std::unordered_multimap<size_t, const Node*> by_hash;
    std::bitset<4096> filter;
};

std::shared_ptr<MC_NDE> create_mc(const Node* n, SubjectAnchors& anchors) {
    std::shared_ptr<MC_NDE> m;
    if (n->is_prj())
        m = std::make_shared<MC_PRJ>(n);
    else if (n->is_usy())
        m = std::make_shared<MC_USY>(n);
    else if (n->is_man())
        m = std::make_shared<MC_MAN>(n);
    else if (n->is_req())
        m = std::make_shared<MC_REQ>(n);
    else if (n->is_arg())
        m = std::make_shared<MC_ARG>(n);
    else if (n->is_dpr())
        m = std::make_shared<MC_NDE>(n);
    else if (n->is_opt())
        m = std::make_shared<MC_OPT>(n);
    else if (n->is_evd())
        m = std::make_shared<MC_EVD>(n);
    if (m && !m->subject_shared_with_source) m->subject_shared_with = anchors.of(n);
    return m;
}

// Takes over the object mementos, or the quantity-type mementos, of a state.
void keep_all(MementoStateBuilder& builder, const MementoState& from, bool node_mementos) {
    size_t i = 0;
    for (const MementoPtr& m : from) {
        if (m->is_node == node_mementos) builder.keep(i);
        ++i;
    }
}

}  // namespace

MementoMixin::MementoMixin() : FileNode("", "") {}

MementoMixin::~MementoMixin() = default;

std::string MementoMixin::get_nd_name() const { return GCC::mmx_nd_name; }

void MementoMixin::add_node_info_to_state(MementoState& state) const {
    SubjectAnchors anchors(nd_map);
    state.push_back(create_mc(this, anchors));
    for (const auto& [uid_key, n] : nd_map)
        if (!n->is_prj())
            if (auto m = create_mc(n, anchors)) state.push_back(std::move(m));
}

void MementoMixin::add_full_state() {
    MementoState state = quantity_type_mementos();
    add_node_info_to_state(state);
    _add_state_to_history(std::move(state));
}

void MementoMixin::add_node_state() {
    if (history.empty()) {
        MementoState state;
        add_node_info_to_state(state);
        _add_state_to_history(std::move(state));
        return;
    }
    const MementoState& previous = history[current_state];
    MementoStateBuilder state(previous);
    keep_all(state, previous, false);
    SubjectAnchors anchors(nd_map);
    state.add(create_mc(this, anchors));
    // Every object whose memento in the current state still describes it
    // keeps that memento; only what changed is copied afresh.
    PreviousMementos before(previous, nd_map);
    for (const auto& [uid_key, n] : nd_map) {
        if (n->is_prj()) continue;
        const size_t kept = before.of(uid_key);
        if (kept != PreviousMementos::none) {
            const auto& memento = static_cast<const MC_NDE&>(*previous[kept]);
            if (still_describes(memento, n) &&
                (memento.subject_shared_with_source || memento.subject_shared_with == anchors.of(n))) {
                state.keep(kept);
                continue;
            }
        }
        if (auto m = create_mc(n, anchors)) state.add(std::move(m));
    }
    _add_state_to_history(state.finish());
}

void MementoMixin::add_deletion_state(const DeletionRecord& record) {
    // A removed object's text still held elsewhere may change which object
    // unlinked holders share it with; a new required level changes every
    // mandate's memento. Both are rare; the whole comparison covers them.
    if (history.empty() || !record.on_state_at_start() || record.removed_texts_still_held() ||
        record.get_required_level_at_start() != ReadinessLevel::get_reqd_level()) {
        add_node_state();
        return;
    }
    NodeList present{this};  // the project's memento is renewed every time
    std::unordered_set<std::string> gone;
    std::bitset<4096> gone_filter;
    const std::hash<std::string> uid_hash;
    for (const std::string& uid : record.get_touched()) {
        if (Node* n = _get_pointer_to_node_with_uid(uid)) {
            if (!n->is_prj()) present.push_back(n);
        } else {
            gone_filter.set(uid_hash(uid) % gone_filter.size());
            gone.insert(uid);
        }
    }
    auto may_be_gone = [&](size_t hash) { return !gone.empty() && gone_filter.test(hash % gone_filter.size()); };
    ListedObjects pending(present);
    SubjectAnchors anchors(nd_map);
    const MementoState& previous = history[current_state];
    MementoStateBuilder state(previous);
    // As add_node_state does for every object, for the noted ones: a memento
    // that still describes its object stays, a gone object's goes.
    for (size_t r = 0; r < previous.run_count(); ++r) {
        const MementoState::RunKeys& keys = previous.run_keys(r);
        if (!pending.may_hold_any(keys.uid_hashes) &&
            std::none_of(keys.uid_hashes.begin(), keys.uid_hashes.end(), may_be_gone)) {
            state.keep_run(r);
            continue;
        }
        const MementoState::Run& run = *previous.run(r);
        const size_t start = previous.run_start(r);
        for (size_t i = 0; i < run.size(); ++i) {
            if (!run[i]->is_node) {
                state.keep(start + i);
                continue;
            }
            const auto& memento = static_cast<const MC_NDE&>(*run[i]);
            const size_t hash = keys.uid_hashes[i];
            if (may_be_gone(hash) && gone.count(memento.uid)) continue;
            const Node* n = pending.may_hold(hash) ? pending.take(hash, memento.uid) : nullptr;
            if (n && !(still_describes(memento, n) &&
                       (memento.subject_shared_with_source || memento.subject_shared_with == anchors.of(n)))) {
                if (auto fresh = create_mc(n, anchors)) state.add(std::move(fresh));
                continue;
            }
            state.keep(start + i);
        }
    }
    // Objects made during the deletions are the newest of the registry.
    std::vector<const Node*> newest_first;
    for (auto it = nd_map.end(); it != nd_map.begin() && !pending.empty();) {
        --it;
        if (const Node* n = pending.take(uid_hash(it->first), it->first)) newest_first.push_back(n);
    }
    for (auto it = newest_first.rbegin(); it != newest_first.rend(); ++it)
        if (auto fresh = create_mc(*it, anchors)) state.add(std::move(fresh));
    _add_state_to_history(state.finish());
}

void MementoMixin::add_poss_par_state() {
    if (history.empty()) {
        _add_state_to_history(quantity_type_mementos());
        return;
    }
    MementoStateBuilder state(history[current_state]);
    for (const MementoPtr& m : quantity_type_mementos()) state.add(m);
    keep_all(state, history[current_state], true);
    _add_state_to_history(state.finish());
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
    ListedObjects pending(listed);
    SubjectAnchors anchors(nd_map);
    const MementoState& previous = history[current_state];
    MementoStateBuilder state(previous);
    if (renew_types)
        for (const MementoPtr& m : quantity_type_mementos()) state.add(m);
    // Listed objects get fresh mementos in place; everything else is shared,
    // a run at a time where the run's keys show that it holds none of them.
    for (size_t r = 0; r < previous.run_count(); ++r) {
        const MementoState::RunKeys& keys = previous.run_keys(r);
        if (!(renew_types && keys.holds_others) && !pending.may_hold_any(keys.uid_hashes)) {
            state.keep_run(r);
            continue;
        }
        const MementoState::Run& run = *previous.run(r);
        const size_t start = previous.run_start(r);
        for (size_t i = 0; i < run.size(); ++i) {
            const MementoPtr& m = run[i];
            if (renew_types && m->is_poss_par) continue;
            if (m->is_node && pending.may_hold(keys.uid_hashes[i])) {
                if (const Node* n = pending.take(keys.uid_hashes[i], static_cast<const MC_NDE&>(*m).uid)) {
                    if (auto fresh = create_mc(n, anchors)) state.add(std::move(fresh));
                    continue;
                }
            }
            state.keep(start + i);
        }
    }
    // New objects come last, in the registry's order: a restored state
    // registers its objects in state order, and the registry's order is the
    // order of every walk over the project (its file included). New objects
    // are the newest in the registry, so a walk back from its end finds them
    // all after a few steps.
    if (pending.size() > 1) {
        std::vector<const Node*> newest_first;
        for (auto it = nd_map.end(); it != nd_map.begin() && !pending.empty();) {
            --it;
            if (const Node* n = pending.take(std::hash<std::string>{}(it->first), it->first)) newest_first.push_back(n);
        }
        for (auto it = newest_first.rbegin(); it != newest_first.rend(); ++it)
            if (auto fresh = create_mc(*it, anchors)) state.add(std::move(fresh));
    }
    for (const Node* n : listed)
        if (pending.take(std::hash<std::string>{}(n->get_uid()), n->get_uid()))
            if (auto fresh = create_mc(n, anchors)) state.add(std::move(fresh));
    _add_state_to_history(state.finish());
}

void MementoMixin::_delete_history_after_current_state() {
    while (history.size() > static_cast<size_t>(current_state) + 1) history.pop_back();
}

void MementoMixin::_add_state_to_history(MementoState state) {
    if (!history.empty()) _delete_history_after_current_state();
    history.push_back(std::move(state));
    show(history.back());
    if (history.size() > max_states) {
        history.erase(history.begin());
        history.shrink_to_fit();
    } else if (history.size() == 1) {
        current_state = 0;
    } else {
        ++current_state;
    }
    check_history_invariants();
#ifndef NDEBUG
    // A command that changed an object it did not list leaves that object's
    // old memento in its state: undo and redo would then restore the wrong
    // object. Caught here, at the command, in every test that runs it.
    if (const std::string stale = checking_every_state ? first_object_not_described(history.back()) : std::string();
        !stale.empty()) {
        std::fprintf(stderr, "The newest undo state does not describe %s as it is.\n", stale.c_str());
        assert(!"an undo state must describe every object");
    }
#endif
}

bool MementoMixin::checking_every_state = true;

std::string MementoMixin::first_object_not_described(const MementoState& state) const {
    std::unordered_map<std::string_view, const MC_NDE*> by_uid;
    by_uid.reserve(state.size());
    for (const MementoPtr& m : state)
        if (m->is_node && m->acronym != "PRJ")
            by_uid.emplace(static_cast<const MC_NDE&>(*m).uid, static_cast<const MC_NDE*>(m.get()));
    if (by_uid.size() + 1 != nd_map.size())
        for (const auto& [uid, memento] : by_uid)
            if (!nd_map.contains(memento->uid)) return memento->uid + " (gone)";
    SubjectAnchors anchors(nd_map);
    for (const auto& [uid, n] : nd_map) {
        if (n->is_prj()) continue;
        const auto found = by_uid.find(uid);
        if (found == by_uid.end()) return uid + " (missing)";
        const MC_NDE& memento = *found->second;
        if (!still_describes(memento, n) ||
            !(memento.subject_shared_with_source || memento.subject_shared_with == anchors.of(n)))
            return uid;
    }
    return {};
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
    if (history.empty() || !is_prj()) return;
    // Nothing in memory is trusted: every object is rebuilt.
    const MementoState state = history[current_state];  // kept alive while the graph is rebuilt
    restore_state(static_cast<Project&>(*this), state);
    show(state);
}

void MementoMixin::_load_memento_state(uint16_t index) {
    if (!is_prj() || index >= history.size()) return;
    const MementoState state = history[index];  // kept alive while the graph is rebuilt
    auto& project = static_cast<Project&>(*this);
    const bool in_sync = shown && shown_at_rebuild == GraphBuilder::rebuild_count();
    if (!in_sync || !restore_in_place(project, *shown, state, pairs_by_group)) restore_state(project, state);
    show(state);
}

void MementoMixin::show(const MementoState& state) {
    shown = state;
    shown_at_rebuild = GraphBuilder::rebuild_count();
}

std::shared_ptr<const MC_NDE> MementoMixin::get_mc_with_uid(uint16_t state_index, const std::string& uid_key) const {
    if (state_index >= history.size()) return nullptr;
    for (const MementoPtr& m : history[state_index])
        if (m->is_node && static_cast<const MC_NDE&>(*m).uid == uid_key) return std::static_pointer_cast<const MC_NDE>(m);
    return nullptr;
}
