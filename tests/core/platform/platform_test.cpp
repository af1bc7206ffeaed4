#include "core/platform/platform.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"

namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() { had_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

class HeadlessPlatform : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("morvanta-platform-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_ / "config");
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
    platform::Services headless_;
};

TEST_F(HeadlessPlatform, FoldersFollowXdgConventions) {
    ScopedEnv home("HOME", dir_.string());
    {
        ScopedEnv config("XDG_CONFIG_HOME", (dir_ / "config").string() + "/");
        EXPECT_EQ(headless_.config_folder(), (dir_ / "config").string());
        EXPECT_EQ(headless_.documents_folder(), (dir_ / "Documents").string());

        std::ofstream(dir_ / "config" / "user-dirs.dirs") << "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
        EXPECT_EQ(headless_.documents_folder(), (dir_ / "Dokumente").string());
    }
    ScopedEnv relative("XDG_CONFIG_HOME", "not/absolute");
    EXPECT_EQ(headless_.config_folder(), (dir_ / ".config").string());
}

TEST_F(HeadlessPlatform, ClipboardKeepsUtf8AndLinksAreRefused) {
    headless_.set_clipboard_text("25 \xC2\xB0" "C, 3 \xC2\xB5m, 5 \xE2\x82\xAC");
    EXPECT_EQ(headless_.clipboard_text(), "25 \xC2\xB0" "C, 3 \xC2\xB5m, 5 \xE2\x82\xAC");
    EXPECT_FALSE(headless_.open_link("https://example.org").empty());
    EXPECT_FALSE(headless_.user_name().empty());
}

// The clock's offset from UTC comes with the local time, summer time included:
// the local fields read as UTC differ from now by exactly that offset.
TEST_F(HeadlessPlatform, LocalTimeCarriesItsOffsetFromUtc) {
    for (const char* zone : {"IST-5:30", "EST5", "CET-1CEST,M3.5.0,M10.5.0/3", "UTC0"}) {
        ScopedEnv tz("TZ", zone);
        tzset();
        const std::time_t before = std::time(nullptr);
        std::tm local = headless_.local_time();
        const long offset = local.tm_gmtoff;
        const std::time_t as_utc = timegm(&local);
        EXPECT_GE(as_utc - offset, before) << zone;
        EXPECT_LE(as_utc - offset, std::time(nullptr)) << zone;
    }
    tzset();
}

TEST(InstalledPlatform, InstallReplacesAndNullRestoresDefaults) {
    auto fake = std::make_unique<testing_support::FakePlatform>();
    auto* raw = fake.get();
    platform::install(std::move(fake));
    platform::show_error("boom");
    ASSERT_EQ(raw->messages.size(), 1u);
    EXPECT_EQ(raw->messages[0].caption, "Error");
    EXPECT_EQ(raw->messages[0].text, "boom");
    platform::install(nullptr);
    EXPECT_EQ(platform::services().open_link("x"), "No desktop is available to open links.");
}

}  // namespace
