// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/RecolourU.h"

namespace Irisonde {

void ReplaceBitmapColour(QImage &bitmap, const QColor &oldColour, const QColor &newColour)
{
    if (bitmap.isNull())
        return;
    if (bitmap.format() != QImage::Format_RGB32 && bitmap.format() != QImage::Format_ARGB32)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    const QRgb from = oldColour.rgb() & 0xFFFFFF;
    const QRgb to = newColour.rgb();
    for (int y = 0; y < bitmap.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            if ((row[x] & 0xFFFFFF) == from)
                row[x] = to;
    }
}

} // namespace Irisonde
