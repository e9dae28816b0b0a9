// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/state/ThumbPoolU.h"

#include <QThread>

namespace Irisonde {

TThumbPool::TThumbPool(std::optional<TThumbCache> cache, QObject *parent) : QObject(parent), m_cache(std::move(cache))
{
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

TThumbPool::~TThumbPool()
{
    ++m_page;
    m_pool.clear();
    m_pool.waitForDone();
}

int TThumbPool::NewPage()
{
    m_pool.clear();
    return ++m_page;
}

void TThumbPool::Request(int k, const QString &path, int thumb)
{
    const int page = m_page.load();
    m_pool.start([this, page, k, path, thumb] {
        if (page != m_page.load())
            return; // a page turned before this one started
        TThumbImage made = MakeThumb(path, thumb, m_cache ? &*m_cache : nullptr);
        if (page != m_page.load())
            return;
        // Checked again on arrival: a page may turn while this is queued.
        QMetaObject::invokeMethod(
            this,
            [this, page, k, made = std::move(made)] {
                if (page == m_page.load())
                    emit Ready(page, k, made);
            },
            Qt::QueuedConnection);
    });
}

} // namespace Irisonde
