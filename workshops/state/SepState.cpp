#include "workshops/state/SepState.h"

#include "imaging/ColourU.h"
#include "imaging/PictureU.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

// Rows of a store go up in memory downwards; the lowest address holds the
// top row, so a whole store is RowBytes x Height bytes from there.
const uint8_t *StoreStart(const TDibPlus &image)
{
    return image.ConstBits() + ptrdiff_t(image.Height() - 1) * image.Stride();
}

bool SameStores(const TDibPlus &picture, std::span<TDibPlus *const> plates, size_t count)
{
    if (plates.size() < count || !picture.HasStore())
        return false;
    for (size_t i = 0; i < count; ++i)
        if (!plates[i] || !plates[i]->HasStore() || plates[i]->Width() != picture.Width()
            || plates[i]->Height() != picture.Height())
            return false;
    return true;
}

// One pass over the picture: `pixel` turns the blue, green, red bytes of a
// picture pixel into those of each of the `N` plates.
template <size_t N, class Rule>
void SeparateRows(const TDibPlus &picture, std::span<TDibPlus *const> plates, Rule pixel)
{
    if (!SameStores(picture, plates, N))
        return;
    const int32_t w = picture.Width();
    for (int32_t y = 0; y < picture.Height(); ++y) {
        const uint8_t *s = picture.ConstBits() + ptrdiff_t(y) * picture.Stride();
        std::array<uint8_t *, N> d;
        for (size_t i = 0; i < N; ++i)
            d[i] = plates[i]->RowAddress(y);
        for (int32_t x = 0; x < w; ++x, s += 3) {
            pixel(s[0], s[1], s[2], d);
            for (auto &p : d)
                p += 3;
        }
    }
}

void Put(uint8_t *d, uint8_t b, uint8_t g, uint8_t r)
{
    d[0] = b;
    d[1] = g;
    d[2] = r;
}

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

constexpr TSeparation QuadriSeparation{
    u"TQuadriF", u" Quadrichromie", u" Impression par quadrichromie ou trichromie", u"QUADRICHRO", u"QuadriF", 63,
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
    ERasterOp::And, WhitePixel, WhitePixel, {}};

// Same initial client area as the four-colour window, whose structure this
// one shares.
constexpr TSeparation RGBSeparation{
    u"TRGBF", u" Décomposition RVB d'une image", u" Décomposition RGB d'une image", u"RGB", u"RGBF", 63,
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
    ERasterOp::Or, BlackPixel, BlackPixel, {123, 44}};

// With m the largest channel, the black amount is k = 255 - m and an ink
// keeps m - channel after giving k up, so FourColourPlate's plates are
// cyan (255 - (m - R), 255, 255), ..., black (m, m, m); no sum reaches past
// 255. The same integers as FourColourPlate, without a call per pixel.
void SeparateFourColours(const TDibPlus &picture, std::span<TDibPlus *const> plates)
{
    SeparateRows<4>(picture, plates, [](uint8_t b, uint8_t g, uint8_t r, std::array<uint8_t *, 4> &d) {
        const uint8_t m = std::max({b, g, r});
        Put(d[0], 255, 255, uint8_t(255 - (m - r)));
        Put(d[1], 255, uint8_t(255 - (m - g)), 255);
        Put(d[2], uint8_t(255 - (m - b)), 255, 255);
        Put(d[3], m, m, m);
    });
}

// ThreeColourPlate with one factor 1: the picture's own channel, 255 in the
// other two.
void SeparateThreeColours(const TDibPlus &picture, std::span<TDibPlus *const> plates)
{
    SeparateRows<3>(picture, plates, [](uint8_t b, uint8_t g, uint8_t r, std::array<uint8_t *, 3> &d) {
        Put(d[0], 255, 255, r);
        Put(d[1], 255, g, 255);
        Put(d[2], b, 255, 255);
    });
}

void Decompose(const TDibPlus &picture, std::span<TDibPlus *const> plates)
{
    SeparateRows<3>(picture, plates, [](uint8_t b, uint8_t g, uint8_t r, std::array<uint8_t *, 3> &d) {
        Put(d[0], 0, 0, r);
        Put(d[1], 0, g, 0);
        Put(d[2], b, 0, 0);
    });
}

void RecomposePlates(TDibPlus &out, ERasterOp op, uint32_t startPixel, std::span<const TDibPlus *const> plates)
{
    if (!out.HasStore())
        return;
    std::vector<const uint8_t *> src;
    for (const TDibPlus *p : plates)
        if (p && p->HasStore() && p->Width() == out.Width() && p->Height() == out.Height())
            src.push_back(StoreStart(*p));
    // White under AND and black under OR change nothing: the first plate is
    // then copied instead of laid on the start colour.
    const uint8_t b = uint8_t(startPixel), g = uint8_t(startPixel >> 8), r = uint8_t(startPixel >> 16);
    const bool neutral = b == g && g == r
                         && ((op == ERasterOp::And && b == 0xFF) || (op == ERasterOp::Or && b == 0));
    if (src.empty() || !neutral || op == ERasterOp::Copy) {
        FillImage(out, startPixel);
        for (const TDibPlus *p : plates)
            if (p && p->HasStore() && p->Width() == out.Width() && p->Height() == out.Height())
                CombineImage(out, *p, 0, 0, op);
        return;
    }
    // Block by block, so that the block being built stays in the first-level
    // cache while every plate is laid on it.
    uint8_t *d = out.RowAddress(out.Height() - 1);
    const size_t total = size_t(out.ImageSize());
    constexpr size_t Block = 4096;
    for (size_t at = 0; at < total; at += Block) {
        const size_t n = std::min(Block, total - at);
        std::memcpy(d + at, src[0] + at, n);
        for (size_t k = 1; k < src.size(); ++k) {
            const uint8_t *s = src[k] + at;
            uint8_t *o = d + at;
            if (op == ERasterOp::And)
                for (size_t i = 0; i < n; ++i)
                    o[i] &= s[i];
            else
                for (size_t i = 0; i < n; ++i)
                    o[i] |= s[i];
        }
    }
}

TSepState::TSepState(const TSeparation &table)
    : Table(table)
{
}

void TSepState::LayoutZones(int32_t clientWidth, int32_t clientHeight)
{
    ModeFlag = {};
    UseInk = {};
    PictureWidth = (clientWidth - 26) / 3;
    PictureHeight = (clientHeight - 110) / 2;
    // The shared picture area that the picture is drawn into; a window too
    // small for any pane gets an empty one, and no picture.
    ::PictureWidth = std::max(PictureWidth, 0);
    ::PictureHeight = std::max(PictureHeight, 0);
    PictureImage = MakeImage(PictureWidth, PictureHeight);
    Plates.clear();
    for (size_t i = 0; i < std::min(Table.Inks.size(), size_t(SepMaxInks)); ++i)
        Plates.push_back(MakeImage(PictureWidth, PictureHeight));
    RecomposedBitmap = MakeImage(PictureWidth, PictureHeight);
    BlankBitmap = MakeImage(PictureWidth, PictureHeight);
    DrawBlank(*BlankBitmap);
    FillImage(*RecomposedBitmap, Table.StartPixel);

    const QSize pane(std::max(PictureWidth, 0), std::max(PictureHeight, 0));
    const int32_t left[3] = {4, PictureWidth + 13, 2 * PictureWidth + 21};
    const int32_t top[2] = {4, PictureHeight + 29};
    for (int32_t c = 0; c < SepCellCount; ++c) {
        if (Table.Cells[size_t(c)].Kind == ESepCell::Logo) {
            const QSize s = Table.LogoSize;
            CellRect[size_t(c)] = QRect(QPoint((clientWidth - s.width()) / 2,
                                               top[c / 3] + (PictureHeight - s.height()) / 2), s);
        } else {
            CellRect[size_t(c)] = QRect(QPoint(left[c % 3], top[c / 3]), pane);
        }
    }
}

QPoint TSepState::LabelPlace(int32_t cell, int32_t labelWidth) const
{
    if (cell < 0 || cell >= SepCellCount)
        return {};
    const QRect &r = CellRect[size_t(cell)];
    return {(PictureWidth - labelWidth) / 2 + r.left(), r.top() + PictureHeight + 1};
}

void TSepState::ResetModes()
{
    ModeFlag = {};
    UseInk = {};
    if (RecomposedBitmap)
        FillImage(*RecomposedBitmap, Table.StartPixel);
}

void TSepState::ModeCheckClick(int32_t mode, bool ticked)
{
    if (mode < 0 || mode >= SepMaxModes || size_t(mode) >= Table.Modes.size())
        return;
    ModeFlag = {};
    ModeFlag[size_t(mode)] = ticked;
    if (!ticked || !PictureImage)
        return;
    const std::vector<TDibPlus *> plates = PlatePointers();
    Table.Modes[size_t(mode)].Separate(*PictureImage, plates);
    Recompose();
}

void TSepState::RecomposeCheck(int32_t ink, bool ticked)
{
    if (ink < 0 || size_t(ink) >= Plates.size())
        return;
    UseInk[size_t(ink)] = ticked;
    if (ActiveMode() >= 0)
        Recompose();
}

void TSepState::Recompose()
{
    if (!RecomposedBitmap)
        return;
    std::vector<const TDibPlus *> laid;
    for (size_t i = 0; i < Plates.size(); ++i)
        if (UseInk[i] && PlateInUse(int32_t(i)))
            laid.push_back(Plates[i].get());
    RecomposePlates(*RecomposedBitmap, Table.RecomposeOp, Table.StartPixel, laid);
}

int32_t TSepState::ActiveMode() const
{
    for (size_t m = 0; m < std::min(Table.Modes.size(), size_t(SepMaxModes)); ++m)
        if (ModeFlag[m])
            return int32_t(m);
    return -1;
}

bool TSepState::PlateInUse(int32_t plate) const
{
    const int32_t m = ActiveMode();
    return m >= 0 && plate >= 0 && plate < SepMaxInks && ((Table.Modes[size_t(m)].PlateMask >> plate) & 1u);
}

bool TSepState::AnyInkInUse() const
{
    for (size_t i = 0; i < Plates.size(); ++i)
        if (UseInk[i] && PlateInUse(int32_t(i)))
            return true;
    return false;
}

const TDibPlus *TSepState::CellImage(int32_t cell) const
{
    if (cell < 0 || cell >= SepCellCount)
        return nullptr;
    const TSepCell &c = Table.Cells[size_t(cell)];
    switch (c.Kind) {
    case ESepCell::Picture:
        return PictureImage.get();
    case ESepCell::Plate:
        return PlateInUse(c.Plate) && size_t(c.Plate) < Plates.size() ? Plates[size_t(c.Plate)].get()
                                                                       : BlankBitmap.get();
    case ESepCell::Recomposed:
        return ActiveMode() >= 0 ? RecomposedBitmap.get() : BlankBitmap.get();
    case ESepCell::Logo:
        break;
    }
    return nullptr;
}

QImage TSepState::CopyImage() const
{
    if (!PictureImage || !PictureImage->HasStore())
        return {};
    const int32_t w = PictureWidth, h = PictureHeight;
    QImage out(3 * w, 2 * h, QImage::Format_RGB32);
    out.fill(PixelToQColor(Table.CopyBackPixel));
    QPainter p(&out);
    for (int32_t c = 0; c < SepCellCount; ++c) {
        const TSepCell &cell = Table.Cells[size_t(c)];
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
    PictureImage.reset();
    Plates.clear();
    RecomposedBitmap.reset();
    BlankBitmap.reset();
    ModeFlag = {};
    UseInk = {};
}

std::vector<TDibPlus *> TSepState::PlatePointers() const
{
    std::vector<TDibPlus *> out;
    for (const auto &p : Plates)
        out.push_back(p.get());
    return out;
}

} // namespace Irisonde
