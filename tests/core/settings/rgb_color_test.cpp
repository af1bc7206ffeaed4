#include "core/settings/rgb_color.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"

namespace {

using RgbColorText = testing_support::PlatformTest;

TEST(RgbColor, DefaultIsWhiteAndComponentsAreClamped) {
    EXPECT_EQ(RGB_Color(), RGB_Color(255, 255, 255));
    const RGB_Color clamped(300, -5, 128);
    EXPECT_EQ(clamped, RGB_Color(255, 0, 128));
    EXPECT_EQ(clamped.get_rgb_str(), "R255G000B128");
    EXPECT_EQ(RGB_Color(0, 7, 65).get_rgb_str(), "R000G007B065");
}

TEST_F(RgbColorText, ReadsTheTwelveCharacterForm) {
    RGB_Color color(1, 2, 3);
    std::string errors;
    color.set_color("R065G105B225", errors);
    EXPECT_EQ(color, RGB_Color(65, 105, 225));
    EXPECT_EQ(errors, "");
    // The letters are not examined; only the three digit groups count.
    color.set_color("x999y000z012", errors);
    EXPECT_EQ(color, RGB_Color(255, 0, 12));
    EXPECT_EQ(errors, "");
}

TEST_F(RgbColorText, LengthErrorsLeaveTheColourUnchanged) {
    RGB_Color color(1, 2, 3);
    std::string errors;
    color.set_color("R65G105B225", errors);
    EXPECT_EQ(color, RGB_Color(1, 2, 3));
    EXPECT_EQ(errors, "RGB_Color::set_color: rgb_str_in is 'R65G105B225'.\nIt must be of format 'R###G###B###'");

    errors.clear();
    color.set_color("", errors);
    EXPECT_EQ(color, RGB_Color(1, 2, 3));
    EXPECT_EQ(errors, "RGB_Color::set_color: rgb_str_in is empty.\nIt must be of format 'R###G###B###'");
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(RgbColorText, UnreadableGroupGivesZeroAndAnError) {
    RGB_Color color(1, 2, 3);
    std::string errors;
    color.set_color("Rxx0G105B225", errors);
    EXPECT_EQ(color, RGB_Color(0, 105, 225));
    EXPECT_FALSE(errors.empty());
    EXPECT_TRUE(fake().messages.empty());  // reported through errors only
}

}  // namespace
