#include "core/constants/gcc.h"

#include <gtest/gtest.h>

#include "core/platform/platform.h"

namespace {

TEST(KindNames, TitlePrefixesAreTheKindNamesFollowedByOneBlank) {
    EXPECT_EQ(GCC::opt_title_prefix, GCC::opt_nd_name + " ");
    EXPECT_EQ(GCC::opt_title_prefix, "Option ");
    EXPECT_EQ(GCC::sub_opt_title_prefix, "Sub Option ");
}

TEST(TooltipPieces, SeparatorIsThirtyTwoDashesAndALineFeed) {
    EXPECT_EQ(GCC::separator_ttt, "--------------------------------\n");
    EXPECT_EQ(GCC::separator_ttt.size(), 33u);
    EXPECT_TRUE(GCC::default_ttt.empty());
}

TEST(EvidenceType, HasOneNamePerReadinessLevel) {
    ASSERT_EQ(GCC::evidence_type.size(), 10u);
    EXPECT_EQ(GCC::evidence_type[0], "Expectation");
    EXPECT_EQ(GCC::evidence_type[4], "Lab Test");
    EXPECT_EQ(GCC::evidence_type[5], "Relevant Env Test");
    EXPECT_EQ(GCC::evidence_type[9], "Fully Operational");
}

// Read before any test could install another platform: it must hold the
// version the headless services report, as four numbers joined by ".".
TEST(ProgramInformation, AppVersionIsTheProgramVersionReadAtStartUp) {
    EXPECT_EQ(GCC::app_version, platform::Services().program_version());
    int dots = 0;
    for (char c : GCC::app_version) {
        if (c == '.') ++dots;
        else EXPECT_TRUE(c >= '0' && c <= '9') << GCC::app_version;
    }
    EXPECT_EQ(dots, 3) << GCC::app_version;
}

TEST(ProgramInformation, UsesNeutralContactValues) {
    EXPECT_EQ(GCC::about_link1, "https://morvanta.invalid");
    EXPECT_EQ(GCC::about_email, "contact@morvanta.invalid");
    EXPECT_EQ(GCC::about_phone, "Phone: not available");
}

}  // namespace
