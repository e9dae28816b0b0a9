#include "workshops/state/LoupState.h"

#include "workshops/state/SynthState.h"

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
static_assert(ZoomTable.back().Cell <= 44, "m_cellMask holds one entry per position across the widest cell");

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

} // namespace

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
    m_pictureWidth = AreaSize(clientW, WidthMargin);
    m_pictureHeight = AreaSize(clientH, HeightMargin);
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
    m_cellMask = {};
    if (m_zoomLevel == MinZoomLevel) {
        // Plain enlargement: gap and stripe widths keep their last values,
        // unused here; every position shows the whole pixel.
        for (int32_t p = 0; p < m_cellSize; ++p)
            m_cellMask[size_t(p)] = {0xFF, 0xFF, 0xFF};
    } else {
        m_gapWidth = row.Gap;
        m_stripeWidth = row.Stripe;
        // Bytes come blue, green, red: red stripe first, then green, blue.
        for (int32_t p = m_gapWidth; p < m_cellSize; ++p) {
            const int32_t stripe = (p - m_gapWidth) / m_stripeWidth; // 0 red, 1 green, 2 blue
            m_cellMask[size_t(p)][size_t(2 - stripe)] = 0xFF;
        }
    }
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
    UpdateMagGeometry();
    if (!Ready())
        return;
    CopyStore(*m_screenImage, *m_pictureImage);
    DrawDisc();
    m_screenImage->Circle(m_magX, m_pictureHeight - m_magY, m_magSize / 2, 0);
}

void TLoupState::DrawDisc()
{
    // Walked by rows and by cells rather than pixel by pixel: the source
    // pixel and its row are found once per cell, and the magnifier is
    // clipped to the image once per row, so that no pixel needs a check.
    const int32_t w = m_pictureWidth, ht = m_pictureHeight, cell = m_cellSize;
    const bool phosphor = m_zoomLevel > MinZoomLevel;
    const int32_t stagger = phosphor ? cell / 2 : 0;  // every second column of cells
    const int32_t litRows = phosphor ? cell - m_gapWidth : cell; // the rows under the top gap
    uint8_t *screen = m_screenImage->Bits();
    const uint8_t *picture = m_pictureImage->ConstBits();
    const ptrdiff_t stride = m_screenImage->Stride();
    const int32_t rows = 2 * (m_magSize / 2);
    // Magnifier columns that fall inside the image.
    const int32_t iMin = std::max(0, -m_magLeft);
    const int32_t iMax = int32_t(std::min<int64_t>(int64_t(w) - m_magLeft, m_magSize));
    for (int32_t j = 0; j < rows; ++j) {
        const int64_t y = int64_t(m_magBottom) + j;
        if (y < 0 || y >= ht)
            continue;
        const int32_t iFirst = std::max(m_rowSpans[size_t(j)].First, iMin);
        const int32_t iEnd = std::min(m_rowSpans[size_t(j)].End, iMax);
        if (iFirst >= iEnd)
            continue;
        // The source row of even and of odd columns of cells; null where the
        // cells' top gap crosses this row or the row lies outside the
        // picture (points outside read black).
        const uint8_t *source[2];
        for (int32_t odd = 0; odd < 2; ++odd) {
            const int32_t up = j + (odd ? stagger : 0);
            const int64_t sy = int64_t(m_sourceBottom) + up / cell;
            source[odd] = (up % cell < litRows && sy >= 0 && sy < ht) ? picture + sy * stride : nullptr;
        }
        uint8_t *row = screen + y * stride;
        for (int32_t c = iFirst / cell, last = (iEnd - 1) / cell; c <= last; ++c) {
            const int32_t left = c * cell;
            const int32_t a = std::max(left, iFirst), b = std::min(left + cell, iEnd);
            uint8_t *d = row + 3 * (ptrdiff_t(m_magLeft) + a);
            const int64_t sx = int64_t(m_sourceLeft) + c;
            const uint8_t *s = source[c & 1];
            if (!s || sx < 0 || sx >= w) {
                std::memset(d, 0, 3 * size_t(b - a));
                continue;
            }
            s += 3 * sx;
            const uint8_t sb = s[0], sg = s[1], sr = s[2];
            for (int32_t p = a - left; p < b - left; ++p, d += 3) {
                const std::array<uint8_t, 3> &m = m_cellMask[size_t(p)];
                d[0] = sb & m[0];
                d[1] = sg & m[1];
                d[2] = sr & m[2];
            }
        }
    }
}

void TLoupState::MoveMagnifier(int32_t x, int32_t y)
{
    m_magX = Bound(x, 0, int64_t(m_pictureWidth) - 1);
    m_magY = Bound(y, 1, m_pictureHeight);
    RenderMagnifier();
}

void TLoupState::ChangeZoomLevel(int32_t delta)
{
    SetZoomLevel(Bound(int64_t(m_zoomLevel) + delta, MinZoomLevel, MaxZoomLevel));
    RenderMagnifier();
}

void TLoupState::ChangeMagSize(int32_t delta)
{
    m_magSize = Bound(int64_t(m_magSize) + delta, 0, MagSizeLimit);
    ClampMagSize();
    BuildSpans();
    UpdateMagGeometry();
    RenderMagnifier();
}

bool TLoupState::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int32_t x, int32_t y)
{
    if (button == Qt::LeftButton) {
        MoveMagnifier(x, y);
        return true;
    }
    if (button == Qt::RightButton) {
        ChangeZoomLevel(modifiers.testFlag(Qt::ControlModifier) ? -1 : 1);
        return true;
    }
    return false;
}

bool TLoupState::MouseMove(Qt::MouseButtons held, int32_t x, int32_t y)
{
    if (!held.testFlag(Qt::LeftButton))
        return false;
    MoveMagnifier(x, y);
    return true;
}

int32_t TLoupState::WheelNotches(QPoint angleDelta)
{
    return (angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x()) / WheelNotch;
}

bool TLoupState::MouseWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers)
{
    const int32_t n = WheelNotches(angleDelta);
    // A part of a notch changes nothing: no need to render again.
    if (n == 0)
        return false;
    if (modifiers.testFlag(Qt::ShiftModifier))
        ChangeMagSize(Bound(int64_t(n) * MagSizeStep, INT32_MIN, INT32_MAX));
    else
        ChangeZoomLevel(n);
    return true;
}

QImage TLoupState::CopyImage() const
{
    if (!m_screenImage || !m_screenImage->HasStore())
        return {};
    return m_screenImage->Image();
}

} // namespace Irisonde
