#pragma once

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/layout/tree_el.h"
#include "core/model/memento_mixin.h"

class DesignProblem;
class Mandate;
class Option;
class Requirement;
class UserStory;

// The root of the graph and the owner of everything in it. Constructing a
// project makes it the current project (GCC::RP).
class Project : public MementoMixin {
public:
    explicit Project(const std::string& name = "", const std::string& description = "",
                     const std::string& directory = "", const std::string& filename = "");
    ~Project() override;

    std::string get_nd_type() const override { return "PRJ"; }
    std::string get_nd_name() const override;
    bool is_prj() const override { return true; }
    std::string get_txt() const override;
    std::string get_str(bool lower) const override;
    std::string get_short_txt(size_t max_len) const override;

    UserStory* add_user_story(const std::string& verb, const std::string& capability, const std::string& subject,
                              const std::string& description, bool auto_add_reqs);
    std::vector<UserStory*> get_child_user_stories() const;
    Mandate* get_mandate() const;

    std::vector<Requirement*> get_top_lvl_reqs() const;
    // The goals among the top-level requirements: elections fall back on them.
    std::vector<Requirement*> get_top_lvl_goals() const;
    std::vector<DesignProblem*> get_top_designproblems() const;
    std::vector<Option*> get_top_options(bool valid_only) const;
    std::vector<Requirement*> get_project_goals(bool all) const;
    std::vector<Option*> get_options_that_need_int_req() const;

    TreeEl* create_dpr_req_tree();
    TreeEl* create_opt_dpr_tree();
    TreeEl* create_opt_tree();
    TreeEl* create_req_arg_tree();

    // The selection of the left tree. Selecting is not an edit: no undo state.
    void set_sel_uids(const NodeList& nodes);
    const std::unordered_set<std::string>& get_sel_uids() const { return sel_uids; }
    void set_sel_uid_set(std::unordered_set<std::string> uids) { sel_uids = std::move(uids); }
    std::unordered_set<std::string>& get_shown_uids() { return shown_uids; }
    const std::unordered_set<std::string>& get_shown_uids() const { return shown_uids; }
    void set_shown_uids(std::unordered_set<std::string> uids) { shown_uids = std::move(uids); }

    NodeList get_objects_with_string(const std::string& text, bool match_case, bool whole_word,
                                     bool exact_line) const;

    const std::string& get_name() const { return name; }
    void set_name(const std::string& text) { name = text; }
    const std::string& get_description() const { return description; }
    void set_description(const std::string& text) { description = text; }

    // Recomputes every readiness level, option total and election of the
    // graph bottom-up, as if every object had just been linked.
    void recompute_all();
    // The same along an order in which each object comes after all of its
    // descendants that the order holds (all of them: children_first of the registry).
    void recompute_in_order(const std::vector<Node*>& children_first_order);
    // What reads the data (level, quantity, verb) of the changed objects: each
    // of them, what reads a changed requirement from below, and all their
    // ancestors, children before parents. Not for a top-level requirement's
    // quantity: as a goal it steers elections anywhere (recompute_all).
    void recompute_reach(const NodeList& changed);

private:
    std::string name;
    std::string description;
    std::unordered_set<std::string> shown_uids;
    std::unordered_set<std::string> sel_uids;
    // Set while every level is recomputed: that changes levels and elections,
    // never which requirements there are or their quantities, and each of the
    // many elections would otherwise look the goals up again.
    std::optional<std::vector<Requirement*>> top_lvl_goals_while_recomputing;
};
