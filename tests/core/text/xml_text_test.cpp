#include <gtest/gtest.h>

#include <string>

#include "core/text/xml_text.h"

namespace {

struct CleanCase {
    const char* name;
    std::string input;
    std::string expected;
};

class XmlClean : public ::testing::TestWithParam<CleanCase> {};

TEST_P(XmlClean, GivesWellFormedUtf8AndIsIdempotent) {
    const CleanCase& c = GetParam();
    const std::string once = MyStrF::xml_clean(c.input);
    EXPECT_EQ(once, c.expected);
    EXPECT_TRUE(MyStrF::is_xml_clean(once));
    EXPECT_EQ(MyStrF::xml_clean(once), once);
    EXPECT_EQ(MyStrF::is_xml_clean(c.input), c.input == c.expected);
}

const std::string fffd = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlClean,
    ::testing::Values(
        CleanCase{"plain", "Gate opens", "Gate opens"},
        CleanCase{"keeps_tab_newline_return", "a\tb\r\nc", "a\tb\r\nc"},
        CleanCase{"keeps_multibyte", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        CleanCase{"drops_c0_controls", std::string("a\x01" "b\x1F" "c\x0B", 6), "abc"},
        CleanCase{"drops_nul_keeps_rest", std::string("ab\0cd", 5), "abcd"},
        CleanCase{"keeps_del_and_c1", "x\x7F" "\xC2\x85" "y", "x\x7F" "\xC2\x85" "y"},
        CleanCase{"drops_fffe_ffff", "a\xEF\xBF\xBE" "b\xEF\xBF\xBF", "ab"},
        CleanCase{"lone_continuation", "a\x80" "b", "a" + fffd + "b"},
        CleanCase{"truncated_sequence_at_end", "a\xE2\x82", "a" + fffd + fffd},
        CleanCase{"overlong_slash", "\xC0\xAF", fffd + fffd},
        CleanCase{"surrogate", "\xED\xA0\x80", fffd + fffd + fffd},
        CleanCase{"above_max", "\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},
        CleanCase{"latin1_byte", "Caf\xE9!", "Caf" + fffd + "!"}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnescapeCase {
    const char* name;
    std::string escaped;
    std::string text;
    bool cleaned;
};

class XmlUnescape : public ::testing::TestWithParam<UnescapeCase> {};

TEST_P(XmlUnescape, DecodesReferencesAndCleansLikeTheWriters) {
    const UnescapeCase& c = GetParam();
    bool cleaned = !c.cleaned;
    EXPECT_EQ(MyStrF::xml_unescape(c.escaped, &cleaned), c.text);
    EXPECT_EQ(cleaned, c.cleaned);
    EXPECT_TRUE(MyStrF::is_xml_clean(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlUnescape,
    ::testing::Values(
        UnescapeCase{"entities", "&lt;a&gt; &amp; &quot;b&apos;", "<a> & \"b'", false},
        UnescapeCase{"decimal_and_hex", "&#65;&#x42;&#X43;&#x20AC;", "AB&#X43;\xE2\x82\xAC", false},
        UnescapeCase{"escaped_reference_stays_text", "&amp;#0;", "&#0;", false},
        UnescapeCase{"nul_reference_keeps_the_rest", "nul &#0; end", "nul  end", true},
        UnescapeCase{"control_references_go", "a&#1;b&#x1F;c&#9;d&#13;", "abc\td\r", true},
        UnescapeCase{"noncharacter_references_go", "a&#xFFFE;b&#65535;", "ab", true},
        UnescapeCase{"surrogate_and_huge_references", "&#xD800;|&#1114112;|&#99999999999;",
                     fffd + "|" + fffd + "|" + fffd, true},
        UnescapeCase{"not_references", "& &; &#; &#x; &#12a; &nbsp;", "& &; &#; &#x; &#12a; &nbsp;", false},
        UnescapeCase{"raw_controls_and_bad_utf8", std::string("a\x01" "b\xFF", 4), "ab" + fffd, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
