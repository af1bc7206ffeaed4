#include <gtest/gtest.h>

#include "core/quantity/parameter.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

constexpr uint32_t length = 2;
const std::vector<std::string> seven(7, "x");

class QuantityTable : public testing_support::CoreTest {};

TEST_F(QuantityTable, LooksUpTypesByNameAndUnits) {
    EXPECT_EQ(Parameter::_get_i_type("LENGTH "), length);
    EXPECT_EQ(Parameter::_get_i_type(""), 1u);
    EXPECT_TRUE(fake().messages.empty());
    EXPECT_EQ(Parameter::_get_i_type("Length of stay"), 1u);
    EXPECT_EQ(fake().error_texts(), std::vector<std::string>{"s_type is not valid. Please use a valid string for type"});
    EXPECT_EQ(Parameter::get_par_type("KM"), "length");
    EXPECT_EQ(Parameter::get_par_type("min"), "time");
    EXPECT_EQ(Parameter::get_par_type("Length"), "real");
    EXPECT_EQ(Parameter::get_par_type(""), "real");
    EXPECT_EQ(Parameter::_possible_par_types[6].unit_symbols[0], "\xE2\x82\xAC");
    EXPECT_EQ(Parameter::_possible_par_types[11].target_texts[2], "at mosts");
}

TEST_F(QuantityTable, CustomTypesAreCheckedAndReused) {
    struct Refused {
        std::string name;
        std::vector<std::string> units;
        std::vector<double> factors;
        std::vector<std::string> targets;
    };
    for (const auto& r : std::vector<Refused>{{" ", {"bar"}, {1.0}, seven},
                                              {"pressure", {}, {}, seven},
                                              {"pressure", {"bar"}, {1.0}, {"a", "b"}},
                                              {"pressure", {"bar"}, {0.0}, seven}}) {
        std::vector<double> deltas(r.units.size(), 0.0);
        std::vector<bool> active(r.units.size(), true);
        EXPECT_NE(Parameter::add_cust_poss_parameter(r.name, r.units, r.factors, deltas, active, r.targets), "");
    }
    EXPECT_EQ(Parameter::_possible_par_types.size(), 12u);
    EXPECT_EQ(Parameter::add_cust_poss_parameter("pressure", {"bar"}, {1.0}, {0.0}, {true}, seven), "");
    EXPECT_EQ(Parameter::add_cust_poss_parameter("Pressure ", {"psi"}, {0.07}, {0.0}, {true}, seven), "");
    EXPECT_EQ(Parameter::_possible_par_types.size(), 13u);
    EXPECT_EQ(Parameter::add_cust_unit(length, "KM", 1000.0, 0.0, true), "");  // an existing unit is reused
    EXPECT_EQ(Parameter::_possible_par_types[length].unit_count(), 5u);
    EXPECT_NE(Parameter::add_cust_unit(99, "x", 1.0, 0.0, true), "");
    EXPECT_EQ(Parameter::get_custom_poss_parameters().size(), 1u);
    EXPECT_TRUE(Parameter::get_custom_poss_parameters().front()->is_custom);
}

TEST_F(QuantityTable, RemovingACustomUnitReindexesParameters) {
    testing_support::SmallProject p;
    ASSERT_EQ(Parameter::add_cust_unit(length, "mile", 1609.344, 0.0, true), "");
    ASSERT_EQ(Parameter::add_cust_unit(length, "yd", 0.9144, 0.0, true), "");
    Requirement* miles = p.mandate->add_q_requirement("reach", "far", length, 2.0, 5, 2, 100);
    Requirement* yards = p.mandate->add_q_requirement("reach", "near", length, 3.0, 6, 2, 100);
    const double yards_base = yards->get_par().get_base_value();
    Parameter::remove_custom_units(length, 0);  // the base unit stays
    Parameter::remove_custom_units(length, 1);  // a standard unit stays
    EXPECT_EQ(Parameter::_possible_par_types[length].unit_count(), 7u);
    Parameter::remove_custom_units(length, 5);
    EXPECT_EQ(miles->get_par().get_unit_int(), 0);
    EXPECT_EQ(yards->get_par().get_unit_symbol(), "yd");
    EXPECT_DOUBLE_EQ(yards->get_par().get_base_value(), yards_base);
    const auto& row = Parameter::_possible_par_types[length];
    EXPECT_EQ(row.unit_symbols.size(), row.unit_is_active.size());
    EXPECT_EQ(row.unit_symbols_lc.size(), row.factors.size());
}

TEST_F(QuantityTable, RenamedTypesAndUnitsAreFoundByTheirNewTexts) {
    ASSERT_EQ(Parameter::add_cust_poss_parameter("pressure", {"bar"}, {1.0}, {0.0}, {true}, seven), "");
    PossPar& pressure = Parameter::_possible_par_types.back();
    pressure.rename("Stress ");
    pressure.rename_unit(0, "MPa");
    pressure.rename_unit(7, "never");  // no such unit
    EXPECT_EQ(pressure.name, "Stress ");
    EXPECT_EQ(Parameter::_get_i_type("stress"), 12u);
    EXPECT_EQ(Parameter::get_par_type("mpa"), "Stress ");
    EXPECT_EQ(Parameter::get_par_type("bar"), "real");
    EXPECT_EQ(pressure.unit_symbols, std::vector<std::string>{"MPa"});
}

TEST_F(QuantityTable, RemovingACustomTypeMovesTheLaterTypesDown) {
    testing_support::SmallProject p;
    ASSERT_EQ(Parameter::add_cust_poss_parameter("pressure", {"bar"}, {1.0}, {0.0}, {true}, seven), "");
    ASSERT_EQ(Parameter::add_cust_poss_parameter("flow", {"l/s", "l/min"}, {1.0, 1.0 / 60}, {0.0, 0.0},
                                                 {true, true}, seven),
              "");
    Requirement* flow = p.mandate->add_q_requirement("pump", "water", 13, 120.0, 1, 2, 100);
    const double flow_base = flow->get_par().get_base_value();

    std::vector<Node*> moved;
    EXPECT_NE(Parameter::remove_custom_poss_parameter(length, &moved), "");   // standard
    EXPECT_NE(Parameter::remove_custom_poss_parameter(14, &moved), "");       // beyond the table
    EXPECT_EQ(Parameter::remove_custom_poss_parameter(13, &moved),
              "1 Objects are using this parameter type.\nTherefore, it hasn't been deleted.");
    EXPECT_EQ(Parameter::_possible_par_types.size(), 14u);
    EXPECT_TRUE(moved.empty());

    EXPECT_EQ(Parameter::remove_custom_poss_parameter(12, &moved), "");
    EXPECT_EQ(moved, std::vector<Node*>{flow});
    EXPECT_EQ(Parameter::_possible_par_types.size(), 13u);
    EXPECT_EQ(flow->get_par().get_type_int(), 12u);
    EXPECT_EQ(flow->get_par().get_type(), "flow");
    EXPECT_EQ(flow->get_par().get_unit_symbol(), "l/min");
    EXPECT_DOUBLE_EQ(flow->get_par().get_base_value(), flow_base);
}

TEST_F(QuantityTable, ActiveTypesAndFind) {
    Parameter::_possible_par_types[9].set_all_units_inactive();
    const auto active = Parameter::get_all_possible_types(true);
    EXPECT_EQ(std::count(active.begin(), active.end(), "luminous intensity"), 0);
    EXPECT_EQ(Parameter::get_all_possible_types(false).size(), 12u);
    auto found = Parameter::get_objects_with_string("hotter", false, false, true);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.front()->name, "temperature");
    found = Parameter::get_objects_with_string("KMOL", false, true, false);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.front()->name, "amount of substance");
    EXPECT_EQ(GCC::get_ai_par_types_and_units().rfind("function units: -; real units: -; length units: m, km, mm, in, ft;", 0), 0u);
}

}  // namespace
