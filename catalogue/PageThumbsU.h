// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The thumbnails of the catalogue's page as the window shows them: asked of
// the workers for every slot that holds a file, drawn in their slot as
// they come, and a file that cannot be shown told once per search, in a
// warning that never stops the window's own event loop.
#include "catalogue/state/ThumbPoolU.h"
#include "catalogue/state/ThumbState.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QPainter;
class QWidget;

namespace Irisonde {

class TBrowseSlots;

class TPageThumbs : public QObject {
    Q_OBJECT
public:
    // For the page of `browse` shown in `pageSlots` of `window`; `arrived` is
    // told of each slot whose thumbnail came.
    TPageThumbs(TBrowseState &browse, const TBrowseSlots &pageSlots, QWidget &window, std::function<void(int k)> arrived);
    ~TPageThumbs() override;

    // The message for a picture whose name the system's encoding does not read.
    [[nodiscard]] static QString UnreadableNameMessage(const QString &path);

    // Asks the thumbnails of the page now shown (none when `shown` is
    // false); those of the last page are no longer wanted.
    void Request(bool shown);
    [[nodiscard]] bool Pending() const;
    void Draw(int k, QPainter &canvas) const;
    // A new search may report every file again.
    void ForgetFaults() { m_thumbs.ForgetFaults(); }
    // The window closes: nothing more comes, nothing is kept.
    void Release();
    [[nodiscard]] TThumbPool &Pool() { return m_pool; }

private:
    void Ready(int page, int k, const TThumbImage &thumb);
    void ReportFaults();

    TBrowseState &m_browse;
    const TBrowseSlots &m_slots;
    QWidget &m_window;
    std::function<void(int)> m_arrived;
    TThumbState m_thumbs;
    int m_page = 0;              // the pool's page the slots show
    bool m_shown = false;
    QStringList m_faults;        // messages waiting to be shown
    QPointer<QWidget> m_warning; // the one shown, while it is open
    TThumbPool m_pool;           // last: stopped first
};

} // namespace Irisonde
