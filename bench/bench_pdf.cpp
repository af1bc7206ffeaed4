// The two PDF reports of generated projects of about 1k, 10k and 100k
// objects, written to a file as the export command writes them; qpdf
// rewriting the produced file is the yardstick. Pages per second should stay
// about the same at every size (linear growth).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench/bulk_project.h"
#include "bench/scratch_folder.h"
#include "core/model/process_state.h"
#include "core/text/number_format.h"
#include "pdf/reports/export_pdf.h"
#include "pdf/reports/export_req_pdf.h"

namespace {

std::string decimal(size_t value) { return MyStrF::_intToStringWithLength(static_cast<int>(value), 1); }

// The generated project of one size, kept current until another size is asked for.
Project& generated_project(size_t objects) {
    static std::unique_ptr<Project> project;
    static size_t size = 0;
    if (!project || size != objects) {
        project.reset();
        reset_process_state();
        platform::install(std::make_unique<bench_support::ScratchPlatform>());
        project = std::make_unique<Project>("Generated", "");
        bench_support::BulkProjectMaker(*project, objects).make();
        size = objects;
    }
    return *project;
}

std::string report_name(const char* kind, size_t objects) { return std::string(kind) + "-" + decimal(objects) + ".pdf"; }

// One export per iteration; counters give the pages and their rate.
template <class Report>
void run_report(benchmark::State& state, const char* kind) {
    const auto objects = static_cast<size_t>(state.range(0));
    Project& project = generated_project(objects);
    const std::string directory = bench_support::scratch().string();
    size_t pages = 0;
    for (auto _ : state) {
        Report report;
        if (std::string error = report.export_pdf(directory, report_name(kind, objects)); !error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
        pages = report.pages.size();
    }
    state.counters["objects"] = static_cast<double>(project.get_nd_map().size());
    state.counters["pages"] = static_cast<double>(pages);
    state.counters["pages_per_s"] =
        benchmark::Counter(static_cast<double>(pages * state.iterations()), benchmark::Counter::kIsRate);
    state.SetComplexityN(static_cast<int64_t>(project.get_nd_map().size()));
}

void BM_FullReport(benchmark::State& state) { run_report<pdf::ExportPDF>(state, "full"); }
void BM_RequirementsReport(benchmark::State& state) { run_report<pdf::ExportReqPDF>(state, "requirements"); }

// Yardstick: qpdf reading the full report of that size and writing it again.
void BM_QpdfRewrite(benchmark::State& state) {
    const auto objects = static_cast<size_t>(state.range(0));
    const Project& project = generated_project(objects);
    const std::string directory = bench_support::scratch().string();
    const std::string source = directory + "/" + report_name("full", objects);
    pdf::ExportPDF report;
    if (std::string error = report.export_pdf(directory, report_name("full", objects)); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    const std::string command = "qpdf '" + source + "' '" + directory + "/rewritten.pdf'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("qpdf failed");
            return;
        }
    state.counters["pages"] = static_cast<double>(report.pages.size());
    state.SetComplexityN(static_cast<int64_t>(project.get_nd_map().size()));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity();
}

BENCHMARK(BM_FullReport)->Apply(sizes);
BENCHMARK(BM_QpdfRewrite)->Apply(sizes);
BENCHMARK(BM_RequirementsReport)->Apply(sizes);

}  // namespace
