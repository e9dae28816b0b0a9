// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of a catalogue page: twelve 1024 x 768 24-bit bitmaps decoded from
// disk and drawn at the 120-pixel size (no cache, as each repaint does),
// beside reading those files' bytes, measured in the same run: read the
// figures as a ratio.
#include "catalogue/state/BrowseState.h"
#include "catalogue/state/ThumbState.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include "bench/BenchSupport.h"

#include <memory>

using namespace Irisonde;

namespace {

struct TPage {
    QTemporaryDir Dir;
    QStringList Files;
};

const TPage &Page()
{
    static const std::unique_ptr<TPage> page = [] {
        auto p = std::make_unique<TPage>();
        for (int k = 0; k < Irisonde::TBrowseState::SlotCount; ++k) {
            QImage image(1024, 768, QImage::Format_RGB888);
            for (int y = 0; y < 768; ++y) {
                uchar *row = image.scanLine(y);
                for (int x = 0; x < 1024; ++x) {
                    row[3 * x] = uchar(x + k * 20);
                    row[3 * x + 1] = uchar(y);
                    row[3 * x + 2] = uchar((x ^ y) + k);
                }
            }
            const QString file = p->Dir.filePath(QStringLiteral("image%1.bmp").arg(k));
            if (!image.save(file, "BMP"))
                qFatal("cannot write %s", qPrintable(file));
            p->Files << file;
        }
        return p;
    }();
    return *page;
}

void BM_ReadPageBytes(benchmark::State &state)
{
    const TPage &page = Page();
    int64_t bytes = 0;
    for (auto _ : state) {
        for (const QString &f : page.Files) {
            QFile file(f);
            if (!file.open(QIODevice::ReadOnly))
                state.SkipWithError("cannot read");
            const QByteArray data = file.readAll();
            benchmark::DoNotOptimize(data.constData());
            bytes += data.size();
        }
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReadPageBytes)->Unit(benchmark::kMillisecond);

void BM_DrawPage120(benchmark::State &state)
{
    const TPage &page = Page();
    Irisonde::TBrowseState browse;
    browse.SetThumb(120);
    if (!browse.BeginSearch())
        return;
    for (const QString &f : page.Files)
        browse.FileFound(f);
    browse.EndSearch();
    Irisonde::TThumbState thumbs;
    QImage box(120, 120, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int k = 1; k <= Irisonde::TBrowseState::SlotCount; ++k) {
            QPainter p(&box);
            if (thumbs.DrawThumb(p, browse, k, QColor(240, 240, 240)).Fault != EPictureFault::None)
                state.SkipWithError("a bitmap was refused");
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawPage120)->Unit(benchmark::kMillisecond);

} // namespace

IRISONDE_BENCHMARK_MAIN()
