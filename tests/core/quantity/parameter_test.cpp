#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/quantity/parameter.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

constexpr uint32_t length = 2, time_type = 4, mass = 5, temperature = 7;

class Parameters : public testing_support::CoreTest {};

TEST_F(Parameters, ValuesAreStoredInBaseUnits) {
    Parameter p(nullptr, length, 5.0, 1, 3, 100);  // 5 km
    EXPECT_DOUBLE_EQ(p.get_base_value(), 5000.0);
    p.set_unit(0);
    EXPECT_DOUBLE_EQ(p.get_value(), 5000.0);
    p.set_type(time_type, false);
    EXPECT_EQ(p.get_unit_symbol(), "sec");
    EXPECT_DOUBLE_EQ(p.get_value(), 5000.0);

    Parameter t(nullptr, "temperature", 50.0, "F", 3, 100);
    EXPECT_NEAR(t.get_base_value(), 10.0, 1e-12);
    t.set_unit(1);
    EXPECT_NEAR(t.get_value(), 283.15, 1e-9);
    EXPECT_EQ(t.get_type_int(), temperature);
    EXPECT_EQ(MyStrF::_double_to_string(t), "283.15K");
}

TEST_F(Parameters, WeightsAreClampedAndBadIndexesFallBackWithOneBox) {
    Parameter p(nullptr, mass, 1.0, 0, 3, 0);
    EXPECT_EQ(p.get_goal_weight(), 1);
    p.set_goal_weight(250, false);
    EXPECT_EQ(p.get_goal_weight(), 100);
    EXPECT_TRUE(fake().messages.empty());

    p.set_unit(9);
    p.set_type(999u, false);
    p.set_target_type(7, false);
    EXPECT_EQ(p.get_unit_int(), 0);
    EXPECT_EQ(p.get_type_int(), 1u);
    EXPECT_EQ(p.get_target_int(), 3);
    EXPECT_EQ(fake().error_texts(),
              (std::vector<std::string>{"i_unit is too large. It must be smaller than the number of supported units",
                                        "i_type is too large. It is higher than the _possiblepartypes size.",
                                        "set_target_type: target type outside available range."}));
}

TEST_F(Parameters, NonFiniteValuesAreRefused) {
    Parameter p(nullptr, mass, 2.0, 0, 3, 100);
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), -1e308 * 10}) {
        p.set_value(bad, false);
        p.set_base_value(bad);
    }
    EXPECT_DOUBLE_EQ(p.get_base_value(), 2.0);
    EXPECT_EQ(fake().error_texts().size(), 6u);
}

struct SatisfactionCase {
    uint16_t required_target;
    double required;
    uint16_t offered_target;
    double offered;
    bool met;
};

TEST_F(Parameters, SatisfactionComparesWithinARelativeTolerance) {
    const std::vector<SatisfactionCase> cases = {
        {2, 0.0, 3, 0.0, true},       // "at most 0" is met by "= 0"
        {4, 0.0, 3, 0.0, true},       // "at least 0" too
        {3, 0.0, 3, 0.0, true},
        {1, 5.0, 3, 5.0, false},      // "lower than 5" is not met by 5
        {5, 5.0, 3, 5.0, false},
        {2, 5.0, 3, 5.00004, true},   // within 1e-5 of the sum
        {2, 5.0, 3, 5.0002, false},
        {2, 0.3, 3, 0.1 + 0.2, true},
        {2, 5.0, 4, 1.0, false},      // "at least 1" does not promise "at most 5"
        {4, 5.0, 5, 6.0, true},
        {0, 5.0, 3, 99.0, true},      // a goal is met by anything
        {3, 5.0, 6, 1.0, true},
    };
    for (const auto& c : cases) {
        Parameter required(nullptr, mass, c.required, 0, c.required_target, 100);
        Parameter offered(nullptr, mass, c.offered, 0, c.offered_target, 100);
        EXPECT_EQ(required.is_satisfied_by(&offered), c.met)
            << c.required_target << " " << c.required << " by " << c.offered_target << " " << c.offered;
    }
    Parameter required(nullptr, mass, 5.0, 0, 2, 100);
    Parameter other_type(nullptr, length, 99.0, 0, 3, 100);
    EXPECT_TRUE(required.is_satisfied_by(&other_type));
}

TEST_F(Parameters, ShortTexts) {
    EXPECT_EQ(Parameter(nullptr, 0u, 0.0, 0, 3, 100).get_txt_short(), "function");
    EXPECT_EQ(Parameter(nullptr, mass, 0.0, 0, 6, 100).get_txt_short(), "mass max (100)");
    EXPECT_EQ(Parameter(nullptr, length, 5.0, 0, 2, 100).get_txt_short(), "length <= 5m");
}

}  // namespace

namespace {

// base = factor x entered - delta, and back, for every unit of every built-in type.
TEST_F(Parameters, EveryBuiltInUnitConvertsBothWays) {
    for (uint32_t type = 0; type < 12; ++type) {
        const PossPar& row = Parameter::_possible_par_types[type];
        for (uint16_t unit = 0; unit < row.unit_count(); ++unit) {
            for (double entered : {-12.5, 0.0, 1.0, 37.25}) {
                Parameter p(nullptr, type, entered, unit, 3, 100);
                EXPECT_DOUBLE_EQ(p.get_base_value(), row.factors[unit] * entered - row.deltas[unit])
                    << row.name << " " << row.unit_symbols[unit];
                EXPECT_NEAR(p.get_value(), entered, 1e-12 * std::max(1.0, std::abs(entered)))
                    << row.name << " " << row.unit_symbols[unit];
            }
        }
    }
}

}  // namespace
