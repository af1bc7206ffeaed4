#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/history/memento_state.h"
#include "core/history/pairs_by_group.h"
#include "core/model/file_node.h"

struct MC_NDE;
class DeletionRecord;

// The undo history of a project: at most twenty states in memory.
class MementoMixin : public FileNode {
public:
    MementoMixin();
    ~MementoMixin() override;

    std::string get_nd_type() const override { return "MMX"; }
    std::string get_nd_name() const override;

    void add_full_state();
    void add_node_state();
    // The state after deletions made while the record lived, the objects in
    // memory showing the current state when it started: only the objects it
    // noted are looked at. As add_node_state when the record cannot tell.
    void add_deletion_state(const DeletionRecord& record);
    void add_poss_par_state();
    void add_uid_state(Node* node);
    void add_uids_state(const NodeList& nodes);
    // One state for a bulk change that also added quantity types or units:
    // fresh quantity-type mementos and fresh mementos of the listed objects.
    void add_uids_and_types_state(const NodeList& nodes);

    // Drops every state and records the project as it is now as the only one:
    // a project whose settings were carried over after its construction starts
    // its history with them, so no undo brings back the defaults; a project
    // read from a file starts it there, so no undo shows what it replaced.
    void restart_history();

    void goto_previous_state();
    void goto_next_state();
    // Rebuilds every object from the current state (the crash recovery, when
    // the objects in memory cannot be trusted).
    void restore_current_state();

    std::shared_ptr<const MC_NDE> get_mc_with_uid(uint16_t state_index, const std::string& uid) const;
    uint16_t get_current_state() const { return current_state; }
    size_t get_state_count() const { return history.size(); }
    const MementoState& get_state(uint16_t index) const { return history.at(index); }

    // Debug builds: while set, every new state is checked against every
    // object, and a state that does not describe one stops the program
    // (first_object_not_described). For code that records every change it
    // makes; setting up a graph without recording states trips it.
    static bool checking_every_state;

protected:
    void _add_state_to_history(MementoState state);
    void _delete_history_after_current_state();
    void _load_memento_state(uint16_t index);
    // Notes that the objects in memory now show this state.
    void show(const MementoState& state);
    void add_node_info_to_state(MementoState& state) const;
    void add_renewed_state(const NodeList& nodes, bool renew_types);
    // Debug builds check the history after every change.
    void check_history_invariants() const;
    // The uid of the first object that the state holds no memento of, or
    // whose memento no longer describes it, or of a memento whose object is
    // gone (with the reason); "" when the state describes every object.
    std::string first_object_not_described(const MementoState& state) const;

    std::vector<MementoState> history;
    uint16_t max_states = 20;
    uint16_t current_state = 0;
    // The state the objects in memory show, valid while no graph was rebuilt
    // since (see GraphBuilder::rebuild_count): undo and redo then change only
    // what differs from it.
    std::optional<MementoState> shown;
    uint64_t shown_at_rebuild = 0;
    PairsByGroup pairs_by_group;
};
