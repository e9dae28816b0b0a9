// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/SepState.h"

#include "imaging/ColourU.h"
#include "workshops/state/SynthState.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace Irisonde {

namespace {

// The stretch box and the picture's cell are the same in every separation.
constexpr TSepControl StretchCheck{u"StretchCheck", u" Déformer et adapter l'image",
                                   u" Déformer l'image pour qu'elle occupe tout l'espace disponible", {8, 37}};
constexpr TSepCell OriginCell{ESepCell::Picture, -1, u"OriginZone", u"Lab", u"Image originale"};

constexpr TSepMode QuadriModes[] = {
    {{u"CMYKCheck", u" Quadrichromie", u" Choisir l'impression par quadrichromie", {186, 22}},
     u"FourColourMode", u"SeparateFourColours", 0b1111, SeparateFourColours},
    {{u"CMYCheck", u" Trichromie", u" Choisir l'impression par trichromie", {186, 40}},
     u"ThreeColourMode", u"SeparateThreeColours", 0b0111, SeparateThreeColours},
};
constexpr TSepInk QuadriInks[] = {
    {{u"CCheck", u" Cyan", u" Recomposer l'image en utilisant la composante Cyan", {300, 22}}, u"UseCyan", u"CyanPlate"},
    {{u"MCheck", u" Magenta", u" Recomposer l'image en utilisant la composante Magenta", {300, 40}},
     u"UseMagenta", u"MagentaPlate"},
    {{u"YCheck", u"Jaune", u" Recomposer l'image en utilisant la composante Jaune", {380, 22}},
     u"UseYellow", u"YellowPlate"},
    {{u"KCheck", u" Noire", u" Recomposer l'image en utilisant la composante Noire", {380, 40}},
     u"UseBlack", u"BlackPlate"},
};

constexpr TSepMode RGBModes[] = {
    {{u"RGBCheck", u" Activée", {}, {186, 22}}, u"DecomposeMode", u"Decompose", 0b111, Decompose},
};
constexpr TSepInk RGBInks[] = {
    {{u"RCheck", u" Rouge", {}, {324, 22}}, u"UseRed", u"RedPlate"},
    {{u"GCheck", u" Verte", {}, {324, 40}}, u"UseGreen", u"GreenPlate"},
    {{u"BCheck", u"Bleue", {}, {404, 22}}, u"UseBlue", u"BluePlate"},
};

constexpr uint32_t WhitePixel = 0xFFFFFF, BlackPixel = 0, GreyPixel = 0x808080;

// Canvas point (x, y) counted from the top, dropped outside the image.
void Plot(TDibPlus &image, int32_t x, int32_t y, uint32_t pixel)
{
    image.SetPixelClipped(x, image.Height() - 1 - y, pixel);
}

// A 1-pixel line from (x0, y0) up to, not including, (x1, y1), as the
// platform's pen draws it; canvas coordinates.
void Line(TDibPlus &image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t pixel)
{
    const int64_t dx = int64_t(x1) - x0, dy = int64_t(y1) - y0;
    const int64_t steps = std::max(std::abs(dx), std::abs(dy));
    for (int64_t i = 0; i < steps; ++i) {
        // Nearest point of the exact line; steps > 0 here.
        const auto nx = (2 * i * dx + (dx < 0 ? -steps : steps)) / (2 * steps);
        const auto ny = (2 * i * dy + (dy < 0 ? -steps : steps)) / (2 * steps);
        Plot(image, int32_t(x0 + nx), int32_t(y0 + ny), pixel);
    }
}

void DrawBlank(TDibPlus &blank)
{
    if (!blank.HasStore())
        return;
    const int32_t w = blank.Width(), h = blank.Height();
    FillImage(blank, WhitePixel);
    blank.HorzLine(0, 0, w - 1, BlackPixel);
    blank.HorzLine(0, h - 1, w - 1, BlackPixel);
    blank.VertLine(0, 0, h - 1, BlackPixel);
    blank.VertLine(w - 1, 0, h - 1, BlackPixel);
    Line(blank, 0, 0, w, h, GreyPixel);
    Line(blank, w, 0, 0, h, GreyPixel);
}

std::unique_ptr<TDibPlus> MakeImage(int32_t w, int32_t h)
{
    // A refused size leaves an image without a store, which every operation
    // here passes over.
    auto image = std::make_unique<TDibPlus>();
    if (w > 0 && h > 0)
        (void)image->Create(w, h);
    return image;
}

} // namespace

// The inks are laid with their amounts added, as FourColourPlate lays them,
// so that the four plates print the picture again. A bitwise AND of the
// plates agrees with that only where one of two plates is white: a black
// plate under a coloured ink would darken and shift the colour.
constexpr TSeparation QuadriSeparation{
    u" Impression par quadrichromie ou trichromie", 63,
    {612, 413}, {400, 300},
    {u"Label1", u"Impression par :", {}, {182, 4}},
    {u"Label2", u"Recomposer à partir des composantes :", {}, {294, 4}},
    StretchCheck, QuadriModes, QuadriInks,
    {OriginCell,
     TSepCell{ESepCell::Plate, Quadri::CyanPlate, u"Zone1", u"Lab1", u"Composante Cyan"},
     TSepCell{ESepCell::Plate, Quadri::MagentaPlate, u"Zone2", u"Lab2", u"Composante Magenta"},
     TSepCell{ESepCell::Plate, Quadri::YellowPlate, u"Zone3", u"Lab3", u"Composante Jaune"},
     TSepCell{ESepCell::Plate, Quadri::BlackPlate, u"Zone4", u"Lab4", u"Composante Noire"},
     TSepCell{ESepCell::Recomposed, -1, u"Zone5", u"Lab5", u"Image recomposée"}},
    ELayOp::Ink, WhitePixel, WhitePixel, QSize(0, 0)};

// Same initial client area as the four-colour window, whose structure this
// one shares.
constexpr TSeparation RGBSeparation{
    u" Décomposition RGB d'une image", 63,
    {612, 413}, {400, 300},
    {u"Label1", u"Décomposition de l'image", {}, {182, 4}},
    {u"Label2", u"Recomposer à partir des composantes :", {}, {318, 4}},
    StretchCheck, RGBModes, RGBInks,
    {OriginCell,
     TSepCell{ESepCell::Plate, RGB::RedPlate, u"Zone1", u"Lab1", u"Composante Rouge"},
     TSepCell{ESepCell::Plate, RGB::GreenPlate, u"Zone2", u"Lab2", u"Composante Verte"},
     TSepCell{ESepCell::Plate, RGB::BluePlate, u"Zone3", u"Lab3", u"Composante Bleue"},
     TSepCell{ESepCell::Logo, -1, u"LogoZone", {}, {}},
     TSepCell{ESepCell::Recomposed, -1, u"Zone4", u"Lab4", u"Image recomposée"}},
    ELayOp::Or, BlackPixel, BlackPixel, {123, 44}};

TSepState::TSepState(const TSeparation &table)
    : m_table(table)
{
}

void TSepState::LayoutZones(int32_t clientWidth, int32_t clientHeight)
{
    m_modeFlag = {};
    m_useInk = {};
    m_pictureWidth = (clientWidth - 26) / 3;
    m_pictureHeight = (clientHeight - 110) / 2;
    // A window too small for any pane gets images without a store, and no
    // picture; the window draws the picture at the picture image's size.
    m_pictureImage = MakeImage(m_pictureWidth, m_pictureHeight);
    m_plates.clear();
    for (size_t i = 0; i < std::min(m_table.Inks.size(), size_t(SepMaxInks)); ++i)
        m_plates.push_back(MakeImage(m_pictureWidth, m_pictureHeight));
    m_recomposedBitmap = MakeImage(m_pictureWidth, m_pictureHeight);
    m_blankBitmap = MakeImage(m_pictureWidth, m_pictureHeight);
    DrawBlank(*m_blankBitmap);
    FillImage(*m_recomposedBitmap, m_table.StartPixel);

    const QSize pane(std::max(m_pictureWidth, 0), std::max(m_pictureHeight, 0));
    const int32_t left[3] = {4, m_pictureWidth + 13, 2 * m_pictureWidth + 21};
    const int32_t top[2] = {4, m_pictureHeight + 29};
    for (int32_t c = 0; c < SepCellCount; ++c) {
        if (m_table.Cells[size_t(c)].Kind == ESepCell::Logo) {
            const QSize s = m_table.LogoSize;
            m_cellRect[size_t(c)] = QRect(QPoint((clientWidth - s.width()) / 2,
                                               top[c / 3] + (m_pictureHeight - s.height()) / 2), s);
        } else {
            m_cellRect[size_t(c)] = QRect(QPoint(left[c % 3], top[c / 3]), pane);
        }
    }
}

std::array<QPoint, SepCellCount> TSepState::PlaceLabels(const std::array<int32_t, SepCellCount> &labelWidths) const
{
    std::array<QPoint, SepCellCount> out{};
    for (size_t c = 0; c < out.size(); ++c)
        out[c] = {(m_pictureWidth - labelWidths[c]) / 2 + m_cellRect[c].left(), m_cellRect[c].top() + m_pictureHeight + 1};
    return out;
}

void TSepState::ResetModes()
{
    m_modeFlag = {};
    m_useInk = {};
    if (m_recomposedBitmap)
        FillImage(*m_recomposedBitmap, m_table.StartPixel);
}

TDamage TSepState::ModeCheckClick(int32_t mode, bool ticked)
{
    if (mode < 0 || mode >= SepMaxModes || size_t(mode) >= m_table.Modes.size())
        return {};
    std::array<const TDibPlus *, SepCellCount> before{};
    for (int32_t c = 0; c < SepCellCount; ++c)
        before[size_t(c)] = CellImage(c);
    m_modeFlag = {};
    m_modeFlag[size_t(mode)] = ticked;
    const bool computed = ticked && m_pictureImage;
    if (computed) {
        const std::vector<TDibPlus *> plates = PlatePointers();
        m_table.Modes[size_t(mode)].Separate(*m_pictureImage, plates);
        Recompose();
    }
    // A pane changed when it shows another image, or one computed anew.
    TDamage damage;
    for (int32_t c = 0; c < SepCellCount; ++c) {
        const TDibPlus *now = CellImage(c);
        const ESepCell kind = m_table.Cells[size_t(c)].Kind;
        const bool redrawn = computed && now != m_blankBitmap.get() && (kind == ESepCell::Plate || kind == ESepCell::Recomposed);
        if (now != before[size_t(c)] || redrawn)
            damage.Add(m_cellRect[size_t(c)]);
    }
    return damage;
}

TDamage TSepState::RecomposeCheck(int32_t ink, bool ticked)
{
    if (ink < 0 || size_t(ink) >= m_plates.size())
        return {};
    m_useInk[size_t(ink)] = ticked;
    if (ActiveMode() < 0)
        return {}; // the recomposition's pane stays blank
    Recompose();
    TDamage damage;
    for (int32_t c = 0; c < SepCellCount; ++c)
        if (m_table.Cells[size_t(c)].Kind == ESepCell::Recomposed)
            damage.Add(m_cellRect[size_t(c)]);
    return damage;
}

void TSepState::Recompose()
{
    if (!m_recomposedBitmap)
        return;
    std::vector<const TDibPlus *> laid;
    for (size_t i = 0; i < m_plates.size(); ++i)
        if (m_useInk[i] && PlateInUse(int32_t(i)))
            laid.push_back(m_plates[i].get());
    RecomposePlates(*m_recomposedBitmap, m_table.RecomposeOp, m_table.StartPixel, laid);
}

int32_t TSepState::ActiveMode() const
{
    for (size_t m = 0; m < std::min(m_table.Modes.size(), size_t(SepMaxModes)); ++m)
        if (m_modeFlag[m])
            return int32_t(m);
    return -1;
}

bool TSepState::PlateInUse(int32_t plate) const
{
    const int32_t m = ActiveMode();
    return m >= 0 && plate >= 0 && plate < SepMaxInks && ((m_table.Modes[size_t(m)].PlateMask >> plate) & 1u);
}

bool TSepState::AnyInkInUse() const
{
    for (size_t i = 0; i < m_plates.size(); ++i)
        if (m_useInk[i] && PlateInUse(int32_t(i)))
            return true;
    return false;
}

const TDibPlus *TSepState::CellImage(int32_t cell) const
{
    if (cell < 0 || cell >= SepCellCount)
        return nullptr;
    const TSepCell &c = m_table.Cells[size_t(cell)];
    switch (c.Kind) {
    case ESepCell::Picture:
        return m_pictureImage.get();
    case ESepCell::Plate:
        return PlateInUse(c.Plate) && size_t(c.Plate) < m_plates.size() ? m_plates[size_t(c.Plate)].get()
                                                                       : m_blankBitmap.get();
    case ESepCell::Recomposed:
        return ActiveMode() >= 0 ? m_recomposedBitmap.get() : m_blankBitmap.get();
    case ESepCell::Logo:
    case ESepCell::Empty:
        break;
    }
    return nullptr;
}

QImage TSepState::CopyImage() const
{
    if (!m_pictureImage || !m_pictureImage->HasStore())
        return {};
    const int32_t w = m_pictureWidth, h = m_pictureHeight;
    if (int64_t(w) * 3 > std::numeric_limits<int32_t>::max() || int64_t(h) * 2 > std::numeric_limits<int32_t>::max())
        return {};
    QImage out(3 * w, 2 * h, QImage::Format_RGB32);
    if (out.isNull())
        return {}; // no memory for a picture of six panes
    out.fill(PixelToQColor(m_table.CopyBackPixel));
    QPainter p(&out);
    for (int32_t c = 0; c < SepCellCount; ++c) {
        const TSepCell &cell = m_table.Cells[size_t(c)];
        const bool shown = cell.Kind == ESepCell::Picture
                           || (cell.Kind == ESepCell::Plate && PlateInUse(cell.Plate))
                           || (cell.Kind == ESepCell::Recomposed && AnyInkInUse());
        const TDibPlus *image = CellImage(c);
        if (shown && image && image->HasStore())
            p.drawImage((c % 3) * w, (c / 3) * h, image->Image());
    }
    return out;
}

void TSepState::Close()
{
    m_pictureImage.reset();
    m_plates.clear();
    m_recomposedBitmap.reset();
    m_blankBitmap.reset();
    m_modeFlag = {};
    m_useInk = {};
}

std::vector<TDibPlus *> TSepState::PlatePointers() const
{
    std::vector<TDibPlus *> out;
    for (const auto &p : m_plates)
        out.push_back(p.get());
    return out;
}

} // namespace Irisonde
