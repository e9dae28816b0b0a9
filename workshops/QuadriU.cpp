// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/QuadriU.h"

#include "imaging/ColourProbeU.h"
#include "workshops/state/SepPlates.h"

namespace Irisonde {

TQuadriF::TQuadriF(TProgram &program, const TWorkshopRow &row, QWidget *parent)
    : TSepF(program, row, QuadriSeparation, parent)
{
}

QString TQuadriF::ProbeMore(const QWidget * /*area*/, QRgb shown) const
{
    const std::array<int32_t, 4> inks = FourColourInkPercents(shown);
    return ProbeInkText(inks[0], inks[1], inks[2], inks[3]);
}

QString TQuadriF::ProbeMoreLongest() const
{
    return ProbeInkText(100, 100, 100, 100);
}

} // namespace Irisonde
