// The table windows of the Tools menu: constructing and showing the parameter
// window over quantity-type tables with more and more custom types, and the
// references window over reference tables of growing size, on the offscreen
// platform. Every change in these windows refills the grid the same way.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableWidget>
#include <string>
#include <vector>

#include "bench/ui_bench_environment.h"
#include "core/constants/gcc.h"
#include "core/model/process_state.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"
#include "ui/platform/qt_services.h"
#include "ui/tables/parameter_window.h"
#include "ui/tables/references_window.h"
#include "ui/theme/fonts.h"

namespace {

void settle() { QCoreApplication::processEvents(); }

template <typename Window>
void show_window(benchmark::State& state) {
    for (auto _ : state) {
        auto* window = new Window();
        window->show();
        settle();
        benchmark::DoNotOptimize(window->grid()->rowCount());
        state.PauseTiming();
        state.counters["rows"] = window->grid()->rowCount();
        delete window;
        state.ResumeTiming();
    }
}

void BM_ShowParameterWindow(benchmark::State& state) {
    reset_process_state();
    new Project("Bench");
    for (int64_t t = 0; t < state.range(0); ++t)
        Parameter::add_cust_poss_parameter("type " + std::to_string(t), {"a", "b", "c"}, {1.0, 10.0, 100.0},
                                           {0.0, 0.0, 0.0}, {true, true, true}, std::vector<std::string>(7, "than"));
    show_window<tables::ParameterWindow>(state);
}
BENCHMARK(BM_ShowParameterWindow)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShowReferencesWindow(benchmark::State& state) {
    reset_process_state();
    new Project("Bench");
    for (int64_t r = 0; r < state.range(0); ++r)
        GCC::RP->add_reference("reference " + std::to_string(r), "what it says about the design",
                               "https://example.org/documents/" + std::to_string(r) + ".pdf", "");
    show_window<tables::ReferencesWindow>(state);
}
BENCHMARK(BM_ShowReferencesWindow)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    const UiBenchEnvironment environment;
    QApplication app(argc, argv);
    ui_platform::install_qt_services();
    gcm::init_fonts(gcm::default_base_font_size());
    const int status = UiBenchEnvironment::run(argc, argv);
    reset_process_state();
    return status;
}
