// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/DibPlusU.h"

#include <algorithm>
#include <cstring>
#include <vector>
#include <limits>

namespace Irisonde {

namespace {

// Byte loops over whole rows: the compiler turns them into vector code, so a
// drag step costs little more than the copy of the background.
// Eight bytes at a time: the compiler cannot tell that the rows do not
// overlap, and would combine them byte by byte.
template <class Op>
void CombineWords(uint8_t *d, const uint8_t *s, size_t n, Op op)
{
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t a, b;
        std::memcpy(&a, d + i, 8);
        std::memcpy(&b, s + i, 8);
        a = op(a, b);
        std::memcpy(d + i, &a, 8);
    }
    for (; i < n; ++i)
        d[i] = uint8_t(op(d[i], s[i]));
}

void CombineBytes(uint8_t *d, const uint8_t *s, size_t n, ERasterOp op)
{
    switch (op) {
    case ERasterOp::Copy:
        std::memcpy(d, s, n);
        break;
    case ERasterOp::Or:
        CombineWords(d, s, n, [](uint64_t a, uint64_t b) { return a | b; });
        break;
    case ERasterOp::And:
        CombineWords(d, s, n, [](uint64_t a, uint64_t b) { return a & b; });
        break;
    }
}

// Factors outside 0..256 would wrap the 8-bit channels; bring them in, so that
// a caller's slip gives a saturated picture rather than noise.
uint16_t ClampFactor(int32_t f)
{
    return static_cast<uint16_t>(std::clamp<int32_t>(f, 0, 256));
}

// Pixel bytes come blue, green, red, so the factors repeat every 3 bytes;
// 96 bytes (32 pixels) is the smallest run whose factor pattern fills whole
// 256-bit vector registers (and 128-bit ones), so the fixed-length inner
// loop compiles to plain vector multiplies with the factors in registers.
// channel x factor <= 255 x 256 fits 16 bits, so the 16-bit arithmetic is
// exact. A table per channel would need a load per byte: several times
// slower than the multiplies.
constexpr int PatternBytes = 96;

struct FactorPattern {
    alignas(32) uint16_t f[PatternBytes];
    FactorPattern(uint16_t fr, uint16_t fg, uint16_t fb)
    {
        for (int k = 0; k < PatternBytes; k += 3) {
            f[k] = fb;
            f[k + 1] = fg;
            f[k + 2] = fr;
        }
    }
};

// On x86-64 with GCC, a 256-bit version is picked at load time where the
// processor has it; elsewhere the portable loop alone.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
__attribute__((target_clones("avx2", "default"), optimize("tree-vectorize")))
#endif
void ScaleBytes(uint8_t *p, ptrdiff_t n, const FactorPattern &pat)
{
    ptrdiff_t i = 0;
    for (; i + PatternBytes <= n; i += PatternBytes) {
        uint8_t *q = p + i;
        for (int k = 0; k < PatternBytes; ++k)
            q[k] = static_cast<uint8_t>((uint16_t(q[k]) * pat.f[k]) >> 8);
    }
    // The rest (under 96 bytes) by 16-byte runs, then byte by byte.
    int k = 0;
    for (; i + 16 <= n; i += 16, k += 16) {
        uint8_t *q = p + i;
        const uint16_t *f = pat.f + k;
        for (int j = 0; j < 16; ++j)
            q[j] = static_cast<uint8_t>((uint16_t(q[j]) * f[j]) >> 8);
    }
    for (; i < n; ++i, ++k)
        p[i] = static_cast<uint8_t>((uint16_t(p[i]) * pat.f[k]) >> 8);
}

// BGR888 pixels to opaque 32-bit ones, the screen's: Qt's own conversion of
// this format runs several times slower than this loop vectorised.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
__attribute__((target_clones("avx2", "default"), optimize("tree-vectorize")))
#endif
void BgrToRgb32(const uint8_t *s, uint32_t *d, int32_t n)
{
    for (int32_t x = 0; x < n; ++x)
        d[x] = 0xFF000000u | uint32_t(s[3 * x + 2]) << 16 | uint32_t(s[3 * x + 1]) << 8 | uint32_t(s[3 * x]);
}

} // namespace

TDibPlus::TDibPlus(int32_t width, int32_t height)
{
    (void)Create(width, height);
}

TDibPlus::~TDibPlus()
{
    Release();
}

void TDibPlus::Release()
{
    Flush();
    m_canvas.reset();
    m_hasSavedState = false;
    m_image = QImage();
    m_bits = nullptr;
    m_width = m_height = m_rowBytes = 0;
}

bool TDibPlus::Create(int32_t width, int32_t height)
{
    Release();
    if (width <= 0 || height <= 0)
        return false;
    const int64_t w3 = 3 * int64_t(width);
    const int64_t rowBytes = w3 + ((4 - (w3 & 3)) & 3);
    // The store's size is a 32-bit quantity; anything larger is refused.
    if (rowBytes * height > std::numeric_limits<int32_t>::max())
        return false;
    QImage image(width, height, QImage::Format_BGR888);
    if (image.isNull() || image.bytesPerLine() != rowBytes)
        return false;
    std::memset(image.bits(), 0, static_cast<size_t>(image.sizeInBytes()));
    m_image = std::move(image);
    m_width = width;
    m_height = height;
    m_rowBytes = static_cast<int32_t>(rowBytes);
    m_bits = m_image.scanLine(height - 1);
    return true;
}

QPainter &TDibPlus::Canvas()
{
    if (!m_canvas)
        m_canvas = std::make_unique<QPainter>();
    if (!m_painting && HasStore()) {
        m_painting = m_canvas->begin(&m_image);
        // The store must stay where the pixel operations address it.
        Q_ASSERT(m_image.constScanLine(m_height - 1) == m_bits);
        if (m_painting && m_hasSavedState) {
            m_canvas->setPen(m_savedPen);
            m_canvas->setBrush(m_savedBrush);
            m_canvas->setFont(m_savedFont);
        }
    }
    return *m_canvas;
}

void TDibPlus::EndCanvas() const
{
    m_savedPen = m_canvas->pen();
    m_savedBrush = m_canvas->brush();
    m_savedFont = m_canvas->font();
    m_hasSavedState = true;
    m_canvas->end();
    m_painting = false;
}

void TDibPlus::Draw(QPainter &target, int32_t x, int32_t y)
{
    Flush();
    if (!HasStore())
        return;
    // Qt converts what it draws to the screen's format first, all of it:
    // under a clip (a repaint of a few rows), only the part that shows.
    QRect part = m_image.rect();
    if (target.hasClipping())
        part &= target.clipBoundingRect().toAlignedRect().translated(-x, -y);
    if (part.isEmpty())
        return;
    // The part converted here, then copied as it is. The buffer is kept from
    // one repaint to the next (repaints come from the one GUI thread).
    thread_local std::vector<uint32_t> screen;
    const auto w = size_t(part.width()), h = size_t(part.height());
    if (screen.size() < w * h)
        screen.resize(w * h);
    for (size_t row = 0; row < h; ++row)
        BgrToRgb32(m_image.constScanLine(part.top() + int(row)) + 3 * ptrdiff_t(part.left()), screen.data() + row * w,
                   part.width());
    const QImage converted(reinterpret_cast<const uchar *>(screen.data()), part.width(), part.height(),
                           qsizetype(w * 4), QImage::Format_RGB32);
    target.drawImage(QPoint(x, y) + part.topLeft(), converted);
}

QImage TDibPlus::Image() const
{
    Flush();
    return m_image.copy();
}

void TDibPlus::SetPixelSafe(int32_t x, int32_t y, uint32_t pixel)
{
    if (HasStore() && x >= 0 && x < m_width && y >= 0 && y < m_height)
        SetPixelFast(x, y, pixel);
}

void TDibPlus::SetPixelClipped(int32_t x, int32_t y, uint32_t pixel)
{
    // Without a store Width and Height are 0, so this writes nothing either.
    if (x >= 0 && x < m_width && y >= 0 && y < m_height)
        SetPixelFast(x, y, pixel);
}

uint32_t TDibPlus::GetPixelSafe(int32_t x, int32_t y)
{
    if (HasStore() && x >= 0 && x < m_width && y >= 0 && y < m_height)
        return GetPixelFast(x, y);
    return 0;
}

void TDibPlus::HorzLine(int32_t x1, int32_t y, int32_t x2, uint32_t pixel)
{
    uint8_t *p = RowAddress(y) + 3 * ptrdiff_t(x1);
    const auto b = static_cast<uint8_t>(pixel), g = static_cast<uint8_t>(pixel >> 8),
               r = static_cast<uint8_t>(pixel >> 16);
    for (int32_t x = x1; x <= x2; ++x, p += 3) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
}

void TDibPlus::VertLine(int32_t x, int32_t y1, int32_t y2, uint32_t pixel)
{
    uint8_t *p = RowAddress(y1) + 3 * ptrdiff_t(x);
    const auto b = static_cast<uint8_t>(pixel), g = static_cast<uint8_t>(pixel >> 8),
               r = static_cast<uint8_t>(pixel >> 16);
    for (int32_t y = y1; y <= y2; ++y, p -= m_rowBytes) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
}

void TDibPlus::ClearRows(int32_t y1, int32_t y2)
{
    if (y1 < 0)
        y1 = 0;
    if (y1 >= m_height || y2 < 0)
        return;
    if (y2 > m_height)
        y2 = m_height;
    if (y2 <= y1)
        return;
    // Rows y1..y2-1 are contiguous in memory, from row y2-1 (lowest address) on.
    std::memset(RowAddress(y2 - 1), 0, size_t(y2 - y1) * size_t(m_rowBytes));
}

void TDibPlus::Circle(int32_t cx, int32_t cy, int32_t radius, uint32_t pixel)
{
    int32_t a = 0, b = radius, dA = 1, dB = 1 - 2 * radius, err = 0;
    while (a <= b) {
        SetPixelClipped(cx + b, cy + a, pixel);
        SetPixelClipped(cx + a, cy + b, pixel);
        SetPixelClipped(cx - a, cy + b, pixel);
        SetPixelClipped(cx - b, cy + a, pixel);
        SetPixelClipped(cx - b, cy - a, pixel);
        SetPixelClipped(cx - a, cy - b, pixel);
        SetPixelClipped(cx + a, cy - b, pixel);
        SetPixelClipped(cx + b, cy - a, pixel);
        ++a;
        err += dA;
        dA += 2;
        if (2 * err + dB > 0) {
            --b;
            err += dB;
            dB += 2;
        }
    }
}

void TDibPlus::ReplaceColour(uint32_t oldPixel, uint32_t newPixel)
{
    if (!HasStore())
        return;
    const auto ob = static_cast<uint8_t>(oldPixel), og = static_cast<uint8_t>(oldPixel >> 8),
               orr = static_cast<uint8_t>(oldPixel >> 16);
    const auto nb = static_cast<uint8_t>(newPixel), ng = static_cast<uint8_t>(newPixel >> 8),
               nr = static_cast<uint8_t>(newPixel >> 16);
    // A pixel value with bits above 23 matches no pixel.
    if (oldPixel > 0xFFFFFFu)
        return;
    for (int32_t y = 0; y < m_height; ++y) {
        uint8_t *p = RowAddress(y);
        for (int32_t x = 0; x < m_width; ++x, p += 3)
            if (p[0] == ob && p[1] == og && p[2] == orr) {
                p[0] = nb;
                p[1] = ng;
                p[2] = nr;
            }
    }
}

void TDibPlus::ScaleRowSpan(int32_t x1, int32_t x2, int32_t y, int32_t factorR, int32_t factorG,
                            int32_t factorB)
{
    if (y < 0 || y >= m_height)
        return;
    uint8_t *row = RowAddress(y);
    const size_t pixelBytes = 3 * size_t(m_width);
    if (x1 >= m_width || x2 < 0 || x2 < x1) {
        // An empty span (x2 < x1 is outside the callers' contract) leaves the
        // whole row black rather than scaling backwards.
        std::memset(row, 0, pixelBytes);
        return;
    }
    x1 = std::max(x1, 0);
    x2 = std::min(x2, m_width - 1);
    std::memset(row, 0, 3 * size_t(x1));
    ScaleBytes(row + 3 * ptrdiff_t(x1), 3 * ptrdiff_t(x2 - x1 + 1),
               FactorPattern(ClampFactor(factorR), ClampFactor(factorG), ClampFactor(factorB)));
    std::memset(row + 3 * size_t(x2 + 1), 0, pixelBytes - 3 * size_t(x2 + 1));
}

void TDibPlus::ScaleAll(int32_t factorR, int32_t factorG, int32_t factorB)
{
    if (!HasStore())
        return;
    const FactorPattern pat(ClampFactor(factorR), ClampFactor(factorG), ClampFactor(factorB));
    Flush();
    const ptrdiff_t pixelBytes = 3 * ptrdiff_t(m_width);
    if (pixelBytes == m_rowBytes) {
        // No padding: the store is one run of whole pixels.
        ScaleBytes(m_image.bits(), ptrdiff_t(m_rowBytes) * m_height, pat);
        return;
    }
    // Rows in memory order: the store is top-down, so the top row first.
    uint8_t *row = m_image.bits();
    for (int32_t y = 0; y < m_height; ++y, row += m_rowBytes)
        ScaleBytes(row, pixelBytes, pat);
}

void CombineImage(TDibPlus &dst, const TDibPlus &src, int32_t left, int32_t top, ERasterOp op)
{
    if (!dst.HasStore() || !src.HasStore())
        return;
    const int32_t x1 = std::max(left, 0), x2 = std::min(left + src.Width(), dst.Width());
    const int32_t y1 = std::max(top, 0), y2 = std::min(top + src.Height(), dst.Height());
    if (x1 >= x2 || y1 >= y2)
        return;
    const size_t n = 3 * size_t(x2 - x1);
    const uint8_t *sBase = src.ConstBits();
    for (int32_t ty = y1; ty < y2; ++ty) {
        // Canvas row ty is pixel row Height - 1 - ty.
        uint8_t *d = dst.RowAddress(dst.Height() - 1 - ty) + 3 * ptrdiff_t(x1);
        const uint8_t *s = sBase + ptrdiff_t(src.Height() - 1 - (ty - top)) * src.Stride() + 3 * ptrdiff_t(x1 - left);
        CombineBytes(d, s, n, op);
    }
}

void FillImage(TDibPlus &image, uint32_t pixel)
{
    if (!image.HasStore())
        return;
    const uint8_t b = uint8_t(pixel), g = uint8_t(pixel >> 8), r = uint8_t(pixel >> 16);
    uint8_t *row0 = image.RowAddress(0);
    if (b == g && g == r) {
        // Grey (black, white): one memset over the store, padding included.
        std::memset(image.RowAddress(image.Height() - 1), b, size_t(image.ImageSize()));
        return;
    }
    image.HorzLine(0, 0, image.Width() - 1, pixel);
    for (int32_t y = 1; y < image.Height(); ++y)
        std::memcpy(image.RowAddress(y), row0, 3 * size_t(image.Width()));
}

void CopyStore(TDibPlus &dst, const TDibPlus &src)
{
    if (!dst.HasStore() || !src.HasStore() || dst.ImageSize() != src.ImageSize())
        return;
    // The lowest address holds the top row (the store is a top-down QImage).
    const uint8_t *s = src.ConstBits() + ptrdiff_t(src.Height() - 1) * src.Stride();
    std::memcpy(dst.RowAddress(dst.Height() - 1), s, size_t(src.ImageSize()));
}

void CopyArea(TDibPlus &dst, const TDibPlus &src, const QRect &area)
{
    if (!dst.HasStore() || !src.HasStore() || dst.Width() != src.Width() || dst.Height() != src.Height())
        return;
    const QRect r = area & QRect(0, 0, dst.Width(), dst.Height());
    if (r.isEmpty())
        return;
    const size_t bytes = size_t(r.width()) * 3;
    for (int32_t y = r.top(); y <= r.bottom(); ++y) {
        const int32_t row = dst.Height() - 1 - y;
        std::memcpy(dst.RowAddress(row) + ptrdiff_t(r.left()) * 3,
                    src.ConstBits() + ptrdiff_t(row) * src.Stride() + ptrdiff_t(r.left()) * 3, bytes);
    }
}

bool MakeOrResize(std::unique_ptr<TDibPlus> &image, int32_t width, int32_t height)
{
    if (!image)
        image = std::make_unique<TDibPlus>();
    if (image->HasStore() && image->Width() == width && image->Height() == height)
        return true;
    return image->Create(width, height);
}

} // namespace Irisonde
