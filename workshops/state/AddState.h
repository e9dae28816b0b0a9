// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The additive-synthesis workshop without its window: three projectors in a
// strip below a black screen throw red, green and blue discs of light; where
// the discs overlap their light adds (bitwise OR of single-channel colours).
// Teaching simplification: light adds by channel with no saturation beyond
// 255 and no spread of the beams; real projectors mix spectra.
#include "imaging/ProjoU.h"
#include "workshops/state/SynthState.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>
#include <memory>

namespace Irisonde {

// One projector of the strip.
struct TProjector {
    int32_t X = 0;      // left edge of its sprite in the strip
    double Angle = 0.0; // radians, positive turns clockwise
};

class TAddState : public TSynthState {
public:
    static constexpr int32_t ProjoStripH = 81; // height of the projector strip
    static constexpr int32_t ShowMargin = 180;  // client height minus the screen, on show
    static constexpr int32_t ResizeMargin = 182; // the same, on a resize
    static constexpr int32_t ProjoHalf = ProjoSize / 2;  // a sprite's centre from its top-left
    static constexpr int32_t ProjoEndGap = 50;           // outer sprites' centres from the strip's ends

    TAddState();

    // Projector k, 1..3, that of disc k.
    [[nodiscard]] const TProjector &Projector(int32_t k) const { return m_projectors[size_t(k - 1)]; }

    void SetColours() override;
    void DrawDiscs() override;
    void AimProjector(int32_t k);
    void DrawProjector(int32_t k);
    // The whole strip afresh: black, then the three projectors.
    void PaintProjectors();

    // Also releases the projector sprite.
    void Close() override;

    // The projector sprite the strip is drawn with.
    [[nodiscard]] const Irisonde::TProjo &Projo() const { return m_projo; }

    [[nodiscard]] TDibPlus *StripImage() const override { return m_projoStrip.get(); }
    void DrawStripItem(int32_t k) override { DrawProjector(k); }
    void PaintStrip() override { PaintProjectors(); }
    [[nodiscard]] QRect StripItemRect(int32_t k) const override;
    [[nodiscard]] int32_t StripHeight() const override { return ProjoStripH; }
    [[nodiscard]] int32_t AreaMargin(bool onShow) const override { return onShow ? ShowMargin : ResizeMargin; }

protected:
    bool DiscMoved(int32_t k) override;
    void Opening() override;
    void AreaSized() override;
    void DiscsPlaced() override;

private:
    [[nodiscard]] TProjector &MutableProjector(int32_t k) { return m_projectors[size_t(k - 1)]; }

    Irisonde::TProjo m_projo;
    std::array<TProjector, DiscCount> m_projectors;
    // The strip as painted below the screen (DiscAreaW x 81), black with the
    // three projectors.
    std::unique_ptr<TDibPlus> m_projoStrip;
};

} // namespace Irisonde
