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
    : m_mixOp(mix), m_backColour(backColour)
{
}

TSynthState::~TSynthState() = default;

void TSynthState::ResetState()
{
    SetAllPercent(100);
    m_linked = false;
    m_extended = false;
    m_keyDisc = 1;
}

void TSynthState::SetDiscRadius(int32_t r)
{
    const int32_t limit = m_discAreaH / MaxRadiusDivisor;
    m_discRadius = r > limit ? limit : (r < MinRadius ? MinRadius : r);
    m_halfRadius = m_discRadius / 2;
    m_discSize = 2 * m_discRadius;
    for (TDisc &d : m_discs)
        (void)MakeOrResize(d.Bitmap, m_discSize, m_discSize);
    DrawDiscs();
}

void TSynthState::SizeLayers()
{
    for (auto *layer : {&m_backLayer, &m_frameLayer}) {
        (void)MakeOrResize(*layer, m_discAreaW, m_discAreaH);
    }
}

bool TSynthState::Ready() const
{
    if (!m_backLayer || !m_frameLayer || !m_backLayer->HasStore() || !m_frameLayer->HasStore())
        return false;
    for (const TDisc &d : m_discs)
        if (!d.Bitmap || !d.Bitmap->HasStore())
            return false;
    return true;
}

QRect TSynthState::DiscBox(int32_t k) const
{
    return QRect(Disc(k).X - m_discRadius, Disc(k).Y - m_discRadius, m_discSize, m_discSize);
}

void TSynthState::PrepareBackground()
{
    if (!Ready())
        return;
    FillImage(*m_backLayer, SwapRB(m_backColour));
    // The discs that stay put, in the order that keeps the priority of the
    // drag among the others.
    static constexpr int32_t others[4][2] = {{0, 0}, {2, 3}, {1, 3}, {2, 1}};
    if (m_dragDisc < 1 || m_dragDisc > 3)
        return;
    for (int32_t k : others[m_dragDisc])
        CombineDisc(*m_backLayer, k, m_mixOp);
}

void TSynthState::Compose()
{
    if (!Ready())
        return;
    if (m_dragDisc >= 1 && m_dragDisc <= 3) {
        CopyStore(*m_frameLayer, *m_backLayer);
        CombineDisc(*m_frameLayer, m_dragDisc, m_mixOp);
        return;
    }
    FillImage(*m_frameLayer, SwapRB(m_backColour));
    CombineDisc(*m_frameLayer, 1, ERasterOp::Copy);
    for (int32_t k = 2; k <= DiscCount; ++k)
        CombineDisc(*m_frameLayer, k, m_mixOp);
}

void TSynthState::CombineDisc(TDibPlus &layer, int32_t k, ERasterOp op) const
{
    const TDisc &d = Disc(k);
    CombineImage(layer, *d.Bitmap, d.X - m_discRadius, d.Y - m_discRadius, op);
}

void TSynthState::ClampDisc(int32_t &x, int32_t &y) const
{
    // Lower bounds first: in an area too small for the rules, the centre
    // stays at the top-left rather than below the strip.
    x = std::max(std::min(x, m_discAreaW + m_halfRadius), -m_halfRadius);
    y = std::max(std::min(y, m_discAreaH - m_discRadius), -m_halfRadius);
}

bool TSynthState::InDisc(int32_t x, int32_t y, int32_t cx, int32_t cy) const
{
    const int64_t dx = int64_t(x) - cx, dy = int64_t(y) - cy;
    return dx * dx + dy * dy <= int64_t(m_discRadius) * m_discRadius;
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
    const double r = m_discRadius;
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
    m_dragDisc = DiscAt(x, y);
    PrepareBackground();
}

TDamage TSynthState::DragTo(int32_t x, int32_t y)
{
    if (m_dragDisc < 1 || m_dragDisc > 3)
        return {};
    // Only the disc's old and new places change on the screen, and its
    // strip item when that follows it.
    TDamage damage(DiscPlace(m_dragDisc));
    const QRect before = DiscBox(m_dragDisc);
    ClampDisc(x, y);
    MutableDisc(m_dragDisc).X = x;
    MutableDisc(m_dragDisc).Y = y;
    if (DiscMoved(m_dragDisc))
        damage.Add(StripItemPlace(m_dragDisc));
    damage.Add(DiscPlace(m_dragDisc));
    if (Ready()) {
        // The screen is the background with the taken disc on it: the rest
        // of the copy is spared.
        CopyArea(*m_frameLayer, *m_backLayer, (before | DiscBox(m_dragDisc)) & QRect(0, 0, m_discAreaW, m_discAreaH));
        CombineDisc(*m_frameLayer, m_dragDisc, m_mixOp);
    }
    return damage;
}

void TSynthState::EndDrag()
{
    m_dragDisc = 0;
    PrepareBackground();
}

void TSynthState::SetKeyDisc(int32_t k)
{
    if (k >= 1 && k <= DiscCount)
        m_keyDisc = k;
}

TDamage TSynthState::KeyMove(int32_t dx, int32_t dy)
{
    if (!Ready() || m_keyDisc < 1 || m_keyDisc > DiscCount)
        return {};
    if (m_dragDisc != m_keyDisc) {
        m_dragDisc = m_keyDisc;
        PrepareBackground();
    }
    // Held keys repeat without end: far beyond the clamps, never past int.
    const auto step = [](int32_t from, int32_t by) {
        return int32_t(std::clamp<int64_t>(int64_t(from) + by, INT32_MIN / 2, INT32_MAX / 2));
    };
    return DragTo(step(Disc(m_keyDisc).X, dx), step(Disc(m_keyDisc).Y, dy));
}

TDamage TSynthState::Recolour()
{
    std::array<uint32_t, DiscCount> before{};
    for (size_t i = 0; i < m_discs.size(); ++i)
        before[i] = m_discs[i].Colour;
    SetColours();
    DrawDiscs();
    // A disc taken by the keyboard lies on a background of the others,
    // which changed colour too.
    if (m_dragDisc != 0)
        PrepareBackground();
    Compose();
    // A disc of the same colour is drawn as it was.
    TDamage damage;
    for (int32_t k = 1; k <= DiscCount; ++k)
        if (Disc(k).Colour != before[size_t(k - 1)])
            damage.Add(DiscPlace(k));
    return damage;
}

TDamage TSynthState::ChangeRadius(int32_t delta)
{
    const int32_t before = m_discRadius;
    // The discs keep their centres: their old and new boxes hold every change.
    TDamage damage;
    for (int32_t k = 1; k <= DiscCount; ++k)
        damage.Add(DiscPlace(k));
    SetDiscRadius(m_discRadius + delta);
    if (m_discRadius == before)
        return {};
    PrepareBackground();
    Compose();
    for (int32_t k = 1; k <= DiscCount; ++k)
        damage.Add(DiscPlace(k));
    return damage;
}

TDamage TSynthState::BarChange(int32_t k, const std::array<int32_t, DiscCount> &positions)
{
    if (k < 1 || k > DiscCount)
        return {};
    if (m_linked)
        SetAllPercent(PercentBarMax - positions[size_t(k - 1)]);
    else
        SetPercentFromBars(positions);
    TDamage damage = Recolour();
    // Only the strip item of the bar that moved needs redrawing, unless the
    // bars move together.
    for (int32_t j = 1; j <= DiscCount; ++j)
        if (m_linked || j == k) {
            DrawStripItem(j);
            damage.Add(StripItemPlace(j));
        }
    return damage;
}

TDamage TSynthState::SetExtended(bool extended)
{
    m_extended = extended;
    if (extended) {
        // Full intensities in the extended colours equal the plain ones:
        // nothing changes on screen.
        return Recolour();
    }
    std::array<uint32_t, DiscCount> before{};
    for (size_t i = 0; i < m_discs.size(); ++i)
        before[i] = m_discs[i].Colour;
    SetAllPercent(100);
    TDamage damage = Recolour();
    PaintStrip();
    // The strip is drawn afresh; only the items that changed colour differ.
    for (int32_t k = 1; k <= DiscCount; ++k)
        if (Disc(k).Colour != before[size_t(k - 1)])
            damage.Add(StripItemPlace(k));
    return damage;
}

void TSynthState::SetPercentFromBars(const std::array<int32_t, DiscCount> &positions)
{
    for (size_t i = 0; i < m_discs.size(); ++i)
        m_discs[i].Percent = PercentBarMax - positions[i];
}

void TSynthState::SetAllPercent(int32_t percent)
{
    for (TDisc &d : m_discs)
        d.Percent = percent;
}

QRect TSynthState::ScreenPlace() const
{
    return QRect(AreaLeft, AreaTop, std::max(m_discAreaW, 0), std::max(m_discAreaH, 0));
}

QRect TSynthState::StripPlace() const
{
    return QRect(AreaLeft, AreaTop + std::max(m_discAreaH, 0), std::max(m_discAreaW, 0), StripHeight());
}

QRect TSynthState::DiscPlace(int32_t k) const
{
    return (DiscBox(k) & QRect(0, 0, m_discAreaW, m_discAreaH)).translated(AreaLeft, AreaTop);
}

QRect TSynthState::StripItemPlace(int32_t k) const
{
    const QRect place = StripPlace();
    return (StripItemRect(k).translated(place.topLeft())) & place;
}

void TSynthState::Show(int32_t clientW, int32_t clientH)
{
    Opening();
    m_discAreaW = clientW - AreaMarginW;
    m_discAreaH = clientH - AreaMargin(true);
    AreaSized();
    // A drag left unfinished by the last closing does not survive it.
    m_dragDisc = 0;
    SetColours();
    SetDiscRadius(m_discAreaH / StartRadiusDivisor);
    SizeLayers();
    PrepareBackground();
    PlaceDiscs();
    DiscsPlaced();
    PaintStrip();
    Compose();
}

void TSynthState::Resize(int32_t clientW, int32_t clientH, bool showing)
{
    m_discAreaW = clientW - AreaMarginW;
    m_discAreaH = clientH - AreaMargin(false);
    AreaSized();
    if (showing) {
        SetDiscRadius(m_discAreaH / StartRadiusDivisor);
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
    m_backLayer.reset();
    m_frameLayer.reset();
    m_dragDisc = 0;
}

QImage TSynthState::CopyImage() const
{
    if (!m_frameLayer || !m_frameLayer->HasStore())
        return {};
    QImage out(m_discAreaW, m_discAreaH + StripHeight(), QImage::Format_RGB32);
    out.fill(QColor(ColourToQColor(m_backColour)));
    QPainter p(&out);
    p.drawImage(0, 0, m_frameLayer->Image());
    if (const TDibPlus *strip = StripImage(); strip && strip->HasStore())
        p.drawImage(0, m_discAreaH, strip->Image());
    return out;
}

void TSynthState::PlaceDiscs()
{
    TDisc &first = MutableDisc(1);
    first.X = m_discAreaW / 2;
    first.Y = m_discAreaH / 2;
    MutableDisc(2).X = first.X + m_halfRadius;
    MutableDisc(2).Y = first.Y - m_halfRadius;
    MutableDisc(3).X = first.X - m_halfRadius;
    MutableDisc(3).Y = first.Y - m_halfRadius;
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
