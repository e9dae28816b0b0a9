// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the pixel image's whole-picture operations and of the turned
// projector sprite, each beside a memcpy of the bytes it writes, measured in
// the same run: read the figures as ratios (operation time / memcpy time).
#include "imaging/DibPlusU.h"
#include "imaging/ProjoU.h"

#include "bench/BenchSupport.h"

#include <cstring>
#include <vector>

using namespace Irisonde;

namespace {

constexpr int W = 1920, H = 1080;

void FillPattern(TDibPlus &d)
{
    uint32_t v = 12345;
    for (int y = 0; y < d.Height(); ++y)
        for (int x = 0; x < d.Width(); ++x) {
            v = v * 1664525u + 1013904223u;
            d.SetPixelFast(x, y, v >> 8);
        }
}

using benchsupport::Memcpy;

// The whole store of a 1920 x 1080 image.
void BM_Memcpy_Image1920x1080(benchmark::State &state)
{
    Memcpy(state, size_t(TDibPlus(W, H).ImageSize()));
}
BENCHMARK(BM_Memcpy_Image1920x1080);

void BM_ScaleAll_1920x1080(benchmark::State &state)
{
    TDibPlus d(W, H);
    FillPattern(d);
    for (auto _ : state) {
        // Factor 256 on one channel keeps the picture from fading to black.
        d.ScaleAll(256, 255, 250);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * d.ImageSize());
}
BENCHMARK(BM_ScaleAll_1920x1080);

void BM_ScaleRowSpan_EveryRow1920x1080(benchmark::State &state)
{
    TDibPlus d(W, H);
    FillPattern(d);
    for (auto _ : state) {
        for (int y = 0; y < H; ++y)
            d.ScaleRowSpan(200, 1700, y, 256, 255, 250);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * d.ImageSize());
}
BENCHMARK(BM_ScaleRowSpan_EveryRow1920x1080);

// DrawProjoRotated writes the sprite's store and the 81 x 81 area of the target.
size_t ProjoBytesWritten()
{
    return size_t(TDibPlus(ProjoSize, ProjoSize).ImageSize()) + size_t(ProjoSize) * ProjoSize * 3;
}

void BM_Memcpy_ProjoSprite(benchmark::State &state)
{
    Memcpy(state, ProjoBytesWritten());
}
BENCHMARK(BM_Memcpy_ProjoSprite);

void BM_DrawProjoRotated(benchmark::State &state)
{
    Irisonde::TProjo projo;
    projo.CreateProjo();
    TDibPlus screen(400, 300);
    double angle = 0.0;
    for (auto _ : state) {
        projo.DrawProjoRotated(screen.Canvas(), 100, 100, 0x00FF80, angle);
        angle += 0.01;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(ProjoBytesWritten()));
    projo.FreeProjo();
}
BENCHMARK(BM_DrawProjoRotated);

void BM_DrawProjo(benchmark::State &state)
{
    Irisonde::TProjo projo;
    projo.CreateProjo();
    TDibPlus screen(400, 300);
    for (auto _ : state) {
        projo.DrawProjo(screen.Canvas(), 100, 100, 0x00FF80);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(ProjoBytesWritten()));
    projo.FreeProjo();
}
BENCHMARK(BM_DrawProjo);

} // namespace

IRISONDE_BENCHMARK_MAIN()
