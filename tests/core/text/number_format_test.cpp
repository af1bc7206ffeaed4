#include "core/text/number_format.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"

namespace {

TEST(DoubleToString, AdaptiveDecimalsTrailingZerosDropped) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {100, "100"},
        {12.5, "12.5"},
        {-2.5, "-2.5"},
        {3.14159265, "3.142"},
        {1234.56789, "1234.568"},
        {0.123456, "0.1235"},
        {0.05, "0.05"},
        {0.00123456, "0.001235"},
        {0.0000123, "0.0000123"},
        {2.0000001, "2"},
        {1e-12, "0"},
        {-1e-12, "0"},  // no signed zero
        {0.1, "0.1"},            // exactly at a threshold: 4 decimals
        {0.099999, "0.1"},       // 5 decimals, rounded up, then stripped
        {-0.5, "-0.5"},          // precision from the magnitude
        {0.00012346, "0.0001235"},
        {0.000012346, "0.00001235"},
        {0.00012345, "0.0001234"},  // binary value just below the half
        {1.0005, "1"},           // the binary value lies below the half: correctly rounded down
        {2.0015, "2.002"},       // ... and here above it
        {1e20, "100000000000000000000"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_double_to_string(c.value), c.text) << "value " << c.value;
}

TEST(DoubleToString, UnitAppendedExceptForPlainTypesAndDash) {
    const struct {
        double value;
        unsigned type;
        const char* unit;
        const char* text;
    } cases[] = {
        {5, 2, "m", "5m"},
        {2.5, 3, "kg", "2.5kg"},
        {12, 4, "km/h", "12km/h"},
        {3, 2, "-", "3"},
        {7.5, 0, "m", "7.5"},
        {7.5, 1, "m", "7.5"},
        {0.00123456, 5, "s", "0.001235s"},
        {1500, 6, "", "1,5k"},
        {12.5, 6, "\xE2\x82\xAC", "\xE2\x82\xAC" "12,50"},
        {1250000, 6, "CHF", "1.250.000 CHF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MyStrF::_double_to_string(c.value, c.type, c.unit), c.text) << c.value << " type " << c.type;
}

TEST(DoubleToRoundtripString, ShortestTextReadsBackExactly) {
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(1.609344), "1.609344");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(1.0014), "1.0014");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(0.1), "0.1");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(-2.5), "-2.5");
    // Plain decimals as the file format has them; exponents only far outside what quantities take.
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(1e6), "1000000");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(1e-4), "0.0001");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(1.23e-5), "0.0000123");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(1e15), "1000000000000000");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(2e15), "2e+15");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(1e-9), "0.000000001");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(5e-10), "5e-10");
    for (double value : {1.609344, 1.0014, 1.0 / 3.0, 4.35e-7, 123456789.123456789, 5e-324, DBL_MAX, -DBL_MIN}) {
        const std::string text = MyStrF::_double_to_roundtrip_string(value);
        double back = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(result.ec, std::errc{}) << text;
        EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
        EXPECT_EQ(back, value) << text;
        EXPECT_EQ(text.find(','), std::string::npos) << text;
    }
}

TEST(DoubleToRoundtripString, NonFiniteIsStoredAsZero) {
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(MyStrF::_double_to_roundtrip_string(-std::numeric_limits<double>::infinity()), "0");
}

TEST(IntToStringWithLength, ZeroPaddedNeverCut) {
    const struct {
        int value;
        unsigned width;
        const char* text;
    } cases[] = {
        {7, 2, "07"},
        {2024, 4, "2024"},
        {123, 2, "123"},
        {0, 3, "000"},
        {5, 0, "5"},
        {1, 8, "00000001"},
        {-7, 3, "-07"},  // zeros after the sign
        {INT_MIN, 3, "-2147483648"},
        {INT_MAX, 12, "002147483647"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MyStrF::_intToStringWithLength(c.value, c.width), c.text) << c.value << " width " << c.width;
}

class TimePrefix : public testing_support::PlatformTest {};

TEST_F(TimePrefix, YearMonthDayHourMinuteWithoutSeconds) {
    EXPECT_EQ(MyStrF::_get_time_prefix(), "2024_03_07_14_05_");
    fake().now.tm_year = 99;
    fake().now.tm_mon = 11;
    fake().now.tm_mday = 31;
    fake().now.tm_hour = 0;
    fake().now.tm_min = 0;
    EXPECT_EQ(MyStrF::_get_time_prefix(), "1999_12_31_00_00_");
}

}  // namespace
