// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/SepPlates.h"

#include "workshops/state/SynthState.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace Irisonde {

namespace {

// The rules run over the bytes of a row rather than over pixels: a block of
// whole pixels whose size is a multiple of the vector widths, so that the
// compiler turns each byte loop into vector code with no scalar remainder.
// Byte j of a row holds channel j mod 3 (0 blue, 1 green, 2 red).
constexpr int32_t Block = 96;

struct TChannelMasks {
    // Is[c]: 0xFF where byte j holds channel c; Not[c]: where it does not.
    std::array<std::array<uint8_t, Block>, 3> Is{}, Not{};
    // 0xFF where byte j - 1 (j - 2, j + 1, j + 2) lies in the same pixel.
    std::array<uint8_t, Block> Prev1{}, Prev2{}, Next1{}, Next2{};
};

constexpr TChannelMasks MakeMasks()
{
    TChannelMasks m;
    for (int32_t j = 0; j < Block; ++j) {
        const int32_t c = j % 3;
        for (int32_t k = 0; k < 3; ++k) {
            m.Is[size_t(k)][size_t(j)] = c == k ? 0xFF : 0;
            m.Not[size_t(k)][size_t(j)] = c == k ? 0 : 0xFF;
        }
        m.Prev1[size_t(j)] = c >= 1 ? 0xFF : 0;
        m.Prev2[size_t(j)] = c == 2 ? 0xFF : 0;
        m.Next1[size_t(j)] = c <= 1 ? 0xFF : 0;
        m.Next2[size_t(j)] = c == 0 ? 0xFF : 0;
    }
    return m;
}

constexpr TChannelMasks Masks = MakeMasks();
constexpr int32_t Blue = 0, Green = 1, Red = 2;

template <size_t N>
bool SameStores(const TDibPlus &picture, std::span<TDibPlus *const> plates)
{
    if (plates.size() < N || !picture.HasStore())
        return false;
    for (size_t i = 0; i < N; ++i)
        // A plate is written while the picture is read: never the same store.
        if (!plates[i] || plates[i] == &picture || !plates[i]->HasStore() || plates[i]->Width() != picture.Width()
            || plates[i]->Height() != picture.Height())
            return false;
    return true;
}

// Every row of the picture through `block` (Block bytes at a time, with
// room for a read two bytes either side) and `pixel` (one pixel, at the
// ends of the row).
template <size_t N, class PixelRule, class BlockRule>
void SeparateRows(const TDibPlus &picture, std::span<TDibPlus *const> plates, PixelRule pixel, BlockRule block)
{
    if (!SameStores<N>(picture, plates))
        return;
    const int32_t n = 3 * picture.Width();
    for (int32_t y = 0; y < picture.Height(); ++y) {
        const uint8_t *s = picture.ConstBits() + ptrdiff_t(y) * picture.Stride();
        std::array<uint8_t *, N> d;
        for (size_t i = 0; i < N; ++i)
            d[i] = plates[i]->RowAddress(y);
        int32_t j = 0;
        pixel(s, d, j);
        for (j = 3; j + Block + 2 <= n; j += Block)
            block(s, d, j);
        for (; j < n; j += 3)
            pixel(s, d, j);
    }
}

// The four-colour rule, for a pixel whose largest channel is m: black
// takes the grey common to the three inks, 255 - m, and each colour ink
// keeps what is left of it, m - channel. A plate shows its ink as the light
// the ink takes from white paper.
constexpr uint8_t ColourInk(uint8_t largest, uint8_t channel) { return uint8_t(largest - channel); }
constexpr uint8_t BlackInk(uint8_t largest) { return uint8_t(255 - largest); }
constexpr uint8_t PlateLevel(uint8_t ink) { return uint8_t(255 - ink); }

constexpr TFourInks PixelInks(const uint8_t *s)
{
    const uint8_t v = std::max({s[Blue], s[Green], s[Red]});
    return {ColourInk(v, s[Red]), ColourInk(v, s[Green]), ColourInk(v, s[Blue]), BlackInk(v)};
}

inline void FourBlock(const uint8_t *__restrict s, uint8_t *__restrict c, uint8_t *__restrict m,
                      uint8_t *__restrict y, uint8_t *__restrict k)
{
    for (int32_t j = 0; j < Block; ++j) {
        // The largest channel of the pixel holding byte j: its neighbours in
        // the same pixel, the others masked to 0.
        uint8_t v = s[j];
        v = std::max<uint8_t>(v, s[j - 1] & Masks.Prev1[size_t(j)]);
        v = std::max<uint8_t>(v, s[j - 2] & Masks.Prev2[size_t(j)]);
        v = std::max<uint8_t>(v, s[j + 1] & Masks.Next1[size_t(j)]);
        v = std::max<uint8_t>(v, s[j + 2] & Masks.Next2[size_t(j)]);
        const uint8_t kept = PlateLevel(ColourInk(v, s[j]));
        c[j] = kept | Masks.Not[Red][size_t(j)];
        m[j] = kept | Masks.Not[Green][size_t(j)];
        y[j] = kept | Masks.Not[Blue][size_t(j)];
        k[j] = PlateLevel(BlackInk(v));
    }
}

inline void FourPixel(const uint8_t *s, uint8_t *c, uint8_t *m, uint8_t *y, uint8_t *k)
{
    const TFourInks ink = PixelInks(s);
    c[Blue] = 255, c[Green] = 255, c[Red] = PlateLevel(ink.Cyan);
    m[Blue] = 255, m[Green] = PlateLevel(ink.Magenta), m[Red] = 255;
    y[Blue] = PlateLevel(ink.Yellow), y[Green] = 255, y[Red] = 255;
    k[Blue] = k[Green] = k[Red] = PlateLevel(ink.Black);
}

// Each plate: the picture's byte where it holds the plate's channel, `other`
// elsewhere (0xFF for inks, 0 for lights).
template <bool Light>
inline void ChannelBlock(const uint8_t *__restrict s, uint8_t *__restrict a, uint8_t *__restrict b,
                         uint8_t *__restrict c, int32_t ca, int32_t cb, int32_t cc)
{
    for (int32_t j = 0; j < Block; ++j) {
        if constexpr (Light) {
            a[j] = s[j] & Masks.Is[size_t(ca)][size_t(j)];
            b[j] = s[j] & Masks.Is[size_t(cb)][size_t(j)];
            c[j] = s[j] & Masks.Is[size_t(cc)][size_t(j)];
        } else {
            a[j] = s[j] | Masks.Not[size_t(ca)][size_t(j)];
            b[j] = s[j] | Masks.Not[size_t(cb)][size_t(j)];
            c[j] = s[j] | Masks.Not[size_t(cc)][size_t(j)];
        }
    }
}

template <bool Light>
void ChannelPlates(const TDibPlus &picture, std::span<TDibPlus *const> plates, int32_t ca, int32_t cb, int32_t cc)
{
    const uint8_t other = Light ? 0 : 0xFF;
    const int32_t channel[3] = {ca, cb, cc};
    SeparateRows<3>(
        picture, plates,
        [&](const uint8_t *s, const std::array<uint8_t *, 3> &d, int32_t j) {
            for (size_t i = 0; i < 3; ++i)
                for (int32_t b = 0; b < 3; ++b)
                    d[i][j + b] = b == channel[i] ? s[j + b] : other;
        },
        [&](const uint8_t *s, const std::array<uint8_t *, 3> &d, int32_t j) {
            ChannelBlock<Light>(s + j, d[0] + j, d[1] + j, d[2] + j, ca, cb, cc);
        });
}

template <ELayOp Op>
inline uint8_t Lay(uint8_t a, uint8_t b)
{
    if constexpr (Op == ELayOp::And)
        return uint8_t(a & b);
    else if constexpr (Op == ELayOp::Or)
        return uint8_t(a | b);
    else {
        // a less b's ink, 255 - b, stopping at 0.
        const auto ink = uint8_t(~b);
        return uint8_t(std::max(a, ink) - ink);
    }
}

// The value that changes nothing when laid: white paper, a black screen.
constexpr uint8_t Neutral(ELayOp op) { return op == ELayOp::Or ? 0 : 0xFF; }

template <ELayOp Op>
constexpr std::array<uint8_t, Block> NeutralBlock = [] {
    std::array<uint8_t, Block> n{};
    n.fill(Neutral(Op));
    return n;
}();

// One block of the recomposition: up to four sources combined byte by byte
// and written once; missing sources are the neutral block.
template <ELayOp Op>
inline void FuseBlock(uint8_t *__restrict o, const uint8_t *__restrict s0, const uint8_t *__restrict s1,
                      const uint8_t *__restrict s2, const uint8_t *__restrict s3)
{
    for (int32_t i = 0; i < Block; ++i)
        o[i] = Lay<Op>(Lay<Op>(s0[i], s1[i]), Lay<Op>(s2[i], s3[i]));
}

// d := the first four sources (at least one) laid over each other; `total`
// bytes.
template <ELayOp Op>
void Fuse(uint8_t *d, const std::vector<const uint8_t *> &src, size_t total)
{
    const size_t k = std::min<size_t>(src.size(), 4);
    if (k == 1) {
        std::memcpy(d, src[0], total);
        return;
    }
    const uint8_t *neutral = NeutralBlock<Op>.data();
    size_t at = 0;
    for (; at + Block <= total; at += Block)
        FuseBlock<Op>(d + at, src[0] + at, src[1] + at, k > 2 ? src[2] + at : neutral,
                      k > 3 ? src[3] + at : neutral);
    for (; at < total; ++at) {
        uint8_t v = src[0][at];
        for (size_t j = 1; j < k; ++j)
            v = Lay<Op>(v, src[j][at]);
        d[at] = v;
    }
}

// d := d with s laid on it; `total` bytes.
template <ELayOp Op>
void LayOn(uint8_t *d, const uint8_t *s, size_t total)
{
    for (size_t i = 0; i < total; ++i)
        d[i] = Lay<Op>(d[i], s[i]);
}

template <ELayOp Op>
void Recombine(uint8_t *d, const std::vector<const uint8_t *> &src, size_t total, bool fromStart)
{
    size_t first = 0;
    if (!fromStart) {
        Fuse<Op>(d, src, total);
        first = 4;
    }
    for (size_t k = first; k < src.size(); ++k)
        LayOn<Op>(d, src[k], total);
}

} // namespace

// With m the largest channel, the black amount is k = 255 - m and an ink
// keeps m - channel after giving k up, so FourColourPlate's plates are
// cyan (255 - (m - R), 255, 255), ..., black (m, m, m); no sum passes 255.
// The same integers as FourColourPlate, without a call per pixel.
void SeparateFourColours(const TDibPlus &picture, std::span<TDibPlus *const> plates)
{
    SeparateRows<4>(
        picture, plates,
        [](const uint8_t *s, const std::array<uint8_t *, 4> &d, int32_t j) {
            FourPixel(s + j, d[0] + j, d[1] + j, d[2] + j, d[3] + j);
        },
        [](const uint8_t *s, const std::array<uint8_t *, 4> &d, int32_t j) {
            FourBlock(s + j, d[0] + j, d[1] + j, d[2] + j, d[3] + j);
        });
}

TFourInks FourColourInks(uint32_t pixel)
{
    const uint8_t s[3] = {uint8_t(pixel), uint8_t(pixel >> 8), uint8_t(pixel >> 16)};
    return PixelInks(s);
}

std::array<int32_t, 4> FourColourInkPercents(uint32_t pixel)
{
    // amount x 100 / 255 never ends in a half, so the rounding has no tie.
    const auto percent = [](uint8_t amount) { return (int32_t(amount) * 100 + 127) / 255; };
    const TFourInks ink = FourColourInks(pixel);
    return {percent(ink.Cyan), percent(ink.Magenta), percent(ink.Yellow), percent(ink.Black)};
}

void SeparateThreeColours(const TDibPlus &picture, std::span<TDibPlus *const> plates)
{
    ChannelPlates<false>(picture, plates, Red, Green, Blue);
}

void Decompose(const TDibPlus &picture, std::span<TDibPlus *const> plates)
{
    ChannelPlates<true>(picture, plates, Red, Green, Blue);
}

void RecomposePlates(TDibPlus &out, ELayOp op, uint32_t startPixel, std::span<const TDibPlus *const> plates)
{
    if (!out.HasStore())
        return;
    // The whole stores at once: the lowest address holds the top row.
    std::vector<const uint8_t *> src;
    for (const TDibPlus *p : plates)
        if (p && p != &out && p->HasStore() && p->Width() == out.Width() && p->Height() == out.Height())
            src.push_back(p->ConstBits() + ptrdiff_t(p->Height() - 1) * p->Stride());
    // On the neutral colour the first plates are combined in one pass,
    // every byte written once; on any other the colour is laid first.
    const auto b = uint8_t(startPixel), g = uint8_t(startPixel >> 8), r = uint8_t(startPixel >> 16);
    const bool fromStart = src.empty() || b != Neutral(op) || g != b || r != b;
    if (fromStart)
        FillImage(out, startPixel);
    if (src.empty())
        return;
    uint8_t *d = out.RowAddress(out.Height() - 1);
    const auto total = size_t(out.ImageSize());
    switch (op) {
    case ELayOp::And:
        Recombine<ELayOp::And>(d, src, total, fromStart);
        break;
    case ELayOp::Or:
        Recombine<ELayOp::Or>(d, src, total, fromStart);
        break;
    case ELayOp::Ink:
        Recombine<ELayOp::Ink>(d, src, total, fromStart);
        break;
    }
}

} // namespace Irisonde
