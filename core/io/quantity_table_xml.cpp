#include "core/io/quantity_table_xml.h"

#include <cstring>
#include <vector>

#include "core/io/project_file_names.h"
#include "core/quantity/parameter.h"
#include "core/text/sentences.h"

namespace project_file {
namespace {

// One phrase per target: min, <, <=, =, >=, >, max.
constexpr size_t target_phrases = 7;

bool named(pugi::xml_node element, const char* name) { return std::strcmp(element.name(), name) == 0; }

void write_unit(pugi::xml_node element, const PossPar& type, size_t unit) {
    add_text(element, PAR_UNIT_SYMBOL_ATT_NAME, type.unit_symbols[unit]);
    add_real(element, PAR_FACTOR_ATT_NAME, type.factors[unit]);
    add_real(element, PAR_DELTA_ATT_NAME, type.deltas[unit]);
    add_bool(element, UNIT_IS_ACTIVE_ATT_NAME, type.unit_is_active[unit]);
}

void read_custom_type(pugi::xml_node element, ReadReport& report) {
    std::vector<std::string> symbols;
    std::vector<double> factors;
    std::vector<double> deltas;
    std::vector<bool> active;
    for (const pugi::xml_node unit : element.children(CUSTOM_UNIT_NODE)) {
        symbols.push_back(text_of(unit, PAR_UNIT_SYMBOL_ATT_NAME, report));
        factors.push_back(read_real(unit, PAR_FACTOR_ATT_NAME, 0.0, report));
        deltas.push_back(read_real(unit, PAR_DELTA_ATT_NAME, 0.0, report));
        active.push_back(read_bool(unit, UNIT_IS_ACTIVE_ATT_NAME, true, report));
    }
    const std::string name = text_of(element, PAR_TYPE_ATT_NAME, report);
    // Files leave empty phrases out: the missing ones are empty.
    std::vector<std::string> targets = texts_of(element, PAR_TARGET_TEXT_ATT_NAME, report);
    if (targets.size() > target_phrases) report.note("A custom quantity type had more than seven target phrases; the first seven were kept.");
    targets.resize(target_phrases);
    const std::string refused = Parameter::add_cust_poss_parameter(name, symbols, factors, deltas, active, targets);
    if (!refused.empty()) report.note("A custom quantity type was left out: " + refused);
}

void read_custom_unit(pugi::xml_node element, ReadReport& report) {
    const auto index = parse_int(text_of(element, PAR_TYPE_ATT_NAME, report));
    if (!index || *index < 0) {
        report.note("A custom unit without a readable quantity type was left out.");
        return;
    }
    const std::string refused = Parameter::add_cust_unit(
        static_cast<uint32_t>(*index), text_of(element, PAR_UNIT_SYMBOL_ATT_NAME, report),
        read_real(element, PAR_FACTOR_ATT_NAME, 0.0, report), read_real(element, PAR_DELTA_ATT_NAME, 0.0, report),
        read_bool(element, UNIT_IS_ACTIVE_ATT_NAME, true, report));
    if (!refused.empty()) report.note("A custom unit was left out: " + refused);
}

void apply_active_flags(pugi::xml_node element, ReadReport& report) {
    const std::string key = MyStrF::_trimLwr(text_of(element, PAR_TYPE_ATT_NAME, report));
    PossPar* type = nullptr;
    for (PossPar& candidate : Parameter::_possible_par_types)
        if (candidate.name_lc == key) {
            type = &candidate;
            break;
        }
    std::vector<bool> flags;
    for (const std::string& text : texts_of(element, UNIT_IS_ACTIVE_ATT_NAME, report)) {
        const auto flag = parse_bool(text);
        if (!flag) report.note(std::string("A value of \"") + UNIT_IS_ACTIVE_ATT_NAME + "\" could not be read; true was used.");
        flags.push_back(flag.value_or(true));
    }
    if (!type || flags.size() != type->unit_count()) {
        report.note("Active units given for an unknown quantity type or for a different number of units were ignored.");
        return;
    }
    type->unit_is_active = flags;
}

}  // namespace

void write_quantity_types(pugi::xml_node root) {
    for (const PossPar* type : Parameter::get_standard_poss_parameters()) {
        pugi::xml_node element = root.append_child(STANDARD_TYPE_ACTIVE_NODE);
        add_text(element, PAR_TYPE_ATT_NAME, type->name);
        for (const bool active : type->unit_is_active) add_bool(element, UNIT_IS_ACTIVE_ATT_NAME, active);
    }
    for (const PossPar* type : Parameter::get_custom_poss_parameters()) {
        pugi::xml_node element = root.append_child(CUSTOM_TYPE_NODE);
        add_text(element, PAR_TYPE_ATT_NAME, type->name);
        // Written also when empty: the reader needs all seven, in their order.
        for (const std::string& target : type->target_texts) {
            pugi::xml_node text = element.append_child(PAR_TARGET_TEXT_ATT_NAME);
            if (!target.empty()) text.text().set(file_text(target).c_str());
        }
        for (size_t unit = 0; unit < type->unit_count(); ++unit)
            write_unit(element.append_child(CUSTOM_UNIT_NODE), *type, unit);
    }
    const auto custom_units = Parameter::get_custom_units();
    for (size_t index = 0; index < custom_units.size(); ++index)
        for (const uint64_t unit : custom_units[index]) {
            pugi::xml_node element = root.append_child(CUSTOM_UNIT_NODE);
            add_unsigned(element, PAR_TYPE_ATT_NAME, index);
            write_unit(element, Parameter::_possible_par_types[index], unit);
        }
}

void read_quantity_types(const std::vector<pugi::xml_node>& elements, ReadReport& report) {
    std::vector<pugi::xml_node> active_flags;
    for (const pugi::xml_node element : elements) {
        if (named(element, STANDARD_TYPE_ACTIVE_NODE))
            active_flags.push_back(element);
        else if (named(element, CUSTOM_TYPE_NODE))
            read_custom_type(element, report);
        else if (named(element, CUSTOM_UNIT_NODE))
            read_custom_unit(element, report);
    }
    for (const pugi::xml_node element : active_flags) apply_active_flags(element, report);
}

}  // namespace project_file
