#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/platform/platform.h"
#include "core/text/number_format.h"

namespace bench_support {

// One scratch folder per benchmark process, removed when the process ends.
struct ScratchFolder {
    ScratchFolder()
        : path(std::filesystem::temp_directory_path() / ("morvanta-bench-" + MyStrF::_intToStringWithLength(static_cast<int>(::getpid()), 1))) {
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

inline const std::filesystem::path& scratch() {
    static const ScratchFolder folder;
    return folder.path;
}

// A desktop whose Documents and configuration folders are the scratch folder.
class ScratchPlatform : public platform::Services {
public:
    std::string documents_folder() override { return scratch().string(); }
    std::string config_folder() override { return scratch().string(); }
};

}  // namespace bench_support
