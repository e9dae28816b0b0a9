// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// One drag step of the television magnifier (the move handler's whole work:
// the clamp, the copy of the picture, the disc and its rim), beside a memcpy
// of the bytes of the screen picture measured in the same run: read the
// figures as ratios (drag step / memcpy).
//
// Arguments: zoom level, client width; the client is 1080 high and the
// magnifier as large as the area allows. At a 1920 wide client that is 636
// (a third of the area's width, plus 10); 800 needs a 2410 wide client.
#include "workshops/state/LoupState.h"

#include "imaging/PictureU.h"

#include "bench/BenchSupport.h"

using namespace Irisonde;

namespace {

constexpr int ClientH = 1080;

void Open(Irisonde::TLoupState &state, int clientW)
{
    state.Show(clientW, ClientH);
    Irisonde::TPicture picture;
    picture.SetPictureArea(state.PictureWidth(), state.PictureHeight());
    picture.DrawDefaultPicture(state.PictureImage()->Canvas());
    (void)state.ChangeMagSize(Irisonde::TLoupState::MagSizeLimit);
}

void BM_MemcpyScreen(benchmark::State &bench)
{
    Irisonde::TLoupState state;
    Open(state, int(bench.range(0)));
    benchsupport::Memcpy(bench, size_t(state.ScreenImage()->ImageSize()));
    state.Close();
}

// Drags the magnifier to and fro across the screen, as a pupil would.
void BM_DragStep(benchmark::State &bench)
{
    Irisonde::TLoupState state;
    Open(state, int(bench.range(1)));
    (void)state.ChangeZoomLevel(int(bench.range(0)) - state.ZoomLevel());
    const int y = state.PictureHeight() / 2;
    int x = state.PictureWidth() / 2, dx = 7;
    for (auto _ : bench) {
        x += dx;
        if (x < 100 || x > state.PictureWidth() - 100)
            dx = -dx;
        const Irisonde::TDamage damage = state.MouseMove(Qt::LeftButton, x, y + (x & 15));
        benchmark::DoNotOptimize(state.ScreenImage()->ConstBits());
        benchmark::DoNotOptimize(damage);
        benchmark::ClobberMemory();
    }
    bench.SetBytesProcessed(int64_t(bench.iterations()) * int64_t(state.ScreenImage()->ImageSize()));
    bench.counters["MagSize"] = state.MagSize();
    state.Close();
}

BENCHMARK(BM_MemcpyScreen)->Arg(1920)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragStep)->Args({2, 1920})->Args({8, 1920})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyScreen)->Arg(2410)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragStep)->Args({2, 2410})->Args({8, 2410})->Unit(benchmark::kMicrosecond);

} // namespace

IRISONDE_BENCHMARK_MAIN()
