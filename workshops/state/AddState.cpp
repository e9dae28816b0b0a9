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
    BackColour = 0x000000;
    // Disc k lights channel k: red in the low byte, then green, then blue.
    int shift = 0;
    for (TDisc &d : Discs()) {
        const uint32_t c = ExtendedFlag ? uint32_t(255 * d.Percent / 100) : 255u;
        d.Colour = c << shift;
        shift += 8;
    }
}

void TAddState::DrawDiscs()
{
    for (TDisc &d : Discs()) {
        if (!d.Bitmap)
            continue;
        FillImage(*d.Bitmap, SwapRB(BackColour));
        FillDiscSpans(*d.Bitmap, DiscRadius, SwapRB(d.Colour));
    }
}

void TAddState::AimProjector(int32_t k)
{
    const double across = double(Projector(k).X + ProjoHalf - Disc(k).X);
    const double down = double(Disc(k).Y - DiscAreaH - ProjoHalf);
    // arctan(across / down) for the negative `down` every clamped disc has;
    // atan2 keeps a disc level with the sprite's centre from dividing by 0.
    Projector(k).Angle = std::atan2(-across, -down);
}

void TAddState::DrawProjector(int32_t k)
{
    if (!ProjoStrip || !ProjoStrip->HasStore())
        return;
    m_projo.DrawProjoRotated(ProjoStrip->Canvas(), Projector(k).X, 0, Disc(k).Colour, Projector(k).Angle);
    ProjoStrip->Flush();
}

void TAddState::PaintProjectors()
{
    (void)MakeOrResize(ProjoStrip, DiscAreaW, ProjoStripH);
    FillImage(*ProjoStrip, 0);
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
    Projector(1).X = ProjoEndGap - ProjoHalf;
    Projector(2).X = DiscAreaW / 2 - ProjoHalf;
    Projector(3).X = DiscAreaW - ProjoEndGap - ProjoHalf;
}

void TAddState::DiscsPlaced()
{
    for (int32_t k = 1; k <= DiscCount; ++k)
        AimProjector(k);
}

void TAddState::DiscMoved(int32_t k)
{
    AimProjector(k);
    DrawProjector(k);
}

void TAddState::Opening()
{
    m_projo.CreateProjo();
}

void TAddState::Close()
{
    m_projo.FreeProjo();
    TSynthState::Close();
    ProjoStrip.reset();
}

} // namespace Irisonde
