#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/layout/tree_el.h"
#include "core/model/node.h"

class Option;
class Requirement;
class TreeWalk;

// How can one or more requirements be met? Collects the alternative options
// and elects at most one optimal option among the valid ones.
class DesignProblem : public Node {
public:
    explicit DesignProblem(Node* parent_requirement);
    ~DesignProblem() override;

    std::string get_nd_type() const override { return "DPR"; }
    std::string get_nd_name() const override;
    bool is_dpr() const override { return true; }
    void remove_parent(Node* p, bool both) override;
    std::string get_txt() const override;
    std::string get_str(bool lower) const override;
    std::string get_short_txt(size_t max_len) const override;

    std::vector<Requirement*> get_parent_requirements() const;
    std::vector<Requirement*> get_parent_goals() const;
    std::vector<Requirement*> get_parent_range_reqs() const;
    bool parents_have_same_subject() const;
    std::vector<Requirement*> get_potential_parent_requirements() const;
    std::string add_parent_requirement(Requirement* requirement);
    std::vector<Option*> get_child_options(bool recursive) const;
    std::vector<DesignProblem*> get_siblings() const;
    // Siblings are found through the parent requirements: a problem about to
    // lose its last one remembers them for its destructor.
    void remember_siblings();

    Option* add_child_option(const std::string& subject, bool record_undo);
    // The options of an AI answer, in one undo step.
    std::vector<Option*> add_child_options(const std::string& answer);

    // The election: sets the optimal flags and returns the elected option.
    // While an ElectionPass lives, a problem elects once and then returns
    // the option it elected.
    Option* get_optimal_child_option();

    // A recomputation of objects in children-first order elects every problem
    // several times (for itself, for each requirement above it, for the
    // totals of the options above it), always after everything below it has
    // been recomputed and before anything it reads changes again; while one
    // of these lives, the first election of each problem stands.
    class ElectionPass {
    public:
        ElectionPass();
        ~ElectionPass();
        ElectionPass(const ElectionPass&) = delete;
        ElectionPass& operator=(const ElectionPass&) = delete;

    private:
        uint64_t enclosing;
    };

    std::string get_requirement_problem_txt(const Requirement* requirement, bool with_subject) const;

    // Tab-page tree steps: the nodes below el, each placed once and expanded.
    void req_dpr_tree(TreeEl* el, TreeElList& made, PlacedUids& placed);
    void opt_dpr_tree(TreeEl* el, TreeElList& made, PlacedUids& placed);
    void req_dpr_tree(TreeEl* el, TreeWalk& walk);
    void opt_dpr_tree(TreeEl* el, TreeWalk& walk);

private:
    // Siblings seen while this problem was still linked, for the destructor
    // of a problem that dies because its last requirement went.
    std::vector<std::string> sibling_uids_at_unlink;
    bool siblings_recorded = false;
    // The pass in which this problem last elected, and whom (see ElectionPass).
    uint64_t elected_in_pass = 0;
    Option* elected_then = nullptr;
};
