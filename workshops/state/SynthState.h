// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the additive and subtractive synthesis workshops share: three discs
// (light spots or ink blots) of one radius on a screen, dragged with the
// mouse, combined bitwise with their background (OR for light on black, AND
// for ink on white), and three intensities set in "extended" mode.
//
// Number 1..3 names a disc (red, green, blue or cyan, magenta, yellow) as
// the pupil's controls do, and 0 none (DragDisc). Disc and layer
// coordinates count from the top-left of the screen area, y downwards; what
// an operation changed (TDamage) is in client-area coordinates, where the
// screen lies at (AreaLeft, AreaTop) and the strip right under it.
#include "imaging/DibPlusU.h"
#include "workshops/state/Damage.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>
#include <memory>

namespace Irisonde {

// One light spot or ink blot.
struct TDisc {
    int32_t X = 0, Y = 0;             // centre
    uint32_t Colour = 0;              // colour value (red low)
    int32_t Percent = 100;            // intensity of its projector or ink
    std::unique_ptr<TDibPlus> Bitmap; // the disc on the background, DiscSize square
};

class TSynthState {
public:
    static constexpr int32_t DiscCount = 3;
    static constexpr int32_t MinRadius = 20;
    static constexpr int32_t RadiusStep = 10;
    static constexpr int32_t MaxRadiusDivisor = 3;   // the radius stays at most DiscAreaH div 3
    static constexpr int32_t StartRadiusDivisor = 6; // and starts at DiscAreaH div 6
    static constexpr int32_t AreaMarginW = 10;       // client width minus the screen's
    static constexpr int32_t AreaLeft = 4, AreaTop = 4; // the screen's top-left in the client area
    static constexpr int32_t PercentBarMax = 100;     // a bar's position at 0 %

    TSynthState(ERasterOp mix, uint32_t backColour);
    virtual ~TSynthState();
    TSynthState(const TSynthState &) = delete;
    TSynthState &operator=(const TSynthState &) = delete;

    [[nodiscard]] int32_t DiscAreaW() const { return m_discAreaW; }
    [[nodiscard]] int32_t DiscAreaH() const { return m_discAreaH; }
    [[nodiscard]] int32_t DiscRadius() const { return m_discRadius; }
    [[nodiscard]] int32_t HalfRadius() const { return m_halfRadius; }
    [[nodiscard]] int32_t DiscSize() const { return m_discSize; }
    // 0: no disc is being dragged.
    [[nodiscard]] int32_t DragDisc() const { return m_dragDisc; }
    // The disc the keyboard moves.
    [[nodiscard]] int32_t KeyDisc() const { return m_keyDisc; }
    [[nodiscard]] uint32_t BackColour() const { return m_backColour; } // colour value
    [[nodiscard]] bool Extended() const { return m_extended; }
    [[nodiscard]] bool Linked() const { return m_linked; }
    // The background with every disc but the dragged one, and the screen as
    // shown; null while closed.
    [[nodiscard]] TDibPlus *BackLayer() const { return m_backLayer.get(); }
    [[nodiscard]] TDibPlus *FrameLayer() const { return m_frameLayer.get(); }
    // The screen's and the strip's places in the client area.
    [[nodiscard]] QRect ScreenPlace() const;
    [[nodiscard]] QRect StripPlace() const;

    // Disc k, 1..3.
    [[nodiscard]] const TDisc &Disc(int32_t k) const { return m_discs[size_t(k - 1)]; }
    [[nodiscard]] const std::array<TDisc, DiscCount> &Discs() const { return m_discs; }

    // The state half of the controls' reset: full intensities, plain mode,
    // bars not linked, the keyboard on disc 1.
    void ResetState();
    // The disc colours from the mode and the intensities.
    virtual void SetColours() = 0;
    // Each disc bitmap: the disc in its colour on the background colour.
    virtual void DrawDiscs() = 0;
    // The radius brought into MinRadius .. DiscAreaH div 3, the disc bitmaps
    // remade at the new size and drawn.
    void SetDiscRadius(int32_t r);
    void SizeLayers();
    // BackLayer: the background with every disc but the dragged one.
    void PrepareBackground();
    // FrameLayer: the screen as shown.
    void Compose();
    // A disc centre brought into the screen area: it may leave it by half a
    // radius at the top and the sides, and stays wholly above the strip below.
    void ClampDisc(int32_t &x, int32_t &y) const;
    [[nodiscard]] bool InDisc(int32_t x, int32_t y, int32_t cx, int32_t cy) const;

    // Which discs share part of the screen: the pairs (1, 2), (1, 3), (2, 3),
    // and whether some part belongs to all three.
    struct TOverlaps {
        std::array<bool, 3> Pairs{};
        bool All = false;
    };
    [[nodiscard]] TOverlaps Overlaps() const;

    // The disc under (x, y), the first of 1, 2, 3 that holds it; 0 for none.
    [[nodiscard]] int32_t DiscAt(int32_t x, int32_t y) const;
    // A left press: the disc under the pointer is taken for dragging.
    void StartDrag(int32_t x, int32_t y);
    // The pupil's operations below return what they changed on screen (see
    // Damage.h); the window repaints that and nothing else.
    //
    // A move while a disc is taken: its centre jumps under the (clamped)
    // pointer and the screen is composed. Empty when no disc is dragged.
    [[nodiscard]] TDamage DragTo(int32_t x, int32_t y);
    // Any release.
    void EndDrag();
    // Keys 1, 2, 3: the disc the arrows move.
    void SetKeyDisc(int32_t k);
    // An arrow key: disc KeyDisc moved by (dx, dy) through the drag's
    // clamps. The disc stays taken as in a drag, so that the next key costs
    // what a drag step costs. Empty while closed.
    [[nodiscard]] TDamage KeyMove(int32_t dx, int32_t dy);
    // The discs redrawn in the colours of the mode and intensities, and the
    // screen composed anew (a disc taken by the keyboard included).
    [[nodiscard]] TDamage Recolour();
    // The radius changed by `delta`, the screen recomposed if it changed.
    // Empty when it stayed.
    [[nodiscard]] TDamage ChangeRadius(int32_t delta);
    // Bar k (1..3) moved, the three bars at `positions` (0 at the top is
    // 100 %): the intensities follow (all three bar k's when linked), the
    // discs and the strip items of the bars that moved are redrawn.
    [[nodiscard]] TDamage BarChange(int32_t k, const std::array<int32_t, DiscCount> &positions);
    // The "extended" box: on, the bars set the intensities; off, they go
    // back to 100 % and the whole strip is redrawn.
    [[nodiscard]] TDamage SetExtended(bool extended);
    // The "link" box: takes effect at the next bar change.
    void SetLink(bool linked) { m_linked = linked; }

    // The window's life: shown with a client area of clientW x clientH
    // (after the controls' reset), resized (`showing` while on screen),
    // closed (every picture released).
    void Show(int32_t clientW, int32_t clientH);
    void Resize(int32_t clientW, int32_t clientH, bool showing);
    virtual void Close();
    // What the copy button puts on the clipboard: the screen with the strip
    // under it; null while the window is closed.
    [[nodiscard]] QImage CopyImage() const;

    // The strip under the screen (projectors or brushes): its picture, one
    // of its items redrawn for disc k, all of it redrawn, and where item k
    // lies in it.
    [[nodiscard]] virtual TDibPlus *StripImage() const = 0;
    virtual void DrawStripItem(int32_t k) = 0;
    virtual void PaintStrip() = 0;
    [[nodiscard]] virtual QRect StripItemRect(int32_t k) const = 0;
    // The height of the strip and the client height the screen leaves out.
    [[nodiscard]] virtual int32_t StripHeight() const = 0;
    [[nodiscard]] virtual int32_t AreaMargin(bool onShow) const = 0;

protected:
    [[nodiscard]] TDisc &MutableDisc(int32_t k) { return m_discs[size_t(k - 1)]; }
    [[nodiscard]] std::array<TDisc, DiscCount> &MutableDiscs() { return m_discs; }
    void SetBackColour(uint32_t colour) { m_backColour = colour; }
    // Hooks of Show and Resize: before any picture is made on a show; after
    // the screen area got its size; after the discs were placed or clamped.
    virtual void Opening() {}
    virtual void AreaSized() {}
    virtual void DiscsPlaced() {}
    // Disc centres as at every opening: disc 1 in the middle, disc 2 above
    // it to the right, disc 3 above it to the left.
    void PlaceDiscs();
    [[nodiscard]] bool Ready() const;
    [[nodiscard]] QRect DiscBox(int32_t k) const;
    // Disc k's bitmap laid on `layer` at its place.
    void CombineDisc(TDibPlus &layer, int32_t k, ERasterOp op) const;
    // A dragged disc has moved, before the screen is composed: true when
    // its strip item was redrawn.
    virtual bool DiscMoved(int32_t /*k*/) { return false; }
    // Where disc k and strip item k show, in client-area coordinates.
    [[nodiscard]] QRect DiscPlace(int32_t k) const;
    [[nodiscard]] QRect StripItemPlace(int32_t k) const;

    // A disc drawn as a round, symmetric set of spans of one pixel value
    // in a DiscSize square already filled with the background.
    static void FillDiscSpans(TDibPlus &bitmap, int32_t radius, uint32_t pixel);

private:
    // Intensities from bar positions (0 at the top is 100 %).
    void SetPercentFromBars(const std::array<int32_t, DiscCount> &positions);
    void SetAllPercent(int32_t percent);

    std::array<TDisc, DiscCount> m_discs;
    ERasterOp m_mixOp;
    int32_t m_discAreaW = 0;
    int32_t m_discAreaH = 0;
    int32_t m_discRadius = 0;
    int32_t m_halfRadius = 0;
    int32_t m_discSize = 0;
    int32_t m_dragDisc = 0;
    int32_t m_keyDisc = 1;
    uint32_t m_backColour;
    bool m_extended = false;
    bool m_linked = false;
    std::unique_ptr<TDibPlus> m_backLayer;
    std::unique_ptr<TDibPlus> m_frameLayer;
};

} // namespace Irisonde
