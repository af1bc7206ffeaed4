// The rebuild of each tab page on the main window's canvas after a trivial
// edit, for generated projects whose page shows about 100, 1,000 and 5,000
// boxes: the page's layout, one scene item per box, connector and label, the
// release of the previous page's items and the repaint of the visible part.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/page_window.h"
#include "ui/boxes/object_box.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"

namespace {

MainWindow* window = nullptr;
std::string shown_key;

using bench_support::settle;

// Puts the generated project for the page into the window, drawn once.
void show_project(TabPage page, int64_t boxes) {
    const std::string key = std::to_string(static_cast<int>(page)) + "/" + std::to_string(boxes);
    if (key == shown_key) return;
    shown_key = key;
    bench_support::show_page_project(*window, page, boxes);
}

size_t item_count(QGraphicsScene& scene, int type) {
    size_t count = 0;
    for (const QGraphicsItem* item : scene.items())
        if (item->type() == type) ++count;
    return count;
}

void PageRebuild(benchmark::State& state, TabPage page) {
    show_project(page, state.range(0));
    bool flip = false;
    for (auto _ : state) {
        // A trivial edit: the project's tooltip, which no box shows.
        GCC::RP->set_tooltip_txt((flip = !flip) ? "a" : "b");
        window->request_page_rebuild(true);
        settle();
        window->canvas()->viewport()->repaint();
    }
    const size_t boxes = item_count(*window->canvas()->scene(), ObjectBox::Type);
    state.SetComplexityN(static_cast<int64_t>(boxes));
    state.counters["boxes"] = static_cast<double>(boxes);
    state.counters["items"] = static_cast<double>(window->canvas()->scene()->items().size());
    state.counters["per_box"] = benchmark::Counter(static_cast<double>(boxes),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity(benchmark::oN);
}

BENCHMARK_CAPTURE(PageRebuild, Project, TabPage::Project)->Apply(sizes);
BENCHMARK_CAPTURE(PageRebuild, Problems, TabPage::Problems)->Apply(sizes);
BENCHMARK_CAPTURE(PageRebuild, Options, TabPage::Options)->Apply(sizes);
BENCHMARK_CAPTURE(PageRebuild, Validation, TabPage::Validation)->Apply(sizes);
BENCHMARK_CAPTURE(PageRebuild, Requirements, TabPage::Requirements)->Apply(sizes);
BENCHMARK_CAPTURE(PageRebuild, VDiagram, TabPage::VDiagram)->Apply(sizes);

}  // namespace

int main(int argc, char** argv) {
    return bench_support::run_with_page_window(argc, argv, [](MainWindow* shown) { window = shown; });
}
