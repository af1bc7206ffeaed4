#pragma once

#include <string>
#include <vector>

class Option;

namespace exports {

// One quantity total of an option (Option::get_par_base_value_sum): the type's
// name, the total in the type's first unit and that unit's symbol ("[-]" for a
// type without unit), so that value and unit always go together.
struct OptionTotal {
    size_t type_index;
    std::string type;
    std::string value;
    std::string unit;

    // "mass = 12.5 kg"
    std::string line() const { return type + " = " + value + " " + unit; }
};

// The totals whose magnitude exceeds 1e-9 and whose type the quantity-type
// table holds, by type index; non-finite totals are left out.
std::vector<OptionTotal> option_totals(const Option& option);

}  // namespace exports
