#pragma once

#include <memory>
#include <vector>

#include "core/layout/tree_el.h"
#include "core/model/verb_cap_param_base.h"

class Argument;
class DesignProblem;
class Mandate;
class Option;
class TreeWalk;
class UserStory;

// What the subject must do, optionally with a quantity: The gate must open
// with a time at most 3sec. Its kind follows from where it hangs: top-level
// (below a user story or the mandate), integration (below an option) or
// derived (below arguments); and from its quantity: functional, goal, range
// or equality.
class Requirement : public VerbCapParamBase {
public:
    Requirement(Node* parent, UserStory* story);
    Requirement(Node* parent, const std::string& verb, const std::string& capability);
    // The integration requirement of an option: be integrated into a <subject>.
    Requirement(Node* parent, const std::string& subject);
    Requirement(Node* parent, std::shared_ptr<VerbCapability> vc, uint32_t type, double value, uint16_t unit,
                uint16_t target, uint16_t goal_weight);
    Requirement(Node* parent, UserStory* story, uint32_t type, double value, uint16_t unit, uint16_t target,
                uint16_t goal_weight);
    Requirement(Node* parent, const std::string& verb, const std::string& capability, const std::string& type_name,
                double value, const std::string& unit_symbol, uint16_t target, uint16_t goal_weight);
    Requirement(Node* parent, const std::string& verb, const std::string& capability, uint32_t type, double value,
                uint16_t unit, uint16_t target, uint16_t goal_weight);
    ~Requirement() override;

    std::string get_nd_type() const override { return "REQ"; }
    std::string get_nd_name() const override;
    bool is_req() const override { return true; }
    bool is_tlr() const override;
    std::string get_txt() const override;
    std::string get_str(bool lower) const override;
    virtual bool is_int() const;

    DesignProblem* add_designproblem();
    std::string add_to_existing_designproblem(DesignProblem* dp);
    std::vector<DesignProblem*> get_potential_child_design_problems() const;
    std::vector<Requirement*> get_siblings() const;

    Option* get_parent_option(bool through_arguments) const;
    Mandate* get_parent_mandate() const;
    UserStory* get_parent_userstory() const;
    std::vector<Argument*> get_parent_arguments() const;
    std::vector<Option*> get_potential_arg_options(Option* option) const;
    std::vector<DesignProblem*> get_child_designproblems() const;
    std::vector<Argument*> get_child_arguments() const;
    // The arguments about this requirement under dp's options (at every depth).
    std::vector<Argument*> get_child_arguments(DesignProblem* dp) const;
    NodeList get_related_child_options() const;
    std::vector<Requirement*> get_related_integration_requirements() const;

    bool is_satisfied_by(const std::shared_ptr<VerbCapability>& vc, const Parameter* offered) const;
    bool is_satisfied_by(const Node* node) const;

    // "Show Why": this requirement with the requirements it comes from below it.
    TreeEl* get_why();
    // Tab-page tree steps: the nodes below el, each placed once and expanded.
    void dpr_req_tree(TreeEl* el, TreeElList& made, PlacedUids& placed);
    void arg_req_tree(TreeEl* el, TreeElList& made, PlacedUids& placed);
    void dpr_req_tree(TreeEl* el, TreeWalk& walk);
    void arg_req_tree(TreeEl* el, TreeWalk& walk);

    // Objects of an AI answer about how option meets this requirement.
    NodeList add_ai_objects(const std::string& answer, Option* option);

private:
    void finish_construction(Node* parent);
    void why_tree(TreeEl* el, TreeWalk& walk);
};
