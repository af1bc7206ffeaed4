// Saving and opening generated projects: both should grow linearly with the
// number of objects.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/generated_project.h"
#include "core/model/process_state.h"
#include "core/platform/platform.h"

namespace {

// Keeps the user configuration and the files of the benchmark in a scratch folder.
class ScratchPlatform : public platform::Services {
public:
    ScratchPlatform() : folder(std::filesystem::temp_directory_path() / "morvanta-bench") {
        std::filesystem::create_directories(folder);
    }
    ~ScratchPlatform() override { std::filesystem::remove_all(folder); }
    std::string documents_folder() override { return folder.string(); }
    std::string config_folder() override { return folder.string(); }
    std::filesystem::path folder;
};

void BM_SaveProject(benchmark::State& state) {
    platform::install(std::make_unique<ScratchPlatform>());
    auto project = bench_support::generated_project(static_cast<size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(project->write("", "saved.xml"));
    state.SetComplexityN(state.range(0));
    project.reset();
    reset_process_state();
    platform::install(nullptr);
}

void BM_OpenProject(benchmark::State& state) {
    platform::install(std::make_unique<ScratchPlatform>());
    std::string directory;
    {
        auto project = bench_support::generated_project(static_cast<size_t>(state.range(0)));
        project->write("", "opened.xml");
        directory = project->get_directory();
    }
    auto project = std::make_unique<Project>();
    for (auto _ : state) benchmark::DoNotOptimize(project->add_from_file(directory, "opened.xml"));
    state.SetComplexityN(state.range(0));
    project.reset();
    reset_process_state();
    platform::install(nullptr);
}

}  // namespace

BENCHMARK(BM_SaveProject)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_OpenProject)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
