#include "core/constants/gcc.h"

#include <gtest/gtest.h>

namespace {

// The reports glue these pieces to object texts and numbers without adding blanks.
TEST(ReportTexts, PiecesThatJoinDirectlyCarryTheirOwnBlanks) {
    EXPECT_EQ(GCC::cf01_00_txt.back(), ' ');
    EXPECT_NE(GCC::cf01_01_txt.front(), ' ');
    EXPECT_NE(GCC::cf01_01_txt.back(), ' ');
    EXPECT_EQ(GCC::cf14_arg_opt_1.back(), ' ');

    EXPECT_EQ(GCC::re11_title_prefix + "2" + GCC::re11_req_title, "Level 2 Requirements");
    EXPECT_EQ(GCC::re11_title_prefix + "3" + GCC::re11_opt_title, "Level 3 Options");
    EXPECT_EQ(GCC::re11_title_prefix + "4" + GCC::re11_evd_title, "Level 4 Evidence");
    EXPECT_EQ(GCC::opt_title_prefix + "1", "Option 1");
}

TEST(ReportTexts, SharedTextsAreCopiesOfTheirOriginals) {
    EXPECT_EQ(GCC::cf13_opt_val_sub_opt_intro, GCC::cf_12_opt_layer_intro);
    EXPECT_EQ(GCC::cf13_opt_val_sub_opt_intro, "The Option has the following sub Options:");
    EXPECT_EQ(GCC::re01_title, "Introduction");
    EXPECT_EQ(GCC::re02_title, "Summary");
    EXPECT_EQ(GCC::re99_title, "Conclusion");
    EXPECT_EQ(GCC::re01_title, GCC::cf01_title);
    EXPECT_EQ(GCC::re02_title, GCC::cf02_title);
    EXPECT_EQ(GCC::re99_title, GCC::cf99_title);
}

// Sentences written over several source lines lose no blank at the breaks.
TEST(ReportTexts, LongSentencesAreComplete) {
    EXPECT_EQ(GCC::cf01_06_txt.size(), 205u);
    EXPECT_EQ(GCC::cf13_intro_txt.size(), 306u);
    EXPECT_EQ(GCC::cf14_intro.size(), 289u);
    EXPECT_EQ(GCC::cf15_intro.size(), 231u);
}

}  // namespace
