// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The television-magnifier workshop without its window: a picture shown as a
// screen, and a round magnifier dragged over it that enlarges the picture,
// from the third zoom level on into cells of red, green and blue phosphor
// stripes.
//
// Teaching simplifications: each picture pixel becomes one cell of three
// vertical stripes (an aperture-grille screen, every second column of cells
// shifted by half a cell as on a slot mask); a stripe glows with exactly the
// pixel's own channel value, with no gamma, no glow spreading into the gaps
// and no lens distortion at the rim.
//
// Coordinates: MagX, MagY count from the top-left of the paint area, y
// downwards; MagLeft, MagBottom, SourceLeft, SourceBottom and SpanTable are
// pixel coordinates of the images, rows from the bottom. The centre's row is
// PictureHeight - MagY, one above the exact row, so a dragged MagY runs
// 1..PictureHeight.
//
// The window's part: Show on its show, LayoutZones on every resize while
// showing, Close on its close; after each (re)layout and after any change of
// the picture it draws the picture on PictureImage()->Canvas() and calls
// RenderMagnifier. The pupil's actions below render by themselves and return
// the part of the client area they changed (TDamage); the window repaints
// that part of ScreenImage(), nothing else.
#include "imaging/DibPlusU.h"
#include "imaging/WheelU.h"
#include "workshops/state/Damage.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace Irisonde {

// Rows First up to, not including, End of one column of the magnifier.
struct TSpan {
    int32_t First = 0;
    int32_t End = 0;
};

// Where the window places its paint area and its bottom panel, in client
// coordinates.
struct TLoupLayout {
    QRect Zone;
    QRect Panel;
};

class TLoupState {
public:
    static constexpr int32_t MinZoomLevel = 2;
    static constexpr int32_t MaxZoomLevel = 8;
    static constexpr int32_t MinMagSize = 80;
    static constexpr int32_t MagSizeLimit = 800;
    static constexpr int32_t MagSizeStep = 10; // a spin click or a Shift+wheel notch
    static constexpr int32_t SpanEntries = MagSizeLimit + 1;
    static constexpr int32_t StartMagSize = 150;
    static constexpr int32_t StartMagX = 200;
    static constexpr int32_t StartMagY = 200;
    static constexpr int32_t ZoneLeft = 20;
    static constexpr int32_t ZoneTop = 20;
    static constexpr int32_t WidthMargin = 40;   // client width minus the paint area
    static constexpr int32_t HeightMargin = 135; // client height minus the paint area
    static constexpr int32_t PanelHeight = 93;

    TLoupState();
    ~TLoupState();
    TLoupState(const TLoupState &) = delete;
    TLoupState &operator=(const TLoupState &) = delete;

    // The window's life. Show resets size and centre (not the zoom level,
    // kept for the whole run) and lays the window out; Close releases the
    // images and the span tables.
    TLoupLayout Show(int32_t clientW, int32_t clientH);
    // Paint area PictureWidth x PictureHeight from the client area, the size
    // re-clamped, both images made anew (black; the window draws the picture
    // next). The centre stays where it was. While closed, only the sizes.
    TLoupLayout LayoutZones(int32_t clientW, int32_t clientH);
    void Close();
    [[nodiscard]] bool IsOpen() const { return !m_spanTable.empty(); }

    // The level brought into 2..8 and its row of the zoom table loaded
    // (level 2 sets only CellSize).
    void SetZoomLevel(int32_t level);
    // MaxMagSize from PictureWidth, MagSize into 80..MaxMagSize (80 wins).
    void ClampMagSize();
    // SpanTable for the current MagSize.
    void BuildSpans();
    // MagLeft, MagBottom, SourceCount, SourceLeft, SourceBottom.
    void UpdateMagGeometry();
    // ScreenImage: the picture with the magnifier drawn in.
    void RenderMagnifier();

    // The pupil's actions; each renders, and returns what it changed on
    // screen (see Damage.h: the magnifier's old and new places, in client-area
    // coordinates), empty when nothing was done. A left press, or a move with
    // the left button held, takes the magnifier there (clamped to the area);
    // a right press raises the level, with Ctrl lowers it. The wheel turns
    // whole notches of the angle delta (whichever of x, y is non-zero, since
    // Shift+wheel comes horizontal on some platforms): the level, or with
    // Shift the size by 10 a notch.
    [[nodiscard]] TDamage MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int32_t x, int32_t y);
    [[nodiscard]] TDamage MouseMove(Qt::MouseButtons held, int32_t x, int32_t y);
    [[nodiscard]] TDamage MouseWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers);
    [[nodiscard]] TDamage MoveMagnifier(int32_t x, int32_t y);
    // ZoomSpin and the right button: the level by delta, clamped.
    [[nodiscard]] TDamage ChangeZoomLevel(int32_t delta);
    // TailleSpin and Shift+wheel: the size by delta, clamped.
    [[nodiscard]] TDamage ChangeMagSize(int32_t delta);
    [[nodiscard]] static int32_t WheelNotches(QPoint angleDelta);

    // What the screen shows, in a sentence for a screen reader.
    [[nodiscard]] QString Describe() const;

    // What the copy button places on the clipboard: the screen as shown,
    // magnifier included; null while closed.
    [[nodiscard]] QImage CopyImage() const;

    [[nodiscard]] int32_t PictureWidth() const { return m_pictureWidth; }
    [[nodiscard]] int32_t PictureHeight() const { return m_pictureHeight; }
    [[nodiscard]] int32_t MagX() const { return m_magX; }
    [[nodiscard]] int32_t MagY() const { return m_magY; }
    [[nodiscard]] int32_t MagSize() const { return m_magSize; }
    [[nodiscard]] int32_t MaxMagSize() const { return m_maxMagSize; }
    [[nodiscard]] int32_t ZoomLevel() const { return m_zoomLevel; }
    [[nodiscard]] int32_t CellSize() const { return m_cellSize; }
    [[nodiscard]] int32_t GapWidth() const { return m_gapWidth; }
    [[nodiscard]] int32_t StripeWidth() const { return m_stripeWidth; }
    // 801 entries while open, none while closed.
    [[nodiscard]] std::span<const TSpan> SpanTable() const { return m_spanTable; }
    [[nodiscard]] int32_t MagLeft() const { return m_magLeft; }
    [[nodiscard]] int32_t MagBottom() const { return m_magBottom; }
    [[nodiscard]] int32_t SourceCount() const { return m_sourceCount; }
    [[nodiscard]] int32_t SourceLeft() const { return m_sourceLeft; }
    [[nodiscard]] int32_t SourceBottom() const { return m_sourceBottom; }
    // Null while closed; without a store when the area is empty.
    [[nodiscard]] TDibPlus *PictureImage() const { return m_pictureImage.get(); }
    [[nodiscard]] TDibPlus *ScreenImage() const { return m_screenImage.get(); }

private:
    // The two images' stores: pixel (0, 0) of each, and the step from a
    // row to the one above.
    struct TRows {
        uint8_t *Screen;
        const uint8_t *Picture;
        ptrdiff_t Stride;
        // Picture rows y1 .. y2 - 1 onto the screen.
        void Copy(int64_t y1, int64_t y2) const;
    };

    [[nodiscard]] bool Ready() const;
    // Where the magnifier shows, rim included, in client-area coordinates.
    [[nodiscard]] QRect MagPlace() const;
    // The screen drawn anew, all of it, or (a `step` of the pupil's after a
    // full drawing) the rows of the magnifier's old and new places only.
    void RenderRows(bool step);
    void DrawScreen(int64_t from, int64_t to);
    // Magnifier columns iFirst .. iEnd - 1 of its row j, inside the image.
    void EnlargeRow(const TRows &rows, uint8_t *row, int32_t j, int32_t iFirst, int32_t iEnd) const;
    void PhosphorRow(const TRows &rows, uint8_t *row, int32_t j, int32_t iFirst, int32_t iEnd) const;

    int32_t m_pictureWidth = 0;
    int32_t m_pictureHeight = 0;
    int32_t m_magX = StartMagX;
    int32_t m_magY = StartMagY;
    int32_t m_magSize = StartMagSize;
    int32_t m_maxMagSize = MagSizeLimit;
    int32_t m_zoomLevel = MinZoomLevel;
    int32_t m_cellSize = 2;
    int32_t m_gapWidth = 0;
    int32_t m_stripeWidth = 0;
    int32_t m_magLeft = 0;
    int32_t m_magBottom = 0;
    int32_t m_sourceCount = 0;
    int32_t m_sourceLeft = 0;
    int32_t m_sourceBottom = 0;
    std::vector<TSpan> m_spanTable;
    // Rows (from the bottom) the magnifier and its rim took at the last
    // drawing; m_drawn false until a full one.
    bool m_drawn = false;
    int64_t m_drawnLo = 0, m_drawnHi = 0;
    // The same disc by rows (columns First up to End of row j), so that a
    // step walks the images row by row; made with SpanTable.
    std::vector<TSpan> m_rowSpans;
    // Which channel of the picture pixel shows at each position across a
    // cell (none in the gap), as pixel-value masks of that position (low
    // three bytes) and of the next (the three above).
    std::array<uint64_t, 44> m_pairMask{};
    std::unique_ptr<TDibPlus> m_pictureImage;
    std::unique_ptr<TDibPlus> m_screenImage;
};

} // namespace Irisonde
