// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The separations and recompositions of the four-colour and RGB workshops at
// a 1920 x 1080 client area (six panes of 631 x 485), beside a memcpy of the
// bytes each one writes, measured in the same run: read the figures as ratios
// against the memcpy of as many plates (Memcpy/1 for a recomposition, /3 for
// three plates, /4 for four). A recomposition reads three or four plates to
// write one, and those reads bound it. The picture is a pattern of every
// channel level, so that no plate is uniform.
#include "imaging/ColourU.h"
#include "workshops/state/SepState.h"

#include "bench/BenchSupport.h"

#include <memory>

#include <vector>

namespace {

using namespace Irisonde;

constexpr int ClientW = 1920, ClientH = 1080;

void FillPicture(TSepState &state)
{
    TDibPlus &p = *state.PictureImage();
    for (int32_t y = 0; y < p.Height(); ++y)
        for (int32_t x = 0; x < p.Width(); ++x)
            p.SetPixelFast(x, y, PackRGB(uint32_t(x * 7 + y) & 255, uint32_t(x * 3 + y * 5) & 255,
                                         uint32_t(x + y * 11) & 255));
}

void BM_MemcpyPlates(benchmark::State &bench)
{
    TSepState state(QuadriSeparation);
    state.LayoutZones(ClientW, ClientH);
    benchsupport::Memcpy(bench, size_t(state.PictureImage()->ImageSize()) * size_t(bench.range(0)));
}

// The separation a mode box runs, plates only.
void Separate(benchmark::State &bench, const TSeparation &table, int mode)
{
    TSepState state(table);
    state.LayoutZones(ClientW, ClientH);
    FillPicture(state);
    // Plates of the state's size, written as the state's own are.
    std::vector<std::unique_ptr<TDibPlus>> own;
    std::vector<TDibPlus *> plates;
    for (int32_t i = 0; i < state.PlateCount(); ++i) {
        own.push_back(std::make_unique<TDibPlus>(state.PictureWidth(), state.PictureHeight()));
        plates.push_back(own.back().get());
    }
    for (auto _ : bench) {
        table.Modes[size_t(mode)].Separate(*state.PictureImage(), plates);
        benchmark::DoNotOptimize(plates.front()->ConstBits());
        benchmark::ClobberMemory();
    }
}

// The recomposition with every ink box ticked.
void Recompose(benchmark::State &bench, const TSeparation &table, int mode)
{
    TSepState state(table);
    state.LayoutZones(ClientW, ClientH);
    FillPicture(state);
    for (int i = 0; i < state.PlateCount(); ++i)
        (void)state.RecomposeCheck(i, true);
    (void)state.ModeCheckClick(mode, true);
    for (auto _ : bench) {
        state.Recompose();
        benchmark::DoNotOptimize(state.RecomposedBitmap()->ConstBits());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_MemcpyPlates)->Arg(1)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Separate, SeparateFourColours, QuadriSeparation, Quadri::FourColourMode)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Separate, SeparateThreeColours, QuadriSeparation, Quadri::ThreeColourMode)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Separate, Decompose, RGBSeparation, RGB::DecomposeMode)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Recompose, FourColours, QuadriSeparation, Quadri::FourColourMode)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Recompose, ThreeColours, QuadriSeparation, Quadri::ThreeColourMode)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Recompose, RGB, RGBSeparation, RGB::DecomposeMode)->Unit(benchmark::kMicrosecond);

} // namespace

IRISONDE_BENCHMARK_MAIN()
