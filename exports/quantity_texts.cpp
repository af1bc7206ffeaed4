#include "exports/quantity_texts.h"

#include <cmath>

#include "core/model/option.h"
#include "core/quantity/parameter.h"
#include "exports/xml_writing.h"

namespace exports {

std::vector<OptionTotal> option_totals(const Option& option) {
    std::vector<OptionTotal> totals;
    const auto& sums = option.get_par_base_value_sum();
    const auto& table = Parameter::_possible_par_types;
    for (size_t i = 0; i < sums.size() && i < table.size(); ++i) {
        if (!(std::abs(sums[i]) > 1e-9)) continue;
        const PossPar& type = table[i];
        // Totals are kept in base units; the first unit may have its own scale.
        double in_first_unit = sums[i];
        if (type.unit_count() > 0) in_first_unit = (sums[i] + type.deltas[0]) / type.factors[0];
        const auto value = xml::number(in_first_unit);
        if (!value) continue;
        totals.push_back({i, type.name, *value, type.unit_count() > 0 ? type.unit_symbols[0] : "[-]"});
    }
    return totals;
}

}  // namespace exports
