// Geometry of each tab page for generated projects whose page shows about
// 100, 1,000 and 5,000 boxes. Linear work shows as a constant time per box
// ("per_box") across the sizes.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/page_projects.h"
#include "ui/geometry/pages.h"

namespace {

using page_geometry::TabPage;

const page_geometry::CanvasFont font{16, {}};

// The project behind one benchmark, kept while the same one runs again; a
// new project replaces the current one, so the old one goes first.
bench_support::PageProject subject;
std::string subject_key;

const bench_support::PageProject& subject_for(TabPage page, int64_t boxes) {
    const std::string key = std::to_string(static_cast<int>(page)) + "/" + std::to_string(boxes);
    if (key == subject_key) return subject;
    subject = {};
    subject_key = key;
    subject = bench_support::page_project(page, boxes);
    return subject;
}

void PageGeometry(benchmark::State& state, TabPage page) {
    const bench_support::PageProject& s = subject_for(page, state.range(0));
    // After the first drawing the V-diagram's automatic choices are recorded;
    // every later drawing finds them.
    page_geometry::record_shown_choices(*s.project, page_geometry::layout_page(page, s.selected, font));
    size_t boxes = 0;
    size_t lines = 0;
    for (auto _ : state) {
        const auto geometry = page_geometry::layout_page(page, s.selected, font);
        boxes = geometry.boxes.size();
        lines = geometry.lines.size();
        benchmark::DoNotOptimize(geometry.boxes.data());
    }
    state.SetComplexityN(static_cast<int64_t>(boxes));
    state.counters["boxes"] = static_cast<double>(boxes);
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["objects"] = static_cast<double>(s.project->get_nd_map().size());
    state.counters["per_box"] = benchmark::Counter(static_cast<double>(boxes),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
}

BENCHMARK_CAPTURE(PageGeometry, Project, TabPage::Project)->Apply(sizes);
BENCHMARK_CAPTURE(PageGeometry, Problems, TabPage::Problems)->Apply(sizes);
BENCHMARK_CAPTURE(PageGeometry, Options, TabPage::Options)->Apply(sizes);
BENCHMARK_CAPTURE(PageGeometry, Validation, TabPage::Validation)->Apply(sizes);
BENCHMARK_CAPTURE(PageGeometry, Requirements, TabPage::Requirements)->Apply(sizes);
BENCHMARK_CAPTURE(PageGeometry, VDiagram, TabPage::VDiagram)->Apply(sizes);

}  // namespace
