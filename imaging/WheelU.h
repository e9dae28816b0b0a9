// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The mouse wheel as every window reads it: deltas in eighths of a degree,
// 120 to a notch; some platforms report Shift+wheel on the horizontal axis,
// so whichever axis moved counts.
#include <QPoint>

#include <cstdint>

namespace Irisonde {

constexpr int32_t WheelNotch = 120;

// The vertical delta, or the horizontal one when only that moved.
[[nodiscard]] constexpr int32_t WheelDelta(QPoint angleDelta)
{
    return angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x();
}

// Whole notches in a delta, truncated towards zero: a partial turn of a
// fine-grained wheel does nothing.
[[nodiscard]] constexpr int32_t WheelNotches(int32_t delta)
{
    return delta / WheelNotch;
}

} // namespace Irisonde
