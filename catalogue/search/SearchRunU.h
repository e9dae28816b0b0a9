// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture search walked on a thread of its own, so that the window that
// starts it never waits for the disk: what the walk finds comes back in
// batches, as signals delivered on this object's thread (the window's) by
// its event loop, in the search's own report order.
//
// One walk at a time: starting another, or Cancel(), stops the running one
// at its next step and waits for its thread (a step comes after every
// entry, so this is prompt); nothing it found and had not delivered yet is
// delivered afterwards, and a run's number tells its signals apart from an
// earlier run's.
#include "catalogue/search/SearchU.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

namespace Irisonde {

class TSearchRun : public QObject {
    Q_OBJECT
public:
    explicit TSearchRun(QObject *parent = nullptr);
    ~TSearchRun() override; // cancels and waits

    // Called on the walk's thread with its search object, hooks set, before
    // it walks: tests slow it down or give it mount tables. Taken at Start.
    std::function<void(TPictureSearch &)> Prepare;

    // Walks `folder` (see TPictureSearch::SearchFolder, with faAnyFile) for
    // `kinds`; returns the run's number (never 0).
    int Start(const QString &folder, bool recurse, TSearchKinds kinds);
    // The kinds asked from the next folder pass of the running walk on.
    void SetKinds(TSearchKinds kinds);
    // Stops the running walk; none of its signals follows.
    void Cancel();
    // A walk is running or its end has not been delivered yet.
    [[nodiscard]] bool Running() const { return m_live != 0; }

signals:
    // Pictures found since the last batch, and the last folder entered
    // meanwhile (empty when none).
    void Found(int run, const QStringList &files, const QString &folder);
    // The walk is over: ran to its end (`complete`) or stopped by a step.
    void Finished(int run, bool complete);

private:
    struct TShared;
    void Join();

    std::shared_ptr<TShared> m_shared; // the running walk's, or null
    int m_count = 0;
    int m_live = 0; // the run whose signals are delivered, 0 when none
};

} // namespace Irisonde
