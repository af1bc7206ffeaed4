#include <gtest/gtest.h>

#include "core/text/clipboard.h"
#include "core/text/text_utils.h"
#include "tests/support/fake_platform.h"

namespace {

class DesktopQueries : public testing_support::PlatformTest {};

TEST_F(DesktopQueries, ClipboardCarriesUtf8BothWays) {
    const std::string text = "25 \xC2\xB0" "C, 3 \xC2\xB5m, 5 \xE2\x82\xAC\n<answer>ok</answer>";
    MyStrF::_copy_text_to_clipboard(text);
    EXPECT_EQ(fake().clipboard, text);
    EXPECT_EQ(MyStrF::_get_text_from_clipboard(), text);

    fake().clipboard = "pasted \xC3\xA9";
    EXPECT_EQ(MyStrF::_get_text_from_clipboard(), "pasted \xC3\xA9");
}

TEST_F(DesktopQueries, UserNameAndVersionWithFallbacks) {
    EXPECT_EQ(MyStrF::find_current_user_name(), "Test User");
    EXPECT_EQ(MyStrF::_get_file_version(), "1.1.1.0");
    fake().user.clear();
    fake().version.clear();
    EXPECT_EQ(MyStrF::find_current_user_name(), "UnknownUser");
    EXPECT_EQ(MyStrF::_get_file_version(), "Unknown");
}

}  // namespace
