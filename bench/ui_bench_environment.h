#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QTemporaryDir>

// What the benchmarks of the desktop's parts share: the offscreen platform
// (unless one is chosen) and a home folder of their own, so that the user's
// configuration is neither read nor written. Constructed before the
// application object.
class UiBenchEnvironment {
public:
    UiBenchEnvironment() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/config")).toUtf8());
    }

    // Runs the benchmarks the command line asks for; the program's exit code.
    static int run(int argc, char** argv) {
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    }

private:
    QTemporaryDir home_;
};
