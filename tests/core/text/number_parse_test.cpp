#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "core/text/number_format.h"
#include "tests/support/fake_platform.h"

namespace {

std::string invalid_int(const std::string& text) {
    return "_StringToInt: '" + text + "' is invalid int argument: invalid stoi argument\n";
}
std::string int_out_of_range(const std::string& text) {
    return "_StringToInt: '" + text + "' int is out of range: stoi argument out of range\n";
}
std::string invalid_double(const std::string& text) {
    return "_string_to_double: '" + text + "' is invalid double argument: invalid stod argument\n";
}
std::string double_out_of_range(const std::string& text) {
    return "_string_to_double: '" + text + "' double is out of range: stod argument out of range\n";
}

TEST(StringToInt, LenientReadingAndAppendedErrors) {
    const struct {
        std::string text;
        int default_value;
        int value;
        std::string errors;
    } cases[] = {
        {"42", 0, 42, ""},
        {" 42 ", 0, 42, ""},
        {"\t\n\v\f\r42", 0, 42, ""},
        {"+42", 0, 42, ""},
        {"-42", 0, -42, ""},
        {"12abc", 0, 12, ""},
        {"7.9", 0, 7, ""},
        {"007", 0, 7, ""},
        {"2147483647", 0, INT_MAX, ""},
        {"-2147483648", 0, INT_MIN, ""},
        {"", 9, 9, "_StringToInt: empty string cannot define an Integer."},
        {"x", 5, 5, invalid_int("x")},
        {"   ", 5, 5, invalid_int("   ")},
        {"-", 5, 5, invalid_int("-")},
        {"+-3", 5, 5, invalid_int("+-3")},
        {"++3", 5, 5, invalid_int("++3")},
        {"- 3", 5, 5, invalid_int("- 3")},
        {"2147483648", 5, 5, int_out_of_range("2147483648")},
        {"-99999999999999999999", 5, 5, int_out_of_range("-99999999999999999999")},
    };
    for (const auto& c : cases) {
        std::string errors;
        EXPECT_EQ(MyStrF::_StringToInt(c.text, errors, c.default_value), c.value) << "'" << c.text << "'";
        EXPECT_EQ(errors, c.errors) << "'" << c.text << "'";
    }
}

TEST(StringToInt, ErrorsAreOnlyAppendedTo) {
    std::string errors = "earlier\n";
    EXPECT_EQ(MyStrF::_StringToInt("a", errors, 1), 1);
    EXPECT_EQ(MyStrF::_StringToInt("3", errors, 1), 3);
    EXPECT_EQ(MyStrF::_StringToInt("b", errors, 2), 2);
    EXPECT_EQ(errors, "earlier\n" + invalid_int("a") + invalid_int("b"));
}

class Parsers : public testing_support::PlatformTest {};

TEST_F(Parsers, StringToIntWithoutErrorTextShowsOneBox) {
    EXPECT_EQ(MyStrF::_StringToInt(" 17", 3), 17);
    EXPECT_TRUE(fake().messages.empty());

    EXPECT_EQ(MyStrF::_StringToInt("seventeen", 3), 3);
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(fake().messages[0].caption, "Error");
    EXPECT_EQ(fake().messages[0].text, invalid_int("seventeen"));

    EXPECT_EQ(MyStrF::_StringToInt("", 4), 4);
    EXPECT_EQ(fake().error_texts().back(), "_StringToInt: empty string cannot define an Integer.");
    EXPECT_EQ(fake().messages.size(), 2u);
}

TEST_F(Parsers, StringToDoubleReadsTheLeadingNumber) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"3.5", 3.5},   {" 3.5", 3.5},    {"+3.5", 3.5},   {"-3.5", -3.5},       {"1e3", 1000},
        {"2.5E-3", 0.0025}, {".5", 0.5},  {"12abc", 12},   {"7,5", 7},           {"1.609344", 1.609344},
        {"0.1", 0.1},   {"\n-0", -0.0},   {"5e", 5},       {"1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_string_to_double(c.text), c.value) << "'" << c.text << "'";
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(Parsers, StringToDoubleFailuresShowOneBoxAndGiveZero) {
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "_string_to_double: empty string cannot define a double."},
        {"abc", invalid_double("abc")},
        {",5", invalid_double(",5")},
        {"+-1", invalid_double("+-1")},
        {"nan", invalid_double("nan")},
        {"NaN", invalid_double("NaN")},
        {"-nan(123)", invalid_double("-nan(123)")},
        {"inf", invalid_double("inf")},
        {"-Infinity", invalid_double("-Infinity")},
        {" +infinity", invalid_double(" +infinity")},
        {"1e999", double_out_of_range("1e999")},
        {"-1e400", double_out_of_range("-1e400")},
    };
    for (const auto& c : cases) {
        fake().messages.clear();
        EXPECT_EQ(MyStrF::_string_to_double(c.text), 0.0) << "'" << c.text << "'";
        ASSERT_EQ(fake().messages.size(), 1u) << "'" << c.text << "'";
        EXPECT_EQ(fake().messages[0].caption, "Error");
        EXPECT_EQ(fake().messages[0].text, c.message);
    }
}

TEST_F(Parsers, StoredNumbersReadBackExactly) {
    for (double value : {1.609344, 1.0014, 1.0 / 3.0, -4.35e-7, 6.02214076e23})
        EXPECT_EQ(MyStrF::_string_to_double(MyStrF::_double_to_roundtrip_string(value)), value);
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(Parsers, StringToBoolExactWordsOnly) {
    const struct {
        std::string text;
        bool value;
        std::string message;
    } cases[] = {
        {"true", true, ""},
        {"True", true, ""},
        {"TRUE", true, ""},
        {"false", false, ""},
        {"False", false, ""},
        {"FALSE", false, ""},
        {"", false, "_string_to_bool: empty string cannot define a Boolean."},
        {" true", false, "_string_to_bool: ' true' does not define a Boolean.\n"},
        {"tRUE", false, "_string_to_bool: 'tRUE' does not define a Boolean.\n"},
        {"1", false, "_string_to_bool: '1' does not define a Boolean.\n"},
    };
    for (const auto& c : cases) {
        fake().messages.clear();
        EXPECT_EQ(MyStrF::_string_to_bool(c.text), c.value) << "'" << c.text << "'";
        EXPECT_EQ(fake().error_texts(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
        EXPECT_EQ(fake().messages.size(), c.message.empty() ? 0u : 1u);
    }
}

TEST_F(Parsers, StoredBooleansReadBack) {
    EXPECT_TRUE(MyStrF::_string_to_bool(MyStrF::_bool_to_string(true)));
    EXPECT_FALSE(MyStrF::_string_to_bool(MyStrF::_bool_to_string(false)));
    EXPECT_EQ(MyStrF::_bool_to_string(true), "true");
    EXPECT_EQ(MyStrF::_bool_to_string(false), "false");
    EXPECT_TRUE(fake().messages.empty());
}

TEST(NoError, OnlyTheExactPrefixMarksAFailure) {
    EXPECT_FALSE(MyStrF::_no_error("Error: file missing"));
    EXPECT_FALSE(MyStrF::_no_error("Error: "));
    EXPECT_TRUE(MyStrF::_no_error("error: lower case"));
    EXPECT_TRUE(MyStrF::_no_error("Error:no blank"));
    EXPECT_TRUE(MyStrF::_no_error(" Error: indented"));
    EXPECT_TRUE(MyStrF::_no_error(""));
}

}  // namespace
