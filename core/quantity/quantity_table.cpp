#include <algorithm>
#include <cmath>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/model/verb_cap_param_base.h"
#include "core/platform/platform.h"
#include "core/quantity/parameter.h"
#include "core/quantity/standard_types.h"
#include "core/queries/node_lists.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

std::vector<PossPar> Parameter::_possible_par_types = standard_quantity_types();

namespace {

const std::string type_too_large = "i_type is too large. It is higher than the _possiblepartypes size.";

std::vector<PossPar*> rows_where(bool (*keep)(const PossPar&)) {
    std::vector<PossPar*> rows;
    for (PossPar& p : Parameter::_possible_par_types)
        if (keep(p)) rows.push_back(&p);
    return rows;
}

const PossPar* find_type(const std::string& name) {
    const std::string key = MyStrF::_trimLwr(name);
    for (const PossPar& p : Parameter::_possible_par_types)
        if (p.name_lc == key) return &p;
    return nullptr;
}

std::string check_unit(const std::string& symbol, double factor, double delta) {
    if (MyStrF::_trimString(symbol).empty()) return "A unit needs a symbol.";
    if (!std::isfinite(factor) || factor == 0.0)
        return "The factor of the unit '" + symbol + "' must be a finite number other than 0.";
    if (!std::isfinite(delta)) return "The delta of the unit '" + symbol + "' must be a finite number.";
    return {};
}

// Every requirement and evidence of the current project with a quantity of that type.
std::vector<VerbCapParamBase*> quantified_nodes(uint32_t type_index) {
    std::vector<VerbCapParamBase*> nodes;
    if (!GCC::RP) return nodes;
    for (const auto& [uid, n] : GCC::RP->get_nd_map()) {
        if (!n->is_req() && !n->is_evd()) continue;
        auto* q = static_cast<VerbCapParamBase*>(n);
        if (q->get_par().get_type_int() == type_index) nodes.push_back(q);
    }
    return nodes;
}

}  // namespace

std::vector<PossPar*> Parameter::get_poss_parameters() {
    return rows_where([](const PossPar&) { return true; });
}

std::vector<PossPar*> Parameter::get_standard_poss_parameters() {
    return rows_where([](const PossPar& p) { return !p.is_custom; });
}

std::vector<PossPar*> Parameter::get_custom_poss_parameters() {
    return rows_where([](const PossPar& p) { return p.is_custom; });
}

std::vector<std::string> Parameter::get_all_possible_types(bool only_active) {
    std::vector<std::string> names;
    for (const PossPar& p : _possible_par_types)
        if (!only_active || p.is_active()) names.push_back(p.name);
    return names;
}

std::vector<std::vector<uint64_t>> Parameter::get_custom_units() {
    std::vector<std::vector<uint64_t>> units;
    for (const PossPar& p : _possible_par_types) {
        std::vector<uint64_t> custom;
        if (!p.is_custom)
            for (size_t u = 0; u < p.unit_is_custom.size(); ++u)
                if (p.unit_is_custom[u]) custom.push_back(u);
        units.push_back(custom);
    }
    return units;
}

uint32_t Parameter::_get_i_type(const std::string& type_name) {
    if (type_name.empty()) return 1;
    if (const PossPar* p = find_type(type_name)) return static_cast<uint32_t>(p - _possible_par_types.data());
    platform::show_error("s_type is not valid. Please use a valid string for type");
    return 1;
}

std::string Parameter::get_par_type(const std::string& unit_symbol) {
    if (!unit_symbol.empty()) {
        const std::string key = MyStrF::_toLowerCase(unit_symbol);
        for (const PossPar& p : _possible_par_types)
            if (std::find(p.unit_symbols_lc.begin(), p.unit_symbols_lc.end(), key) != p.unit_symbols_lc.end())
                return p.name;
    }
    return _possible_par_types[1].name;
}

namespace {
// "" or the reason a custom type with these units and targets is refused.
std::string custom_type_problem(const std::string& name, const std::vector<std::string>& unit_symbols,
                                const std::vector<double>& factors, const std::vector<double>& deltas,
                                const std::vector<bool>& unit_active, const std::vector<std::string>& target_texts) {
    if (unit_symbols.empty()) return "The quantity type '" + name + "' needs at least one unit.";
    if (factors.size() != unit_symbols.size() || deltas.size() != unit_symbols.size() ||
        unit_active.size() != unit_symbols.size())
        return "The quantity type '" + name + "' needs a factor, a delta and an active flag for every unit.";
    if (target_texts.size() != 7) return "The quantity type '" + name + "' needs exactly seven target texts.";
    for (size_t u = 0; u < unit_symbols.size(); ++u)
        if (std::string problem = check_unit(unit_symbols[u], factors[u], deltas[u]); !problem.empty()) return problem;
    return {};
}
}  // namespace

std::string Parameter::add_cust_poss_parameter(const std::string& name, const std::vector<std::string>& unit_symbols,
                                               const std::vector<double>& factors, const std::vector<double>& deltas,
                                               const std::vector<bool>& unit_active,
                                               const std::vector<std::string>& target_texts) {
    if (MyStrF::_trimString(name).empty()) return "A quantity type needs a name.";
    if (find_type(name)) return {};  // an existing type is reused
    return restore_cust_poss_parameter(name, unit_symbols, factors, deltas, unit_active, target_texts);
}

std::string Parameter::restore_cust_poss_parameter(const std::string& name,
                                                   const std::vector<std::string>& unit_symbols,
                                                   const std::vector<double>& factors,
                                                   const std::vector<double>& deltas,
                                                   const std::vector<bool>& unit_active,
                                                   const std::vector<std::string>& target_texts) {
    if (std::string problem = custom_type_problem(name, unit_symbols, factors, deltas, unit_active, target_texts);
        !problem.empty())
        return problem;
    _possible_par_types.emplace_back(name, unit_symbols, factors, deltas, unit_active,
                                     std::vector<bool>(unit_symbols.size(), true), target_texts, true);
    _update_option_par_base_value_sum();
    return {};
}

std::string Parameter::add_cust_unit(uint32_t type_index, const std::string& symbol, double factor, double delta,
                                     bool active) {
    if (type_index >= _possible_par_types.size()) return type_too_large;
    PossPar& p = _possible_par_types[type_index];
    const std::string key = MyStrF::_trimLwr(symbol);
    if (std::find(p.unit_symbols_lc.begin(), p.unit_symbols_lc.end(), key) != p.unit_symbols_lc.end())
        return {};  // an existing unit is reused
    if (std::string problem = check_unit(symbol, factor, delta); !problem.empty()) return problem;
    p.add_unit(symbol, factor, delta, active);
    return {};
}

void Parameter::remove_custom_units(uint32_t type_index, uint16_t unit_index) {
    if (type_index >= _possible_par_types.size()) {
        platform::show_error(type_too_large);
        return;
    }
    PossPar& p = _possible_par_types[type_index];
    const size_t before = p.unit_count();
    p.remove_custom_unit(unit_index);
    if (p.unit_count() == before) return;
    // Parameters keep pointing at the same units: those above move down one,
    // those on the removed unit fall back to the base unit (the value is kept).
    for (VerbCapParamBase* q : quantified_nodes(type_index)) {
        const uint16_t u = q->get_par().get_unit_int();
        if (u == unit_index)
            q->get_par().set_unit(0);
        else if (u > unit_index)
            q->get_par().set_unit(static_cast<uint16_t>(u - 1));
    }
}

void Parameter::remove_custom_units() {
    for (PossPar& p : _possible_par_types)
        for (size_t u = p.unit_count(); u-- > 1;) p.remove_custom_unit(static_cast<uint16_t>(u));
}

std::string Parameter::remove_custom_poss_parameter(uint32_t type_index, std::vector<Node*>* moved) {
    if (type_index >= _possible_par_types.size()) return type_too_large;
    if (!_possible_par_types[type_index].is_custom) return "Only custom types can be deleted.";
    if (const size_t users = quantified_nodes(type_index).size(); users != 0)
        return std::to_string(users) + " Objects are using this parameter type.\nTherefore, it hasn't been deleted.";
    std::vector<VerbCapParamBase*> later;
    for (uint32_t t = type_index + 1; t < _possible_par_types.size(); ++t)
        for (VerbCapParamBase* q : quantified_nodes(t)) later.push_back(q);
    _possible_par_types.erase(_possible_par_types.begin() + type_index);
    // Each keeps its unit, value and target: only the row it points at moved.
    for (VerbCapParamBase* q : later) {
        Parameter& par = q->get_par();
        par.type -= 1;
        if (moved) moved->push_back(q);
    }
    _update_option_par_base_value_sum();
    return {};
}

void Parameter::remove_custom_poss_parameters() {
    std::erase_if(_possible_par_types, [](const PossPar& p) { return p.is_custom; });
}

void Parameter::activate_all_poss_parameters() {
    for (PossPar& p : _possible_par_types) p.set_all_units_active();
}

void Parameter::reset_poss_parameters() { _possible_par_types = standard_quantity_types(); }

std::vector<Node*> Parameter::get_parent_par_nodes(uint32_t type_index) {
    if (type_index >= _possible_par_types.size()) {
        platform::show_error(type_too_large);
        return {};
    }
    std::vector<Node*> nodes;
    for (VerbCapParamBase* q : quantified_nodes(type_index)) nodes.push_back(q);
    return nodes;
}

std::vector<Node*> Parameter::get_parent_par_nodes(uint32_t type_index, uint16_t unit_index) {
    std::vector<Node*> nodes;
    for (Node* n : get_parent_par_nodes(type_index))
        if (static_cast<VerbCapParamBase*>(n)->get_par().get_unit_int() == unit_index) nodes.push_back(n);
    return nodes;
}

std::vector<PossPar*> Parameter::get_objects_with_string(const std::string& text, bool match_case, bool whole_word,
                                                         bool exact_line) {
    if (text.empty()) return {};
    std::string needle = MyStrF::_replace(text, "\n", " ");
    if (!match_case) needle = MyStrF::_toLowerCase(needle);
    auto search = [&](const std::string& word) {
        std::vector<PossPar*> found;
        for (PossPar& p : _possible_par_types)
            if (MyStrF::_is_in_str(p.get_str(!match_case), word, whole_word)) found.push_back(&p);
        return found;
    };
    if (exact_line) return search(needle);
    std::vector<PossPar*> all;
    for (const std::string& word : MyStrF::_text_to_words(needle)) {
        auto found = search(word);
        all.insert(all.end(), found.begin(), found.end());
    }
    return MyFF::remove_duplicate_posspars(all);
}

void Parameter::_update_option_par_base_value_sum() {
    // Every option's totals gain an entry; the totals feed validity and elections.
    if (GCC::RP) GCC::RP->recompute_all();
}

namespace MyStrF {

std::vector<std::string> _get_poss_parameter_types(bool only_active, bool without_first) {
    std::vector<std::string> names;
    for (size_t i = without_first ? 1 : 0; i < Parameter::_possible_par_types.size(); ++i) {
        const PossPar& p = Parameter::_possible_par_types[i];
        if (!only_active || p.is_active()) names.push_back(p.name);
    }
    return names;
}

std::string _get_functional_txt(unsigned& index) {
    index = 0;
    for (const PossPar& p : Parameter::_possible_par_types)
        if (p.is_active()) return p.name;
    return "Functional Parameter Type does not exist.";
}

}  // namespace MyStrF

namespace GCC {

std::string get_ai_par_types_and_units() {
    std::string text;
    for (const PossPar& p : Parameter::_possible_par_types) {
        if (!text.empty()) text += "; ";
        text += p.name + " units: ";
        for (size_t u = 0; u < p.unit_symbols.size(); ++u) text += (u ? ", " : "") + p.unit_symbols[u];
    }
    return text + ".\n";
}

}  // namespace GCC
