// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ProjoU.h"

#include "imaging/ColourU.h"
#include "imaging/ResourceU.h"

#include <cmath>

namespace Irisonde {

namespace {

constexpr uint32_t Yellow = 0x00FFFF; // colour values
constexpr uint32_t Cyan = 0xFFFF00;
constexpr uint32_t BluePixel = 0x0000FF; // the lamp's marker in the picture
constexpr int32_t PictureOrigin = 11;   // canvas point of the picture's top-left

// Nearest integer, halves to even, as std::nearbyint under the default
// rounding mode; adding 1.5 x 2^52 leaves no fraction bits, so the addition
// itself rounds. Exact for |v| < 2^51, far beyond the sprite's offsets.
inline double RoundHalfEven(double v)
{
    // Strict IEEE arithmetic (no fast-math) keeps the two steps apart.
    constexpr double magic = 0x1.8p52;
    return (v + magic) - magic;
}

// The source coordinates of one output row, before any pixel is read: a
// branch-free loop the compiler turns into vector arithmetic.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("tree-vectorize")))
#endif
void SourceCoordinates(const double *dxc, const double *dxs, double dys, double dyc, int32_t *sxs, int32_t *sys)
{
    constexpr int32_t centre = ProjoSize / 2;
    for (int32_t col = 0; col < ProjoSize; ++col) {
        sxs[col] = int32_t(RoundHalfEven(dxc[col] - dys)) + centre;
        sys[col] = int32_t(RoundHalfEven(dxs[col] + dyc)) + centre;
    }
}

// The key's bytes, blue first as stored.
struct KeyBytes {
    uint8_t b, g, r;
    explicit KeyBytes(uint32_t key) : b(uint8_t(key)), g(uint8_t(key >> 8)), r(uint8_t(key >> 16)) {}
    // Byte by byte, so that most projector pixels are told apart at the first.
    bool Matches(const uint8_t *p) const { return p[0] == b && p[1] == g && p[2] == r; }
};

inline void CopyPixel(uint8_t *q, const uint8_t *p)
{
    q[0] = p[0];
    q[1] = p[1];
    q[2] = p[2];
}

} // namespace

bool TProjo::SpriteReady() const
{
    return m_source && m_output && m_source->HasStore() && m_output->HasStore();
}

// What both draws do first: keep the lamp off the key, black output,
// lamp pixels in the lamp colour.
void TProjo::PrepareDraw(uint32_t lampColour)
{
    // Bits above 23 are no part of a colour: compare the colour itself, so
    // that no lamp colour can ever turn into the transparent key.
    lampColour &= 0xFFFFFFu;
    if (lampColour == m_keyColour)
        SwitchProjoKey(m_keyColour);
    m_output->ClearRows(0, ProjoSize);
    const uint32_t lampPixel = SwapRB(lampColour);
    for (int32_t i = 0; i < m_lampCount; ++i)
        m_source->SetPixelFast(m_lamps[i].x(), m_lamps[i].y(), lampPixel);
}

void TProjo::CreateProjo()
{
    const QImage picture = LoadResourceBitmap(QStringLiteral("Projo"));
    m_source = std::make_unique<TDibPlus>(ProjoSize, ProjoSize);
    m_output = std::make_unique<TDibPlus>(ProjoSize, ProjoSize);
    m_keyColour = Yellow;
    m_keyPixel = SwapRB(Yellow);
    m_lampCount = 0;
    if (!SpriteReady())
        return;
    QPainter &canvas = m_source->Canvas();
    canvas.fillRect(0, 0, ProjoSize, ProjoSize, ColourToQColor(m_keyColour));
    if (!picture.isNull())
        canvas.drawImage(PictureOrigin, PictureOrigin, picture);
    for (int32_t x = 0; x < ProjoSize; ++x)
        for (int32_t y = 0; y < ProjoSize; ++y)
            // The list has room for ProjoMaxLamps points; a picture with more
            // lamp pixels keeps the others blue rather than overrunning it.
            if (m_source->GetPixelFast(x, y) == BluePixel && m_lampCount < ProjoMaxLamps)
                m_lamps[m_lampCount++] = QPoint(x, y);
}

void TProjo::FreeProjo()
{
    m_source.reset();
    m_output.reset();
    m_lampCount = 0;
}

void TProjo::SwitchProjoKey(uint32_t oldKey)
{
    m_keyColour = (oldKey == Yellow) ? Cyan : Yellow;
    m_keyPixel = SwapRB(m_keyColour);
    if (m_source)
        m_source->ReplaceColour(SwapRB(oldKey), m_keyPixel);
}

void TProjo::DrawProjo(QPainter &target, int32_t x, int32_t y, uint32_t lampColour)
{
    if (!SpriteReady())
        return;
    PrepareDraw(lampColour);
    const uint8_t *src = m_source->Bits();
    uint8_t *dst = m_output->Bits();
    const ptrdiff_t stride = m_source->Stride(); // both images have the same layout
    const KeyBytes key(m_keyPixel);
    for (int32_t row = 0; row < ProjoSize; ++row) {
        const uint8_t *s = src + row * stride;
        uint8_t *d = dst + row * stride;
        for (int32_t col = 0; col < 3 * ProjoSize; col += 3)
            if (!key.Matches(s + col))
                CopyPixel(d + col, s + col);
    }
    m_output->Draw(target, x, y);
}

void TProjo::DrawProjoRotated(QPainter &target, int32_t x, int32_t y, uint32_t lampColour, double angle)
{
    if (!SpriteReady())
        return;
    PrepareDraw(lampColour);
    constexpr int32_t centre = ProjoSize / 2; // 40
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    // Each product dx x c, dy x s... is formed once and rounded to a double,
    // exactly as the per-pixel formula forms it; only the difference and the
    // sum are taken per pixel.
    double dxc[ProjoSize], dxs[ProjoSize];
    for (int32_t i = 0; i < ProjoSize; ++i) {
        dxc[i] = double(i - centre) * c;
        dxs[i] = double(i - centre) * s;
    }
    const uint8_t *src = m_source->Bits();
    uint8_t *dst = m_output->Bits();
    const ptrdiff_t stride = m_source->Stride();
    const KeyBytes key(m_keyPixel);
    int32_t sxs[ProjoSize], sys[ProjoSize];
    for (int32_t row = 0; row < ProjoSize; ++row) {
        const double dys = double(row - centre) * s;
        const double dyc = double(row - centre) * c;
        SourceCoordinates(dxc, dxs, dys, dyc, sxs, sys);
        uint8_t *d = dst + row * stride;
        for (int32_t col = 0; col < ProjoSize; ++col) {
            // Only the window 11..69, where the picture lies, is read; every
            // other output pixel stays black.
            if (uint32_t(sxs[col] - 11) >= 59u || uint32_t(sys[col] - 11) >= 59u)
                continue;
            const uint8_t *p = src + sys[col] * stride + 3 * sxs[col];
            if (!key.Matches(p))
                CopyPixel(d + 3 * col, p);
        }
    }
    m_output->Draw(target, x, y);
}

} // namespace Irisonde
