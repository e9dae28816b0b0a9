#pragma once
// What the additive and subtractive synthesis workshops share: three discs
// (light spots or ink blots) of one radius on a screen, dragged with the
// mouse, combined bitwise with their background (OR for light on black, AND
// for ink on white), and three intensities set in "extended" mode.
//
// Index 1..3 names the discs (red, green, blue or cyan, magenta, yellow) as
// the pupil's controls do; index 0 of every array is unused. Disc and layer
// coordinates count from the top-left of the screen area, y downwards.
#include "imaging/DibPlusU.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>
#include <memory>

namespace Irisonde {

class TSynthState {
public:
    static constexpr int32_t MinRadius = 20;
    static constexpr int32_t RadiusStep = 10;
    static constexpr int32_t WheelNotch = 120;

    TSynthState(ERasterOp mix, uint32_t backColour);
    virtual ~TSynthState();
    TSynthState(const TSynthState &) = delete;
    TSynthState &operator=(const TSynthState &) = delete;

    int32_t DiscAreaW = 0;
    int32_t DiscAreaH = 0;
    std::array<int32_t, 4> DiscX{};
    std::array<int32_t, 4> DiscY{};
    int32_t DiscRadius = 0;
    int32_t HalfRadius = 0;
    int32_t DiscSize = 0;
    int32_t DragDisc = 0;                 // 0: no disc is being dragged
    std::array<uint32_t, 4> DiscColour{}; // colour values (red low)
    uint32_t BackColour;                  // colour value
    std::array<int32_t, 4> Percent{0, 100, 100, 100};
    bool ExtendedFlag = false;
    bool LinkFlag = false;
    std::array<std::unique_ptr<TDibPlus>, 4> DiscBitmap;
    std::unique_ptr<TDibPlus> BackLayer;
    std::unique_ptr<TDibPlus> FrameLayer;

    // The state half of the controls' reset: full intensities, plain mode,
    // bars not linked.
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

    // The disc under (x, y), the first of 1, 2, 3 that holds it; 0 for none.
    [[nodiscard]] int32_t DiscAt(int32_t x, int32_t y) const;
    // A left press: the disc under the pointer is taken for dragging.
    void StartDrag(int32_t x, int32_t y);
    // A move while a disc is taken: its centre jumps under the (clamped)
    // pointer and the screen is composed. False when no disc is dragged.
    bool DragTo(int32_t x, int32_t y);
    // Any release.
    void EndDrag();
    // The radius changed by `delta`, the screen recomposed if it changed.
    // True when it changed.
    bool ChangeRadius(int32_t delta);
    // Wheel notches in a wheel delta, truncated towards zero.
    [[nodiscard]] static int32_t WheelSteps(int32_t delta) { return delta / WheelNotch; }

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

    // Intensities from bar positions (0 at the top is 100 %).
    void SetPercentFromBars(int32_t pos1, int32_t pos2, int32_t pos3);
    void SetAllPercent(int32_t percent);

    // Part of FrameLayer changed by the last Compose after a drag step (the
    // dragged disc's old and new boxes), or the whole area otherwise.
    [[nodiscard]] QRect DirtyRect() const { return dirty; }

protected:
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
    // A dragged disc has moved, before the screen is composed.
    virtual void DiscMoved(int32_t /*k*/) {}

    // A disc drawn as a round, symmetric set of spans of one pixel value
    // in a DiscSize square already filled with the background.
    static void FillDiscSpans(TDibPlus &bitmap, int32_t radius, uint32_t pixel);

private:
    ERasterOp mixOp;
    QRect dirty;
};

} // namespace Irisonde
