// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// One drag step of each synthesis workshop at a 1920 x 1080 client area,
// beside a memcpy of the bytes of its screen picture (FrameLayer), measured
// in the same run: read the figures as ratios (drag step / memcpy). The step
// is the move handler's whole work: for the additive workshop the clamp, the
// projector's aim and drawing, and the composition; for the subtractive one
// the clamp and the composition.
#include "workshops/state/AddState.h"
#include "workshops/state/SubState.h"

#include "bench/BenchSupport.h"

#include <cstring>
#include <vector>

using namespace Irisonde;

namespace {

constexpr int ClientW = 1920, ClientH = 1080;

void MemcpyFrame(benchmark::State &bench, TSynthState &state)
{
    benchsupport::Memcpy(bench, size_t(state.FrameLayer()->ImageSize()));
}

// Takes disc 1 and moves it to and fro across the screen, as a pupil would.
void DragSteps(benchmark::State &bench, TSynthState &state)
{
    state.StartDrag(state.Disc(1).X, state.Disc(1).Y);
    int x = state.Disc(1).X, dx = 7;
    for (auto _ : bench) {
        x += dx;
        if (x < 100 || x > state.DiscAreaW() - 100)
            dx = -dx;
        const Irisonde::TDamage damage = state.DragTo(x, state.Disc(1).Y + (x & 15));
        benchmark::DoNotOptimize(state.FrameLayer()->ConstBits());
        benchmark::DoNotOptimize(damage);
        benchmark::ClobberMemory();
    }
    state.EndDrag();
    bench.SetBytesProcessed(int64_t(bench.iterations()) * int64_t(state.FrameLayer()->ImageSize()));
}

template <class TState>
void BM_MemcpyFrame(benchmark::State &bench)
{
    TState state;
    state.Show(ClientW, ClientH);
    MemcpyFrame(bench, state);
    state.Close();
}

template <class TState>
void BM_DragStep(benchmark::State &bench)
{
    TState state;
    state.Show(ClientW, ClientH);
    DragSteps(bench, state);
    state.Close();
}

BENCHMARK_TEMPLATE(BM_MemcpyFrame, TAddState)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_DragStep, TAddState)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_MemcpyFrame, TSubState)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_DragStep, TSubState)->Unit(benchmark::kMicrosecond);

} // namespace

IRISONDE_BENCHMARK_MAIN()
