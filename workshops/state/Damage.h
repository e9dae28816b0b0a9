// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What one operation of a workshop's state changed on screen, so that the
// window repaints those parts and no others.
//
// Convention, the same for every workshop: rectangles in the coordinates of
// the window's client area (x to the right, y downwards from its top-left),
// where the state places its areas. A pixel outside every rectangle is the
// same before and after the operation; a rectangle may hold some pixels that
// did not change (a disc's square corners, a rim), never much more. Empty:
// nothing changed.
#include <QRect>
#include <QVarLengthArray>

#include <cstdint>
#include <span>

namespace Irisonde {

class TDamage {
public:
    TDamage() = default;
    explicit TDamage(const QRect &r) { Add(r); }

    // An empty rectangle is left out, and so is one inside another already
    // there; one that holds others replaces them.
    void Add(const QRect &r);
    void Add(const TDamage &other);
    // Every rectangle cut to `bounds` (an area's place), the empty ones left out.
    [[nodiscard]] TDamage Clipped(const QRect &bounds) const;

    [[nodiscard]] bool IsEmpty() const { return m_rects.isEmpty(); }
    [[nodiscard]] std::span<const QRect> Rects() const { return {m_rects.constData(), size_t(m_rects.size())}; }
    [[nodiscard]] bool Contains(QPoint p) const;
    [[nodiscard]] QRect Bounds() const;

private:
    // Most operations change one or two places (a spot's old and new ones, a
    // projector): no allocation for those.
    QVarLengthArray<QRect, 4> m_rects;
};

} // namespace Irisonde
