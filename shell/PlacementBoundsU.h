// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bounds every window placement keeps, whatever the settings store held:
// a stored record may come from another screen, from a window manager still
// starting, or from a hand-edited file.
#include <QMargins>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>

class QWidget;

namespace Irisonde {

// Wanted outer bounds of a window, fields as stored (any 32-bit value).
struct TOuterBounds {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t W = 0;
    std::int32_t H = 0;
};

// The rule on a screen whose available area is `area`: the size is brought
// within the area, but never below `least` (the window's own minimum, frame
// included); a window whose title bar (its top `titleHeight` pixels across
// its whole width) does not lie wholly on the area is moved, by the least
// distance, wholly onto it. A window whose title bar is on the area keeps its
// place, even when its lower part hangs off the screen.
[[nodiscard]] QRect BoundedOuterRect(const TOuterBounds &wanted, const QRect &area, const QSize &least, int titleHeight);

// The rule for a real window: the screen is the one its wanted title bar
// lands on (the window's own, or the primary screen, when none), the least
// size its minimum plus its frame.
[[nodiscard]] QRect BoundedOuterRect(const QWidget &window, const TOuterBounds &wanted);

// The frame around a window as the window manager last told it, and the
// window's outer bounds with it.
[[nodiscard]] QMargins FrameMargins(const QWidget &window);
[[nodiscard]] QRect OuterRect(const QWidget &window);

// The window manager has framed the window, and its frame is fully known.
[[nodiscard]] bool IsFramed(const QWidget &window);

// Runs `action` once, as soon as the window manager has framed the window
// while it is shown, however late that is: a loaded machine may frame a
// window seconds after it first showed. Without a window manager the action
// never runs. A later call for the same window replaces a pending action.
void WhenFramed(QWidget &window, std::function<void()> action);

// Moves a dialog so that its outer bounds are centred on the primary screen.
// Before its first framing its frame is taken to be its parent window's, so
// that the first showing lands where the later ones do.
void CentreOnScreen(QWidget &window);

// A modal dialog that some window manager minimises anyway (and its parent
// window with it, leaving an empty screen) comes straight back, its parent
// too.
void RefuseMinimise(QWidget &dialog);

} // namespace Irisonde
