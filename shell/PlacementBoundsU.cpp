#include "shell/PlacementBoundsU.h"

#include <QGuiApplication>
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
    const QRect frame = window.frameGeometry();
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

} // namespace Irisonde
