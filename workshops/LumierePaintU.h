// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the light workshop's picture is drawn from its screen state: the
// spectrum plot, the cone sensitivities, the cones' bars, the colour
// perceived and the comparison. Drawing only; every figure comes from
// TLumiereScreen and TLumiereState.
class QImage;
class QPainter;

namespace Irisonde {

class TLumiereScreen;

// The painter works in client-area coordinates (the places' own); `curves`
// is the cone sensitivities' layer as PaintCurvesLayer makes it.
void PaintLumiereWorkshop(QPainter &p, const TLumiereScreen &screen, const QImage &curves);
// The cone sensitivities, drawn once for a size and a colour-vision view:
// their antialiased strokes cost more than all the rest of a step.
[[nodiscard]] QImage PaintCurvesLayer(const TLumiereScreen &screen);

} // namespace Irisonde
