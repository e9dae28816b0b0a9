// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/SubState.h"

#include "imaging/ColourU.h"
#include "imaging/ResourceU.h"

#include <QPainter>

namespace Irisonde {

TSubState::TSubState() : TSynthState(ERasterOp::And, 0xFFFFFF) {}

void TSubState::Opening()
{
    m_blotShape = std::make_unique<TPictureMetafile>();
    // The resource is part of the program; should it ever fail to load, the
    // blots fall back to round discs rather than vanishing.
    if (m_blotShape->LoadFromBytes(LoadResourceBytes(QStringLiteral("Trace.wmf"))) != EPictureFault::None)
        m_blotShape->Clear();
    m_blotMaskSize = -1;
    m_brushImage = std::make_unique<TDibPlus>(BrushW, BrushH);
    m_brushPicture = LoadResourceBitmap(QStringLiteral("Pinceau"));
}

void TSubState::Close()
{
    TSynthState::Close();
    m_brushImage.reset();
    m_brushStrip.reset();
    m_brushPicture = QImage();
    m_blotShape.reset();
    m_blotMask.clear();
    m_blotMaskSize = -1;
}

void TSubState::SetColours()
{
    SetBackColour(0xFFFFFF);
    if (Extended()) {
        MutableDisc(1).Colour = CmyToColour(Disc(1).Percent * 0.01, 0, 0);
        MutableDisc(2).Colour = CmyToColour(0, Disc(2).Percent * 0.01, 0);
        MutableDisc(3).Colour = CmyToColour(0, 0, Disc(3).Percent * 0.01);
    } else {
        MutableDisc(1).Colour = 0xFFFF00;
        MutableDisc(2).Colour = 0xFF00FF;
        MutableDisc(3).Colour = 0x00FFFF;
    }
}

void TSubState::MakeBlotMask()
{
    if (m_blotMaskSize == DiscSize())
        return;
    m_blotMaskSize = DiscSize();
    m_blotMask.assign(size_t(DiscSize()) * size_t(DiscSize()), 0);
    TDibPlus sheet(DiscSize(), DiscSize());
    if (!sheet.HasStore())
        return;
    FillImage(sheet, 0xFFFFFF);
    if (m_blotShape && !m_blotShape->IsEmpty()) {
        // The metafile's frame stretched to the whole square, proportions
        // not kept.
        m_blotShape->Draw(sheet.Canvas(), QRectF(0, 0, DiscSize(), DiscSize()));
    } else {
        FillDiscSpans(sheet, DiscRadius(), 0x000000);
    }
    // Mask row j is canvas row j (from the top).
    for (int32_t j = 0; j < DiscSize(); ++j)
        for (int32_t i = 0; i < DiscSize(); ++i)
            m_blotMask[size_t(j) * DiscSize() + i] = sheet.GetPixelFast(i, DiscSize() - 1 - j) == 0;
}

void TSubState::DrawDiscs()
{
    MakeBlotMask();
    for (TDisc &d : MutableDiscs()) {
        TDibPlus *disc = d.Bitmap.get();
        if (!disc || !disc->HasStore() || disc->Width() != DiscSize())
            continue;
        FillImage(*disc, 0xFFFFFF);
        // Every black pixel of the blot takes the ink colour.
        const uint32_t ink = SwapRB(d.Colour);
        for (int32_t j = 0; j < DiscSize(); ++j) {
            const uint8_t *m = &m_blotMask[size_t(j) * DiscSize()];
            for (int32_t i = 0; i < DiscSize(); ++i)
                if (m[i])
                    disc->SetPixelFast(i, DiscSize() - 1 - j, ink);
        }
    }
}

void TSubState::DrawBrush(int32_t k)
{
    if (!m_brushImage || !m_brushImage->HasStore() || !m_brushStrip || !m_brushStrip->HasStore())
        return;
    QPainter &canvas = m_brushImage->Canvas();
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    canvas.drawImage(0, 0, m_brushPicture);
    m_brushImage->ReplaceColour(PaintPixel, SwapRB(Disc(k).Colour));
    CombineImage(*m_brushStrip, *m_brushImage, BrushLeft(k), BrushTop, ERasterOp::Copy);
}

void TSubState::PaintBrushes()
{
    (void)MakeOrResize(m_brushStrip, DiscAreaW(), BrushStripH);
    FillImage(*m_brushStrip, 0xFFFFFF);
    for (int32_t k = 1; k <= DiscCount; ++k)
        DrawBrush(k);
}

} // namespace Irisonde
