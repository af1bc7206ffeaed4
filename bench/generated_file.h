#pragma once

#include <QByteArray>
#include <filesystem>
#include <map>
#include <string>

#include "bench/bulk_project.h"
#include "core/model/process_state.h"
#include "core/model/project.h"

// The generated projects of bulk_project.h as files that the main window
// opens: each size is generated once, written into the Documents folder of
// the benchmark's home, and opened from there.
namespace bench_support {

struct GeneratedFile {
    std::filesystem::path path;
    size_t objects = 0;
    std::string problems;  // "" for a sound project written without trouble
};

inline const GeneratedFile& generated_file(size_t objects) {
    static std::map<size_t, GeneratedFile> cache;
    if (const auto found = cache.find(objects); found != cache.end()) return found->second;
    GeneratedFile file;
    const std::filesystem::path folder = std::filesystem::path(qgetenv("HOME").toStdString()) / "Documents";
    std::filesystem::create_directories(folder);
    file.path = folder / ("generated-" + std::to_string(objects) + ".xml");
    {
        Project project("Generated", "");
        file.problems = BulkProjectMaker(project, objects).make();
        file.objects = project.get_nd_map().size();
        file.problems += project.write(folder.string(), file.path.filename().string());
    }
    reset_process_state();
    return cache.emplace(objects, std::move(file)).first->second;
}

}  // namespace bench_support
