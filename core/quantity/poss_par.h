#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One row of the quantity-type table: a type name, its units with their
// conversion to the first (base) unit, the seven target phrases, and which
// units are active and which were added by the user. The per-unit vectors
// always have the same length.
class PossPar {
public:
    PossPar(std::string name, std::vector<std::string> unit_symbols, std::vector<double> factors,
            std::vector<double> deltas, std::vector<bool> unit_active, std::vector<bool> unit_custom,
            std::vector<std::string> target_texts, bool is_custom);

    bool is_active() const;
    void set_all_units_active();
    void set_all_units_inactive();
    void add_unit(const std::string& symbol, double factor, double delta, bool active);
    // Only custom units above the base unit can be removed.
    void remove_custom_unit(uint16_t unit_index);
    // New texts with their lookup keys, so that lookups by name or symbol and
    // the duplicate checks see the new text at once.
    void rename(const std::string& new_name);
    void rename_unit(size_t unit_index, const std::string& symbol);
    // Search text: the target phrases, the name and the unit symbols.
    std::string get_str(bool lower) const;

    size_t unit_count() const { return unit_symbols.size(); }

    std::string name;
    std::vector<std::string> unit_symbols;
    std::vector<double> factors;
    std::vector<double> deltas;
    std::vector<std::string> target_texts;
    std::string name_lc;
    std::vector<std::string> unit_symbols_lc;
    bool is_custom = false;
    std::vector<bool> unit_is_custom;
    std::vector<bool> unit_is_active;
};
