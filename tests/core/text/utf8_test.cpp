#include <string>

#include <gtest/gtest.h>

#include "core/text/text_utils.h"

namespace {

TEST(Utf8ToWinAnsi, LatinOneAndTheWindowsRow) {
    const struct {
        std::string utf8, winansi;
    } cases[] = {
        {"abc", "abc"},
        {"", ""},
        {"\xC3\xA9", "\xE9"},                  // é
        {"\xC2\xA0\xC2\xB0\xC2\xB5", "\xA0\xB0\xB5"},  // no-break space, °, µ
        {"\xE2\x82\xAC", "\x80"},              // €
        {"\xE2\x80\x93", "\x96"},              // en dash
        {"\xE2\x80\x9C" "x" "\xE2\x80\x9D", "\x93x\x94"},
        {"\xC5\x92\xC5\x93\xC5\xB8", "\x8C\x9C\x9F"},  // Œ œ Ÿ
        {"\xC6\x92\xCB\x86\xCB\x9C", "\x83\x88\x98"},  // ƒ ˆ ˜
        {"\xC5\xBD\xC5\xBE", "??"},            // Ž ž have no place
        {"\xE4\xB8\xAD", "?"},                 // a CJK character
        {"\xF0\x9F\x98\x80", "????"},          // four-byte characters give one '?' per byte
        {"\x80x", "?x"},                       // continuation byte on its own
        {"x\xC3", "x?"},                       // cut short by the end
        {"\xE2\x82", "??"},
        {"\xC3(", "\xE8"},                     // the byte after a lead is taken unchecked
    };
    for (const auto& c : cases) EXPECT_EQ(MyStrF::utf8_to_winansi(c.utf8), c.winansi) << c.utf8;
}

TEST(Utf8ToWide, StrictConversion) {
    EXPECT_EQ(MyStrF::utf8_to_wide(""), u"");
    EXPECT_EQ(MyStrF::utf8_to_wide("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"a\u00E9\u20AC\U0001F600");
    EXPECT_EQ(MyStrF::utf8_to_wide("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
    EXPECT_EQ(MyStrF::utf8_to_wide("\xEF\xBF\xBF"), u"\uFFFF");
    EXPECT_EQ(MyStrF::utf8_to_wide(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));

    const std::string invalid[] = {
        "\xC0\x80",          // overlong NUL
        "\xC1\xBF",          // overlong
        "\xE0\x80\x80",      // overlong
        "\xF0\x8F\xBF\xBF",  // overlong
        "\xED\xA0\x80",      // surrogate
        "\xED\xBF\xBF",      // surrogate
        "\xF4\x90\x80\x80",  // above U+10FFFF
        "\xF8\x88\x80\x80\x80",
        "\xC3",              // truncated
        "\xE2\x82",
        "ok\xF0\x9F\x98",
        "a\x80",             // stray continuation
        "\xE2\x28\xA1",      // bad continuation
        "\xFF",
    };
    for (const auto& text : invalid) EXPECT_EQ(MyStrF::utf8_to_wide(text), u"") << text;
}

}  // namespace
