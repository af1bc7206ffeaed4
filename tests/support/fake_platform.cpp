#include "tests/support/fake_platform.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace testing_support {

FakePlatform::FakePlatform() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvanta-test-XXXXXX").string();
    if (char* made = mkdtemp(pattern.data())) root = made;
    documents = root + "/Documents";
    config = root + "/config";
    std::filesystem::create_directories(documents);
    now.tm_year = 2024 - 1900;
    now.tm_mon = 2;
    now.tm_mday = 7;
    now.tm_hour = 14;
    now.tm_min = 5;
    now.tm_sec = 9;
}

FakePlatform::~FakePlatform() {
    std::error_code ignored;
    if (!root.empty()) std::filesystem::remove_all(root, ignored);
}

void FakePlatform::show_message(platform::MessageKind kind, const std::string& caption, const std::string& text) {
    messages.push_back({kind, caption, text});
}

std::string FakePlatform::open_link(const std::string& target) {
    opened_links.push_back(target);
    return open_link_result;
}

std::vector<std::string> FakePlatform::error_texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages)
        if (m.caption == "Error") texts.push_back(m.text);
    return texts;
}

PlatformTest::PlatformTest() {
    auto fake = std::make_unique<FakePlatform>();
    fake_ = fake.get();
    platform::install(std::move(fake));
}

PlatformTest::~PlatformTest() { platform::install(nullptr); }

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace testing_support
