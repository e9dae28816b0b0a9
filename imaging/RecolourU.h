// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Recolouring of the program's small bitmaps (logos, bullets, bulbs): one
// colour turned into another, as a transparent background would be.
#include <QColor>
#include <QImage>

namespace Irisonde {

// Every pixel of `oldColour` (alpha ignored) becomes `newColour`; the bitmap
// is turned to 32 bits first if it is not.
void ReplaceBitmapColour(QImage &bitmap, const QColor &oldColour, const QColor &newColour);

} // namespace Irisonde
