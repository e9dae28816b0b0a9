// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The subtractive-synthesis workshop without its window: cyan, magenta and
// yellow ink blots on a white sheet, three paint brushes in a strip under
// it; where blots overlap each ink takes its own primary out of the white
// (bitwise AND of colours that each lower one channel).
// Teaching simplification: ideal inks, each absorbing exactly one primary,
// laid as transparent layers whose effects multiply to a plain minimum.
#include "imaging/MetafileU.h"
#include "workshops/state/SynthState.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace Irisonde {

class TSubState : public TSynthState {
public:
    static constexpr int32_t BrushStripH = 50;
    static constexpr int32_t AreaMarginH = 152;      // client height minus the sheet
    static constexpr int32_t BrushW = 140, BrushH = 43;
    static constexpr std::array<int32_t, 3> BrushLefts{2, 160, 320}; // fixed, whatever the width
    static constexpr int32_t BrushTop = 3;
    static constexpr uint32_t PaintPixel = 0xFFFF00; // pure yellow, the brush's paint

    TSubState();

    // Left edge of brush k, 1..3, in the strip.
    [[nodiscard]] static constexpr int32_t BrushLeft(int32_t k) { return BrushLefts[size_t(k - 1)]; }

    // The brush ("Pinceau") as loaded, its paint in PaintPixel.
    [[nodiscard]] const QImage &BrushPicture() const { return m_brushPicture; }
    // Whether the brush in one ink or the blot outline is held (from the
    // show to the close).
    [[nodiscard]] bool HoldsPictures() const { return m_brushImage || m_blotShape; }

    void SetColours() override;
    void DrawDiscs() override;
    void DrawBrush(int32_t k);
    // The whole strip afresh: white, then the three brushes.
    void PaintBrushes();
    // Also releases the brush and blot pictures.
    void Close() override;

    [[nodiscard]] TDibPlus *StripImage() const override { return m_brushStrip.get(); }
    void DrawStripItem(int32_t k) override { DrawBrush(k); }
    void PaintStrip() override { PaintBrushes(); }
    [[nodiscard]] QRect StripItemRect(int32_t k) const override
    {
        return QRect(BrushLeft(k), BrushTop, BrushW, BrushH);
    }
    [[nodiscard]] int32_t StripHeight() const override { return BrushStripH; }
    [[nodiscard]] int32_t AreaMargin(bool) const override { return AreaMarginH; }

protected:
    void Opening() override;

private:
    std::unique_ptr<TPictureMetafile> m_blotShape; // the blot outline ("Trace")
    QImage m_brushPicture;                         // the brush ("Pinceau")
    std::unique_ptr<TDibPlus> m_brushImage;        // the brush in one ink
    // The strip as painted under the sheet (DiscAreaW x 50): white with the
    // three brushes.
    std::unique_ptr<TDibPlus> m_brushStrip;
    // The blot rendered once per disc size: true where the ink goes.
    std::vector<uint8_t> m_blotMask;
    int32_t m_blotMaskSize = -1;
    void MakeBlotMask();
};

} // namespace Irisonde
