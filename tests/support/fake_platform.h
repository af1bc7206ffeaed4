#pragma once

#include <ctime>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/platform/platform.h"

namespace testing_support {

struct RecordedMessage {
    platform::MessageKind kind;
    std::string caption;
    std::string text;
};

// A desktop that remembers what the core asked of it. Folders live in a fresh
// temporary directory that is removed with the fake.
class FakePlatform : public platform::Services {
public:
    FakePlatform();
    ~FakePlatform() override;

    void show_message(platform::MessageKind kind, const std::string& caption, const std::string& text) override;
    void set_clipboard_text(const std::string& utf8) override { clipboard = utf8; }
    std::string clipboard_text() override { return clipboard; }
    std::string open_link(const std::string& target) override;
    std::string documents_folder() override { return documents; }
    std::string config_folder() override { return config; }
    std::string user_name() override { return user; }
    std::tm local_time() override { return now; }
    std::string program_version() override { return version; }

    // Texts of the boxes with the caption "Error", in order.
    std::vector<std::string> error_texts() const;

    std::vector<RecordedMessage> messages;
    std::string clipboard;
    std::vector<std::string> opened_links;
    std::string open_link_result;  // what open_link answers
    std::string root;              // the temporary directory
    std::string documents;
    std::string config;
    std::string user = "Test User";
    std::tm now{};                 // 2024-03-07 14:05:09
    std::string version = "1.1.1.0";
};

// Installs a FakePlatform for the lifetime of each test.
class PlatformTest : public ::testing::Test {
protected:
    PlatformTest();
    ~PlatformTest() override;
    FakePlatform& fake() { return *fake_; }

private:
    FakePlatform* fake_;
};

// Reads a whole file; empty when it cannot be read.
std::string read_file(const std::string& path);

}  // namespace testing_support
