#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pdf/doc/pdf_doc.h"
#include "tests/support/fake_platform.h"

namespace {

using pdf::PDFdoc;
using Block = PDFdoc::PdfTextBlock;

class PdfLayout : public testing_support::PlatformTest {
protected:
    const Block& last_block() const { return doc.pages.back().back(); }
    // Every line of every body page stays between the margins.
    void expect_all_lines_on_their_pages() const {
        for (const auto& page : doc.pages)
            for (const Block& b : page) {
                EXPECT_LE(b.y, 757);
                EXPECT_GE(b.last_baseline(), 84) << b.lines.front();
            }
    }
    std::string words(int count) const {
        std::string text;
        for (int i = 0; i < count; ++i) text += "word" + std::to_string(i) + " ";
        return text;
    }

    PDFdoc doc;
};

TEST_F(PdfLayout, FirstBlocksOfAPageSitBelowTheTopMargin) {
    doc.add_below("Body text", 10);
    EXPECT_EQ(last_block().y, 746);
    EXPECT_EQ(last_block().x, 59);
    doc.add_new_page();
    doc.add_header(1, "Chapter", "");
    ASSERT_EQ(doc.pages.back().size(), 2u);
    EXPECT_EQ(doc.pages.back()[0].lines, std::vector<std::string>{"1"});
    EXPECT_EQ(doc.pages.back()[0].y, 737);
    EXPECT_EQ(doc.pages.back()[1].y, 737);
    EXPECT_EQ(doc.pages.back()[1].x, 59 + 28);  // the leader indent of level 1
    doc.add_below("Next", 10);
    EXPECT_EQ(last_block().y, 737 - 13 - 10);
}

// Siblings at one depth get numbers of the same depth, whatever levels the
// headings skip, and a number never repeats.
TEST_F(PdfLayout, HeadingNumbersFollowDepthNotLevel) {
    const std::vector<std::pair<int, std::string>> sequence = {
        {1, "1"}, {3, "1.1"}, {3, "1.2"}, {2, "1.3"}, {1, "2"}, {4, "2.1"}, {6, "2.1.1"},
        {6, "2.1.2"}, {4, "2.2"}, {6, "2.2.1"}, {2, "2.3"}, {3, "2.3.1"}, {1, "3"}};
    for (const auto& [level, expected] : sequence) doc.add_header(level, "Heading", "");
    ASSERT_EQ(doc.headings.size(), sequence.size());
    for (size_t i = 0; i < sequence.size(); ++i) EXPECT_EQ(doc.headings[i].number, sequence[i].second) << i;
}

// Numbers have at most sixteen parts: headings nested deeper count on in the
// sixteenth, in order, until a shallower heading closes them.
TEST_F(PdfLayout, HeadingsBelowTheDeepestNumberedPartCountOnInIt) {
    std::string sixteen_ones = "1";
    for (int level = 2; level <= 16; ++level) sixteen_ones += ".1";
    const std::string fifteen_ones = sixteen_ones.substr(0, sixteen_ones.size() - 2);
    for (int level = 1; level <= 16; ++level) doc.add_header(level, "Heading", "");
    const std::vector<std::pair<int, std::string>> sequence = {{17, fifteen_ones + ".2"},
                                                               {30, fifteen_ones + ".3"},
                                                               {18, fifteen_ones + ".4"},
                                                               {16, fifteen_ones + ".5"},
                                                               {40, fifteen_ones + ".6"},
                                                               {15, "1.1.1.1.1.1.1.1.1.1.1.1.1.1.2"},
                                                               {20, "1.1.1.1.1.1.1.1.1.1.1.1.1.1.2.1"},
                                                               {3, "1.1.2"}};
    for (const auto& [level, expected] : sequence) doc.add_header(level, "Deep", "");
    EXPECT_EQ(doc.headings[15].number, sixteen_ones);
    for (size_t i = 0; i < sequence.size(); ++i) EXPECT_EQ(doc.headings[16 + i].number, sequence[i].second) << i;
}

TEST_F(PdfLayout, WideHeadingNumberHangsByItsWidthPlusABlank) {
    doc.add_header(1, "Chapter", "");
    for (int i = 0; i < 12; ++i) doc.add_header(4, "Deep", "");  // 1.12 at level 4
    const Block& number = doc.pages.back()[doc.pages.back().size() - 2];
    ASSERT_EQ(number.lines.front(), "1.12");
    doc.set_font(4, false);
    const int expected = std::max(static_cast<int>(doc.space_width() + doc.text_width("1.12")), 43);
    EXPECT_EQ(last_block().x - 59, expected);
}

// A page holds 50 body lines; 44 leave room for two headings but not for
// the six-line paragraph after them, which takes both headings along.
TEST_F(PdfLayout, HeadingsGoToTheNextPageWithTheTextThatFollowsThem) {
    for (int i = 0; i < 44; ++i) doc.add_below("Line", 0);
    doc.add_header(2, "Section", "section");
    doc.add_header(3, "Subsection", "");
    ASSERT_EQ(doc.pages.size(), 1u);
    doc.add_below(words(6 * 9), 10);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.pages[0].back().lines.front(), "Line");
    const auto& top = doc.pages[1];
    ASSERT_EQ(top.size(), 5u);
    EXPECT_EQ(top[0].lines.front(), "1");
    EXPECT_EQ(top[0].y, 757 - 16);
    EXPECT_EQ(top[2].lines.front(), "1.1");
    EXPECT_EQ(top[2].y, 757 - 16 - 16 - 6);
    EXPECT_EQ(top[4].y, top[2].y - 13 - 10);
    for (const auto& h : doc.headings) EXPECT_EQ(h.page, 1) << h.number;
    for (const auto& d : doc.destinations) EXPECT_EQ(d.page, 1) << d.name;
    const auto named = [&](const std::string& name) {
        return *std::find_if(doc.destinations.begin(), doc.destinations.end(),
                             [&](const auto& d) { return d.name == name; });
    };
    EXPECT_EQ(named("section").y, 757);
    EXPECT_EQ(named("header_link_1_1").y, top[2].y + 14);
}

// 48 lines leave room for a heading, not for two lines of text below it.
TEST_F(PdfLayout, HeadingWithoutRoomForTwoLinesBelowStartsTheNextPage) {
    for (int i = 0; i < 48; ++i) doc.add_below("Line", 0);
    doc.add_header(3, "Subsection", "");
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.pages[1][0].y, 757 - 14);
    EXPECT_EQ(doc.pages[0].size(), 48u);
}

// "amount of substance" needs two lines in the 80-point label column: the
// next row starts below both.
TEST_F(PdfLayout, TableRowIsAsTallAsItsTallestColumn) {
    doc.add_columns_below({"amount of substance", "mol"}, {0, 100}, 10, {}, {}, {});
    const auto& row = doc.pages.back();
    ASSERT_EQ(row.size(), 2u);
    EXPECT_EQ(row[0].lines.size(), 2u);
    EXPECT_EQ(row[1].x, 159);
    EXPECT_EQ(row[0].y, row[1].y);
    doc.add_columns_below({"UID", "value"}, {0, 100}, 0, {}, {}, {});
    EXPECT_EQ(last_block().y, row[0].last_baseline() - 13);
}

TEST_F(PdfLayout, BlockThatDoesNotFitMovesWholeToTheNextPage) {
    doc.add_below(words(40 * 9), 0);  // about 40 lines
    const int used = static_cast<int>(last_block().lines.size());
    doc.add_below(words(25 * 9), 10);
    EXPECT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(last_block().y, 746);
    EXPECT_GT(used, 30);
    expect_all_lines_on_their_pages();
}

// A block taller than a page continues from where the text stands, over as
// many pages as it needs: no blank page, no line below the margin.
TEST_F(PdfLayout, BlockTallerThanAPageIsSplitAcrossPages) {
    doc.add_below("Intro", 0);
    doc.add_below(words(150 * 9), 10);
    ASSERT_GE(doc.pages.size(), 3u);
    EXPECT_EQ(doc.pages[0][1].y, 746 - 13 - 10);  // starts right below the intro
    size_t lines = 0;
    for (const auto& page : doc.pages) {
        EXPECT_FALSE(page.empty());
        for (const Block& b : page) lines += b.lines.size();
    }
    EXPECT_GT(lines, 100u);
    expect_all_lines_on_their_pages();
    // A table row taller than a page is split the same way, columns side by side.
    doc.add_columns_below({"label", words(120 * 6)}, {0, 100}, 10, {}, {}, {});
    expect_all_lines_on_their_pages();
}

TEST_F(PdfLayout, LongUrlIsBrokenWithinTheValueColumn) {
    std::string url = "https://example.org/";
    for (int i = 0; i < 30; ++i) url += "part" + std::to_string(i) + "/";
    doc.add_columns_below({"link:", url}, {0, 100}, 10, {}, {}, {"", url});
    const Block& value = last_block();
    EXPECT_GT(value.lines.size(), 1u);
    for (const std::string& line : value.lines) EXPECT_LE(159 + doc.text_width(line), 536);
    EXPECT_EQ(value.g, 0.4);  // link blue
    ASSERT_FALSE(doc.links.empty());
    EXPECT_EQ(doc.links.back().uri, url);
    EXPECT_LE(doc.links.back().x + doc.links.back().w, 536);
}

TEST_F(PdfLayout, ParagraphGapsReplaceEmptyLines) {
    doc.add_below("\nfirst\n\nsecond", 10, "", "", false, 5);
    ASSERT_EQ(doc.pages.back().size(), 2u);
    EXPECT_EQ(doc.pages.back()[0].y, 746);  // the leading empty line is skipped
    EXPECT_EQ(doc.pages.back()[1].y, 746 - 5 - 13);
    doc.add_below("", 10);
    EXPECT_EQ(doc.pages.back().size(), 2u);
}

TEST_F(PdfLayout, InlineRunsContinueThePreviousLine) {
    doc.add_below("Start", 10);
    const Block start = last_block();
    doc.add_after("continues", "", "", "", true);
    EXPECT_EQ(last_block().y, start.y);
    EXPECT_EQ(last_block().x, 59 + doc.text_width("Start") + 3);
    // An unlinked run that runs over is split: its first line ends this line.
    doc.add_after(words(30), "", "", "", true);
    const auto& page = doc.pages.back();
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[2].y, start.y);
    EXPECT_EQ(page[3].x, 59);
    EXPECT_EQ(page[3].y, start.y - 13);
    // A linked run is never split; where it does not fit it starts the next line.
    doc.add_after("a link text that cannot follow on this line at all", "", "target", "", true);
    EXPECT_EQ(last_block().x, 59);
    EXPECT_EQ(doc.links.back().name, "target");
}

TEST_F(PdfLayout, InlineRunOnAnEmptyPageStartsAParagraph) {
    doc.add_new_page();
    doc.add_after("run", "", "", "https://example.org", false);
    EXPECT_EQ(last_block().y, 746);
    EXPECT_EQ(last_block().x, 59);
    EXPECT_EQ(doc.links.size(), 1u);
}

TEST_F(PdfLayout, MismatchedListsGiveARedErrorParagraphOnly) {
    doc.add_columns_below({"a", "b", "c"}, {0, 100}, 10, {}, {}, {});
    ASSERT_EQ(doc.pages.back().size(), 1u);
    EXPECT_EQ(last_block().lines.front(), "Error: Unequal vector size in add_columns_below().");
    EXPECT_EQ(last_block().r, 1);
    doc.add_below(std::vector<std::string>{"a", "b"}, 0, 0, {"only one"}, {});
    EXPECT_EQ(last_block().lines.front(), "Error: Unequal vector size in add_below().");
    EXPECT_TRUE(doc.destinations.empty());
}

TEST_F(PdfLayout, TitlePageAndContentsPutInFront) {
    doc.add_new_page();
    doc.add_header(1, "First chapter", "");
    doc.add_header(2, "A section with a heading long enough to need a second line in the table of contents", "");
    for (int i = 0; i < 60; ++i) doc.add_header(2, "Section", "");
    doc.add_intro_pages("Gate", "", "");
    ASSERT_GE(doc.intro_page_count, 3);  // title page and two contents pages
    const auto& title_page = doc.pages[0];
    ASSERT_FALSE(title_page.empty());
    EXPECT_EQ(title_page[0].y, 588);
    EXPECT_EQ(title_page[0].x, 59 + (477 - pdf::text_width(pdf::HelveticaBold, 30, "Gate")) / 2);
    EXPECT_EQ(title_page[1].lines.front(), "author:");
    EXPECT_EQ(title_page[2].lines.front(), "Test User");
    EXPECT_EQ(title_page[4].lines.front(), "2024-03-07");
    const auto& contents = doc.pages[1];
    EXPECT_EQ(contents[0].lines.front(), "Table of Contents");
    EXPECT_EQ(contents[0].y, 727);
    EXPECT_EQ(contents[1].y, 700);
    EXPECT_EQ(contents[3].lines.front(), "1");  // page number column
    EXPECT_EQ(contents[3].x, 513);
    EXPECT_EQ(contents[5].lines.size(), 2u);   // the long heading
    EXPECT_EQ(doc.pages[2].front().y, 729);     // second contents page
    // Each contents link opens its heading; they sit on the contents pages.
    const auto entry = std::find_if(doc.links.begin(), doc.links.end(),
                                    [](const auto& l) { return l.name == "header_link_1_1"; });
    ASSERT_NE(entry, doc.links.end());
    EXPECT_EQ(entry->page, 1 - doc.intro_page_count);
    EXPECT_EQ(entry->h, 16 + 14);
}

// Numbers of one to eight levels: the short ones share the title column, the
// wider ones keep the gap that column leaves after a four-level number.
TEST_F(PdfLayout, ContentsTitlesStartClearOfTheirNumbers) {
    doc.add_new_page();
    for (int level = 1; level <= 8; ++level) doc.add_header(level, "Title", "");
    doc.add_intro_pages("", "", "");
    const auto& contents = doc.pages[1];
    ASSERT_EQ(contents.size(), 1 + 3 * doc.headings.size());
    const int column = pdf::text_width(pdf::Helvetica, 14, "0.0.0.00");
    const int gap = pdf::text_width(pdf::Helvetica, 14, "0");
    for (size_t entry = 1; entry < contents.size(); entry += 3) {
        const Block& number = contents[entry];
        const Block& title = contents[entry + 1];
        ASSERT_EQ(title.lines.front(), "Title");
        const int number_end = number.x + pdf::text_width(pdf::Helvetica, 14, number.lines.front());
        EXPECT_GE(title.x - number_end, gap) << number.lines.front();
        EXPECT_EQ(title.x, std::max(59 + column, number_end + gap)) << number.lines.front();
    }
    EXPECT_EQ(contents.back().lines.front(), "1");  // the page column is unaffected
    EXPECT_EQ(contents[contents.size() - 3].lines.front(), "1.1.1.1.1.1.1.1");
}

}  // namespace
