// Fuzzes the reader of the user configuration file: any bytes are put where
// the file lives and read into settings. Checked: nothing crashes; the font
// size stays within its limits; the colours and the font size that were read
// survive being written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/platform/platform.h"
#include "core/settings/project_settings.h"
#include "fuzz/fuzz_support.h"

namespace {

using fuzz_support::check;


bool same_appearance(const ProjectSettings& a, const ProjectSettings& b) {
    ProjectSettings left = a;
    ProjectSettings right = b;
    left.recent_files.clear();
    right.recent_files.clear();
    return left == right;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_support::quiet_platform();
    const std::filesystem::path file = ProjectSettings::get_config_file_path();
    check(!file.empty(), "no configuration file path");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ProjectSettings read;
    if (read.import_settings_from_config()) {
        check(read.font_size >= read.min_font_size && read.font_size <= read.max_font_size,
              "font size outside its limits");
        check(read.export_settings_to_config().empty(), "the configuration could not be written");
        ProjectSettings again;
        check(again.import_settings_from_config(), "the written configuration could not be read");
        check(same_appearance(read, again), "colours or font size changed by writing and reading");
    }
    return 0;
}
