#include "core/quantity/poss_par.h"

#include "core/text/sentences.h"

PossPar::PossPar(std::string n, std::vector<std::string> symbols, std::vector<double> f, std::vector<double> d,
                 std::vector<bool> active, std::vector<bool> custom, std::vector<std::string> targets, bool custom_type)
    : name(std::move(n)),
      unit_symbols(std::move(symbols)),
      factors(std::move(f)),
      deltas(std::move(d)),
      is_custom(custom_type),
      unit_is_custom(std::move(custom)),
      unit_is_active(std::move(active)) {
    for (const auto& t : targets) target_texts.push_back(MyStrF::_trimLwr(t));
    name_lc = MyStrF::_trimLwr(name);
    for (const auto& s : unit_symbols) unit_symbols_lc.push_back(MyStrF::_trimLwr(s));
}

bool PossPar::is_active() const {
    for (bool a : unit_is_active)
        if (a) return true;
    return false;
}

void PossPar::set_all_units_active() { unit_is_active.assign(unit_is_active.size(), true); }

void PossPar::set_all_units_inactive() { unit_is_active.assign(unit_is_active.size(), false); }

void PossPar::add_unit(const std::string& symbol, double factor, double delta, bool active) {
    unit_symbols.push_back(symbol);
    factors.push_back(factor);
    deltas.push_back(delta);
    unit_symbols_lc.push_back(MyStrF::_trimLwr(symbol));
    unit_is_custom.push_back(true);
    unit_is_active.push_back(active);
}

void PossPar::remove_custom_unit(uint16_t unit_index) {
    if (unit_index == 0 || unit_index >= unit_symbols.size() || !unit_is_custom[unit_index]) return;
    const auto at = [unit_index](auto& v) { v.erase(v.begin() + unit_index); v.shrink_to_fit(); };
    at(unit_symbols);
    at(factors);
    at(deltas);
    at(unit_symbols_lc);
    at(unit_is_custom);
    at(unit_is_active);
}

void PossPar::rename(const std::string& new_name) {
    name = new_name;
    name_lc = MyStrF::_trimLwr(new_name);
}

void PossPar::rename_unit(size_t unit_index, const std::string& symbol) {
    if (unit_index >= unit_symbols.size()) return;
    unit_symbols[unit_index] = symbol;
    unit_symbols_lc[unit_index] = MyStrF::_trimLwr(symbol);
}

std::string PossPar::get_str(bool lower) const {
    std::string text;
    for (const auto& t : target_texts) text += t + " ";
    text += (lower ? name_lc : name) + " ";
    for (const auto& s : lower ? unit_symbols_lc : unit_symbols) text += s + " ";
    return text;
}
