// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// TDibPlus: the off-screen 24-bit image every workshop computes into.
//
// The store is a QImage of Format_BGR888: rows padded to 4 bytes, each pixel
// the bytes blue, green, red. The pixel operations count rows from the BOTTOM
// (pixel (X, Y) lives in scanLine(Height-1-Y) at byte 3X), as the workshops'
// arithmetic was written for a bottom-up bitmap; the drawing surface Canvas()
// counts from the top (canvas point (0, 0) is pixel (0, Height-1)).
//
// Pixel values have blue in bits 0-7, green in 8-15, red in 16-23 (see
// ColourU.h: SwapRB turns a colour value, red low, into a pixel value).
//
// Canvas and pixels: Canvas() returns a painter begun lazily on the image.
// Every pixel operation (and Bits(), Draw(), Image()) first ends that painter,
// so drawing is always complete before pixels are touched. Do not keep the
// reference across pixel operations: call Canvas() again afterwards (the pen,
// brush and font survive the flush; the transform, clip and composition mode
// do not).
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstring>
#include <memory>

namespace Irisonde {

class TDibPlus {
public:
    // An image without a store: every safe operation tolerates it.
    TDibPlus() = default;
    // A black image of width x height. A size the platform cannot give (zero,
    // negative, or a store above 2^31-1 bytes) yields an image without a store
    // whose Width, Height, RowBytes and ImageSize are 0, so that even the
    // checked operations (SetPixelClipped, ClearRows, ScaleRowSpan, Circle...)
    // do nothing on it.
    TDibPlus(int32_t width, int32_t height);
    ~TDibPlus();
    // The canvas is bound to this object's store: neither copied nor moved.
    // Hold images in std::unique_ptr / std::optional to recreate them.
    TDibPlus(const TDibPlus &) = delete;
    TDibPlus &operator=(const TDibPlus &) = delete;

    // Replaces the store by a new black one (the old one is released first).
    // False (and no store) when the size is refused.
    [[nodiscard]] bool Create(int32_t width, int32_t height);

    [[nodiscard]] bool HasStore() const { return m_bits != nullptr; }

    [[nodiscard]] int32_t Width() const { return m_width; }
    [[nodiscard]] int32_t Height() const { return m_height; }
    // 3 x Width rounded up to a multiple of 4 (equals the QImage's bytesPerLine).
    [[nodiscard]] int32_t RowBytes() const { return m_rowBytes; }
    [[nodiscard]] int32_t ImageSize() const { return m_rowBytes * m_height; }

    // First byte of pixel (0, 0), the bottom-left pixel; row Y starts at
    // Bits() + Y * Stride(). Stride() is -RowBytes() (rows go up in memory
    // downwards, since the QImage is stored top-down). Flushes the canvas;
    // null without a store.
    [[nodiscard]] uint8_t *Bits()
    {
        Flush();
        return m_bits;
    }
    [[nodiscard]] const uint8_t *ConstBits() const
    {
        Flush();
        return m_bits;
    }
    [[nodiscard]] ptrdiff_t Stride() const { return -static_cast<ptrdiff_t>(m_rowBytes); }
    // First byte of pixel row Y (from the bottom); no check, flushes.
    [[nodiscard]] uint8_t *RowAddress(int32_t y)
    {
        Flush();
        return m_bits - static_cast<ptrdiff_t>(y) * m_rowBytes;
    }

    // The drawing surface on the same pixels, top-down coordinates.
    [[nodiscard]] QPainter &Canvas();
    // Ends the canvas painter if it is active; cheap when it is not.
    void Flush() const
    {
        if (m_painting)
            EndCanvas();
    }

    // Copies the whole image 1:1 with its top-left corner at (x, y) of the
    // target (a widget's painter or another image's Canvas()).
    void Draw(QPainter &target, int32_t x, int32_t y);

    // A deep copy of the pixels as they are now (clipboard, tests); a copy so
    // that later direct writes never leak into it. Null without a store.
    [[nodiscard]] QImage Image() const;

    // Pixel operations: X, Y count from the bottom-left; pixels are pixel
    // values (blue low), only bits 0-23 used.
    void SetPixelSafe(int32_t x, int32_t y, uint32_t pixel);    // any X, Y, any image
    void SetPixelClipped(int32_t x, int32_t y, uint32_t pixel); // any X, Y
    void SetPixelFast(int32_t x, int32_t y, uint32_t pixel)     // X, Y inside
    {
        Flush();
        uint8_t *p = m_bits - static_cast<ptrdiff_t>(y) * m_rowBytes + 3 * static_cast<ptrdiff_t>(x);
        p[0] = static_cast<uint8_t>(pixel);
        p[1] = static_cast<uint8_t>(pixel >> 8);
        p[2] = static_cast<uint8_t>(pixel >> 16);
    }
    // Outside the image, or without a store: black (0).
    [[nodiscard]] uint32_t GetPixelSafe(int32_t x, int32_t y);
    [[nodiscard]] uint32_t GetPixelFast(int32_t x, int32_t y) // X, Y inside
    {
        Flush();
        const uint8_t *p = m_bits - static_cast<ptrdiff_t>(y) * m_rowBytes + 3 * static_cast<ptrdiff_t>(x);
        return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
    }

    // Pixels X1..X2 of row Y, inclusive; no checks, X1 <= X2.
    void HorzLine(int32_t x1, int32_t y, int32_t x2, uint32_t pixel);
    // Rows Y1..Y2 of column X, inclusive; no checks, Y1 <= Y2.
    void VertLine(int32_t x, int32_t y1, int32_t y2, uint32_t pixel);
    // Blackens every byte of rows Y1..Y2-1 (bounds brought into the image).
    void ClearRows(int32_t y1, int32_t y2);
    // Outline of a circle by the integer midpoint method, clipped writes;
    // radius 0 is the centre alone, a negative radius draws nothing.
    void Circle(int32_t cx, int32_t cy, int32_t radius, uint32_t pixel);
    // Every pixel equal to oldPixel becomes newPixel.
    void ReplaceColour(uint32_t oldPixel, uint32_t newPixel);
    // Row Y: pixels X1..X2 get channel = (channel x factor) >> 8, the rest of
    // the row turns black. Factors run 0..256 (256 keeps a channel); values
    // outside are brought to that range.
    void ScaleRowSpan(int32_t x1, int32_t x2, int32_t y, int32_t factorR, int32_t factorG, int32_t factorB);
    // Every pixel scaled as in ScaleRowSpan.
    void ScaleAll(int32_t factorR, int32_t factorG, int32_t factorB);

private:
    void EndCanvas() const;
    void Release();

    QImage m_image;                      // Format_BGR888, owns the store
    uint8_t *m_bits = nullptr;           // pixel (0, 0): first byte of the last scan line
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_rowBytes = 0;
    // The canvas state is mutable so that const readers (Image()) can flush.
    mutable std::unique_ptr<QPainter> m_canvas; // created on first Canvas()
    mutable bool m_painting = false;            // m_canvas is begun on m_image
    mutable bool m_hasSavedState = false;       // pen, brush, font kept across flushes
    mutable QPen m_savedPen;
    mutable QBrush m_savedBrush;
    mutable QFont m_savedFont;
};

// How an off-screen picture is laid on another.
enum class ERasterOp { Copy, Or, And };

// Lays `src` on `dst` with its top-left corner at (left, top) of dst's canvas
// (y downwards), clipped to dst, combining bytes by `op`.
void CombineImage(TDibPlus &dst, const TDibPlus &src, int32_t left, int32_t top, ERasterOp op);
// Fills the whole image with one pixel value.
void FillImage(TDibPlus &image, uint32_t pixel);
// Copies the whole store of `src` onto `dst` of the same size.
void CopyStore(TDibPlus &dst, const TDibPlus &src);
// Copies the pixels of `area` (canvas coordinates, y downwards, clipped to
// the images) from `src` onto `dst` of the same size.
void CopyArea(TDibPlus &dst, const TDibPlus &src, const QRect &area);
// Makes `image` if there is none, and gives it a new store of width x height
// unless it has that size already (its pixels then stay). False when the
// store cannot be made.
[[nodiscard]] bool MakeOrResize(std::unique_ptr<TDibPlus> &image, int32_t width, int32_t height);

} // namespace Irisonde
