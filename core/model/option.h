#pragma once

#include <string>
#include <vector>

#include "core/layout/tree_el.h"
#include "core/model/node.h"

class Argument;
class DesignProblem;
class Requirement;
class TreeWalk;
class VerbCapParamBase;

// One alternative answer to a design problem, or a part of one (sub-options
// together make up their parent). Carries an integration requirement when it
// is a sub-option or its problem has siblings, the optimal flag of its
// problem's election, and one total per quantity type in base units.
class Option : public Node {
public:
    Option(Node* parent, const std::string& subject);
    ~Option() override;

    std::string get_nd_type() const override { return "OPT"; }
    std::string get_nd_name() const override;
    bool is_opt() const override { return true; }
    std::string get_validity_str() const override;
    std::string get_txt() const override;
    std::string get_str(bool lower) const override;
    std::string get_short_txt(size_t max_len) const override;

    Option* add_sub_option(const std::string& subject);
    Option* add_sub_option(NodeList& changed, const std::string& subject);
    NodeList add_dpr_integration_req();

    Option* get_parent_option() const;
    std::vector<Option*> get_parent_options() const;
    Option* get_top_option();
    DesignProblem* get_parent_designproblem();
    std::vector<Option*> get_leaf_options();
    std::vector<Option*> get_sub_options(bool recursive) const;
    // This option, then its sub-options at every depth, depth first.
    std::vector<Option*> get_option_tree_depth_first();
    Requirement* get_integration_requirement() const;
    std::vector<Argument*> get_child_arguments() const;
    Argument* add_child_argument(Requirement* requirement, bool validates);
    std::vector<Requirement*> get_potential_parent_reqs(bool exclude_linked);

    void set_optimal();
    void set_sub_optimal();
    bool is_optimal() const { return optimal; }
    bool has_invalidate() const;

    NodeList get_par_base_value_objects();
    void update_par_base_value_sum();
    const std::vector<double>& get_par_base_value_sum() const { return par_base_value_sum; }
    // Whether anything below fed a value of that type into the total.
    bool has_par_data(size_t type_index) const;
    std::string get_ready_level_txt() const;

    std::vector<Requirement*> get_reqs_to_next_option() const;
    std::vector<DesignProblem*> get_dprs_to_next_option() const;
    std::vector<class Evidence*> get_related_evd() const;
    std::vector<Option*> get_next_option_layer() const;

    TreeEl* create_option_tree();
    TreeEl* create_option_tree(TreeEl* el);
    void create_maintree_opt_tree(TreeEl* el);
    void dpr_opt_tree(TreeEl* el, TreeElList& made, PlacedUids& placed);
    void dpr_opt_tree(TreeEl* el, TreeWalk& walk);

    // Allocation of a requirement over the leaf options of this option's tree.
    std::vector<std::vector<VerbCapParamBase*>> get_allocated_requirement_lsts(Requirement* requirement);
    Argument* find_child_argument(Requirement* requirement) const;
    std::string edit_allocation(Requirement* requirement, const std::vector<std::vector<VerbCapParamBase*>>& c_reqs_in,
                                const std::vector<std::vector<double>>& c_vals_in,
                                const std::vector<std::vector<double>>& n_vals_in);

private:
    friend void recompute_option_tree(Option* top);
    void set_optimal_flag(bool value);

    bool optimal = false;
    std::vector<double> par_base_value_sum;
    std::vector<bool> par_has_data;
};
