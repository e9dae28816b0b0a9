// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/AddState.h"

#include "imaging/ColourU.h"
#include "imaging/ProjoU.h"

#include <cmath>

namespace Irisonde {

TAddState::TAddState() : TSynthState(ERasterOp::Or, 0x000000) {}

void TAddState::SetColours()
{
    SetBackColour(0x000000);
    // Disc k lights channel k: red in the low byte, then green, then blue.
    int shift = 0;
    for (TDisc &d : MutableDiscs()) {
        const uint32_t c = Extended() ? uint32_t(255 * d.Percent / 100) : 255u;
        d.Colour = c << shift;
        shift += 8;
    }
}

void TAddState::DrawDiscs()
{
    for (TDisc &d : MutableDiscs()) {
        if (!d.Bitmap)
            continue;
        FillImage(*d.Bitmap, SwapRB(BackColour()));
        FillDiscSpans(*d.Bitmap, DiscRadius(), SwapRB(d.Colour));
    }
}

void TAddState::AimProjector(int32_t k)
{
    const double across = double(Projector(k).X + ProjoHalf - Disc(k).X);
    const double down = double(Disc(k).Y - DiscAreaH() - ProjoHalf);
    // arctan(across / down) for the negative `down` every clamped disc has;
    // atan2 keeps a disc level with the sprite's centre from dividing by 0.
    MutableProjector(k).Angle = std::atan2(-across, -down);
}

void TAddState::DrawProjector(int32_t k)
{
    if (!m_projoStrip || !m_projoStrip->HasStore())
        return;
    m_projo.DrawProjoRotated(m_projoStrip->Canvas(), Projector(k).X, 0, Disc(k).Colour, Projector(k).Angle);
    m_projoStrip->Flush();
}

void TAddState::PaintProjectors()
{
    (void)MakeOrResize(m_projoStrip, DiscAreaW(), ProjoStripH);
    FillImage(*m_projoStrip, 0);
    for (int32_t k = 1; k <= DiscCount; ++k)
        DrawProjector(k);
}

QRect TAddState::StripItemRect(int32_t k) const
{
    return QRect(Projector(k).X, 0, ProjoSize, ProjoSize);
}

void TAddState::AreaSized()
{
    // Sprite centres 50 pixels from each end of the strip and in its middle.
    MutableProjector(1).X = ProjoEndGap - ProjoHalf;
    MutableProjector(2).X = DiscAreaW() / 2 - ProjoHalf;
    MutableProjector(3).X = DiscAreaW() - ProjoEndGap - ProjoHalf;
}

void TAddState::DiscsPlaced()
{
    for (int32_t k = 1; k <= DiscCount; ++k)
        AimProjector(k);
}

bool TAddState::DiscMoved(int32_t k)
{
    AimProjector(k);
    DrawProjector(k);
    return true;
}

void TAddState::Opening()
{
    m_projo.CreateProjo();
}

void TAddState::Close()
{
    m_projo.FreeProjo();
    TSynthState::Close();
    m_projoStrip.reset();
}

} // namespace Irisonde
