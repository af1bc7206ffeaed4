#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pdf/doc/font_metrics.h"
#include "pdf/doc/line_breaking.h"
#include "pdf/doc/pdf_doc.h"
#include "tests/support/fake_platform.h"

namespace {

using pdf::PDFdoc;

// Widths from the core fonts' metrics, in points at the given size.
TEST(PdfMeasurement, WidthsFollowTheCoreFontMetrics) {
    struct Case {
        int font;
        int size;
        std::string text;
        int expected;
    };
    const std::vector<Case> cases = {
        {pdf::HelveticaBold, 20, "00 ", 28},  // the level-1 heading's leader
        {pdf::Helvetica, 11, "-  ", 10},      // the body text's leader
        {pdf::Helvetica, 1000, "\xE9", 556},  // e acute
        {pdf::Helvetica, 1000, "'", 191},     // quotesingle, not quoteright
        {pdf::Helvetica, 1000, "\xA0", 278},  // no-break space measures as a space
        {pdf::Helvetica, 1000, "\xAD", 333},  // soft hyphen measures as a hyphen
        {pdf::Helvetica, 1000, "\x80", 556},  // Euro sign
        {pdf::Helvetica, 14, "0.0.0.00", 51}, // the contents' number column
        {pdf::Helvetica, 14, "000", 23},
        {pdf::Helvetica, 14, "00000", 39},
        {pdf::Helvetica, 16, "author:  ", 59},
        {pdf::Courier, 10, "any text", 48},   // fixed pitch: 600 per character
        {pdf::TimesRoman, 1000, "A", 722},
        {pdf::Helvetica, 1000, "\x81", 0},    // no glyph in WinAnsiEncoding
        {pdf::Symbol, 1000, "A", 0},          // Symbol has Alpha, not A
        {0, 11, "abc", 0},                    // no such font
        {14, 11, "abc", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(pdf::text_width(c.font, c.size, c.text), c.expected) << c.text;
    EXPECT_EQ(pdf::get_font(0), nullptr);
    EXPECT_NE(pdf::get_font(13), nullptr);
}

class PdfLevels : public testing_support::PlatformTest {};

TEST_F(PdfLevels, FontsSpacingAndLeadersByLevelWithDeepLevelsAsFour) {
    PDFdoc doc;
    struct Expected {
        int level;
        pdf::pFont font;
        int size;
        int line_height;
        int spacing;
        int leader;
    };
    const std::vector<Expected> table = {
        {0, pdf::Helvetica, 11, 13, 0, 10},          {1, pdf::HelveticaBold, 20, 24, 10, 28},
        {2, pdf::HelveticaBold, 16, 19, 8, 36},      {3, pdf::HelveticaBold, 14, 16, 6, 43},
        {4, pdf::HelveticaBoldOblique, 11, 13, 4, 43}, {7, pdf::HelveticaBoldOblique, 11, 13, 4, 43},
    };
    for (const Expected& e : table) {
        doc.set_font(e.level, false);
        EXPECT_EQ(doc.block.font, e.font) << e.level;
        EXPECT_EQ(doc.block.size, e.size) << e.level;
        EXPECT_EQ(doc.block.line_height, e.line_height) << e.level;
        EXPECT_EQ(doc.get_section_extra_spacing(e.level), e.spacing) << e.level;
        EXPECT_EQ(doc.get_leader_indent(e.level), e.leader) << e.level;
    }
    doc.set_font(0, true);
    EXPECT_EQ(doc.block.g, 0.4);
    EXPECT_EQ(doc.block.b, 0.8);
}

// Greedy breaking in Helvetica 11, where "aaa" is 18 points and a blank 3.
TEST(PdfLineBreaking, GreedyLinesIndentsAndOverlongWords) {
    const auto& helvetica = *pdf::get_font(pdf::Helvetica);
    struct Case {
        std::string name;
        std::vector<std::string> words;
        int width;
        int indent;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"no words", {}, 100, 0, {""}},
        {"all fit", {"aaa", "bbb"}, 100, 0, {"aaa bbb"}},
        {"greedy", {"aaa", "aaa", "aaa"}, 40, 0, {"aaa aaa", "aaa"}},
        {"indent shortens the first line", {"aaa", "aaa", "aaa"}, 40, 10, {"aaa", "aaa aaa"}},
        {"no room after the indent", {"aaa", "aaa"}, 40, 30, {"", "aaa aaa"}},
        {"negative indent shortens the others", {"aaa", "aaa", "aaa", "aaa"}, 40, -10, {"aaa aaa", "aaa", "aaa"}},
        {"overlong first word breaks without an empty line", {"aaaaaaaaaa"}, 20, 0, {"aaa", "aaa", "aaa", "a"}},
        {"overlong word after text starts a line", {"b", "aaaaaaa"}, 20, 0, {"b", "aaa", "aaa", "a"}},
        {"overlong word fills the indented line", {"aaaaaa"}, 30, 12, {"aaa", "aaa"}},
        {"a line narrower than a letter still advances", {"ab"}, -5, 0, {"a", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pdf::break_lines(helvetica, 11, c.words, c.width, c.indent), c.expected) << c.name;
}

// A long address breaks into lines that each fit, and nothing is lost.
TEST(PdfLineBreaking, LongUrlStaysWithinTheLine) {
    const auto& helvetica = *pdf::get_font(pdf::Helvetica);
    std::string url = "https://example.org/";
    for (int i = 0; i < 40; ++i) url += "segment" + std::to_string(i) + "/";
    const auto lines = pdf::break_lines(helvetica, 11, {"see", url}, 367, 0);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(lines.front(), "see");
    std::string joined;
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_LE(pdf::text_width(pdf::Helvetica, 11, lines[i]), 367);
        joined += lines[i];
    }
    EXPECT_EQ(joined, url);
}

}  // namespace
