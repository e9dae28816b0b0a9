// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ColourU.h"

#include <algorithm>
#include <cmath>

namespace Irisonde {

namespace {

// Rounds the non-negative integer hi:lo (128 bits) times 2^exp to the nearest
// integer, halves to even.
uint64_t RoundScaled(uint64_t hi, uint64_t lo, int exp)
{
    if (exp >= 0)
        return lo << exp; // only reached for tiny values of the callers
    const int shift = -exp;
    if (shift >= 128)
        return 0;
    // Bits kept, the first dropped bit (half) and whether any lower bit is set.
    uint64_t kept;
    bool half, sticky;
    if (shift < 64) {
        kept = (lo >> shift) | (shift ? hi << (64 - shift) : 0);
        half = (lo >> (shift - 1)) & 1u;
        sticky = (lo & ((uint64_t(1) << (shift - 1)) - 1)) != 0;
    } else if (shift == 64) {
        kept = hi;
        half = lo >> 63;
        sticky = (lo << 1) != 0;
    } else {
        kept = hi >> (shift - 64);
        half = (hi >> (shift - 65)) & 1u;
        sticky = lo != 0 || (shift > 65 && (hi & ((uint64_t(1) << (shift - 65)) - 1)) != 0);
    }
    if (half && (sticky || (kept & 1u)))
        ++kept;
    return kept;
}

// Round((1 - ink) x 255) with the subtraction and the product each rounded to
// a 64-bit significand (the x87 extended format the original arithmetic used),
// then to the nearest integer, halves to even. Emulated with integers so that
// every platform (also those whose long double is a plain double) gives the
// same channel: 30 % of ink gives 179 this way, 178 in plain doubles.
uint32_t InkChannel(double ink)
{
    if (!(ink >= 0.0 && ink <= 1.0)) {
        // Outside the fractions 0..1 the callers never go; keep the low 8 bits
        // of the plain result as the definition says, NaN gives white.
        if (std::isnan(ink))
            return 255;
        const double v = std::nearbyint((1.0 - ink) * 255.0);
        return uint32_t(int64_t(std::fmod(v, 256.0) + 256.0)) & 0xFFu;
    }
    // Below 2^-11, 255 x ink < 0.125 and the channel is 255 whatever the
    // rounding of the intermediate steps.
    if (ink < 0x1p-11)
        return 255;
    int ex = 0;
    const double fr = std::frexp(ink, &ex); // ink = fr x 2^ex, 0.5 <= fr < 1
    const auto m = static_cast<uint64_t>(std::ldexp(fr, 53));
    const int e = ex - 53;                   // ink = m x 2^e, -63 <= e <= -53
    // 1 - ink = n x 2^e exactly; n < 2^63, so it fits 64 significant bits and
    // the extended subtraction is exact.
    const uint64_t n = (uint64_t(1) << (-e)) - m;
    // n x 255 = (n << 8) - n, as 128 bits.
    uint64_t lo = n << 8;
    uint64_t hi = n >> 56;
    if (lo < n)
        --hi;
    lo -= n;
    // Round the product to 64 significant bits, halves to even.
    int bits = 0;
    for (uint64_t h = hi; h; h >>= 1)
        ++bits;
    int exp = e;
    if (bits > 0) {
        uint64_t p = RoundScaled(hi, lo, -bits);     // the top 64 bits, rounded
        exp += bits;
        hi = 0;
        lo = p;
        if (p == 0) {                                 // rounding carried to 2^64
            hi = 1;
        }
    }
    return static_cast<uint32_t>(RoundScaled(hi, lo, exp)) & 0xFFu;
}

} // namespace

uint32_t CmyToColour(double cyan, double magenta, double yellow)
{
    return PackRGB(InkChannel(cyan), InkChannel(magenta), InkChannel(yellow));
}

uint32_t FourColourPlate(uint32_t pixel, int32_t cyanFactor, int32_t magentaFactor, int32_t yellowFactor,
                         int32_t blackFactor)
{
    int32_t c = 255 - int32_t(HighByte(pixel));
    int32_t m = 255 - int32_t(MidByte(pixel));
    int32_t y = 255 - int32_t(LowByte(pixel));
    const int32_t k = std::min({c, m, y});
    c -= k;
    m -= k;
    y -= k;
    // Sums of 255 or more are fully inked; a negative sum (a negative factor,
    // outside the callers' use) is taken as no ink rather than overflowing.
    const auto channel = [](int32_t sum) -> uint32_t {
        if (sum >= 255)
            return 0;
        return sum <= 0 ? 255u : uint32_t(255 - sum);
    };
    const uint32_t r = channel(k * blackFactor + c * cyanFactor);
    const uint32_t g = channel(k * blackFactor + m * magentaFactor);
    const uint32_t b = channel(k * blackFactor + y * yellowFactor);
    return PackRGB(b, g, r);
}

uint32_t ThreeColourPlate(uint32_t pixel, int32_t cyanFactor, int32_t magentaFactor, int32_t yellowFactor)
{
    const int32_t r = 255 - (255 - int32_t(HighByte(pixel))) * cyanFactor;
    const int32_t g = 255 - (255 - int32_t(MidByte(pixel))) * magentaFactor;
    const int32_t b = 255 - (255 - int32_t(LowByte(pixel))) * yellowFactor;
    // Factors are 0 or 1, so every channel is already 0..255; the mask keeps
    // a pixel value even for other factors.
    return PackRGB(uint32_t(b) & 0xFFu, uint32_t(g) & 0xFFu, uint32_t(r) & 0xFFu);
}

} // namespace Irisonde
