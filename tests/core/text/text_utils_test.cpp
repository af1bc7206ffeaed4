#include "core/text/text_utils.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

#define EURO "\xE2\x82\xAC"      // 3 bytes
#define E_ACUTE "\xC3\xA9"       // 2 bytes
#define GRINNING "\xF0\x9F\x98\x80"  // 4 bytes

struct CutCase {
    std::string text;
    size_t n;
    std::string expected;
};

TEST(Shortening, ToMaxLengthCutsBytesButNotCharacters) {
    const CutCase cases[] = {
        {"abcdef", 3, "abc"},
        {"abc", 3, "abc"},
        {"abc", 10, "abc"},
        {"abc", 0, ""},
        {"", 0, ""},
        {"a" EURO "b", 1, "a"},
        {"a" EURO "b", 2, "a"},  // would cut inside the euro sign
        {"a" EURO "b", 3, "a"},
        {"a" EURO "b", 4, "a" EURO},
        {E_ACUTE, 1, ""},
        {"x" GRINNING "y", 4, "x"},
        {"x" GRINNING "y", 5, "x" GRINNING},
        // Malformed text is still cut near n: stray continuation bytes are no character.
        {"\x80\x80\x80\x80\x80", 2, "\x80\x80"},
        {"ab\xE2\x82", 3, "ab"},
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_toMaxLength(c.text, c.n), c.expected) << c.text << " n " << c.n;
}

TEST(Shortening, ToMaxLengthWithPoints) {
    const CutCase cases[] = {
        {"0123456789", 8, "01234..."},
        {"0123456789", 2, "0123456789"},   // below 3 never cuts
        {"0123456789", 10, "0123456789"},  // exactly n bytes
        {"0123456789", 9, "012345..."},
        {"0123456789", 3, "..."},
        {"ab" EURO "cd", 6, "ab..."},       // the cut at 3 would split the euro sign
        {"ab" EURO "cd", 7, "ab" EURO "cd"},
        {"ab" EURO "cdef", 8, "ab" EURO "..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MyStrF::_toMaxLengthWithPoints(c.text, c.n), c.expected) << c.text << " n " << c.n;
}

TEST(Wrapping, WordsRejoinedIntoLinesOfAtMostWidth) {
    const CutCase cases[] = {
        {"aaaa bbbb cccc", 9, "aaaa bbbb\ncccc"},
        {" \n \t\r\n ", 5, ""},
        {"supercalifragilistic", 5, "supercalifragilistic"},
        {"", 5, ""},
        {"a  b\n", 0, "a  b\n"},  // width 0: unchanged
        {"one\ntwo   three", 20, "one two three"},
        {"ab cd", 5, "ab cd"},
        {"ab cd", 4, "ab\ncd"},
        {"a verylongword b", 4, "a\nverylongword\nb"},
        {E_ACUTE E_ACUTE " " E_ACUTE, 6, E_ACUTE E_ACUTE "\n" E_ACUTE},  // bytes are counted
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_WrapText(c.text, c.n), c.expected) << c.text << " width " << c.n;
}

TEST(Splitting, WordsAreRunsOfNonWhiteSpace) {
    const struct {
        std::string text;
        std::vector<std::string> words;
    } cases[] = {
        {"  a\tb\r\nc  ", {"a", "b", "c"}},
        {"", {}},
        {"\v\f \n", {}},
        {"one", {"one"}},
        {E_ACUTE " \xC2\xA0", {E_ACUTE, "\xC2\xA0"}},
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_text_to_words(c.text), c.words) << "'" << c.text << "'";
}

TEST(Splitting, LinesAtLineFeedsWithTheirCarriageReturns) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\n\nb", {"a", "", "b"}},
        {"", {}},
        {"a\n", {"a"}},
        {"a\n\n", {"a", ""}},
        {"\n", {""}},
        {"\r\n", {""}},
        {"a\rb", {"a\rb"}},
        {"a\r", {"a\r"}},
        {"a\r\r\nb", {"a\r", "b"}},
        {"x\ny", {"x", "y"}},
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_split_lines(c.text), c.lines) << "'" << c.text << "'";
}

TEST(Replacing, FirstAndAllOccurrences) {
    const struct {
        std::string text, from, to, first, all;
    } cases[] = {
        {"a-b-c", "-", "+", "a+b-c", "a+b+c"},
        {"abc", "x", "y", "abc", "abc"},
        {"abc", "", "x", "abc", "abc"},
        {"aaa", "a", "aa", "aaaa", "aaaaaa"},
        {"a-b-c", "-", "", "ab-c", "abc"},
        {"abab", "ab", "b", "bab", "bb"},
        {"xx", "x", "yx", "yxx", "yxyx"},
        {"", "a", "b", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MyStrF::_replace(c.text, c.from, c.to), c.first) << c.text << " " << c.from << " " << c.to;
        EXPECT_EQ(MyStrF::_replace_all(c.text, c.from, c.to), c.all) << c.text << " " << c.from << " " << c.to;
    }
}

TEST(Searching, PlainSubstringsPrefixesAndElements) {
    EXPECT_TRUE(MyStrF::_contains("requirement", "quire"));
    EXPECT_FALSE(MyStrF::_contains("requirement", "Quire"));
    EXPECT_TRUE(MyStrF::_contains("abc", ""));
    EXPECT_TRUE(MyStrF::_containsDomain("https://www.iso.org/standard", "iso.org"));
    EXPECT_FALSE(MyStrF::_containsDomain("https://www.iso.org", "ieee.org"));
    EXPECT_TRUE(MyStrF::_startsWith("Error: x", "Error"));
    EXPECT_FALSE(MyStrF::_startsWith("Error: x", "error"));
    EXPECT_FALSE(MyStrF::_startsWith("Err", "Error"));
    EXPECT_TRUE(MyStrF::_contains_string({"m", "km", "mm"}, "km"));
    EXPECT_FALSE(MyStrF::_contains_string({"m", "km"}, "KM"));
    EXPECT_FALSE(MyStrF::_contains_string({}, ""));
}

TEST(Searching, WholeWordSearchFindsAnyOccurrenceStandingAsAWord) {
    const struct {
        std::string text, needle;
        bool whole_word, found;
    } cases[] = {
        {"concat cat", "cat", true, true},  // the first occurrence is inside a word, the second is not
        {"concat tomcat", "cat", true, false},
        {"concat cat", "cat", false, true},
        {"(cat)", "cat", true, true},
        {"cat", "cat", true, true},
        {"cat's toy", "cat", true, true},
        {"a/cat?", "cat", true, true},
        {"x.cat,y", "cat", true, true},
        {"a:cat;", "cat", true, true},
        {"a-cat", "cat", true, false},  // '-' is no separator
        {"cats", "cat", true, false},
        {"tomcat", "cat", true, false},
        {"the\tcat", "cat", true, false},  // a tab is no blank here
        {"", "a", false, false},
        {"a", "", false, false},
        {"dog", "cat", false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MyStrF::_is_in_str(c.text, c.needle, c.whole_word), c.found)
            << "'" << c.text << "' '" << c.needle << "' " << c.whole_word;
}

TEST(Links, TrimmedOfQuotesBracketsAndWhiteSpaceThenLowerCased) {
    const struct {
        std::string link, trimmed;
    } cases[] = {
        {"  \"<HTTPS://Example.org/A>\"\n", "https://example.org/a"},
        {"'`file:///C:/Docs/Plan.PDF`'", "file:///c:/docs/plan.pdf"},
        {"'`'<> \t\r\n", ""},
        {"", ""},
        {"a \"b\" c", "a \"b\" c"},  // inner quotes stay
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_trimLink(c.link), c.trimmed) << "'" << c.link << "'";
}

}  // namespace
