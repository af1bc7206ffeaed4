// The desktop application's start: constructing, assembling and showing the
// main window with an empty project and with the gate example, on the
// offscreen platform, and the resident memory of the idle application.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <string>

#include "bench/ui_bench_environment.h"
#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/app/assembly.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/qt_services.h"

namespace {

// Resident set size of this process in KiB (VmRSS of /proc/self/status).
long resident_kib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

void settle() {
    // The queued rebuilds run, and the window is laid out and painted once.
    QCoreApplication::processEvents();
}

void BM_ShowMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto* window = new MainWindow();
        assemble_main_window(*window);
        window->show();
        settle();
        benchmark::DoNotOptimize(window->winId());
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShowMainWindowWithGateExample(benchmark::State& state) {
    for (auto _ : state) {
        auto* window = new MainWindow();
        assemble_main_window(*window);
        window->run_command(Command::GateExample);
        window->show();
        settle();
        benchmark::DoNotOptimize(window->winId());
        state.PauseTiming();
        state.counters["objects"] = static_cast<double>(GCC::RP->get_nd_map().size());
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowMainWindowWithGateExample)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    const UiBenchEnvironment environment;
    QApplication app(argc, argv);
    ui_platform::install_qt_services();
    const long before = resident_kib();
    {
        MainWindow idle;
        assemble_main_window(idle);
        idle.show();
        for (int turn = 0; turn < 10; ++turn) settle();
        const long shown = resident_kib();
        benchmark::AddCustomContext("resident_kib_application_only", std::to_string(before));
        benchmark::AddCustomContext("resident_kib_idle_with_main_window", std::to_string(shown));
    }

    return UiBenchEnvironment::run(argc, argv);
}
