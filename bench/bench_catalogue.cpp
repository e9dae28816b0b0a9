// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of a catalogue page of twelve 4000 x 3000 JPEG photos (made at the
// start in a temporary folder) at the 120-pixel size: each thumbnail made
// from its file at a reduced scale with the shared cache cold (entries
// written), warm (entries read), or without the cache; and the whole page
// through the workers as the window asks it. The baseline, measured in the
// same run, is the full-size decode of the same twelve files: read the
// counter vs_full, that decode's time over the page's (higher is faster).
#include "catalogue/state/BrowseState.h"
#include "catalogue/state/ThumbCacheU.h"
#include "catalogue/state/ThumbMakerU.h"
#include "catalogue/state/ThumbPoolU.h"
#include "imaging/PictureFileU.h"
#include "imaging/RasterU.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include "bench/BenchSupport.h"

#include <memory>

using namespace Irisonde;

namespace {

constexpr int Thumb = 120;

struct TPage {
    QTemporaryDir Dir;
    QStringList Files;
    double FullSeconds = 0; // the baseline: best of three full decodes of the page
};

// The full-size decode of every photo of the page, by the program's loader.
bool DecodeFull(const QStringList &files)
{
    for (const QString &f : files) {
        const TPictureFile file = ReadPictureFile(f);
        const TRasterDecode full = DecodeRaster(file.Bytes, file.Format, {}, false);
        if (full.Fault != EPictureFault::None || full.Image.width() != 4000)
            return false;
    }
    return true;
}

const TPage &Page()
{
    static const std::unique_ptr<TPage> page = [] {
        auto p = std::make_unique<TPage>();
        QImage image(4000, 3000, QImage::Format_RGB32);
        for (int k = 0; k < TBrowseState::SlotCount; ++k) {
            // Gradients and a fine pattern: a photo's weight, not a flat fill's.
            for (int y = 0; y < image.height(); ++y) {
                auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    row[x] = qRgb((x / 16 + k * 20) & 255, (y / 12) & 255, ((x ^ y) * 7 + k) & 255);
            }
            const QString file = p->Dir.filePath(QStringLiteral("photo%1.jpg").arg(k));
            if (!image.save(file, "JPEG", 90))
                qFatal("cannot write %s", qPrintable(file));
            p->Files << file;
        }
        p->FullSeconds = 1e9;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer clock;
            clock.start();
            if (!DecodeFull(p->Files))
                qFatal("the full decode failed");
            p->FullSeconds = std::min(p->FullSeconds, double(clock.nsecsElapsed()) * 1e-9);
        }
        return p;
    }();
    return *page;
}

void Ratio(benchmark::State &state, const QElapsedTimer &clock)
{
    const double seconds = double(clock.nsecsElapsed()) * 1e-9 / double(state.iterations());
    state.counters["vs_full"] = Page().FullSeconds / seconds;
}

void MakePage(benchmark::State &state, const TThumbCache *cache, EThumbSource expected)
{
    for (const QString &f : Page().Files) {
        const TThumbImage t = MakeThumb(f, Thumb, cache);
        if (t.Fault != EPictureFault::None || t.Source != expected || t.Picture.width() != Thumb)
            state.SkipWithError("a thumbnail was not made as expected");
    }
}

void BM_FullDecodePage(benchmark::State &state)
{
    const TPage &page = Page();
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state)
        if (!DecodeFull(page.Files))
            state.SkipWithError("the full decode failed");
    Ratio(state, clock);
}
BENCHMARK(BM_FullDecodePage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PageNoCache(benchmark::State &state)
{
    (void)Page();
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state)
        MakePage(state, nullptr, EThumbSource::File);
    Ratio(state, clock);
}
BENCHMARK(BM_PageNoCache)->Unit(benchmark::kMillisecond)->UseRealTime();

// Each pass from an empty cache: the time includes writing the twelve entries.
void BM_PageColdCache(benchmark::State &state)
{
    (void)Page();
    QTemporaryDir root;
    const TThumbCache cache(root.filePath(QStringLiteral("thumbnails")));
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(cache.Root()).removeRecursively();
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        MakePage(state, &cache, EThumbSource::File);
        seconds += double(clock.nsecsElapsed()) * 1e-9;
    }
    state.counters["vs_full"] = Page().FullSeconds / (seconds / double(state.iterations()));
}
BENCHMARK(BM_PageColdCache)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PageWarmCache(benchmark::State &state)
{
    (void)Page();
    QTemporaryDir root;
    const TThumbCache cache(root.filePath(QStringLiteral("thumbnails")));
    MakePage(state, &cache, EThumbSource::File);
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state)
        MakePage(state, &cache, EThumbSource::Cache);
    Ratio(state, clock);
}
BENCHMARK(BM_PageWarmCache)->Unit(benchmark::kMillisecond)->UseRealTime();

// The page as the window asks it: twelve requests to the workers, until
// the last thumbnail is delivered to this thread's event loop; cold cache.
// max_gap_ms: the longest this loop went without running a 1 ms timer,
// which is how long input would wait.
void BM_PagePoolCold(benchmark::State &state)
{
    (void)Page();
    QTemporaryDir root;
    const QString cacheRoot = root.filePath(QStringLiteral("thumbnails"));
    TThumbPool pool{TThumbCache(cacheRoot)};
    int arrived = 0;
    QEventLoop loop;
    QObject::connect(&pool, &TThumbPool::Ready, [&](int, int, const TThumbImage &) {
        if (++arrived == TBrowseState::SlotCount)
            loop.quit();
    });
    QElapsedTimer sinceTick;
    qint64 maxGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        maxGap = std::max(maxGap, sinceTick.restart());
    });
    ticker.start(1);
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(cacheRoot).removeRecursively();
        arrived = 0;
        sinceTick.start();
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        (void)pool.NewPage();
        for (int k = 1; k <= TBrowseState::SlotCount; ++k)
            pool.Request(k, Page().Files[k - 1], Thumb);
        loop.exec();
        seconds += double(clock.nsecsElapsed()) * 1e-9;
    }
    state.counters["vs_full"] = Page().FullSeconds / (seconds / double(state.iterations()));
    state.counters["workers"] = pool.Workers();
    state.counters["max_gap_ms"] = double(maxGap);
}
BENCHMARK(BM_PagePoolCold)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

IRISONDE_BENCHMARK_MAIN()
