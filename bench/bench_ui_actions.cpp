// The common actions of a user through the main window (offscreen, 1600 x
// 1000) on the generated projects of about 1k, 10k and 25k objects: open to
// the first drawn page, switching pages (to a page shown before, the first
// time after an open, and back to a page after an edit on another), the page
// after a one-object edit, the edit with the tree and the page, undo, redo, a
// zoom step and a scroll step, each with the repaint of the visible canvas.
// The floor of a page is measured in the same run: a bare QGraphicsScene
// filled with the same items.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QGraphicsScene>
#include <QWheelEvent>
#include <memory>
#include <string>

#include "bench/generated_file.h"
#include "bench/page_window.h"
#include "bench/ui_bench_environment.h"
#include "core/constants/gcc.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "ui/app/assembly.h"
#include "ui/boxes/box_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/geometry/pages.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/pages/canvas_font.h"
#include "ui/pages/page_items.h"
#include "ui/platform/qt_services.h"

namespace {

using bench_support::generated_file;
using bench_support::GeneratedFile;
using bench_support::settle;

// No dialog may wait for an answer in a benchmark: each is refused and counted.
struct RefusedDialogs : dialogs::ModalRunner {
    int count = 0;
    int run(QDialog&) override {
        ++count;
        return QDialog::Rejected;
    }
};
RefusedDialogs* refused = nullptr;

MainWindow* window = nullptr;

void repaint() { window->canvas()->viewport()->repaint(); }

// The generated project of the size opened in the window on the page, drawn;
// false (the benchmark skipped) when the project could not be made.
bool open_on_page(benchmark::State& state, TabPage page) {
    const GeneratedFile& file = generated_file(static_cast<size_t>(state.range(0)));
    state.SetComplexityN(static_cast<int64_t>(file.objects));
    state.counters["objects"] = static_cast<double>(file.objects);
    if (!file.problems.empty()) {
        state.SkipWithError(file.problems.c_str());
        return false;
    }
    // The previous benchmark's edits are dropped without the question whether to save them.
    window->set_saved(true);
    refused->count = 0;
    window->files().open_file_path(file.path);
    settle();
    window->activate_page(page);
    settle();
    repaint();
    return true;
}

void report(benchmark::State& state) {
    if (refused->count > 0) state.SkipWithError("a dialog came up");
}

// The option in the middle of the registry: a box of the Options page.
Option* middle_option() {
    Option* found = nullptr;
    size_t seen = 0;
    const size_t middle = GCC::RP->get_nd_map().size() / 2;
    for (const auto& [uid, node] : GCC::RP->get_nd_map()) {
        if (auto* option = dynamic_cast<Option*>(node)) found = option;
        if (++seen >= middle && found) break;
    }
    return found;
}

// A one-object edit with its undo state, as a box makes it.
void edit(int number) {
    Option* option = middle_option();
    option->set_tooltip_txt("Edited " + std::to_string(number));
    GCC::RP->add_uid_state(option);
}

// The generated file of the benchmark's size and its twin under other uids,
// opened by turns: reopening the file shown would keep every box and row,
// which no user opening another project sees.
class AlternateFiles {
public:
    explicit AlternateFiles(benchmark::State& state)
        : files_{&generated_file(static_cast<size_t>(state.range(0)), true),
                 &generated_file(static_cast<size_t>(state.range(0)))} {
        if (!files_[0]->problems.empty()) state.SkipWithError(files_[0]->problems.c_str());
    }
    bool usable() const { return files_[0]->problems.empty(); }
    void open_next() {
        window->set_saved(true);
        window->files().open_file_path(files_[next_]->path);
        next_ = 1 - next_;
    }

private:
    const GeneratedFile* files_[2];
    int next_ = 0;
};

// Opening from the Options page (drawn untimed), whose items go with the
// project they showed.
void OpenToFirstPage(benchmark::State& state) {
    if (!open_on_page(state, TabPage::Options)) return;
    AlternateFiles files(state);
    if (!files.usable()) return;
    for (auto _ : state) {
        state.PauseTiming();
        window->activate_page(TabPage::Options);
        settle();
        repaint();
        state.ResumeTiming();
        files.open_next();
        settle();
        repaint();
    }
    report(state);
}

// A switch to a page shown before (its first showing untimed); the switch back untimed.
void SwitchPage(benchmark::State& state, TabPage from, TabPage to) {
    if (!open_on_page(state, from)) return;
    window->activate_page(to);
    settle();
    window->activate_page(from);
    settle();
    for (auto _ : state) {
        window->activate_page(to);
        settle();
        repaint();
        state.PauseTiming();
        window->activate_page(from);
        settle();
        state.ResumeTiming();
    }
    report(state);
}

// The first switch to a page after opening a project, which makes all of
// its items; the opening untimed.
void FirstSwitch(benchmark::State& state, TabPage from, TabPage to) {
    if (!open_on_page(state, from)) return;
    AlternateFiles files(state);
    if (!files.usable()) return;
    for (auto _ : state) {
        state.PauseTiming();
        files.open_next();
        settle();
        window->activate_page(from);
        settle();
        repaint();
        state.ResumeTiming();
        window->activate_page(to);
        settle();
        repaint();
    }
    report(state);
}

// The switch back to a page shown before, after a one-object edit (untimed,
// with its tree and page) on the page switched from.
void SwitchPageAfterEdit(benchmark::State& state, TabPage from, TabPage to) {
    if (!open_on_page(state, to)) return;
    window->activate_page(from);
    settle();
    int number = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit(++number);
        window->request_tree_rebuild();
        window->request_page_rebuild(true);
        settle();
        state.ResumeTiming();
        window->activate_page(to);
        settle();
        repaint();
        state.PauseTiming();
        window->activate_page(from);
        settle();
        state.ResumeTiming();
    }
    report(state);
}

void PageAfterEdit(benchmark::State& state, TabPage page) {
    if (!open_on_page(state, page)) return;
    int number = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit(++number);
        state.ResumeTiming();
        window->request_page_rebuild(true);
        settle();
        repaint();
    }
    report(state);
}

// The edit, its undo state, the tree and the page, as a box's command runs them.
void EditThroughWindow(benchmark::State& state) {
    if (!open_on_page(state, TabPage::Options)) return;
    int number = 0;
    for (auto _ : state) {
        edit(++number);
        window->request_tree_rebuild();
        window->request_page_rebuild(true);
        settle();
        repaint();
    }
    report(state);
}

// Undo (or redo) of a one-object edit through the window; the opposite step runs untimed.
void UndoRedo(benchmark::State& state, Command step, Command back) {
    if (!open_on_page(state, TabPage::Options)) return;
    edit(1);
    window->request_tree_rebuild();
    window->request_page_rebuild(true);
    settle();
    if (step == Command::Redo) {
        window->run_command(Command::Undo);
        settle();
    }
    for (auto _ : state) {
        window->run_command(step);
        settle();
        repaint();
        state.PauseTiming();
        window->run_command(back);
        settle();
        state.ResumeTiming();
    }
    report(state);
}

// One zoom step, in and out by turns.
void ZoomStep(benchmark::State& state) {
    if (!open_on_page(state, TabPage::Options)) return;
    bool in = false;
    for (auto _ : state) {
        window->run_command((in = !in) ? Command::ZoomIn : Command::ZoomOut);
        settle();
        repaint();
    }
    report(state);
}

// One notch of the mouse wheel over the canvas, down and up by turns.
void ScrollStep(benchmark::State& state) {
    if (!open_on_page(state, TabPage::Options)) return;
    QWidget* viewport = window->canvas()->viewport();
    const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
    int notch = 120;
    for (auto _ : state) {
        notch = -notch;
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        settle();
        repaint();
    }
    report(state);
}

// The floor: the page's items put into a bare scene (its layout untimed), the
// scene dropped untimed.
void BareScene(benchmark::State& state, TabPage page) {
    if (!open_on_page(state, page)) return;
    const page_geometry::PageGeometry geometry = page_geometry::layout_page(
        static_cast<page_geometry::TabPage>(page), boxes::resolve(window->first_selected_uid()), pages::canvas_font());
    for (auto _ : state) {
        auto scene = std::make_unique<QGraphicsScene>();
        pages::draw_page(*scene, geometry);
        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
    state.counters["boxes"] = static_cast<double>(geometry.boxes.size());
    state.counters["items"] =
        static_cast<double>(geometry.boxes.size() * 4 + geometry.lines.size() + geometry.labels.size());
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(25000)->Unit(benchmark::kMillisecond)->UseRealTime()->Complexity();
}

BENCHMARK(OpenToFirstPage)->Apply(sizes);
BENCHMARK_CAPTURE(SwitchPage, ProjectToOptions, TabPage::Project, TabPage::Options)->Apply(sizes);
BENCHMARK_CAPTURE(SwitchPage, RequirementsToVDiagram, TabPage::Requirements, TabPage::VDiagram)->Apply(sizes);
BENCHMARK_CAPTURE(FirstSwitch, ProjectToOptions, TabPage::Project, TabPage::Options)->Apply(sizes);
BENCHMARK_CAPTURE(FirstSwitch, RequirementsToVDiagram, TabPage::Requirements, TabPage::VDiagram)->Apply(sizes);
BENCHMARK_CAPTURE(SwitchPageAfterEdit, ProjectToOptions, TabPage::Project, TabPage::Options)->Apply(sizes);
BENCHMARK_CAPTURE(SwitchPageAfterEdit, RequirementsToVDiagram, TabPage::Requirements, TabPage::VDiagram)->Apply(sizes);
BENCHMARK_CAPTURE(PageAfterEdit, Problems, TabPage::Problems)->Apply(sizes);
BENCHMARK_CAPTURE(BareScene, Problems, TabPage::Problems)->Apply(sizes);
BENCHMARK_CAPTURE(PageAfterEdit, Options, TabPage::Options)->Apply(sizes);
BENCHMARK_CAPTURE(BareScene, Options, TabPage::Options)->Apply(sizes);
BENCHMARK(EditThroughWindow)->Apply(sizes);
BENCHMARK_CAPTURE(UndoRedo, Undo, Command::Undo, Command::Redo)->Apply(sizes);
BENCHMARK_CAPTURE(UndoRedo, Redo, Command::Redo, Command::Undo)->Apply(sizes);
BENCHMARK(ZoomStep)->Apply(sizes);
BENCHMARK(ScrollStep)->Apply(sizes);

}  // namespace

int main(int argc, char** argv) {
    const UiBenchEnvironment environment;
    QApplication app(argc, argv);
    ui_platform::install_qt_services();
    auto runner = std::make_unique<RefusedDialogs>();
    refused = runner.get();
    dialogs::install_runner(std::move(runner));
    MainWindow main_window;
    assemble_main_window(main_window);
    main_window.resize(1600, 1000);
    main_window.show();
    settle();
    window = &main_window;
    const int code = UiBenchEnvironment::run(argc, argv);
    window = nullptr;
    return code;
}
