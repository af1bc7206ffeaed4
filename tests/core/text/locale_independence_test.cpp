#include <clocale>
#include <locale>
#include <string>

#include <gtest/gtest.h>

#include "core/text/number_format.h"
#include "tests/support/fake_platform.h"

namespace {

// A German-style C++ locale: decimal comma, '.' grouping every three digits.
struct DecimalComma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// Restores both the C and the C++ global locale after each test.
class LocaleIndependence : public testing_support::PlatformTest {
protected:
    LocaleIndependence() : saved_c_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleIndependence() override {
        std::locale::global(saved_cpp_);
        std::setlocale(LC_ALL, saved_c_.c_str());
    }

    void expect_conversions_unchanged() {
        EXPECT_EQ(MyStrF::_double_to_string(1234.5678), "1234.568");
        EXPECT_EQ(MyStrF::_double_to_string(0.05), "0.05");
        EXPECT_EQ(MyStrF::_double_to_string(2.5, 3, "kg"), "2.5kg");
        EXPECT_EQ(MyStrF::_double_to_price(1234.5, "\xE2\x82\xAC"), "\xE2\x82\xAC" "1.234,50");
        EXPECT_EQ(MyStrF::_double_to_price(1500, "\xE2\x82\xAC"), "\xE2\x82\xAC" "1,5k");
        EXPECT_EQ(MyStrF::_double_to_roundtrip_string(1.609344), "1.609344");
        EXPECT_EQ(MyStrF::_intToStringWithLength(1234567, 9), "001234567");
        EXPECT_EQ(MyStrF::_string_to_double("1.5"), 1.5);
        EXPECT_EQ(MyStrF::_string_to_double("1,5"), 1.0);  // the comma ends the number
        EXPECT_EQ(MyStrF::_string_to_double("1.234e3"), 1234.0);
        std::string errors;
        EXPECT_EQ(MyStrF::_StringToInt("1.234", errors, 0), 1);
        EXPECT_TRUE(errors.empty());
        EXPECT_TRUE(fake().messages.empty());
    }

private:
    std::string saved_c_;
    std::locale saved_cpp_;
};

TEST_F(LocaleIndependence, CppGlobalLocaleWithDecimalComma) {
    std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
    expect_conversions_unchanged();
}

TEST_F(LocaleIndependence, CLocaleWithDecimalComma) {
    const char* installed = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "nl_NL.UTF-8"})
        if ((installed = std::setlocale(LC_ALL, name))) break;
    if (!installed) GTEST_SKIP() << "no locale with a decimal comma is installed";
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');
    expect_conversions_unchanged();
}

}  // namespace
