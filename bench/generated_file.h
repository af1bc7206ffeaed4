#pragma once

#include <QByteArray>
#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "bench/bulk_project.h"
#include "core/model/process_state.h"
#include "core/model/project.h"

// The generated projects of bulk_project.h as files that the main window
// opens: each size is generated once, written into the Documents folder of
// the benchmark's home, and opened from there. A twin holds the same project
// under other uids, so that opening it after the first keeps nothing shown.
namespace bench_support {

struct GeneratedFile {
    std::filesystem::path path;
    size_t objects = 0;
    std::string problems;  // "" for a sound project written without trouble
};

inline const GeneratedFile& generated_file(size_t objects, bool twin = false) {
    static std::map<std::pair<size_t, bool>, GeneratedFile> cache;
    if (const auto found = cache.find({objects, twin}); found != cache.end()) return found->second;
    GeneratedFile file;
    const std::filesystem::path folder = std::filesystem::path(qgetenv("HOME").toStdString()) / "Documents";
    std::filesystem::create_directories(folder);
    file.path = folder / ("generated-" + std::to_string(objects) + (twin ? "-twin" : "") + ".xml");
    {
        Project project("Generated", "");
        file.problems = twin ? BulkProjectMaker(project, objects, "2025_11_20_09_30_41").make()
                             : BulkProjectMaker(project, objects).make();
        file.objects = project.get_nd_map().size();
        file.problems += project.write(folder.string(), file.path.filename().string());
    }
    reset_process_state();
    return cache.emplace(std::pair(objects, twin), std::move(file)).first->second;
}

}  // namespace bench_support
