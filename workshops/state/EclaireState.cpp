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
constexpr int32_t OriginGap = 12;     // OriginZone's left beyond m_pictureWidth
constexpr int32_t BlancLabGap = 37;   // BlancLab's top beyond m_pictureHeight
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
    m_litImage.reset();
    m_scenePicture = std::make_unique<TDibPlus>();
    m_projoStrip = std::make_unique<TDibPlus>();
    m_projo.CreateProjo();
    if (!m_sinkPainter.isActive())
        (void)m_sinkPainter.begin(&m_sink);
    m_radius = StartRadius;
    UpdateLightColour();
}

void TEclaireState::Close()
{
    if (m_sinkPainter.isActive())
        m_sinkPainter.end();
    m_projo.FreeProjo();
    m_litImage.reset();
    m_scenePicture.reset();
    m_projoStrip.reset();
}

void TEclaireState::ResetControls()
{
    m_factorR = m_factorG = m_factorB = FullFactor;
    m_linked = false;
    m_wholeScene = false;
}

TEclaireZones TEclaireState::LayoutZones(int32_t clientWidth, int32_t clientHeight)
{
    // A client area too small for the two pictures gives empty ones rather
    // than negative sizes.
    m_lit = ELit::None; // the images are made or cleared below
    m_pictureWidth = std::max((clientWidth - SideMargins) / 2, 0);
    m_maxRadius = m_pictureWidth / 2;
    m_pictureHeight = std::max(clientHeight - BottomMargins, 0);
    for (auto *image : {&m_litImage, &m_scenePicture, &m_projoStrip}) {
        if (!*image)
            *image = std::make_unique<TDibPlus>();
        const int32_t h = image == &m_projoStrip ? StripHeight : m_pictureHeight;
        if ((*image)->Width() != m_pictureWidth || (*image)->Height() != h)
            (void)(*image)->Create(m_pictureWidth, h);
        else
            (*image)->ClearRows(0, h);
    }
    TEclaireZones zones;
    zones.Zone = QRect(ZoneLeft, ZoneTop, m_pictureWidth, m_pictureHeight);
    zones.ProjoZone = QRect(ZoneLeft, m_pictureHeight + ZoneTop, m_pictureWidth, StripHeight);
    zones.OriginZone = QRect(m_pictureWidth + OriginGap, ZoneTop, m_pictureWidth, m_pictureHeight);
    zones.BlancLabTop = m_pictureHeight + BlancLabGap;
    m_spotX = m_maxRadius;
    m_spotY = m_pictureHeight / 2;
    m_beamAngle = 0.0;
    ClampRadius();
    DrawProjector();
    return zones;
}

void TEclaireState::RenderScene()
{
    RenderRows(0, m_pictureHeight);
}

std::pair<int64_t, int64_t> TEclaireState::SpotRows() const
{
    // The workshop turns a distance y from the top into the row
    // m_pictureHeight - y, one above the exact m_pictureHeight - 1 - y; the spot
    // keeps that placement (its extreme rows are CY - R, CY + R - 1).
    const int64_t cy = int64_t(m_pictureHeight) - m_spotY;
    return {cy - m_radius, cy + m_radius};
}

void TEclaireState::RenderRows(int32_t lo, int32_t hi)
{
    m_lit = ELit::None;
    if (!m_litImage || !m_scenePicture || !m_litImage->HasStore() || m_litImage->Width() != m_scenePicture->Width()
        || m_litImage->Height() != m_scenePicture->Height())
        return;
    lo = std::clamp(lo, 0, m_litImage->Height());
    hi = std::clamp(hi, lo, m_litImage->Height());
    // Both stores are top-down QImages of one layout: one copy of the rows,
    // padding and all (row hi - 1 is the lowest in memory).
    if (hi > lo) {
        const uint8_t *src = m_scenePicture->ConstBits() + ptrdiff_t(hi - 1) * m_scenePicture->Stride();
        std::memcpy(m_litImage->RowAddress(hi - 1), src, size_t(hi - lo) * size_t(m_litImage->RowBytes()));
    }
    if (m_wholeScene) {
        m_litImage->ScaleAll(m_factorR, m_factorG, m_factorB);
        m_lit = ELit::Whole;
        return;
    }
    const auto [spotLo, spotHi] = SpotRows();
    LightDisc(m_spotX, Saturate(int64_t(m_pictureHeight) - m_spotY), m_radius, lo, hi);
    m_litLo = spotLo;
    m_litHi = spotHi;
    m_lit = ELit::Spot;
}

void TEclaireState::LightDisc(int32_t cx, int32_t cy, int32_t radius, int32_t rowLo, int32_t rowHi)
{
    if (!m_litImage || !m_litImage->HasStore())
        return;
    TDibPlus &image = *m_litImage;
    const int64_t w = image.Width(), r = radius, y0 = cy;
    // Rows outside rowLo .. rowHi are as if the image ended there.
    const int64_t rowFirst = std::clamp<int64_t>(rowLo, 0, image.Height());
    const int64_t h = std::clamp<int64_t>(rowHi, rowFirst, image.Height());
    // A span's ends brought to -1 .. Width keep ScaleRowSpan's clipping and
    // its all-black case while fitting its arguments.
    const auto end = [w](int64_t x) { return int32_t(std::clamp<int64_t>(x, -1, w)); };
    const auto light = [&](int64_t y, int64_t half) {
        if (y >= rowFirst && y < h)
            image.ScaleRowSpan(end(cx - half), end(cx + half), int32_t(y), m_factorR, m_factorG, m_factorB);
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
    if (m_wholeScene)
        m_projo.DrawProjo(m_sinkPainter, -2 * ProjoSize, 0, m_lightColour);
    else
        m_projo.DrawProjoRotated(m_sinkPainter, -2 * ProjoSize, 0, m_lightColour, m_beamAngle);
    CopySpriteToStrip();
}

void TEclaireState::CopySpriteToStrip()
{
    TDibPlus *sprite = m_projo.ProjoOutput();
    if (!m_projoStrip || !m_projoStrip->HasStore() || !sprite || !sprite->HasStore())
        return;
    // The sprite's top-left at (m_pictureWidth div 2 - 40, 0) of the strip,
    // cut at the strip's ends when the scene is narrower than the sprite.
    const int32_t left = m_pictureWidth / 2 - SpriteHalf;
    const int32_t from = std::max(0, -left), to = std::min(ProjoSize, m_pictureWidth - left);
    if (from >= to)
        return;
    // Both images are StripHeight = ProjoSize rows high: rows match.
    for (int32_t y = 0; y < ProjoSize; ++y)
        std::memcpy(m_projoStrip->RowAddress(y) + 3 * ptrdiff_t(left + from),
                    sprite->RowAddress(y) + 3 * ptrdiff_t(from), 3 * size_t(to - from));
}

void TEclaireState::ClampRadius()
{
    // The upper bound first, so that the lower one wins when m_maxRadius is
    // under 10: tested the other way round, a radius of 10 would drop to
    // m_maxRadius and climb back at the next clamp.
    m_radius = std::max(std::min(m_radius, m_maxRadius), MinRadius);
}

void TEclaireState::UpdateLightColour()
{
    const auto channel = [](int32_t f) { return uint32_t(std::clamp(f, 0, FullFactor) * 255 / 256); };
    m_lightColour = SwapRB(PackRGB(channel(m_factorB), channel(m_factorG), channel(m_factorR)));
}

std::array<QString, 3> TEclaireState::ShowPercentages() const
{
    return {Percentage(m_factorR), Percentage(m_factorG), Percentage(m_factorB)};
}

std::array<int32_t, 3> TEclaireState::BarPositions() const
{
    return {FullFactor - m_factorR, FullFactor - m_factorG, FullFactor - m_factorB};
}

TDamage TEclaireState::BarChange(int32_t changed, const std::array<int32_t, 3> &positions)
{
    const auto factor = [](int32_t p) { return FullFactor - std::clamp(p, 0, FullFactor); };
    if (m_linked && changed >= 0 && changed < 3) {
        const int32_t f = factor(positions[size_t(changed)]);
        return SetFactors(f, f, f);
    }
    return SetFactors(factor(positions[0]), factor(positions[1]), factor(positions[2]));
}

TDamage TEclaireState::ColourButtonClick(int32_t button)
{
    if (button < 0 || button >= int32_t(ColourButtons.size()))
        return {};
    const TColourButton &b = ColourButtons[size_t(button)];
    return SetFactors(b.FactorR, b.FactorG, b.FactorB);
}

TDamage TEclaireState::SetFactors(int32_t r, int32_t g, int32_t b)
{
    m_factorR = r;
    m_factorG = g;
    m_factorB = b;
    UpdateLightColour();
    RenderScene();
    DrawProjector();
    // Outside the spot the scene stays black; the lamp takes the colour.
    TDamage damage(m_wholeScene ? ScenePlace() : SpotPlace());
    damage.Add(SpritePlace());
    return damage;
}

TDamage TEclaireState::SetWholeScene(bool whole)
{
    m_wholeScene = whole;
    RenderScene();
    DrawProjector();
    TDamage damage(ScenePlace());
    damage.Add(SpritePlace());
    return damage;
}

TDamage TEclaireState::MouseLeft(int32_t x, int32_t y)
{
    return MoveSpot(x, std::min(y, m_pictureHeight - m_radius - SpotFloor));
}

TDamage TEclaireState::MoveSpot(int32_t x, int32_t y)
{
    // Outside the spot the scene is black before and after: only the spot's
    // old and new places change, and the projector that follows it.
    TDamage damage(SpotPlace());
    m_spotX = x;
    m_spotY = y;
    // The sprite's centre is at (PictureWidth div 2, PictureHeight + 40) of
    // the scene area; the clamp keeps the spot above it, so `down` < 0 and
    // the angle is the beam's deviation from the vertical.
    const double across = m_pictureWidth * 0.5 - x;
    const double down = double(y) - m_pictureHeight - 40.0;
    m_beamAngle = down < 0 ? std::atan(across / down) : std::atan2(-across, -down);
    if (m_wholeScene && m_lit == ELit::Whole) {
        // The whole scene lit does not depend on where the spot is, and the
        // projector stands upright.
        DrawProjector();
        return {};
    }
    if (!m_wholeScene && m_lit == ELit::Spot) {
        const auto [lo, hi] = SpotRows();
        const auto row = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, 0, INT32_MAX)); };
        RenderRows(row(std::min(lo, m_litLo)), row(std::max(hi, m_litHi)));
    } else {
        RenderScene();
        damage.Add(ScenePlace());
    }
    DrawProjector();
    damage.Add(SpotPlace());
    damage.Add(SpritePlace());
    return damage;
}

TDamage TEclaireState::KeyMove(int32_t dx, int32_t dy)
{
    const auto within = [](int32_t from, int32_t by, int32_t size) {
        return int32_t(std::clamp<int64_t>(int64_t(from) + by, 0, std::max(size - 1, 0)));
    };
    // An arrow moves along its own axis only: the spot may start below the
    // drag's floor (a low window), where the mouse's clamp would lift it.
    int32_t y = m_spotY;
    if (dy < 0)
        y = within(m_spotY, dy, m_pictureHeight);
    else if (dy > 0)
        y = std::max(m_spotY, std::min(within(m_spotY, dy, m_pictureHeight), m_pictureHeight - m_radius - SpotFloor));
    return MoveSpot(within(m_spotX, dx, m_pictureWidth), y);
}

QString TEclaireState::Describe() const
{
    // As the edits show them.
    const auto percent = [](int32_t factor) { return Percentage(factor).trimmed(); };
    QString said = QStringLiteral("Scène éclairée par une lumière rouge ") + percent(m_factorR) + QStringLiteral(", verte ")
                 + percent(m_factorG) + QStringLiteral(", bleue ") + percent(m_factorB);
    if (m_wholeScene)
        return said + QStringLiteral(", sur toute la scène.");
    return said + QStringLiteral(", en une tache de rayon ") + QString::number(m_radius) + QStringLiteral(" pixels à ")
         + QString::number(m_spotX) + QStringLiteral(" pixels du bord gauche et ") + QString::number(m_spotY)
         + QStringLiteral(" du haut. Flèches : déplacer la tache ; + et - : son rayon.");
}

TDamage TEclaireState::MouseRight(bool ctrl)
{
    return ChangeRadius(ctrl ? -RadiusStep : RadiusStep, true);
}

TDamage TEclaireState::Wheel(int32_t delta)
{
    return ChangeRadius(int64_t(WheelNotches(delta)) * RadiusStep, false);
}

TDamage TEclaireState::ChangeRadius(int64_t by, bool withProjector)
{
    const int32_t before = m_radius;
    TDamage damage(SpotPlace());
    m_radius = Saturate(int64_t(m_radius) + by);
    ClampRadius();
    if (m_radius == before)
        return {};
    RenderScene();
    if (withProjector)
        DrawProjector(); // aimed as before: it does not change
    damage.Add(SpotPlace());
    return damage;
}

QRect TEclaireState::ScenePlace() const
{
    return QRect(ZoneLeft, ZoneTop, m_pictureWidth, m_pictureHeight);
}

QRect TEclaireState::SpotPlace() const
{
    if (m_wholeScene)
        return {}; // the spot does not show
    // The spot's rows run from SpotY - R to SpotY + R - 1 from the top, its
    // columns from SpotX - R to SpotX + R; one pixel more all round. A
    // centre far outside is brought near the area first, so that nothing
    // overflows.
    const int32_t r = m_radius + 1;
    const int32_t x = std::clamp(m_spotX, -r, m_pictureWidth + r);
    const int32_t y = std::clamp(m_spotY, -r, m_pictureHeight + r);
    const QRect scene(0, 0, m_pictureWidth, m_pictureHeight);
    return (QRect(x - r, y - r, 2 * r + 1, 2 * r + 1) & scene).translated(ZoneLeft, ZoneTop);
}

QRect TEclaireState::SpritePlace() const
{
    const QRect strip(0, 0, m_pictureWidth, StripHeight);
    const QRect sprite(m_pictureWidth / 2 - SpriteHalf, 0, ProjoSize, ProjoSize);
    return (sprite & strip).translated(ZoneLeft, ZoneTop + m_pictureHeight);
}

QImage TEclaireState::CopyImage() const
{
    if (!m_litImage || !m_litImage->HasStore())
        return {};
    QImage out(m_pictureWidth, m_pictureHeight + StripHeight, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.drawImage(0, 0, m_litImage->Image());
    if (m_projoStrip && m_projoStrip->HasStore())
        p.drawImage(0, m_pictureHeight, m_projoStrip->Image());
    return out;
}

} // namespace Irisonde
