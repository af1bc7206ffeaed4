#include "core/text/tag_parser.h"

#include <list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Records = std::list<std::vector<std::string>>;

TEST(ExtractTagContent, ContentAndPositionAfterTheClosingMark) {
    const struct {
        std::string text, tag;
        size_t start;
        std::string content;
        size_t position;
    } cases[] = {
        {"x<a>1</a>y", "a", 0, "1", 9},
        {"<a>1</a><a>2</a>", "a", 8, "2", 16},
        {"<a>1</a>", "a", 1, "", 1},      // no opening mark at or after the position
        {"<a>1", "a", 0, "", 0},          // unclosed
        {"<a></a>", "a", 0, "", 7},       // found, empty content
        {"<a>1</a>", "a", 100, "", 100},  // position past the end
        {"</a><a>x</a>", "a", 0, "x", 12},
        {"<A>1</A><a>2</a>", "a", 0, "2", 16},  // case-sensitive
        {"<a >1</a>", "a", 0, "", 0},           // blanks inside the brackets are not recognised
        {"<a><b>x</b></a>", "a", 0, "<b>x</b>", 15},
    };
    for (const auto& c : cases) {
        size_t position = c.start;
        EXPECT_EQ(MyStrF::_extract_tag_content(c.text, c.tag, position), c.content) << c.text;
        EXPECT_EQ(position, c.position) << c.text;
    }
}

TEST(ParseText, RecordsAndFieldsInTagOrder) {
    const std::list<std::string> tags = {"solution", "subject", "description"};
    const struct {
        std::string text;
        Records records;
    } cases[] = {
        {"Here are two options:\n<solutions><solution><description>D1</description><subject>S1</subject></solution>"
         "some other text<solution><subject>S2</subject></solution></solutions>",
         {{"S1", "D1"}, {"S2", ""}}},
        {"no records at all", {}},
        {"", {}},
        {"<solution><subject>S1</subject>", {}},  // unclosed: no record
        {"<solution><subject>A</subject></solution><solution><subject>B</subject>", {{"A", ""}}},
        // A second opening mark inside a record: the first closing mark ends it.
        {"<solution><subject>A</subject><solution><subject>B</subject></solution>", {{"A", ""}}},
        {"<solution><subject>first</subject><subject>second</subject></solution>", {{"first", ""}}},
        // Fields never reach across record boundaries.
        {"<solution><subject>A</solution><solution></subject></solution>", {{"", ""}, {"", ""}}},
        {"<Solution><subject>A</subject></Solution><solution id=\"1\"><subject>B</subject></solution>", {}},
        // Byte for byte: no trimming, no decoding, inner tags kept.
        {"<solution><subject>  A &amp; B\n</subject><description><b>x</b> &lt;</description></solution>",
         {{"  A &amp; B\n", "<b>x</b> &lt;"}}},
        {"<solution></solution><solution>text</solution>", {{"", ""}, {"", ""}}},
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_parse_text(c.text, tags), c.records) << c.text;
}

TEST(ParseText, TagListShapesTheResult) {
    const std::string text = "<r><a>1</a><b>2</b></r><r><b>3</b></r>";
    EXPECT_EQ(MyStrF::_parse_text(text, {}), Records{});
    EXPECT_EQ(MyStrF::_parse_text(text, {"r"}), (Records{{}, {}}));
    EXPECT_EQ(MyStrF::_parse_text(text, {"r", "b", "a", "b"}), (Records{{"2", "1", "2"}, {"3", "", "3"}}));
    EXPECT_EQ(MyStrF::_parse_text(text, {"a", "r"}), (Records{{""}}));
    EXPECT_EQ(MyStrF::_parse_text("<></>", {""}), (Records{{}}));
}

TEST(DecodeXmlEntities, FivePredefinedEntitiesInOnePass) {
    const struct {
        std::string text, decoded;
    } cases[] = {
        {"a &lt;b&gt; &quot;c&quot; &apos;d&apos; &amp; e", "a <b> \"c\" 'd' & e"},
        {"&amp;lt;", "&lt;"},
        {"&&amp;", "&&"},
        {"&nbsp; &#38; &AMP; &amp &lt", "&nbsp; &#38; &AMP; &amp &lt"},
        {"", ""},
        {"no entities", "no entities"},
        {"\xE2\x82\xAC&gt;&gt;", "\xE2\x82\xAC>>"},
        {"&", "&"},
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::_decode_xml_entities(c.text), c.decoded) << c.text;
}

}  // namespace
