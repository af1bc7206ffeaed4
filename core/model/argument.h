#pragma once

#include <string>
#include <vector>

#include "core/layout/tree_el.h"
#include "core/model/node.h"

class Evidence;
class Option;
class Requirement;
class TreeWalk;

// Whether one option meets one requirement: it validates (under the derived
// requirements and evidence below it) or invalidates (for those reasons).
class Argument : public Node {
public:
    Argument(Option* option, Node* requirement, bool validates);
    ~Argument() override;

    std::string get_nd_type() const override { return "ARG"; }
    std::string get_nd_name() const override;
    bool is_arg() const override { return true; }
    std::string get_txt() const override;
    std::string get_str(bool lower) const override;
    std::string get_short_txt(size_t max_len) const override;

    void set_validates(bool value);
    bool get_validates() const { return validates; }
    Requirement* get_parent_requirement() const;
    std::vector<Option*> get_parent_options(bool with_ancestors) const;
    std::vector<Requirement*> get_child_requirements() const;
    std::vector<Evidence*> get_child_evidences() const;
    void link_existing_requirement(Requirement* requirement);
    void link_existing_evidence(Evidence* evidence);
    std::vector<Requirement*> get_potential_child_requirements() const;
    std::vector<Evidence*> get_potential_child_evidences() const;

    Requirement* add_f_requirement(const std::string& verb, const std::string& capability, bool record_undo);
    Requirement* add_q_requirement(const std::string& verb, const std::string& capability,
                                   const std::string& type_name, double value, const std::string& unit_symbol,
                                   uint16_t target, uint16_t goal_weight, bool record_undo);
    Requirement* add_q_requirement(const std::string& verb, const std::string& capability, uint32_t type,
                                   double value, uint16_t unit, uint16_t target, uint16_t goal_weight);
    Evidence* add_child_evidence(int32_t level, const std::string& verb, const std::string& capability,
                                 const std::string& type_name, double value, const std::string& unit_symbol,
                                 uint16_t target, const std::string& tooltip, bool record_undo);
    Evidence* add_child_evidence(int32_t level, const std::string& verb, const std::string& capability,
                                 uint32_t type, double value, uint16_t unit, uint16_t target,
                                 const std::string& tooltip);

    // Tab-page tree step: the nodes below el, each placed once and expanded.
    void req_arg_tree(TreeEl* el, TreeElList& made, PlacedUids& placed);
    void req_arg_tree(TreeEl* el, TreeWalk& walk);

private:
    bool validates = true;
};
