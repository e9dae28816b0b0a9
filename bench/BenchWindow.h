// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared by the benchmarks that drive a real window: showing it at the
// bench's size, and counting the paints that tell a step really repainted.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdint>

namespace benchsupport {

// Counts the paints of the widget it watches.
class TPaintCounter : public QObject {
public:
    std::int64_t Paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// `window` shown at `width` x `height` and exposed (five seconds at most),
// with what its showing queued done.
inline void ShowAtSize(QWidget &window, int width, int height)
{
    window.resize(width, height);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}

} // namespace benchsupport
