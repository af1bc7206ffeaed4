// Both interchange exports on generated projects of about 1k, 10k and 100k
// objects; pugixml alone saving the same documents is the yardstick. Every
// operation should grow linearly.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string>

#include <pugixml.hpp>

#include "bench/bulk_project.h"
#include "bench/scratch_folder.h"
#include "core/chapters/chapter_walk.h"
#include "core/chapters/export_display_filter.h"
#include "core/model/process_state.h"
#include "exports/exports.h"
#include "exports/reqif/reqif_document.h"
#include "exports/sysml/sysml_document.h"
#include "exports/xml_writing.h"

namespace {

using bench_support::scratch;

// A generated project, the current project while it lives.
struct Generated {
    explicit Generated(size_t objects) {
        platform::install(std::make_unique<bench_support::ScratchPlatform>());
        project = std::make_unique<Project>("Generated", "");
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

const std::string stamp = "2024-03-07T14:05:09.000+01:00";

pugi::xml_document reqif_document(Project& project) { return exports::reqif::build_document(project, stamp); }

// ---- Whole exports: built, serialised and written through the atomic replacement ----

void BM_ExportReqif(benchmark::State& state) {
    Generated generated(static_cast<size_t>(state.range(0)));
    if (!prepare(state, generated)) return;
    for (auto _ : state) benchmark::DoNotOptimize(exports::export_reqif(*generated.project, scratch() / "bench.reqif"));
}

void BM_ExportSysml(benchmark::State& state) {
    Generated generated(static_cast<size_t>(state.range(0)));
    if (!prepare(state, generated)) return;
    for (auto _ : state) benchmark::DoNotOptimize(exports::export_sysml(*generated.project, scratch() / "bench.xmi"));
}

// ---- The documents built and serialised in memory ----

void BM_ReqifInMemory(benchmark::State& state) {
    Generated generated(static_cast<size_t>(state.range(0)));
    if (!prepare(state, generated)) return;
    chapters::ExportDisplayFilter filter(generated.project->get_settings());
    for (auto _ : state) benchmark::DoNotOptimize(exports::xml::text_of(reqif_document(*generated.project), "\t"));
}

void BM_SysmlInMemory(benchmark::State& state) {
    Generated generated(static_cast<size_t>(state.range(0)));
    if (!prepare(state, generated)) return;
    chapters::ExportDisplayFilter filter(generated.project->get_settings());
    for (auto _ : state)
        benchmark::DoNotOptimize(exports::xml::text_of(exports::sysml::build_document(*generated.project), "  "));
}

// The six chapter walks of the ReqIF hierarchy and the SysML views, events only.
void BM_ChapterWalks(benchmark::State& state) {
    struct Count : chapters::ChapterVisitor {
        void heading(const chapters::Heading&) override { ++events; }
        void end_section() override { ++events; }
        void intro(const chapters::Intro&) override { ++events; }
        void ref(const chapters::Ref&) override { ++events; }
        size_t events = 0;
    };
    Generated generated(static_cast<size_t>(state.range(0)));
    if (!prepare(state, generated)) return;
    chapters::ExportDisplayFilter filter(generated.project->get_settings());
    for (auto _ : state) {
        Count count;
        chapters::walk_chapters(*generated.project, chapters::Style::interchange, count);
        benchmark::DoNotOptimize(count.events);
    }
}

// ---- The yardstick: pugixml saving the same documents to a file ----

void BM_PugixmlSaveReqif(benchmark::State& state) {
    Generated generated(static_cast<size_t>(state.range(0)));
    if (!prepare(state, generated)) return;
    pugi::xml_document document;
    {
        chapters::ExportDisplayFilter filter(generated.project->get_settings());
        document = reqif_document(*generated.project);
    }
    const std::string path = (scratch() / "pugixml.reqif").string();
    for (auto _ : state)
        benchmark::DoNotOptimize(document.save_file(path.c_str(), "\t", pugi::format_indent, pugi::encoding_utf8));
}

void BM_PugixmlSaveSysml(benchmark::State& state) {
    Generated generated(static_cast<size_t>(state.range(0)));
    if (!prepare(state, generated)) return;
    pugi::xml_document document;
    {
        chapters::ExportDisplayFilter filter(generated.project->get_settings());
        document = exports::sysml::build_document(*generated.project);
    }
    const std::string path = (scratch() / "pugixml.xmi").string();
    for (auto _ : state)
        benchmark::DoNotOptimize(document.save_file(path.c_str(), "  ", pugi::format_indent, pugi::encoding_utf8));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity();
}

BENCHMARK(BM_ExportReqif)->Apply(sizes);
BENCHMARK(BM_ReqifInMemory)->Apply(sizes);
BENCHMARK(BM_PugixmlSaveReqif)->Apply(sizes);
BENCHMARK(BM_ExportSysml)->Apply(sizes);
BENCHMARK(BM_SysmlInMemory)->Apply(sizes);
BENCHMARK(BM_PugixmlSaveSysml)->Apply(sizes);
BENCHMARK(BM_ChapterWalks)->Apply(sizes);

}  // namespace
