// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// A colour-vision view of a 1920 x 1080 frame, from the frame into the
// image shown, beside a memcpy of the same bytes measured in the same run:
// read View/<format> against Memcpy/<format>. The frame is a pattern of every
// channel level, so that no run of pixels repeats one colour; ViewFlat is the
// view of a frame of flat blocks, as the workshops' screens and test card
// mostly are, where a pixel equal to the one before costs no sum.
#include "imaging/ColourVisionU.h"

#include "bench/BenchSupport.h"

namespace {

using namespace Irisonde;

constexpr int FrameW = 1920, FrameH = 1080;

QImage Frame(QImage::Format format)
{
    QImage out(FrameW, FrameH, format);
    for (int y = 0; y < FrameH; ++y)
        for (int x = 0; x < FrameW; ++x)
            out.setPixel(x, y, qRgb((x * 7 + y) & 255, (x * 3 + y * 5) & 255, (x + y * 11) & 255));
    return out;
}

// Blocks of 240 x 135 pixels, each of one colour.
QImage FlatFrame(QImage::Format format)
{
    QImage out(FrameW, FrameH, format);
    for (int y = 0; y < FrameH; ++y)
        for (int x = 0; x < FrameW; ++x) {
            const int bx = x / 240, by = y / 135;
            out.setPixel(x, y, qRgb((bx * 37 + by * 11) & 255, (bx * 91 + by * 53) & 255, (bx * 13 + by * 29) & 255));
        }
    return out;
}

void BM_Memcpy(benchmark::State &bench)
{
    const QImage frame(FrameW, FrameH, QImage::Format(bench.range(0)));
    benchsupport::Memcpy(bench, size_t(frame.sizeInBytes()));
}

void BM_View(benchmark::State &bench, EVision vision, bool flat)
{
    const QImage frame = flat ? FlatFrame(QImage::Format(bench.range(0))) : Frame(QImage::Format(bench.range(0)));
    QImage shown = frame.copy();
    const TColourVision view(vision);
    for (auto _ : bench) {
        if (!view.Apply(frame, shown, frame.rect()))
            bench.SkipWithError("format refused");
        benchmark::DoNotOptimize(shown.constBits());
        benchmark::ClobberMemory();
    }
    bench.SetBytesProcessed(int64_t(bench.iterations()) * int64_t(frame.sizeInBytes()));
}

BENCHMARK(BM_Memcpy)
    ->Arg(QImage::Format_BGR888)
    ->Arg(QImage::Format_RGB32)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_View, Deuteranopia, EVision::Deuteranopia, false)
    ->Arg(QImage::Format_BGR888)
    ->Arg(QImage::Format_RGB32)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_View, Achromatopsia, EVision::Achromatopsia, false)
    ->Arg(QImage::Format_BGR888)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_View, FlatDeuteranopia, EVision::Deuteranopia, true)
    ->Arg(QImage::Format_BGR888)
    ->Arg(QImage::Format_RGB32)
    ->Unit(benchmark::kMicrosecond);

} // namespace

IRISONDE_BENCHMARK_MAIN()
