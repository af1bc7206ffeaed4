// Open, save and undo of generated projects of about 1k and 10k objects
// through the main window, with everything the window rebuilds: the model,
// the left tree and the page. The model's own open and undo are measured
// beside them, so that the cost of the desktop on top of the core shows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <memory>
#include <string>

#include "bench/generated_file.h"
#include "bench/ui_bench_environment.h"
#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/app/assembly.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/qt_services.h"

namespace {

void settle() { QCoreApplication::processEvents(); }

// No dialog may wait for an answer in a benchmark: each is refused and counted.
struct RefusedDialogs : dialogs::ModalRunner {
    int count = 0;
    int run(QDialog&) override {
        ++count;
        return QDialog::Rejected;
    }
};
RefusedDialogs* refused = nullptr;

using bench_support::generated_file;
using bench_support::GeneratedFile;

// The assembled main window with the generated project opened.
struct OpenedWindow {
    explicit OpenedWindow(const GeneratedFile& file) {
        assemble_main_window(window);
        window.show();
        window.files().open_file_path(file.path);
        settle();
    }
    MainWindow window;
};

bool prepare(benchmark::State& state, const GeneratedFile& file) {
    state.SetComplexityN(static_cast<int64_t>(file.objects));
    state.counters["objects"] = static_cast<double>(file.objects);
    refused->count = 0;
    if (!file.problems.empty()) state.SkipWithError(file.problems.c_str());
    return file.problems.empty();
}

void report_dialogs(benchmark::State& state) {
    if (refused->count > 0) state.SkipWithError("a dialog came up");
}

// A one-object edit with its undo state and the rebuild a box asks for.
void edit(MainWindow& window, size_t number) {
    Node* node = std::next(GCC::RP->get_nd_map().begin(), static_cast<long>(GCC::RP->get_nd_map().size() / 2))->second;
    node->set_tooltip_txt("Edited " + std::to_string(number));
    GCC::RP->add_uid_state(node);
    window.request_tree_rebuild();
    window.request_page_rebuild(true);
    settle();
}

void BM_WindowOpen(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    if (!prepare(state, file)) return;
    OpenedWindow opened(file);
    for (auto _ : state) {
        opened.window.files().open_file_path(file.path);
        settle();
    }
    report_dialogs(state);
}

void BM_WindowSave(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    if (!prepare(state, file)) return;
    OpenedWindow opened(file);
    for (auto _ : state) {
        opened.window.set_saved(false);
        benchmark::DoNotOptimize(opened.window.files().save_to_file(false));
        settle();
    }
    report_dialogs(state);
}

void BM_WindowUndo(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    if (!prepare(state, file)) return;
    OpenedWindow opened(file);
    edit(opened.window, 1);
    for (auto _ : state) {
        opened.window.run_command(Command::Undo);
        settle();
        state.PauseTiming();
        opened.window.run_command(Command::Redo);
        settle();
        state.ResumeTiming();
    }
    report_dialogs(state);
}

// The parts of an undo through the window: the model's step alone, and the
// tree's rebuild alone.
void BM_ModelUndo(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    if (!prepare(state, file)) return;
    OpenedWindow opened(file);
    edit(opened.window, 1);
    for (auto _ : state) {
        GCC::RP->goto_previous_state();
        state.PauseTiming();
        GCC::RP->goto_next_state();
        state.ResumeTiming();
    }
}

void BM_TreeRebuild(benchmark::State& state) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    if (!prepare(state, file)) return;
    OpenedWindow opened(file);
    for (auto _ : state) {
        opened.window.request_tree_rebuild();
        settle();
    }
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity();
}

}  // namespace

BENCHMARK(BM_WindowOpen)->Apply(sizes);
BENCHMARK(BM_WindowSave)->Apply(sizes);
BENCHMARK(BM_WindowUndo)->Apply(sizes);
BENCHMARK(BM_ModelUndo)->Apply(sizes);
BENCHMARK(BM_TreeRebuild)->Apply(sizes);

int main(int argc, char** argv) {
    const UiBenchEnvironment environment;
    QApplication app(argc, argv);
    ui_platform::install_qt_services();
    auto runner = std::make_unique<RefusedDialogs>();
    refused = runner.get();
    dialogs::install_runner(std::move(runner));
    return UiBenchEnvironment::run(argc, argv);
}
