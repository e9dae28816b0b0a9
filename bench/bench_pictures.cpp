// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the picture services: the test card at 1920 x 1080, and a bitmap
// and a metafile loaded and drawn, each beside a memcpy of the bytes it
// writes, measured in the same run: read the figures as ratios.
#include "imaging/DibPlusU.h"
#include "imaging/PictureU.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "bench/BenchSupport.h"

#include <cstring>
#include <vector>

using namespace Irisonde;

namespace {

using benchsupport::Memcpy;
using Irisonde::TPicture;

size_t StoreBytes(int w, int h) { return size_t((3 * w + 3) & ~3) * size_t(h); }

void BM_Memcpy_1920x1080(benchmark::State &state) { Memcpy(state, StoreBytes(1920, 1080)); }
BENCHMARK(BM_Memcpy_1920x1080);

void BM_DrawDefaultPicture_1920x1080(benchmark::State &state)
{
    TDibPlus screen(1920, 1080);
    TPicture picture;
    picture.SetPictureArea(1920, 1080);
    picture.SetPictureBackColour(Qt::white);
    for (auto _ : state) {
        picture.DrawDefaultPicture(screen.Canvas());
        screen.Flush();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(StoreBytes(1920, 1080)));
}
BENCHMARK(BM_DrawDefaultPicture_1920x1080)->Unit(benchmark::kMillisecond);

void BM_Memcpy_800x600(benchmark::State &state) { Memcpy(state, StoreBytes(800, 600)); }
BENCHMARK(BM_Memcpy_800x600);

// A 640 x 480 24-bit bitmap file read from memory, drawn centred in 800 x 600.
void BM_BitmapLoadDraw_640x480(benchmark::State &state)
{
    QImage source(640, 480, QImage::Format_RGB888);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            source.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    source.save(&buffer, "BMP");
    const QByteArray bytes = buffer.data();
    TDibPlus screen(800, 600);
    TPicture picture;
    picture.SetPictureArea(800, 600);
    for (auto _ : state) {
        if (picture.PictureBitmap()->LoadFromBytes(bytes) != EPictureFault::None)
            state.SkipWithError("bitmap refused");
        picture.DrawBitmapPicture(screen.Canvas());
        screen.Flush();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(StoreBytes(800, 600)));
}
BENCHMARK(BM_BitmapLoadDraw_640x480)->Unit(benchmark::kMillisecond);

// The shapes test metafile (ellipses, arcs, hatches, a bitmap record,
// clipping) loaded and drawn fitted into 800 x 600.
void BM_MetafileLoadDraw_800x600(benchmark::State &state)
{
    QFile file(QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../tests/data/wmf_shapes.wmf")));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("tests/data/wmf_shapes.wmf not found");
        return;
    }
    const QByteArray bytes = file.readAll();
    TDibPlus screen(800, 600);
    TPicture picture;
    picture.SetPictureArea(800, 600);
    for (auto _ : state) {
        if (picture.PictureMetafile()->LoadFromBytes(bytes) != EPictureFault::None)
            state.SkipWithError("metafile refused");
        picture.DrawMetafilePicture(screen.Canvas());
        screen.Flush();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(StoreBytes(800, 600)));
}
BENCHMARK(BM_MetafileLoadDraw_800x600)->Unit(benchmark::kMillisecond);

} // namespace

IRISONDE_BENCHMARK_MAIN()
