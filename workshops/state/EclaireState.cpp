// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/EclaireState.h"

#include "imaging/ColourU.h"
#include "imaging/ProjoU.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace Irisonde {

namespace {

constexpr int32_t ZoneLeft = 6, ZoneTop = 4;
constexpr int32_t SideMargins = 18;   // client width left over by the two areas
constexpr int32_t BottomMargins = 182; // client height left over by the scene
constexpr int32_t OriginGap = 12;     // OriginZone's left beyond PictureWidth
constexpr int32_t BlancLabGap = 37;   // BlancLab's top beyond PictureHeight
constexpr int32_t SpotFloor = 3;      // the spot stays this far above the strip
constexpr int32_t SpriteHalf = ProjoSize / 2;

// The integer nearest to the square root of n >= 0. A root is never halfway
// between two integers, so this is Round(Sqrt(n)) without the double's
// precision running out for large n.
int64_t NearestRoot(int64_t n)
{
    auto s = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
    while (s * s > n)
        --s;
    while ((s + 1) * (s + 1) <= n)
        ++s;
    return n - s * s > s ? s + 1 : s;
}

int32_t Saturate(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

QString Percentage(int32_t factor)
{
    return QStringLiteral(" ") + QString::number(factor * 100 / 256) + QStringLiteral(" %");
}

} // namespace

TEclaireState::TEclaireState() : m_sink(1, 1, QImage::Format_RGB32)
{
    m_sink.fill(0);
}

TEclaireState::~TEclaireState()
{
    Close();
}

void TEclaireState::Show()
{
    ResetControls();
    LitImage.reset();
    ScenePicture = std::make_unique<TDibPlus>();
    ProjoStrip = std::make_unique<TDibPlus>();
    m_projo.CreateProjo();
    if (!m_sinkPainter.isActive())
        (void)m_sinkPainter.begin(&m_sink);
    Radius = StartRadius;
    UpdateLightColour();
}

void TEclaireState::Close()
{
    if (m_sinkPainter.isActive())
        m_sinkPainter.end();
    m_projo.FreeProjo();
    LitImage.reset();
    ScenePicture.reset();
    ProjoStrip.reset();
}

void TEclaireState::ResetControls()
{
    FactorR = FactorG = FactorB = FullFactor;
    BarsLive = true;
    LinkFlag = false;
    WholeScene = false;
}

TEclaireZones TEclaireState::LayoutZones(int32_t clientWidth, int32_t clientHeight)
{
    // A client area too small for the two pictures gives empty ones rather
    // than negative sizes.
    m_lit = ELit::None; // the images are made or cleared below
    PictureWidth = std::max((clientWidth - SideMargins) / 2, 0);
    MaxRadius = PictureWidth / 2;
    PictureHeight = std::max(clientHeight - BottomMargins, 0);
    for (auto *image : {&LitImage, &ScenePicture, &ProjoStrip}) {
        if (!*image)
            *image = std::make_unique<TDibPlus>();
        const int32_t h = image == &ProjoStrip ? StripHeight : PictureHeight;
        if ((*image)->Width() != PictureWidth || (*image)->Height() != h)
            (void)(*image)->Create(PictureWidth, h);
        else
            (*image)->ClearRows(0, h);
    }
    TEclaireZones zones;
    zones.Zone = QRect(ZoneLeft, ZoneTop, PictureWidth, PictureHeight);
    zones.ProjoZone = QRect(ZoneLeft, PictureHeight + ZoneTop, PictureWidth, StripHeight);
    zones.OriginZone = QRect(PictureWidth + OriginGap, ZoneTop, PictureWidth, PictureHeight);
    zones.BlancLabTop = PictureHeight + BlancLabGap;
    SpotX = MaxRadius;
    SpotY = PictureHeight / 2;
    BeamAngle = 0.0;
    ClampRadius();
    DrawProjector();
    return zones;
}

void TEclaireState::RenderScene()
{
    RenderRows(0, PictureHeight);
}

std::pair<int64_t, int64_t> TEclaireState::SpotRows() const
{
    // The workshop turns a distance y from the top into the row
    // PictureHeight - y, one above the exact PictureHeight - 1 - y; the spot
    // keeps that placement (its extreme rows are CY - R, CY + R - 1).
    const int64_t cy = int64_t(PictureHeight) - SpotY;
    return {cy - Radius, cy + Radius};
}

void TEclaireState::RenderRows(int32_t lo, int32_t hi)
{
    m_lit = ELit::None;
    if (!LitImage || !ScenePicture || !LitImage->HasStore() || LitImage->Width() != ScenePicture->Width()
        || LitImage->Height() != ScenePicture->Height())
        return;
    lo = std::clamp(lo, 0, LitImage->Height());
    hi = std::clamp(hi, lo, LitImage->Height());
    // Both stores are top-down QImages of one layout: one copy of the rows,
    // padding and all (row hi - 1 is the lowest in memory).
    if (hi > lo) {
        const uint8_t *src = ScenePicture->ConstBits() + ptrdiff_t(hi - 1) * ScenePicture->Stride();
        std::memcpy(LitImage->RowAddress(hi - 1), src, size_t(hi - lo) * size_t(LitImage->RowBytes()));
    }
    if (WholeScene) {
        LitImage->ScaleAll(FactorR, FactorG, FactorB);
        m_lit = ELit::Whole;
        return;
    }
    const auto [spotLo, spotHi] = SpotRows();
    LightDisc(SpotX, Saturate(int64_t(PictureHeight) - SpotY), Radius, lo, hi);
    m_litLo = spotLo;
    m_litHi = spotHi;
    m_lit = ELit::Spot;
}

void TEclaireState::LightDisc(int32_t cx, int32_t cy, int32_t radius, int32_t rowLo, int32_t rowHi)
{
    if (!LitImage || !LitImage->HasStore())
        return;
    TDibPlus &image = *LitImage;
    const int64_t w = image.Width(), r = radius, y0 = cy;
    // Rows outside rowLo .. rowHi are as if the image ended there.
    const int64_t rowFirst = std::clamp<int64_t>(rowLo, 0, image.Height());
    const int64_t h = std::clamp<int64_t>(rowHi, rowFirst, image.Height());
    // A span's ends brought to -1 .. Width keep ScaleRowSpan's clipping and
    // its all-black case while fitting its arguments.
    const auto end = [w](int64_t x) { return int32_t(std::clamp<int64_t>(x, -1, w)); };
    const auto light = [&](int64_t y, int64_t half) {
        if (y >= rowFirst && y < h)
            image.ScaleRowSpan(end(cx - half), end(cx + half), int32_t(y), FactorR, FactorG, FactorB);
    };
    // Rows k = -R .. -1 pair the row below the centre (CY + k) with the one
    // above (CY - k), in rising k. Only the k with a row inside the image
    // are run (ScaleRowSpan would skip the others), so that no radius or
    // centre makes a long loop; no row is written by two k, so skipping
    // changes nothing.
    const auto pass = [&](int64_t first, int64_t last) {
        for (int64_t k = std::max(first, -r); k <= std::min<int64_t>(last, -1); ++k) {
            const int64_t half = k == -r ? 0 : NearestRoot(r * r - k * k);
            light(y0 + k, half);
            light(y0 - k, half);
        }
    };
    // CY + k is inside for k in [F - CY, H - 1 - CY], CY - k for k in
    // [CY - H + 1, CY - F], F and H the first and last-but-one rows written.
    const int64_t lowA = rowFirst - y0, highA = h - 1 - y0, lowB = y0 - h + 1, highB = y0 - rowFirst;
    if (std::max(lowA, lowB) <= std::min(highA, highB) + 1)
        pass(std::min(lowA, lowB), std::max(highA, highB));
    else if (lowA < lowB) {
        pass(lowA, highA);
        pass(lowB, highB);
    } else {
        pass(lowB, highB);
        pass(lowA, highA);
    }
    light(y0, r);
    // Rows below CY - R, and from CY + R up (which takes back the one pixel
    // the loop lit at CY + R): the spot's extreme pixel stays at CY - R only.
    image.ClearRows(int32_t(rowFirst), int32_t(std::clamp<int64_t>(y0 - r, rowFirst, h)));
    image.ClearRows(int32_t(std::clamp<int64_t>(y0 + r, rowFirst, h)), int32_t(h));
}

void TEclaireState::DrawProjector()
{
    if (!m_projo.ProjoSource() || !m_sinkPainter.isActive())
        return;
    // Drawn off the scrap pixel: only ProjoOutput is wanted.
    if (WholeScene)
        m_projo.DrawProjo(m_sinkPainter, -2 * ProjoSize, 0, LightColour);
    else
        m_projo.DrawProjoRotated(m_sinkPainter, -2 * ProjoSize, 0, LightColour, BeamAngle);
    CopySpriteToStrip();
}

void TEclaireState::CopySpriteToStrip()
{
    TDibPlus *sprite = m_projo.ProjoOutput();
    if (!ProjoStrip || !ProjoStrip->HasStore() || !sprite || !sprite->HasStore())
        return;
    // The sprite's top-left at (PictureWidth div 2 - 40, 0) of the strip,
    // cut at the strip's ends when the scene is narrower than the sprite.
    const int32_t left = PictureWidth / 2 - SpriteHalf;
    const int32_t from = std::max(0, -left), to = std::min(ProjoSize, PictureWidth - left);
    if (from >= to)
        return;
    // Both images are StripHeight = ProjoSize rows high: rows match.
    for (int32_t y = 0; y < ProjoSize; ++y)
        std::memcpy(ProjoStrip->RowAddress(y) + 3 * ptrdiff_t(left + from),
                    sprite->RowAddress(y) + 3 * ptrdiff_t(from), 3 * size_t(to - from));
}

void TEclaireState::ClampRadius()
{
    // The upper bound first, so that the lower one wins when MaxRadius is
    // under 10: tested the other way round, a radius of 10 would drop to
    // MaxRadius and climb back at the next clamp.
    Radius = std::max(std::min(Radius, MaxRadius), MinRadius);
}

void TEclaireState::UpdateLightColour()
{
    const auto channel = [](int32_t f) { return uint32_t(std::clamp(f, 0, FullFactor) * 255 / 256); };
    LightColour = SwapRB(PackRGB(channel(FactorB), channel(FactorG), channel(FactorR)));
}

std::array<QString, 3> TEclaireState::ShowPercentages() const
{
    return {Percentage(FactorR), Percentage(FactorG), Percentage(FactorB)};
}

std::array<int32_t, 3> TEclaireState::BarPositions() const
{
    return {FullFactor - FactorR, FullFactor - FactorG, FullFactor - FactorB};
}

bool TEclaireState::BarChange(int32_t changed, const std::array<int32_t, 3> &positions)
{
    if (!BarsLive)
        return false;
    BarsLive = false;
    const auto factor = [](int32_t p) { return FullFactor - std::clamp(p, 0, FullFactor); };
    if (LinkFlag && changed >= 0 && changed < 3)
        FactorR = FactorG = FactorB = factor(positions[size_t(changed)]);
    else {
        FactorR = factor(positions[0]);
        FactorG = factor(positions[1]);
        FactorB = factor(positions[2]);
    }
    UpdateLightColour();
    RenderScene();
    DrawProjector();
    return true;
}

void TEclaireState::ColourButtonClick(int32_t button)
{
    if (button < 0 || button >= int32_t(ColourButtons.size()))
        return;
    const TColourButton &b = ColourButtons[size_t(button)];
    FactorR = b.FactorR;
    FactorG = b.FactorG;
    FactorB = b.FactorB;
    BarsLive = false;
    UpdateLightColour();
    RenderScene();
    DrawProjector();
}

void TEclaireState::SetWholeScene(bool whole)
{
    WholeScene = whole;
    RenderScene();
    DrawProjector();
}

void TEclaireState::MouseLeft(int32_t x, int32_t y)
{
    MoveSpot(x, std::min(y, PictureHeight - Radius - SpotFloor));
}

void TEclaireState::MoveSpot(int32_t x, int32_t y)
{
    SpotX = x;
    SpotY = y;
    // The sprite's centre is at (PictureWidth div 2, PictureHeight + 40) of
    // the scene area; the clamp keeps the spot above it, so `down` < 0 and
    // the angle is the beam's deviation from the vertical.
    const double across = PictureWidth * 0.5 - x;
    const double down = double(y) - PictureHeight - 40.0;
    BeamAngle = down < 0 ? std::atan(across / down) : std::atan2(-across, -down);
    if (WholeScene && m_lit == ELit::Whole) {
        // The whole scene lit does not depend on where the spot is.
    } else if (!WholeScene && m_lit == ELit::Spot) {
        const auto [lo, hi] = SpotRows();
        const auto row = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, 0, INT32_MAX)); };
        RenderRows(row(std::min(lo, m_litLo)), row(std::max(hi, m_litHi)));
    } else {
        RenderScene();
    }
    DrawProjector();
}

void TEclaireState::KeyMove(int32_t dx, int32_t dy)
{
    const auto within = [](int32_t from, int32_t by, int32_t size) {
        return int32_t(std::clamp<int64_t>(int64_t(from) + by, 0, std::max(size - 1, 0)));
    };
    // An arrow moves along its own axis only: the spot may start below the
    // drag's floor (a low window), where the mouse's clamp would lift it.
    int32_t y = SpotY;
    if (dy < 0)
        y = within(SpotY, dy, PictureHeight);
    else if (dy > 0)
        y = std::max(SpotY, std::min(within(SpotY, dy, PictureHeight), PictureHeight - Radius - SpotFloor));
    MoveSpot(within(SpotX, dx, PictureWidth), y);
}

QString TEclaireState::Describe() const
{
    // As the edits show them.
    const auto percent = [](int32_t factor) { return Percentage(factor).trimmed(); };
    QString said = QStringLiteral("Scène éclairée par une lumière rouge ") + percent(FactorR) + QStringLiteral(", verte ")
                 + percent(FactorG) + QStringLiteral(", bleue ") + percent(FactorB);
    if (WholeScene)
        return said + QStringLiteral(", sur toute la scène.");
    return said + QStringLiteral(", en une tache de rayon ") + QString::number(Radius) + QStringLiteral(" pixels à ")
         + QString::number(SpotX) + QStringLiteral(" pixels du bord gauche et ") + QString::number(SpotY)
         + QStringLiteral(" du haut. Flèches : déplacer la tache ; + et - : son rayon.");
}

bool TEclaireState::MouseRight(bool ctrl)
{
    const int32_t before = Radius;
    Radius = Saturate(int64_t(Radius) + (ctrl ? -RadiusStep : RadiusStep));
    ClampRadius();
    if (Radius == before)
        return false;
    RenderScene();
    DrawProjector();
    return true;
}

bool TEclaireState::Wheel(int32_t delta)
{
    const int32_t before = Radius;
    Radius = Saturate(int64_t(Radius) + int64_t(WheelNotches(delta)) * RadiusStep);
    ClampRadius();
    if (Radius == before)
        return false;
    RenderScene();
    return true;
}

QImage TEclaireState::CopyImage() const
{
    if (!LitImage || !LitImage->HasStore())
        return {};
    QImage out(PictureWidth, PictureHeight + StripHeight, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.drawImage(0, 0, LitImage->Image());
    if (ProjoStrip && ProjoStrip->HasStore())
        p.drawImage(0, PictureHeight, ProjoStrip->Image());
    return out;
}

} // namespace Irisonde
