#pragma once
// The main of the benchmarks that need a Qt application object (fonts,
// painting, widgets): it runs without a display on the offscreen platform.
#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

template <typename Application> int lancer_benchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
