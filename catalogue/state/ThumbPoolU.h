// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The workers that make a page's thumbnails (as many as the machine has
// cores), so that the window answers at once and each picture shows as soon
// as it is ready. The workers use QImage only; each thumbnail comes back as
// a signal delivered on this object's thread by its event loop.
//
// Requests belong to the page they were made for: NewPage() drops the
// requests not started yet, and what a running one makes for an earlier
// page is never delivered.
#include "catalogue/state/ThumbCacheU.h"
#include "catalogue/state/ThumbMakerU.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <optional>

namespace Irisonde {

class TThumbPool : public QObject {
    Q_OBJECT
public:
    // Thumbnails read from and written to `cache` (none when empty).
    explicit TThumbPool(std::optional<TThumbCache> cache = TThumbCache(), QObject *parent = nullptr);
    ~TThumbPool() override; // drops what waits, waits for what runs

    // Starts a new page; returns its number.
    int NewPage();
    [[nodiscard]] int Page() const { return m_page.load(); }
    // The thumbnail of `path` in a square of `thumb` for slot `k` of the current page.
    void Request(int k, const QString &path, int thumb);
    // Waits (blocking) for every started request: benches and tests only.
    bool WaitForDone(int ms) { return m_pool.waitForDone(ms); }
    [[nodiscard]] int Workers() const { return m_pool.maxThreadCount(); }

signals:
    void Ready(int page, int k, const Irisonde::TThumbImage &thumb);

private:
    std::optional<TThumbCache> m_cache;
    std::atomic<int> m_page{0};
    QThreadPool m_pool; // last: destroyed first, while the rest still stands
};

} // namespace Irisonde
