#include "core/quantity/parameter.h"

#include <algorithm>
#include <cmath>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/platform/platform.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"

const std::vector<std::string> Parameter::_possible_target_symbols = {"min", "<", "<=", "=", ">=", ">", "max"};

namespace {
const std::string type_too_large = "i_type is too large. It is higher than the _possiblepartypes size.";
}  // namespace

Parameter::Parameter(Node* o) : owner(o) {}

Parameter::Parameter(Node* o, uint32_t type_index, double value, uint16_t unit_index, uint16_t target_type,
                     uint16_t weight)
    : owner(o) {
    assign(type_index, value, unit_index, target_type, weight);
}

Parameter::Parameter(Node* o, const std::string& type_name, double value, const std::string& unit_symbol,
                     uint16_t target_type, uint16_t weight)
    : owner(o) {
    assign(type_name, value, unit_symbol, target_type, weight);
}

void Parameter::assign(uint32_t type_index, double value, uint16_t unit_index, uint16_t target_type,
                       uint16_t weight) {
    set_type(type_index, false);
    unit = _check_i_unit(unit_index);
    set_value(value, false);
    set_target_type(target_type, false);
    goal_weight = static_cast<uint16_t>(std::clamp<int>(weight, 1, 100));
    notify_owner(true, true);
}

void Parameter::assign(const std::string& type_name, double value, const std::string& unit_symbol,
                       uint16_t target_type, uint16_t weight) {
    set_type(_get_i_type(type_name), false);
    unit = _get_i_unit(unit_symbol);
    set_value(value, false);
    set_target_type(target_type, false);
    goal_weight = static_cast<uint16_t>(std::clamp<int>(weight, 1, 100));
    notify_owner(true, true);
}

void Parameter::notify_owner(bool update, bool owner_is_new) {
    if (!update || !owner) return;
    const bool registered = GCC::RP && GCC::RP->_get_pointer_to_node_with_uid(owner->get_uid()) == owner;
    if (owner->is_req() && registered) {
        // A top-level goal steers every problem without goals of its own; any
        // other requirement is read only by its ancestors and what lies just
        // below it. A new requirement has no children yet: only a top-level
        // goal reaches beyond its ancestors.
        if (owner->is_tlr() && (!owner_is_new || is_min_max())) {
            GCC::RP->recompute_all();
            return;
        }
        if (!owner_is_new) {
            GCC::RP->recompute_reach({owner});
            return;
        }
    }
    owner->get_rlevel().update();
}

const PossPar& Parameter::row() const {
    const auto& table = _possible_par_types;
    return table[type < table.size() ? type : 1];
}

std::string Parameter::get_type() const { return row().name; }

std::string Parameter::get_unit_symbol() const {
    const auto& symbols = row().unit_symbols;
    return unit < symbols.size() ? symbols[unit] : symbols.front();
}

std::string Parameter::get_target_txt() const {
    const auto& texts = row().target_texts;
    return target < texts.size() ? texts[target] : std::string();
}

std::string Parameter::get_target_symbol() const {
    return target < _possible_target_symbols.size() ? _possible_target_symbols[target] : std::string();
}

std::vector<std::string> Parameter::get_target_symbols() { return _possible_target_symbols; }

double Parameter::get_value() const {
    const PossPar& r = row();
    const size_t u = unit < r.unit_count() ? unit : 0;
    return (base_value + r.deltas[u]) / r.factors[u];
}

bool Parameter::store_value(double value) {
    if (std::isfinite(value)) {
        // No -0: it would print as 0 and read back as another value.
        base_value = value == 0.0 ? 0.0 : value;
        return true;
    }
    platform::show_error("The value of a quantity must be a finite number; the value was not changed.");
    return false;
}

void Parameter::set_value(double value, bool update) {
    const PossPar& r = row();
    const size_t u = unit < r.unit_count() ? unit : 0;
    if (store_value(r.factors[u] * value - r.deltas[u])) notify_owner(update, false);
}

void Parameter::set_base_value(double value) {
    if (store_value(value)) notify_owner(true, false);
}

void Parameter::set_type(const std::string& type_name, bool update) { set_type(_get_i_type(type_name), update); }

void Parameter::set_type(uint32_t type_index, bool update) {
    if (type_index >= _possible_par_types.size()) {
        platform::show_error(type_too_large);
        type_index = 1;
    }
    type = type_index;
    unit = 0;
    notify_owner(update, false);
}

void Parameter::set_unit(uint16_t unit_index) { unit = _check_i_unit(unit_index); }

void Parameter::set_target_type(uint16_t target_type, bool update) {
    if (target_type >= row().target_texts.size()) {
        platform::show_error("set_target_type: target type outside available range.");
        target = 3;
        return;
    }
    target = target_type;
    notify_owner(update, false);
}

void Parameter::set_goal_weight(uint16_t weight, bool update) {
    goal_weight = static_cast<uint16_t>(std::clamp<int>(weight, 1, 100));
    notify_owner(update, false);
}

namespace {
template <class T>
std::vector<T> active_only(const std::vector<T>& values, const std::vector<bool>& active, bool only_active) {
    if (!only_active) return values;
    std::vector<T> kept;
    for (size_t i = 0; i < values.size() && i < active.size(); ++i)
        if (active[i]) kept.push_back(values[i]);
    return kept;
}
}  // namespace

std::vector<std::string> Parameter::get_current_type_unit_symbols(bool only_active) const {
    return active_only(row().unit_symbols, row().unit_is_active, only_active);
}

std::vector<double> Parameter::get_current_type_factors(bool only_active) const {
    return active_only(row().factors, row().unit_is_active, only_active);
}

std::vector<double> Parameter::get_current_type_deltas(bool only_active) const {
    return active_only(row().deltas, row().unit_is_active, only_active);
}

std::vector<bool> Parameter::get_current_type_is_active_unit() const { return row().unit_is_active; }

std::string Parameter::get_txt_short() const {
    if (type == 0) return _possible_par_types[0].name;
    if (is_min_max()) return get_type() + " " + get_target_symbol() + " (" + std::to_string(goal_weight) + ")";
    return get_type() + " " + get_target_symbol() + " " + MyStrF::_double_to_string(*this);
}

bool Parameter::is_satisfied_by(const Parameter* offered) const {
    if (!offered) return false;
    if (offered->type != type) return true;
    if (offered->is_min_max() || is_min_max()) return true;
    const double d = offered->base_value - base_value;
    const double tol = (std::abs(base_value) + std::abs(offered->base_value)) * 1e-5;
    const uint16_t o = offered->target;
    const bool offers_at_most = o == 1 || o == 2 || o == 3;
    const bool offers_at_least = o == 3 || o == 4 || o == 5;
    switch (target) {
        case 1: return d < 0 && offers_at_most;
        // An equal value within the tolerance meets "at most" and "at least" (zero limits included).
        case 2: return d <= tol && offers_at_most;
        case 3: return std::abs(d) <= tol && o == 3;
        case 4: return d >= -tol && offers_at_least;
        case 5: return d > 0 && offers_at_least;
        default: return false;
    }
}

uint16_t Parameter::_check_i_unit(uint16_t unit_index) const {
    if (unit_index < row().unit_count()) return unit_index;
    platform::show_error("i_unit is too large. It must be smaller than the number of supported units");
    return 0;
}

uint16_t Parameter::_get_i_unit(const std::string& unit_symbol) const {
    if (unit_symbol.empty()) return 0;
    const std::string key = MyStrF::_trimLwr(unit_symbol);
    const auto& keys = row().unit_symbols_lc;
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key) return static_cast<uint16_t>(i);
    platform::show_error("unit_symbol is not valid. Please use a valid unit");
    return 0;
}

namespace MyStrF {

std::string _double_to_string(const Parameter& par) {
    return _double_to_string(par.get_value(), par.get_type_int(), par.get_unit_symbol());
}

}  // namespace MyStrF
