// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/SynthState.h"

#include "imaging/ColourU.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Irisonde {

namespace {

// Largest integer whose square is at most n (n >= 0).
int64_t ISqrt(int64_t n)
{
    auto r = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
    while (r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

} // namespace

TSynthState::TSynthState(ERasterOp mix, uint32_t backColour)
    : BackColour(backColour), m_mixOp(mix)
{
}

TSynthState::~TSynthState() = default;

void TSynthState::ResetState()
{
    SetAllPercent(100);
    LinkFlag = false;
    ExtendedFlag = false;
    KeyDisc = 1;
}

void TSynthState::SetDiscRadius(int32_t r)
{
    const int32_t limit = DiscAreaH / MaxRadiusDivisor;
    DiscRadius = r > limit ? limit : (r < MinRadius ? MinRadius : r);
    HalfRadius = DiscRadius / 2;
    DiscSize = 2 * DiscRadius;
    for (TDisc &d : m_discs)
        (void)MakeOrResize(d.Bitmap, DiscSize, DiscSize);
    DrawDiscs();
}

void TSynthState::SizeLayers()
{
    for (auto *layer : {&BackLayer, &FrameLayer}) {
        (void)MakeOrResize(*layer, DiscAreaW, DiscAreaH);
    }
    m_dirty = QRect(0, 0, DiscAreaW, DiscAreaH);
}

bool TSynthState::Ready() const
{
    if (!BackLayer || !FrameLayer || !BackLayer->HasStore() || !FrameLayer->HasStore())
        return false;
    for (const TDisc &d : m_discs)
        if (!d.Bitmap || !d.Bitmap->HasStore())
            return false;
    return true;
}

QRect TSynthState::DiscBox(int32_t k) const
{
    return QRect(Disc(k).X - DiscRadius, Disc(k).Y - DiscRadius, DiscSize, DiscSize);
}

void TSynthState::PrepareBackground()
{
    if (!Ready())
        return;
    FillImage(*BackLayer, SwapRB(BackColour));
    // The discs that stay put, in the order that keeps the priority of the
    // drag among the others.
    static constexpr int32_t others[4][2] = {{0, 0}, {2, 3}, {1, 3}, {2, 1}};
    if (DragDisc < 1 || DragDisc > 3)
        return;
    for (int32_t k : others[DragDisc])
        CombineDisc(*BackLayer, k, m_mixOp);
}

void TSynthState::Compose()
{
    m_dirty = QRect(0, 0, DiscAreaW, DiscAreaH);
    if (!Ready())
        return;
    if (DragDisc >= 1 && DragDisc <= 3) {
        CopyStore(*FrameLayer, *BackLayer);
        CombineDisc(*FrameLayer, DragDisc, m_mixOp);
        return;
    }
    FillImage(*FrameLayer, SwapRB(BackColour));
    CombineDisc(*FrameLayer, 1, ERasterOp::Copy);
    for (int32_t k = 2; k <= DiscCount; ++k)
        CombineDisc(*FrameLayer, k, m_mixOp);
}

void TSynthState::CombineDisc(TDibPlus &layer, int32_t k, ERasterOp op) const
{
    const TDisc &d = Disc(k);
    CombineImage(layer, *d.Bitmap, d.X - DiscRadius, d.Y - DiscRadius, op);
}

void TSynthState::ClampDisc(int32_t &x, int32_t &y) const
{
    // Lower bounds first: in an area too small for the rules, the centre
    // stays at the top-left rather than below the strip.
    x = std::max(std::min(x, DiscAreaW + HalfRadius), -HalfRadius);
    y = std::max(std::min(y, DiscAreaH - DiscRadius), -HalfRadius);
}

bool TSynthState::InDisc(int32_t x, int32_t y, int32_t cx, int32_t cy) const
{
    const int64_t dx = int64_t(x) - cx, dy = int64_t(y) - cy;
    return dx * dx + dy * dy <= int64_t(DiscRadius) * DiscRadius;
}

TSynthState::TOverlaps TSynthState::Overlaps() const
{
    // Discs of one radius R: two overlap when their centres are closer than
    // 2R; three share a part when the least circle round their centres has
    // a radius below R (half the longest side for a triangle with an angle of
    // 90 degrees or more, the circumscribed circle otherwise).
    const auto d2 = [this](int a, int b) {
        const double dx = double(Disc(a).X) - Disc(b).X, dy = double(Disc(a).Y) - Disc(b).Y;
        return dx * dx + dy * dy;
    };
    const double r = DiscRadius;
    const std::array<double, 3> sides{d2(1, 2), d2(1, 3), d2(2, 3)}; // squared
    TOverlaps o;
    for (size_t i = 0; i < 3; ++i)
        o.Pairs[i] = sides[i] < 4 * r * r;
    if (!(o.Pairs[0] && o.Pairs[1] && o.Pairs[2]))
        return o;
    const double longest = *std::max_element(sides.begin(), sides.end());
    const double sum = sides[0] + sides[1] + sides[2];
    if (2 * longest >= sum) {
        o.All = longest < 4 * r * r;
    } else {
        const double a = std::sqrt(sides[0]), b = std::sqrt(sides[1]), c = std::sqrt(sides[2]);
        const double area4 = std::sqrt(std::max(0.0, (a + b + c) * (-a + b + c) * (a - b + c) * (a + b - c)));
        o.All = area4 > 0 && a * b * c / area4 < r;
    }
    return o;
}

int32_t TSynthState::DiscAt(int32_t x, int32_t y) const
{
    for (int32_t k = 1; k <= DiscCount; ++k)
        if (InDisc(x, y, Disc(k).X, Disc(k).Y))
            return k;
    return 0;
}

void TSynthState::StartDrag(int32_t x, int32_t y)
{
    DragDisc = DiscAt(x, y);
    PrepareBackground();
}

bool TSynthState::DragTo(int32_t x, int32_t y)
{
    if (DragDisc < 1 || DragDisc > 3)
        return false;
    const QRect before = DiscBox(DragDisc);
    ClampDisc(x, y);
    Disc(DragDisc).X = x;
    Disc(DragDisc).Y = y;
    DiscMoved(DragDisc);
    m_dirty = (before | DiscBox(DragDisc)) & QRect(0, 0, DiscAreaW, DiscAreaH);
    if (Ready()) {
        // The screen is the background with the taken disc on it: only the
        // disc's old and new places change, the rest of the copy is spared.
        CopyArea(*FrameLayer, *BackLayer, m_dirty);
        CombineDisc(*FrameLayer, DragDisc, m_mixOp);
    }
    return true;
}

void TSynthState::EndDrag()
{
    DragDisc = 0;
    PrepareBackground();
}

bool TSynthState::KeyMove(int32_t dx, int32_t dy)
{
    if (!Ready() || KeyDisc < 1 || KeyDisc > DiscCount)
        return false;
    if (DragDisc != KeyDisc) {
        DragDisc = KeyDisc;
        PrepareBackground();
    }
    // Held keys repeat without end: far beyond the clamps, never past int.
    const auto step = [](int32_t from, int32_t by) {
        return int32_t(std::clamp<int64_t>(int64_t(from) + by, INT32_MIN / 2, INT32_MAX / 2));
    };
    return DragTo(step(Disc(KeyDisc).X, dx), step(Disc(KeyDisc).Y, dy));
}

void TSynthState::Recolour()
{
    SetColours();
    DrawDiscs();
    // A disc taken by the keyboard lies on a background of the others,
    // which changed colour too.
    if (DragDisc != 0)
        PrepareBackground();
    Compose();
}

bool TSynthState::ChangeRadius(int32_t delta)
{
    const int32_t before = DiscRadius;
    SetDiscRadius(DiscRadius + delta);
    if (DiscRadius == before)
        return false;
    PrepareBackground();
    Compose();
    return true;
}

void TSynthState::SetPercentFromBars(int32_t pos1, int32_t pos2, int32_t pos3)
{
    const int32_t pos[DiscCount] = {pos1, pos2, pos3};
    for (size_t i = 0; i < m_discs.size(); ++i)
        m_discs[i].Percent = 100 - pos[i];
}

void TSynthState::SetAllPercent(int32_t percent)
{
    for (TDisc &d : m_discs)
        d.Percent = percent;
}

void TSynthState::Show(int32_t clientW, int32_t clientH)
{
    Opening();
    DiscAreaW = clientW - AreaMarginW;
    DiscAreaH = clientH - AreaMargin(true);
    AreaSized();
    // A drag left unfinished by the last closing does not survive it.
    DragDisc = 0;
    SetColours();
    SetDiscRadius(DiscAreaH / StartRadiusDivisor);
    SizeLayers();
    PrepareBackground();
    PlaceDiscs();
    DiscsPlaced();
    PaintStrip();
    Compose();
}

void TSynthState::Resize(int32_t clientW, int32_t clientH, bool showing)
{
    DiscAreaW = clientW - AreaMarginW;
    DiscAreaH = clientH - AreaMargin(false);
    AreaSized();
    if (showing) {
        SetDiscRadius(DiscAreaH / StartRadiusDivisor);
        SizeLayers();
    }
    for (TDisc &d : m_discs)
        ClampDisc(d.X, d.Y);
    DiscsPlaced();
    if (showing) {
        // After the clamp, so that a drag going on meets its background.
        PrepareBackground();
        PaintStrip();
        Compose();
    }
}

void TSynthState::Close()
{
    for (TDisc &d : m_discs)
        d.Bitmap.reset();
    BackLayer.reset();
    FrameLayer.reset();
    DragDisc = 0;
}

QImage TSynthState::CopyImage() const
{
    if (!FrameLayer || !FrameLayer->HasStore())
        return {};
    QImage out(DiscAreaW, DiscAreaH + StripHeight(), QImage::Format_RGB32);
    out.fill(QColor(ColourToQColor(BackColour)));
    QPainter p(&out);
    p.drawImage(0, 0, FrameLayer->Image());
    if (const TDibPlus *strip = StripImage(); strip && strip->HasStore())
        p.drawImage(0, DiscAreaH, strip->Image());
    return out;
}

void TSynthState::PlaceDiscs()
{
    TDisc &first = Disc(1);
    first.X = DiscAreaW / 2;
    first.Y = DiscAreaH / 2;
    Disc(2).X = first.X + HalfRadius;
    Disc(2).Y = first.Y - HalfRadius;
    Disc(3).X = first.X - HalfRadius;
    Disc(3).Y = first.Y - HalfRadius;
}

void TSynthState::FillDiscSpans(TDibPlus &bitmap, int32_t radius, uint32_t pixel)
{
    const int32_t size = 2 * radius;
    if (radius <= 0 || !bitmap.HasStore() || bitmap.Width() < size || bitmap.Height() < size)
        return;
    // The disc of radius R about the middle of the square (R - 1/2, R - 1/2
    // in pixel centres): pixel x is in row j when
    // (2x + 1 - 2R)^2 + (2j + 1 - 2R)^2 <= (2R)^2. Halving the widest odd
    // offset gives the same span on both sides and on mirrored rows.
    const int64_t outer = 4 * int64_t(radius) * radius;
    for (int32_t j = 0; j < size; ++j) {
        const int64_t dy = 2 * int64_t(j) + 1 - 2 * int64_t(radius);
        int64_t a = ISqrt(outer - dy * dy);
        if (a % 2 == 0)
            --a;
        if (a < 1)
            continue;
        const auto first = int32_t((2 * int64_t(radius) - 1 - a) / 2);
        bitmap.HorzLine(first, size - 1 - j, size - 1 - first, pixel);
    }
}

} // namespace Irisonde
