#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/text/number_format.h"

namespace {

#define EURO "\xE2\x82\xAC"

TEST(DoubleToPrice, EuropeanFormWithAbbreviations) {
    const struct {
        double value;
        const char* currency;
        const char* text;
    } cases[] = {
        {5, EURO, EURO "5"},
        {12.5, EURO, EURO "12,50"},
        {999, EURO, EURO "999"},
        {1050, EURO, EURO "1.050"},
        {1234, EURO, EURO "1.234"},
        {1200, EURO, EURO "1,2k"},
        {1500, EURO, EURO "1,5k"},
        {12000, "$", "$12k"},
        {100000, EURO, EURO "100k"},
        {1000000, EURO, EURO "1M"},
        {1100000, EURO, EURO "1,1M"},
        {1000100, EURO, EURO "1.000.100"},
        {1234567, EURO, EURO "1.234.567"},
        {1250000, "CHF", "1.250.000 CHF"},
        {2500000, "kr", "2,5M kr"},
        {999.99, "CHF", "999,99 CHF"},
        {1234.5, EURO, EURO "1.234,50"},
        {1234.567, EURO, EURO "1.234,567"},
        {0.125, EURO, EURO "0,125"},
        {-123, EURO, EURO "-123"},
        {-1234.5, EURO, EURO "-1.234,50"},
        {-123456.78, EURO, EURO "-123.456,78"},
        // Edge cases.
        {1500, "", "1,5k"},
        {1000, EURO, EURO "1k"},
        {999900, EURO, EURO "999,9k"},
        {1050000, EURO, EURO "1.050.000"},  // no "k" above a million
        {-1500, EURO, EURO "-1,5k"},
        {-3000000, EURO, EURO "-3M"},
        {12.3, EURO, EURO "12,30"},
        {12.34567, EURO, EURO "12,3457"},
        {1199.9999999999, EURO, EURO "1,2k"},  // whole within 1e-9
        {0, EURO, EURO "0"},
        {123456789012.0, EURO, EURO "123.456.789.012"},
        {1234567890123456.0, EURO, EURO "1.234.567.890.123.456"},  // exact, not scaled and back
        {-1e-10, EURO, EURO "0"},                                    // whole: no "-0"
        {-0.00001, EURO, EURO "0"},                                  // rounds to zero: no "-0"
        {100, "kr", "100 kr"},
        {100, "chf", "chf100"},  // only the exact symbols go behind the amount
        // Not whole, but whole after rounding to four decimals.
        {5.00003, EURO, EURO "5"},
        {-1200.00004, EURO, EURO "-1.200"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MyStrF::_double_to_price(c.value, c.currency), c.text) << "value " << c.value;
}

TEST(DoubleToPrice, AmountsWithoutA64BitIntegerFormDoNotOverflow) {
    EXPECT_EQ(MyStrF::_double_to_price(9223372036854775808.0, EURO), EURO "9.223.372.036.854.775.808");
    EXPECT_EQ(MyStrF::_double_to_price(-1e19, EURO), EURO "-10.000.000.000.000.000.000");
    EXPECT_EQ(MyStrF::_double_to_price(9223372036854774784.0, EURO), EURO "9.223.372.036.854.774.784");
    const std::string huge = MyStrF::_double_to_price(1e300, EURO);
    EXPECT_EQ(huge.rfind(EURO "1.000.000.000.000.000.052.504", 0), 0u) << huge;
    EXPECT_EQ(MyStrF::_double_to_price(std::numeric_limits<double>::infinity(), EURO), EURO "inf");
    EXPECT_EQ(MyStrF::_double_to_price(-std::numeric_limits<double>::infinity(), "CHF"), "-inf CHF");
    EXPECT_EQ(MyStrF::_double_to_price(std::numeric_limits<double>::quiet_NaN(), "$"), "$nan");
}

}  // namespace
