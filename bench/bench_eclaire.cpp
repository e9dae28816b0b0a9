// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The scene-lighting workshop at a 1920 x 1080 client area, beside a memcpy
// of the bytes of its lit scene (LitImage) measured in the same run: read the
// figures as ratios (step / memcpy). A spot step is the drag handler's whole
// work: the picture copied into LitImage, the spot lit, the projector aimed
// and drawn; a whole-scene step is the same with the whole picture lit.
#include "imaging/PictureU.h"
#include "workshops/state/EclaireState.h"

#include "bench/BenchSupport.h"

using namespace Irisonde;

namespace {

constexpr int ClientW = 1920, ClientH = 1080;

// A shown workshop with the test card as its scene and a coloured light.
struct TShownWorkshop {
    Irisonde::TEclaireState state;
    Irisonde::TPicture picture;
    explicit TShownWorkshop(bool whole)
    {
        state.Show();
        (void)state.LayoutZones(ClientW, ClientH);
        picture.SetPictureArea(state.PictureWidth(), state.PictureHeight());
        picture.DrawDefaultPicture(state.ScenePicture()->Canvas());
        (void)state.ColourButtonClick(5); // magenta: two channels scaled, one cleared
        (void)state.SetWholeScene(whole);
    }
    ~TShownWorkshop() { state.Close(); }
};

void BM_MemcpyLitImage(benchmark::State &bench)
{
    TShownWorkshop w(false);
    benchsupport::Memcpy(bench, size_t(w.state.LitImage()->ImageSize()));
}

// The spot (of radius `radius`, brought to the largest when above it)
// dragged to and fro across the scene, as a pupil would.
void BM_Step(benchmark::State &bench, bool whole, int radius)
{
    TShownWorkshop w(whole);
    Irisonde::TEclaireState &s = w.state;
    // Wheel notches from the opening's radius, brought to the largest when above it.
    (void)s.Wheel((radius - s.Radius()) / Irisonde::TEclaireState::RadiusStep * 120);
    int x = s.SpotX(), dx = 7;
    for (auto _ : bench) {
        x += dx;
        if (x < 0 || x > s.PictureWidth())
            dx = -dx;
        const Irisonde::TDamage damage = s.MouseLeft(x, s.PictureHeight() / 2 + (x & 31));
        benchmark::DoNotOptimize(s.LitImage()->ConstBits());
        benchmark::DoNotOptimize(damage);
        benchmark::ClobberMemory();
    }
    bench.SetBytesProcessed(int64_t(bench.iterations()) * int64_t(s.LitImage()->ImageSize()));
}

// The radius at every opening, and the largest.
void BM_SpotStep(benchmark::State &bench) { BM_Step(bench, false, int(bench.range(0))); }
void BM_WholeSceneStep(benchmark::State &bench) { BM_Step(bench, true, 100); }

// The whole scene lit anew at each step of a bar, the red one swept.
void BM_WholeSceneBar(benchmark::State &bench)
{
    TShownWorkshop w(true);
    Irisonde::TEclaireState &s = w.state;
    int32_t position = 0, dp = 3;
    for (auto _ : bench) {
        position += dp;
        if (position <= 0 || position >= Irisonde::TEclaireState::FullFactor)
            dp = -dp;
        const Irisonde::TDamage damage = s.BarChange(0, {position, 0, 0});
        benchmark::DoNotOptimize(damage);
        benchmark::DoNotOptimize(s.LitImage()->ConstBits());
        benchmark::ClobberMemory();
    }
    bench.SetBytesProcessed(int64_t(bench.iterations()) * int64_t(s.LitImage()->ImageSize()));
}

BENCHMARK(BM_MemcpyLitImage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpotStep)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeSceneStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeSceneBar)->Unit(benchmark::kMicrosecond);

} // namespace

IRISONDE_BENCHMARK_MAIN()
