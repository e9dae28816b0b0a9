// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/LoupState.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace Irisonde {

namespace {

struct TZoomRow {
    int32_t Cell;
    int32_t Gap;
    int32_t Stripe;
};

// Levels 2 to 8. From level 3 on a cell is a gap and three stripes.
constexpr std::array<TZoomRow, 7> ZoomTable{{
    {2, 0, 0}, {4, 1, 1}, {7, 1, 2}, {11, 2, 3}, {18, 3, 5}, {34, 4, 10}, {44, 5, 13},
}};
static_assert(ZoomTable.back().Cell == 44, "m_pairMask holds one entry per position across the widest cell");

// v brought into lo..hi, the upper bound tested first so that lo wins when
// the two cross.
int32_t Bound(int64_t v, int64_t lo, int64_t hi)
{
    if (v > hi)
        v = hi;
    if (v < lo)
        v = lo;
    return int32_t(v);
}

// An area size from a client size less its margin: never negative.
int32_t AreaSize(int32_t client, int32_t margin)
{
    return Bound(int64_t(client) - margin, 0, INT32_MAX);
}

// A pixel value in the low three bytes and again in the next three.
uint64_t Twice(uint32_t pixel)
{
    return pixel | uint64_t(pixel) << 24;
}

} // namespace

void TLoupState::TRows::Copy(int64_t y1, int64_t y2) const
{
    // Row y2 - 1 has the lowest address; rows are whole, padding included.
    if (y2 > y1)
        std::memcpy(Screen + (y2 - 1) * Stride, Picture + (y2 - 1) * Stride, size_t((y2 - y1) * -Stride));
}

TLoupState::TLoupState()
{
    SetZoomLevel(MinZoomLevel);
}

TLoupState::~TLoupState() = default;

TLoupLayout TLoupState::Show(int32_t clientW, int32_t clientH)
{
    m_spanTable.assign(SpanEntries, TSpan{});
    m_rowSpans.assign(SpanEntries - 1, TSpan{});
    // Provisional area until the layout below.
    m_pictureWidth = 600;
    m_pictureHeight = 475;
    m_magSize = StartMagSize;
    m_magX = StartMagX;
    m_magY = StartMagY;
    m_pictureImage.reset();
    m_screenImage.reset();
    SetZoomLevel(m_zoomLevel);
    ClampMagSize();
    BuildSpans();
    UpdateMagGeometry();
    return LayoutZones(clientW, clientH);
}

TLoupLayout TLoupState::LayoutZones(int32_t clientW, int32_t clientH)
{
    m_drawn = false; // the images are made anew
    m_pictureWidth = AreaSize(clientW, WidthMargin);
    m_pictureHeight = AreaSize(clientH, HeightMargin);
    // The magnifier stays on the picture, where the pupil can take it again:
    // a smaller window (or its start point in a small one) would lose it.
    if (m_pictureWidth > 0 && m_pictureHeight > 0) {
        m_magX = Bound(m_magX, 0, int64_t(m_pictureWidth) - 1);
        m_magY = Bound(m_magY, 1, m_pictureHeight);
    }
    ClampMagSize();
    BuildSpans();
    UpdateMagGeometry();
    if (IsOpen()) {
        m_pictureImage = std::make_unique<TDibPlus>(m_pictureWidth, m_pictureHeight);
        m_screenImage = std::make_unique<TDibPlus>(m_pictureWidth, m_pictureHeight);
    }
    return {QRect(ZoneLeft, ZoneTop, m_pictureWidth, m_pictureHeight),
            QRect(0, clientH - PanelHeight, std::max(clientW, 0), PanelHeight)};
}

void TLoupState::Close()
{
    m_drawn = false;
    m_pictureImage.reset();
    m_screenImage.reset();
    m_spanTable = {};
    m_rowSpans = {};
}

void TLoupState::SetZoomLevel(int32_t level)
{
    m_zoomLevel = Bound(level, MinZoomLevel, MaxZoomLevel);
    const TZoomRow &row = ZoomTable[size_t(m_zoomLevel - MinZoomLevel)];
    m_cellSize = row.Cell;
    std::array<uint32_t, ZoomTable.back().Cell + 1> mask{};
    if (m_zoomLevel == MinZoomLevel) {
        // Plain enlargement: gap and stripe widths keep their last values,
        // unused here; every position shows the whole pixel.
        std::fill_n(mask.begin(), m_cellSize, 0xFFFFFFu);
    } else {
        m_gapWidth = row.Gap;
        m_stripeWidth = row.Stripe;
        // Red stripe first, then green, then blue (pixel values).
        static constexpr uint32_t stripeMask[3] = {0xFF0000, 0x00FF00, 0x0000FF};
        for (int32_t p = m_gapWidth; p < m_cellSize; ++p)
            mask[size_t(p)] = stripeMask[(p - m_gapWidth) / m_stripeWidth];
    }
    for (size_t p = 0; p < m_pairMask.size(); ++p)
        m_pairMask[p] = mask[p] | uint64_t(mask[p + 1]) << 24;
    UpdateMagGeometry();
}

void TLoupState::ClampMagSize()
{
    m_maxMagSize = Bound(int64_t(m_pictureWidth) * 10 / 30 + 10, INT32_MIN, MagSizeLimit);
    m_magSize = Bound(m_magSize, MinMagSize, m_maxMagSize < MinMagSize ? MinMagSize : m_maxMagSize);
}

void TLoupState::BuildSpans()
{
    if (!IsOpen())
        return;
    const int32_t h = std::min(m_magSize / 2, (SpanEntries - 1) / 2);
    std::fill(m_spanTable.begin(), m_spanTable.end(), TSpan{});
    std::fill(m_rowSpans.begin(), m_rowSpans.end(), TSpan{INT32_MAX, INT32_MIN});
    for (int32_t i = 1; i <= 2 * h; ++i) {
        const int64_t k = i - h;
        const auto d = int32_t(std::lround(std::sqrt(double(int64_t(h) * h - k * k))));
        m_spanTable[size_t(i)] = {h - d, h + d};
        for (int32_t j = h - d; j < h + d; ++j) {
            TSpan &row = m_rowSpans[size_t(j)];
            row.First = std::min(row.First, i);
            row.End = std::max(row.End, i + 1);
        }
    }
    // Every row of the square is crossed by the middle column (d = h), so
    // none is left empty; the columns that cross a row are consecutive,
    // since the spans shrink away from the middle.
}

void TLoupState::UpdateMagGeometry()
{
    const int32_t h = m_magSize / 2;
    const int32_t row = m_pictureHeight - m_magY;
    m_sourceCount = m_magSize / m_cellSize;
    m_magLeft = m_magX - h;
    m_magBottom = row - h;
    m_sourceLeft = m_magX - m_sourceCount / 2;
    m_sourceBottom = row - m_sourceCount / 2;
}

bool TLoupState::Ready() const
{
    return IsOpen() && m_pictureImage && m_screenImage && m_pictureImage->HasStore() && m_screenImage->HasStore()
           && m_pictureImage->ImageSize() == m_screenImage->ImageSize();
}

void TLoupState::RenderMagnifier()
{
    RenderRows(false);
}

void TLoupState::RenderRows(bool step)
{
    UpdateMagGeometry();
    if (!Ready()) {
        m_drawn = false;
        return;
    }
    // The rows of the magnifier and its rim, one more each side.
    const int64_t cy = int64_t(m_pictureHeight) - m_magY, r = m_magSize / 2;
    const int64_t lo = std::min<int64_t>(m_magBottom, cy - r) - 1;
    const int64_t hi = std::max<int64_t>(int64_t(m_magBottom) + 2 * r, cy + r + 1) + 1;
    // A step of the pupil's changes only the rows of the magnifier's old and
    // new places: elsewhere the screen is the picture before and after.
    if (step && m_drawn)
        DrawScreen(std::min(lo, m_drawnLo), std::max(hi, m_drawnHi));
    else
        DrawScreen(0, m_pictureHeight);
    m_screenImage->Circle(m_magX, m_pictureHeight - m_magY, m_magSize / 2, 0);
    m_drawn = true;
    m_drawnLo = lo;
    m_drawnHi = hi;
}

void TLoupState::DrawScreen(int64_t from, int64_t to)
{
    // The picture copied, then the disc drawn over it, row by row: rows
    // clear of the disc are copied in two blocks, the rows it crosses only
    // beside it, so that no byte is written twice. The disc is clipped to
    // the image once per row, so that no pixel needs a check. Only rows
    // from .. to - 1 are written.
    const int32_t w = m_pictureWidth, ht = m_pictureHeight;
    TRows rows{m_screenImage->Bits(), m_pictureImage->ConstBits(), m_screenImage->Stride()};
    const int64_t f = std::clamp<int64_t>(from, 0, ht), t = std::clamp<int64_t>(to, f, ht);
    const int64_t yLo = std::clamp<int64_t>(m_magBottom, f, t);
    const int64_t yHi = std::clamp<int64_t>(int64_t(m_magBottom) + 2 * (m_magSize / 2), yLo, t);
    rows.Copy(f, yLo);
    rows.Copy(yHi, t);
    const int32_t iMin = std::max(0, -m_magLeft);
    const int32_t iMax = int32_t(std::min<int64_t>(int64_t(w) - m_magLeft, m_magSize));
    for (int64_t y = yLo; y < yHi; ++y) {
        const auto j = int32_t(y - m_magBottom);
        const int32_t iFirst = std::max(m_rowSpans[size_t(j)].First, iMin);
        const int32_t iEnd = std::min(m_rowSpans[size_t(j)].End, iMax);
        if (iFirst >= iEnd) {
            rows.Copy(y, y + 1);
            continue;
        }
        uint8_t *row = rows.Screen + y * rows.Stride;
        const uint8_t *under = rows.Picture + y * rows.Stride;
        const ptrdiff_t x1 = 3 * (ptrdiff_t(m_magLeft) + iFirst), x2 = 3 * (ptrdiff_t(m_magLeft) + iEnd);
        std::memcpy(row, under, size_t(x1));
        std::memcpy(row + x2, under + x2, size_t(3 * ptrdiff_t(w) - x2));
        if (m_zoomLevel == MinZoomLevel)
            EnlargeRow(rows, row, j, iFirst, iEnd);
        else
            PhosphorRow(rows, row, j, iFirst, iEnd);
    }
}

void TLoupState::EnlargeRow(const TRows &rows, uint8_t *row, int32_t j, int32_t iFirst, int32_t iEnd) const
{
    // Column i shows picture pixel SourceLeft + i div 2 of row
    // SourceBottom + j div 2; the part reading outside the picture is black.
    const int64_t w = m_pictureWidth, sl = m_sourceLeft, sy = int64_t(m_sourceBottom) + j / 2, ml = m_magLeft;
    int64_t inLo = iFirst, inHi = iFirst;
    if (sy >= 0 && sy < m_pictureHeight) {
        inLo = std::max<int64_t>(iFirst, 2 * -sl);
        inHi = std::max(inLo, std::min<int64_t>(iEnd, 2 * (w - sl)));
    }
    std::memset(row + 3 * (ml + iFirst), 0, size_t(3 * (inLo - iFirst)));
    std::memset(row + 3 * (ml + inHi), 0, size_t(3 * (iEnd - inHi)));
    if (inLo >= inHi)
        return;
    const uint8_t *source = rows.Picture + sy * rows.Stride; // its pixel 0
    int64_t i = inLo;
    if (i % 2 != 0) {
        std::memcpy(row + 3 * (ml + i), source + 3 * (sl + i / 2), 3);
        ++i;
    }
    // Two screen pixels a picture pixel, by four-byte reads and writes whose
    // fourth byte stays inside the row and is written again next.
    const uint8_t *s = source + 3 * (sl + i / 2);
    uint8_t *d = row + 3 * (ml + i);
    for (const int64_t pairs = std::min(inHi - 2, 2 * (w - 1 - sl)); i < pairs; i += 2, s += 3, d += 6) {
        uint32_t v;
        std::memcpy(&v, s, 4);
        const uint64_t two = Twice(v & 0xFFFFFF);
        std::memcpy(d, &two, 8);
    }
    for (; i < inHi; ++i)
        std::memcpy(row + 3 * (ml + i), source + 3 * (sl + i / 2), 3);
}

void TLoupState::PhosphorRow(const TRows &rows, uint8_t *row, int32_t j, int32_t iFirst, int32_t iEnd) const
{
    const int32_t cell = m_cellSize, stagger = cell / 2;
    // The source row of even and of odd columns of cells; null where the
    // cells' top gap crosses this row or the row lies outside the picture.
    const uint8_t *source[2];
    for (int32_t odd = 0; odd < 2; ++odd) {
        const int32_t up = j + (odd ? stagger : 0);
        const int64_t sy = int64_t(m_sourceBottom) + up / cell;
        source[odd] = (up % cell < cell - m_gapWidth && sy >= 0 && sy < m_pictureHeight)
                          ? rows.Picture + sy * rows.Stride : nullptr;
    }
    for (int32_t c = iFirst / cell, last = (iEnd - 1) / cell; c <= last; ++c) {
        const int32_t left = c * cell;
        const int32_t a = std::max(left, iFirst), b = std::min(left + cell, iEnd);
        uint8_t *d = row + 3 * (ptrdiff_t(m_magLeft) + a);
        const int64_t sx = int64_t(m_sourceLeft) + c;
        const uint8_t *s = source[c & 1];
        if (!s || sx < 0 || sx >= m_pictureWidth) {
            std::memset(d, 0, 3 * size_t(b - a));
            continue;
        }
        s += 3 * sx;
        const uint64_t v = Twice(uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16);
        // Two pixels an eight-byte write, whose last two bytes fall on the
        // next pixel, written again next; the last one or two pixels take
        // exactly their bytes.
        const uint64_t *m = &m_pairMask[size_t(a - left)];
        int32_t n = b - a;
        for (; n > 2; n -= 2, m += 2, d += 6) {
            const uint64_t out = v & *m;
            std::memcpy(d, &out, 8);
        }
        // Little-endian: the low bytes are blue, green, red.
        const uint64_t out = v & *m;
        if (n == 2)
            std::memcpy(d, &out, 6);
        else
            std::memcpy(d, &out, 3);
    }
}

TDamage TLoupState::MoveMagnifier(int32_t x, int32_t y)
{
    // Outside the magnifier the screen is the picture before and after.
    TDamage damage(MagPlace());
    m_magX = Bound(x, 0, int64_t(m_pictureWidth) - 1);
    m_magY = Bound(y, 1, m_pictureHeight);
    RenderRows(true);
    damage.Add(MagPlace());
    return damage;
}

TDamage TLoupState::ChangeZoomLevel(int32_t delta)
{
    SetZoomLevel(Bound(int64_t(m_zoomLevel) + delta, MinZoomLevel, MaxZoomLevel));
    RenderRows(true);
    return TDamage(MagPlace());
}

TDamage TLoupState::ChangeMagSize(int32_t delta)
{
    TDamage damage(MagPlace());
    m_magSize = Bound(int64_t(m_magSize) + delta, 0, MagSizeLimit);
    ClampMagSize();
    BuildSpans();
    UpdateMagGeometry();
    RenderRows(true);
    damage.Add(MagPlace());
    return damage;
}

QRect TLoupState::MagPlace() const
{
    // The rim's circle has radius MagSize div 2 about column MagX and the
    // row MagY - 1 from the top; one pixel more all round.
    const int32_t h = m_magSize / 2 + 1;
    const QRect area(0, 0, m_pictureWidth, m_pictureHeight);
    return (QRect(m_magX - h, m_magY - 1 - h, 2 * h + 1, 2 * h + 1) & area).translated(ZoneLeft, ZoneTop);
}

QString TLoupState::Describe() const
{
    return QStringLiteral("Écran de télévision sous une loupe ronde de ") + QString::number(m_magSize)
         + QStringLiteral(" pixels, au grossissement ") + QString::number(m_zoomLevel) + QStringLiteral(" sur ")
         + QString::number(MaxZoomLevel) + QStringLiteral(", à ") + QString::number(m_magX)
         + QStringLiteral(" pixels du bord gauche et ") + QString::number(m_magY)
         + QStringLiteral(" du haut. Flèches : déplacer la loupe ; + et - : le grossissement ; Maj avec + et -, "
                          "ou Page précédente et Page suivante : sa taille.");
}

TDamage TLoupState::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int32_t x, int32_t y)
{
    if (button == Qt::LeftButton)
        return MoveMagnifier(x, y);
    if (button == Qt::RightButton)
        return ChangeZoomLevel(modifiers.testFlag(Qt::ControlModifier) ? -1 : 1);
    return {};
}

TDamage TLoupState::MouseMove(Qt::MouseButtons held, int32_t x, int32_t y)
{
    if (!held.testFlag(Qt::LeftButton))
        return {};
    return MoveMagnifier(x, y);
}

int32_t TLoupState::WheelNotches(QPoint angleDelta)
{
    return Irisonde::WheelNotches(WheelDelta(angleDelta));
}

TDamage TLoupState::MouseWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers)
{
    const int32_t n = WheelNotches(angleDelta);
    // A part of a notch changes nothing: no need to render again.
    if (n == 0)
        return {};
    if (modifiers.testFlag(Qt::ShiftModifier))
        return ChangeMagSize(Bound(int64_t(n) * MagSizeStep, INT32_MIN, INT32_MAX));
    return ChangeZoomLevel(n);
}

QImage TLoupState::CopyImage() const
{
    if (!m_screenImage || !m_screenImage->HasStore())
        return {};
    return m_screenImage->Image();
}

} // namespace Irisonde
