// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared by the benchmarks: the memcpy every figure is read against, measured
// in the same run, and the main() that gives them a font database.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace benchsupport {

// Copies `bytes` bytes per iteration: the baseline of an operation that
// writes as many.
inline void Memcpy(benchmark::State &state, std::size_t bytes)
{
    std::vector<std::uint8_t> a(bytes, 1), b(bytes, 2);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), bytes);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}

// Text and metafile drawing need the font database, hence a GUI application;
// the benches that drive windows give the application of widgets.
template <class Application = QGuiApplication>
int Main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchsupport

#define IRISONDE_BENCHMARK_MAIN() \
    int main(int argc, char **argv) { return benchsupport::Main(argc, argv); }
