// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The built-in test card drawn when no picture file is chosen.
#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

namespace Irisonde {

// Where the card sits in an area of areaWidth x areaHeight pixels: a 4:3
// card as large as fits, centred.
[[nodiscard]] QRect DefaultCardRect(int areaWidth, int areaHeight);

// The card alone (the rectangle above, at its own size), Format_RGB32.
[[nodiscard]] QImage MakeDefaultCard(int cardWidth, int cardHeight);

// Fills (0, 0, areaWidth, areaHeight) of `canvas` with `back`, then draws
// the card over it. Nothing happens for an empty area.
void DrawDefaultCard(QPainter &canvas, int areaWidth, int areaHeight, const QColor &back);

// The credit line written under the product name.
inline constexpr char16_t DefaultCardCredit[] = u"© Veltrane";

} // namespace Irisonde
