#include "workshops/state/AddState.h"

#include "imaging/ColourU.h"
#include "imaging/ProjoU.h"

#include <cmath>

namespace Irisonde {

TAddState::TAddState() : TSynthState(ERasterOp::Or, 0x000000) {}

void TAddState::SetColours()
{
    BackColour = 0x000000;
    std::array<uint32_t, 4> c{0, 255, 255, 255};
    if (ExtendedFlag)
        for (int k = 1; k <= 3; ++k)
            c[k] = uint32_t(255 * Percent[k] / 100);
    DiscColour = {0, c[1], c[2] << 8, c[3] << 16};
}

void TAddState::DrawDiscs()
{
    for (int k = 1; k <= 3; ++k) {
        if (!DiscBitmap[k])
            continue;
        FillImage(*DiscBitmap[k], SwapRB(BackColour));
        FillDiscSpans(*DiscBitmap[k], DiscRadius, SwapRB(DiscColour[k]));
    }
}

void TAddState::AimProjector(int32_t k)
{
    const double across = double(ProjoX[k] + 40 - DiscX[k]);
    const double down = double(DiscY[k] - DiscAreaH - 40);
    // arctan(across / down) for the negative `down` every clamped disc has;
    // atan2 keeps a disc level with the sprite's centre from dividing by 0.
    ProjoAngle[k] = std::atan2(-across, -down);
}

void TAddState::DrawProjector(int32_t k)
{
    if (!ProjoStrip || !ProjoStrip->HasStore())
        return;
    m_projo.DrawProjoRotated(ProjoStrip->Canvas(), ProjoX[k], 0, DiscColour[k], ProjoAngle[k]);
    ProjoStrip->Flush();
}

void TAddState::PaintProjectors()
{
    (void)MakeOrResize(ProjoStrip, DiscAreaW, ProjoStripH);
    FillImage(*ProjoStrip, 0);
    for (int k = 1; k <= 3; ++k)
        DrawProjector(k);
}

QRect TAddState::StripItemRect(int32_t k) const
{
    return QRect(ProjoX[k], 0, ProjoSize, ProjoSize);
}

void TAddState::AreaSized()
{
    // Sprite centres 50 pixels from each end of the strip and in its middle.
    ProjoX = {0, 10, DiscAreaW / 2 - 40, DiscAreaW - 90};
}

void TAddState::DiscsPlaced()
{
    for (int k = 1; k <= 3; ++k)
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
