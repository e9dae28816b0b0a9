// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/search/SearchRunU.h"

#include <QElapsedTimer>
#include <QThread>

#include <atomic>

namespace Irisonde {

namespace {

// A batch leaves when it is this large or this old: the window takes a few
// hundred names in well under a frame, and the folder shown in the status
// line stays current while a tree without pictures is walked.
constexpr qsizetype BatchFiles = 256;
constexpr qint64 BatchMs = 40;

} // namespace

struct TSearchRun::TShared {
    std::atomic<bool> Cancelled{false};
    std::atomic<bool> Bmp{true};
    std::atomic<bool> Meta{true};
    std::unique_ptr<QThread> Thread;
};

TSearchRun::TSearchRun(QObject *parent) : QObject(parent) {}

TSearchRun::~TSearchRun() { Cancel(); }

int TSearchRun::Start(const QString &folder, bool recurse, TSearchKinds kinds)
{
    Cancel();
    const int run = ++m_count;
    m_live = run;
    auto shared = std::make_shared<TShared>();
    shared->Bmp = kinds.Bmp;
    shared->Meta = kinds.Meta;
    const auto prepare = Prepare;
    // The thread touches nothing of this object but the posting of its
    // results, which the destructor outlives by waiting for it; what is
    // posted runs on this object's thread and is dropped with the object.
    shared->Thread.reset(QThread::create([this, run, folder, recurse, prepare, s = shared.get()] {
        QStringList batch;
        QString lastFolder;
        QElapsedTimer age;
        age.start();
        const auto send = [&] {
            if (batch.isEmpty() && lastFolder.isEmpty())
                return;
            QMetaObject::invokeMethod(
                this,
                [this, run, files = std::exchange(batch, {}), f = std::exchange(lastFolder, {})] {
                    if (run == m_live)
                        emit Found(run, files, f);
                },
                Qt::QueuedConnection);
            age.restart();
        };
        TPictureSearch search;
        search.OnFileFound = [&](const QString &path) {
            batch.append(path);
            if (batch.size() >= BatchFiles)
                send();
        };
        search.OnFolderFound = [&](const QString &path) { lastFolder = path; };
        search.Kinds = [s] { return TSearchKinds{s->Bmp.load(), s->Meta.load()}; };
        search.Step = [&] {
            if (age.elapsed() >= BatchMs)
                send();
            return !s->Cancelled.load();
        };
        if (prepare)
            prepare(search);
        const bool complete = search.SearchFolder(folder, faAnyFile, recurse);
        if (s->Cancelled)
            return;
        send();
        QMetaObject::invokeMethod(
            this,
            [this, run, complete] {
                if (run != m_live)
                    return;
                Join();
                emit Finished(run, complete);
            },
            Qt::QueuedConnection);
    }));
    m_shared = std::move(shared);
    m_shared->Thread->start();
    return run;
}

void TSearchRun::SetKinds(TSearchKinds kinds)
{
    if (!m_shared)
        return;
    m_shared->Bmp = kinds.Bmp;
    m_shared->Meta = kinds.Meta;
}

void TSearchRun::Cancel()
{
    if (m_shared)
        m_shared->Cancelled = true;
    Join();
}

void TSearchRun::Join()
{
    m_live = 0;
    if (!m_shared)
        return;
    m_shared->Thread->wait();
    m_shared.reset();
}

} // namespace Irisonde
