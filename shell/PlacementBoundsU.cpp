// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/PlacementBoundsU.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace Irisonde {

namespace {

// Stored values may be anything: the sums are made in 64 bits.
using Wide = std::int64_t;

Wide Fit(Wide v, Wide low, Wide high)
{
    return std::max(low, std::min(v, high));
}

int ToInt(Wide v)
{
    return int(Fit(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

QRect BoundedOuterRect(const TOuterBounds &wanted, const QRect &area, const QSize &least, int titleHeight)
{
    const Wide w = std::max<Wide>(least.width(), std::min<Wide>(wanted.W, area.width()));
    const Wide h = std::max<Wide>(least.height(), std::min<Wide>(wanted.H, area.height()));
    const Wide title = Fit(titleHeight, 1, h);
    const Wide left = area.left(), top = area.top();
    const Wide right = left + area.width(), bottom = top + area.height();
    Wide x = wanted.X, y = wanted.Y;
    const bool titleOnArea = x >= left && x + w <= right && y >= top && y + title <= bottom;
    if (!titleOnArea) {
        // When the least size exceeds the area, the top-left corner stays on it.
        x = std::max(left, std::min(x, right - w));
        y = std::max(top, std::min(y, bottom - h));
    }
    return QRect(ToInt(x), ToInt(y), ToInt(w), ToInt(h));
}

QRect BoundedOuterRect(const QWidget &window, const TOuterBounds &wanted)
{
    const QRect frame = OuterRect(window);
    const QRect inner = window.geometry();
    const QSize extra = frame.size() - inner.size();
    // The minimum the window enforces itself; its size hint is not asked for,
    // which would lay a main window out before the window manager framed it.
    const QSize least = window.minimumSize().expandedTo(QSize(1, 1)) + extra;
    // Until the window manager has framed the window its title bar's height
    // is unknown; the rule is met again once it is (see SetPlacement).
    const int title = inner.y() - frame.y();
    const QPoint landing(ToInt(Wide(wanted.X) + std::min<Wide>(std::max(wanted.W, 1), 200) / 2),
                         ToInt(Wide(wanted.Y) + std::max(title, 1) / 2));
    const QScreen *screen = QGuiApplication::screenAt(landing);
    if (!screen)
        screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(ToInt(wanted.X), ToInt(wanted.Y), ToInt(wanted.W), ToInt(wanted.H));
    return BoundedOuterRect(wanted, screen->availableGeometry(), least, title);
}

namespace {

} // namespace

QMargins FrameMargins(const QWidget &window)
{
    // Asked of the window itself: the widget keeps the frame it last heard
    // of, which may be a frame still being built (see IsFramed) until the
    // window next moves.
    if (window.isWindow() && window.windowHandle() && window.windowHandle()->handle())
        return window.windowHandle()->frameMargins();
    const QRect f = window.frameGeometry(), g = window.geometry();
    return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
}

QRect OuterRect(const QWidget &window)
{
    return window.geometry().marginsAdded(FrameMargins(window));
}

bool IsFramed(const QWidget &window)
{
    // While the window manager is still building the frame, the margins Qt
    // reads from the window tree may be those of a frame not yet sized,
    // negative on the right and bottom: taken for the frame, they would make
    // the window larger by its own size. Only a whole frame counts.
    const QMargins m = FrameMargins(window);
    return !m.isNull() && m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0;
}

namespace {

// Watches a window until its frame is known. Qt tells of no change of the
// frame margins themselves, only of the moves, resizes and exposures that
// usually come with the framing; a slow poll while the window is shown
// catches a frame that comes without them.
class TFramedWatch : public QObject {
public:
    TFramedWatch(QWidget &w, std::function<void()> action) : QObject(&w), m_window(w), m_action(std::move(action))
    {
        setObjectName(QString::fromLatin1(kName));
        m_poll.setInterval(100);
        connect(&m_poll, &QTimer::timeout, this, [this] { Check(); });
        w.installEventFilter(this);
        if (w.isVisible())
            m_poll.start();
    }
    static constexpr const char *kName = "IrisondeFramedWatch";

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            m_poll.start();
            Q_FALLTHROUGH();
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::UpdateRequest:
            Check();
            break;
        case QEvent::Hide:
            m_poll.stop();
            break;
        default:
            break;
        }
        return false;
    }

    // Leaves without running the action.
    void Cancel()
    {
        m_done = true;
        m_poll.stop();
        m_window.removeEventFilter(this);
        deleteLater();
    }

private:
    void Check()
    {
        if (m_done || !m_window.isVisible() || !IsFramed(m_window))
            return;
        const std::function<void()> action = std::move(m_action);
        Cancel();
        action();
    }
    QWidget &m_window;
    std::function<void()> m_action;
    QTimer m_poll;
    bool m_done = false;
};

} // namespace

void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QMargins frame = FrameMargins(window);
    QPoint clientShift;
    if (!IsFramed(window)) {
        // Not framed yet: the window is placed by its client area, and its
        // frame is guessed to be its parent window's.
        frame = QMargins();
        if (const QWidget *parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
            parent && parent->isVisible() && IsFramed(*parent))
            frame = FrameMargins(*parent);
        clientShift = QPoint(frame.left(), frame.top());
        // Centred once more when framed, in case its frame is not the one
        // guessed.
        WhenFramed(window, [&window] { CentreOnScreen(window); });
    }
    const QSize outer = window.size().grownBy(frame);
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(outer.width() / 2, outer.height() / 2) + clientShift);
}

void WhenFramed(QWidget &window, std::function<void()> action)
{
    const auto pending = window.findChildren<QObject *>(QString::fromLatin1(TFramedWatch::kName), Qt::FindDirectChildrenOnly);
    for (QObject *old : pending)
        static_cast<TFramedWatch *>(old)->Cancel();
    new TFramedWatch(window, std::move(action)); // owned by the window
}

namespace {

class TMinimiseRefuser : public QObject {
public:
    explicit TMinimiseRefuser(QWidget &dialog) : QObject(&dialog), m_dialog(dialog) { dialog.installEventFilter(this); }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::WindowStateChange && (m_dialog.windowState() & Qt::WindowMinimized))
            QTimer::singleShot(0, this, [this] { Restore(); });
        return false;
    }

private:
    void Restore()
    {
        if (QWidget *parent = m_dialog.parentWidget() ? m_dialog.parentWidget()->window() : nullptr;
            parent && (parent->windowState() & Qt::WindowMinimized))
            parent->setWindowState(parent->windowState() & ~Qt::WindowMinimized);
        if (!m_dialog.isVisible())
            return;
        m_dialog.setWindowState(m_dialog.windowState() & ~Qt::WindowMinimized);
        m_dialog.raise();
        m_dialog.activateWindow();
    }
    QWidget &m_dialog;
};

} // namespace

void RefuseMinimise(QWidget &dialog)
{
    new TMinimiseRefuser(dialog); // owned by the dialog
}

} // namespace Irisonde
