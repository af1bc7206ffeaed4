#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <functional>

#include "ui/platform/qt_services.h"

namespace bench_support {

// The main of a desktop benchmark: the offscreen platform unless another is
// set, a home of its own (the user's configuration is neither read nor
// written), the application object and the program's platform services;
// before_runs runs then, ahead of the benchmarks.
inline int run_ui_benchmarks(int argc, char** argv, const std::function<void()>& before_runs = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());

    QApplication app(argc, argv);
    ui_platform::install_qt_services();
    if (before_runs) before_runs();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench_support
