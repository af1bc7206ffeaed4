#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/quantity/poss_par.h"

class Node;

// The quantity of a requirement or evidence: a row of the process-wide
// quantity-type table, the unit it is shown in, the value in the type's base
// unit, a target (min, <, <=, =, >=, >, max) and a goal weight. Changes
// recompute the owner's readiness. A Parameter without owner is a handle on
// the table.
class Parameter {
public:
    explicit Parameter(Node* owner = nullptr);
    Parameter(Node* owner, uint32_t type, double value, uint16_t unit, uint16_t target, uint16_t weight);
    Parameter(Node* owner, const std::string& type_name, double value, const std::string& unit_symbol,
              uint16_t target, uint16_t weight);
    Parameter(const Parameter&) = delete;
    Parameter& operator=(const Parameter&) = delete;

    // Sets all values as the constructors do (type and unit first, the value in
    // that unit, then target and weight) and updates the owner once.
    void assign(uint32_t type_index, double value, uint16_t unit_index, uint16_t target_type, uint16_t weight);
    void assign(const std::string& type_name, double value, const std::string& unit_symbol, uint16_t target_type,
                uint16_t weight);

    uint32_t get_type_int() const { return type; }
    uint16_t get_unit_int() const { return unit; }
    uint16_t get_target_int() const { return target; }
    uint16_t get_goal_weight() const { return goal_weight; }
    double get_base_value() const { return base_value; }

    std::string get_type() const;
    std::string get_unit_symbol() const;
    std::string get_target_txt() const;
    std::string get_target_symbol() const;
    static std::vector<std::string> get_target_symbols();
    double get_value() const;

    // Non-finite values are refused with an error box.
    void set_value(double value, bool update);
    void set_base_value(double value);
    void set_type(const std::string& type_name, bool update);
    void set_type(uint32_t type_index, bool update);
    void set_unit(uint16_t unit_index);
    void set_target_type(uint16_t target_type, bool update);
    void set_goal_weight(uint16_t weight, bool update);
    bool is_min_max() const { return target == 0 || target == 6; }

    std::vector<std::string> get_current_type_unit_symbols(bool only_active) const;
    std::vector<double> get_current_type_factors(bool only_active) const;
    std::vector<double> get_current_type_deltas(bool only_active) const;
    std::vector<bool> get_current_type_is_active_unit() const;

    std::string get_txt_short() const;
    // This is the required quantity; offered is what an evidence or a derived
    // requirement states.
    bool is_satisfied_by(const Parameter* offered) const;

    uint16_t _check_i_unit(uint16_t unit_index) const;
    uint16_t _get_i_unit(const std::string& unit_symbol) const;

    // Undo of the quantity-type table alone (the parameter window's own steps).
    void make_pars_state();
    void goto_previous_state();
    void goto_next_state();
    bool _are_there_node_changes(uint16_t state_index) const;

    // ---- The process-wide quantity-type table ----
    static std::vector<PossPar*> get_poss_parameters();
    static std::vector<PossPar*> get_standard_poss_parameters();
    static std::vector<PossPar*> get_custom_poss_parameters();
    static std::vector<std::string> get_all_possible_types(bool only_active);
    static std::vector<std::vector<uint64_t>> get_custom_units();
    static uint32_t _get_i_type(const std::string& type_name);
    static std::string get_par_type(const std::string& unit_symbol);
    // Appends a custom type and returns "" or the reason it was refused (empty
    // name, no unit, not seven target texts, a zero or non-finite factor, a
    // non-finite delta, vectors of different lengths). A type whose name
    // already exists is reused, not added again.
    static std::string add_cust_poss_parameter(const std::string& name, const std::vector<std::string>& unit_symbols,
                                               const std::vector<double>& factors, const std::vector<double>& deltas,
                                               const std::vector<bool>& unit_active,
                                               const std::vector<std::string>& target_texts);
    // Appends a custom type as an undo state holds it, also when a type of
    // that name exists: a custom type may have been renamed to any name, a
    // standard type's included, and the state's type indices count it.
    static std::string restore_cust_poss_parameter(const std::string& name,
                                                   const std::vector<std::string>& unit_symbols,
                                                   const std::vector<double>& factors,
                                                   const std::vector<double>& deltas,
                                                   const std::vector<bool>& unit_active,
                                                   const std::vector<std::string>& target_texts);
    // Adds a custom unit to a type; "" or the reason. A symbol the type already
    // has is reused.
    static std::string add_cust_unit(uint32_t type_index, const std::string& symbol, double factor, double delta,
                                     bool active);
    // Removes a custom unit; every parameter of that type is re-indexed.
    static void remove_custom_units(uint32_t type_index, uint16_t unit_index);
    static void remove_custom_units();
    // Removes a custom type that no requirement or evidence uses; the
    // quantities of the custom types after it follow their rows down one
    // index. "" or the reason it was refused; moved receives the objects whose
    // type index changed (their undo mementos must be renewed).
    static std::string remove_custom_poss_parameter(uint32_t type_index, std::vector<Node*>* moved = nullptr);
    static void remove_custom_poss_parameters();
    static void activate_all_poss_parameters();
    // Back to the twelve standard rows, every unit active.
    static void reset_poss_parameters();
    static std::vector<Node*> get_parent_par_nodes(uint32_t type_index);
    static std::vector<Node*> get_parent_par_nodes(uint32_t type_index, uint16_t unit_index);
    static std::vector<PossPar*> get_objects_with_string(const std::string& text, bool match_case, bool whole_word,
                                                         bool exact_line);
    static void _update_option_par_base_value_sum();

    static std::vector<PossPar> _possible_par_types;
    static const std::vector<std::string> _possible_target_symbols;

private:
    // Brings the owner's readiness up to date. A requirement's quantity also
    // decides its arguments, the range checks of its design problems and, for
    // a top-level goal, elections anywhere: those changes recompute the project.
    void notify_owner(bool update, bool owner_is_new);
    bool store_value(double value);
    const PossPar& row() const;

    Node* owner;
    uint16_t goal_weight = 100;
    uint32_t type = 0;
    uint16_t unit = 0;
    double base_value = 0.0;
    uint16_t target = 0;
};

namespace MyStrF {
// The parameter's value in its unit, with its unit (or the money form).
std::string _double_to_string(const Parameter& par);
// Names of the quantity types in table order.
std::vector<std::string> _get_poss_parameter_types(bool only_active, bool without_first);
// The name of the first active quantity type; index set to 0.
std::string _get_functional_txt(unsigned& index);
}  // namespace MyStrF

namespace GCC {
// The quantity types with their unit symbols, for the requirement prompt.
std::string get_ai_par_types_and_units();
}  // namespace GCC
