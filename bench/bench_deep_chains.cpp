// Deep graphs: opening, closing and deleting one chain of derived requirements
// or of sub-options, 1,000 to 100,000 levels deep. Every walk over the graph
// runs in a loop, so each operation should grow linearly with the depth.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>

#include "core/io/project_reader.h"
#include "core/model/option.h"
#include "core/model/process_state.h"
#include "core/model/project.h"
#include "tests/support/core/deep_chain.h"

namespace {

using testing_support::DeepChain;

// Each file is made once per process, in memory.
const std::string& chain_file(DeepChain kind, int levels) {
    static std::map<std::pair<DeepChain, int>, std::string> files;
    std::string& file = files[{kind, levels}];
    if (file.empty()) file = testing_support::deep_chain_file(kind, levels);
    return file;
}

// A new current project holding the chain.
Project* open_chain(DeepChain kind, int levels) {
    reset_process_state();
    auto* project = new Project("Deep", "");
    const std::string& file = chain_file(kind, levels);
    project_file::read_project_buffer(*project, file.data(), file.size(), "deep.xml");
    return project;
}

Option* top_option(Project& project) {
    for (const auto& [uid, node] : project.get_nd_map())
        if (node->is_opt()) return static_cast<Option*>(node);
    return nullptr;
}

void BM_OpenDeepChain(benchmark::State& state, DeepChain kind) {
    const int levels = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        reset_process_state();
        auto* project = new Project("Deep", "");
        const std::string& file = chain_file(kind, levels);
        state.ResumeTiming();
        project_file::read_project_buffer(*project, file.data(), file.size(), "deep.xml");
    }
    reset_process_state();
    state.SetComplexityN(levels);
}

void BM_CloseDeepChain(benchmark::State& state, DeepChain kind) {
    const int levels = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        open_chain(kind, levels);
        state.ResumeTiming();
        reset_process_state();
    }
    state.SetComplexityN(levels);
}

// The user deletes the top option: the whole chain below goes with it.
void BM_DeleteDeepChain(benchmark::State& state, DeepChain kind) {
    const int levels = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Project* project = open_chain(kind, levels);
        Option* top = top_option(*project);
        state.ResumeTiming();
        delete top;
    }
    reset_process_state();
    state.SetComplexityN(levels);
}

// One family per kind, so that the fitted growth is the kind's own.
void depths(benchmark::internal::Benchmark* b) {
    for (int levels : {1000, 10000, 30000, 100000}) b->Arg(levels);
    b->ArgName("levels")->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity();
}

BENCHMARK_CAPTURE(BM_OpenDeepChain, derived, DeepChain::DerivedRequirements)->Apply(depths);
BENCHMARK_CAPTURE(BM_OpenDeepChain, sub_options, DeepChain::SubOptions)->Apply(depths);
BENCHMARK_CAPTURE(BM_CloseDeepChain, derived, DeepChain::DerivedRequirements)->Apply(depths);
BENCHMARK_CAPTURE(BM_CloseDeepChain, sub_options, DeepChain::SubOptions)->Apply(depths);
BENCHMARK_CAPTURE(BM_DeleteDeepChain, derived, DeepChain::DerivedRequirements)->Apply(depths);
BENCHMARK_CAPTURE(BM_DeleteDeepChain, sub_options, DeepChain::SubOptions)->Apply(depths);

}  // namespace
