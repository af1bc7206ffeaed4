#pragma once

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "core/platform/platform.h"

namespace fuzz_support {

// Stops the run with a message when an invariant does not hold.
inline void check(bool condition, const char* what, const std::string& detail = {}) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n%s\n", what, detail.c_str());
    std::abort();
}

// A headless desktop for fuzzing: folders in a fresh temporary directory, and
// message boxes counted instead of printed (they are part of the readers' work).
class QuietPlatform : public platform::Services {
public:
    QuietPlatform() {
        std::string pattern = (std::filesystem::temp_directory_path() / "morvanta-fuzz-XXXXXX").string();
        if (char* made = mkdtemp(pattern.data())) root = made;
        std::filesystem::create_directories(root + "/Documents");
    }
    void show_message(platform::MessageKind, const std::string&, const std::string& text) override {
        ++boxes;
        last_box = text;
    }
    std::string documents_folder() override { return root + "/Documents"; }
    std::string config_folder() override { return root + "/config"; }

    std::string root;
    int boxes = 0;
    std::string last_box;
};

// Installs one QuietPlatform for the whole run and returns it.
inline QuietPlatform& quiet_platform() {
    static QuietPlatform* installed = [] {
        auto owned = std::make_unique<QuietPlatform>();
        QuietPlatform* raw = owned.get();
        platform::install(std::move(owned));
        return raw;
    }();
    return *installed;
}

}  // namespace fuzz_support
