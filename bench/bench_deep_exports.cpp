// Every export of one chain of derived requirements or of sub-options, 1,000
// to 8,000 levels deep: the full and the requirements PDF report, ReqIF and
// SysML XMI, each written to a file as the export commands write it. Time and
// file size should grow linearly with the depth.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "bench/scratch_folder.h"
#include "core/io/project_reader.h"
#include "core/model/process_state.h"
#include "core/model/project.h"
#include "exports/exports.h"
#include "pdf/pdf_export.h"
#include "tests/support/core/deep_chain.h"

namespace {

using testing_support::DeepChain;

// The chain of one kind and depth, the current project until another is asked for.
Project& chain_project(DeepChain kind, int levels) {
    static std::unique_ptr<Project> project;
    static std::pair<DeepChain, int> made{};
    if (!project || made != std::pair{kind, levels}) {
        project.reset();
        reset_process_state();
        platform::install(std::make_unique<bench_support::ScratchPlatform>());
        project = std::make_unique<Project>("Deep", "");
        const std::string file = testing_support::deep_chain_file(kind, levels);
        project_file::read_project_buffer(*project, file.data(), file.size(), "deep.xml");
        made = {kind, levels};
    }
    return *project;
}

using Export = std::string (*)(Project&, const std::filesystem::path&);

void BM_DeepExport(benchmark::State& state, DeepChain kind, Export run, const char* file_name) {
    const int levels = static_cast<int>(state.range(0));
    Project& project = chain_project(kind, levels);
    const std::filesystem::path target = bench_support::scratch() / file_name;
    for (auto _ : state) {
        if (const std::string error = run(project, target); !error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
    }
    const auto objects = static_cast<double>(project.get_nd_map().size());
    const auto bytes = static_cast<double>(std::filesystem::file_size(target));
    state.counters["objects"] = objects;
    state.counters["bytes"] = bytes;
    state.counters["bytes_per_object"] = bytes / objects;
    state.SetComplexityN(levels);
}

void depths(benchmark::internal::Benchmark* b) {
    for (int levels : {1000, 4000, 8000}) b->Arg(levels);
    b->ArgName("levels")->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity();
}

constexpr DeepChain derived = DeepChain::DerivedRequirements;
constexpr DeepChain sub_options = DeepChain::SubOptions;

BENCHMARK_CAPTURE(BM_DeepExport, full_report_derived, derived, pdf::export_full_report, "full.pdf")->Apply(depths);
BENCHMARK_CAPTURE(BM_DeepExport, full_report_sub_options, sub_options, pdf::export_full_report, "full.pdf")
    ->Apply(depths);
BENCHMARK_CAPTURE(BM_DeepExport, requirements_report_derived, derived, pdf::export_requirements_report, "req.pdf")
    ->Apply(depths);
BENCHMARK_CAPTURE(BM_DeepExport, requirements_report_sub_options, sub_options, pdf::export_requirements_report,
                  "req.pdf")
    ->Apply(depths);
BENCHMARK_CAPTURE(BM_DeepExport, reqif_derived, derived, exports::export_reqif, "deep.reqif")->Apply(depths);
BENCHMARK_CAPTURE(BM_DeepExport, reqif_sub_options, sub_options, exports::export_reqif, "deep.reqif")->Apply(depths);
BENCHMARK_CAPTURE(BM_DeepExport, xmi_derived, derived, exports::export_sysml, "deep.xmi")->Apply(depths);
BENCHMARK_CAPTURE(BM_DeepExport, xmi_sub_options, sub_options, exports::export_sysml, "deep.xmi")->Apply(depths);

}  // namespace
