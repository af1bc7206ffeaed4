// The recovery copy kept while work is unsaved, on generated projects of about
// 1k and 10k objects: the share of the window's thread (the project text,
// handed to the writer) and the share of the writer's thread (the file
// replaced atomically and flushed to the disk).
#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "bench/bulk_project.h"
#include "bench/scratch_folder.h"
#include "core/io/project_writer.h"
#include "core/model/process_state.h"
#include "core/settings/replace_file.h"
#include "ui/files/recovery_writer.h"

namespace {

using bench_support::scratch;

// The generated project, the current project while it lives.
struct Generated {
    explicit Generated(size_t objects) : project(std::make_unique<Project>("Generated", "")) {
        platform::install(std::make_unique<bench_support::ScratchPlatform>());
        problems = bench_support::BulkProjectMaker(*project, objects).make();
    }
    ~Generated() {
        project.reset();
        reset_process_state();
    }
    std::unique_ptr<Project> project;
    std::string problems;
};

bool prepare(benchmark::State& state, const Generated& generated) {
    const size_t objects = generated.project->get_nd_map().size();
    state.SetComplexityN(static_cast<int64_t>(objects));
    state.counters["objects"] = static_cast<double>(objects);
    if (generated.problems.empty()) return true;
    state.SkipWithError(generated.problems.c_str());
    return false;
}

// What the window's thread pays for one copy: the project text, moved to the
// writer, which writes it meanwhile on its own thread.
void BM_RecoverySnapshot(benchmark::State& state) {
    Generated generated(static_cast<size_t>(state.range(0)));
    if (!prepare(state, generated)) return;
    recovery::RecoveryWriter writer([](const std::string&) {});
    const std::string path = (scratch() / "snapshot_recover.xml").string();
    for (auto _ : state) writer.write(path, project_file::project_file_text(*generated.project));
    writer.wait_idle();  // untimed: the loop has ended
}

// What the writer's thread pays for one copy.
void BM_RecoveryWrite(benchmark::State& state) {
    Generated generated(static_cast<size_t>(state.range(0)));
    if (!prepare(state, generated)) return;
    const std::string text = project_file::project_file_text(*generated.project);
    const std::string path = (scratch() / "written_recover.xml").string();
    state.counters["bytes"] = static_cast<double>(text.size());
    for (auto _ : state) benchmark::DoNotOptimize(settings_io::replace_file(path, text));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity();
}

}  // namespace

BENCHMARK(BM_RecoverySnapshot)->Apply(sizes);
BENCHMARK(BM_RecoveryWrite)->Apply(sizes);
