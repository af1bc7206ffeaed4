// The left object tree brought up to date after a one-object edit, an undo
// and a redo, for generated projects of about 1k, 10k and 25k objects in the
// assembled main window. Only the tree's own update is timed; the model's
// edit, undo and redo run with the clock paused.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <iterator>
#include <string>

#include "bench/bulk_project.h"
#include "bench/ui_bench_environment.h"
#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/app/assembly.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/qt_services.h"
#include "ui/tree/object_tree.h"

namespace {

MainWindow* window = nullptr;
ObjectTree* tree = nullptr;
size_t shown_size = 0;

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Puts a generated project of about `objects` objects into the window, with
// its history starting there and the tree and the page drawn once.
bool show_project(benchmark::State& state, size_t objects) {
    if (objects != shown_size) {
        delete GCC::RP;
        auto* project = new Project("Generated", "");
        if (const std::string problems = bench_support::BulkProjectMaker(*project, objects).make(); !problems.empty()) {
            state.SkipWithError(problems.c_str());
            return false;
        }
        project->restart_history();
        window->adopt_new_project();
        settle();
        shown_size = objects;
    }
    state.SetComplexityN(static_cast<int64_t>(GCC::RP->get_nd_map().size()));
    state.counters["objects"] = static_cast<double>(GCC::RP->get_nd_map().size());
    return true;
}

// The object in the middle of the registry.
Node* middle_object() {
    const auto& registry = GCC::RP->get_nd_map();
    return std::next(registry.begin(), static_cast<long>(registry.size() / 2))->second;
}

// Renames the middle object, with its undo state.
void edit(int number) {
    Node* node = middle_object();
    node->set_subject("renamed " + std::to_string(number), false);
    GCC::RP->add_uid_state(node);
}

void TreeAfterEdit(benchmark::State& state) {
    if (!show_project(state, static_cast<size_t>(state.range(0)))) return;
    int number = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit(++number);
        state.ResumeTiming();
        tree->rebuild(false);
    }
}

void step(bool undo) {
    if (undo)
        GCC::RP->goto_previous_state();
    else
        GCC::RP->goto_next_state();
}

// Times the tree after an undo or a redo of a one-object edit; the opposite
// step brings the model and the tree back, untimed.
void TreeAfterStep(benchmark::State& state, bool undo) {
    if (!show_project(state, static_cast<size_t>(state.range(0)))) return;
    edit(0);
    if (!undo) step(true);
    tree->rebuild(false);
    for (auto _ : state) {
        state.PauseTiming();
        step(undo);
        state.ResumeTiming();
        tree->rebuild(false);
        state.PauseTiming();
        step(!undo);
        tree->rebuild(false);
        state.ResumeTiming();
    }
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(25000)->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity(benchmark::oN);
}

BENCHMARK(TreeAfterEdit)->Apply(sizes);
BENCHMARK_CAPTURE(TreeAfterStep, Undo, true)->Apply(sizes);
BENCHMARK_CAPTURE(TreeAfterStep, Redo, false)->Apply(sizes);

}  // namespace

int main(int argc, char** argv) {
    const UiBenchEnvironment environment;
    QApplication app(argc, argv);
    ui_platform::install_qt_services();
    MainWindow main_window;
    assemble_main_window(main_window);
    tree = main_window.tree_area()->findChild<ObjectTree*>();
    main_window.resize(1600, 1000);
    main_window.show();
    settle();
    window = &main_window;
    const int code = UiBenchEnvironment::run(argc, argv);
    window = nullptr;
    return code;
}
