// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The plate rules of the separation workshops and the recomposition of
// plates, over whole pixel stores.
#include "imaging/DibPlusU.h"

#include <array>
#include <cstdint>
#include <span>

namespace Irisonde {

// Each writes plates[i], the plate of ink i, from the picture in a single
// pass over its pixels, and does nothing unless the picture and every plate
// it writes have a store of the same size.
//
// Four colours: cyan, magenta, yellow and black as FourColourPlate with one
// factor 1 (the black takes the grey common to the three inks).
void SeparateFourColours(const TDibPlus &picture, std::span<TDibPlus *const> plates);
// The amounts 0..255 of the four inks the plates above lay for one pixel
// value (blue low): the colour probe's reading of the same plates.
struct TFourInks {
    uint8_t Cyan, Magenta, Yellow, Black;
};
[[nodiscard]] TFourInks FourColourInks(uint32_t pixel);
// The same amounts as whole percentages (cyan, magenta, yellow, black),
// rounded to the nearest.
[[nodiscard]] std::array<int32_t, 4> FourColourInkPercents(uint32_t pixel);
// Three colours: cyan, magenta and yellow as ThreeColourPlate with one
// factor 1: the picture's own channel, 255 in the other two.
void SeparateThreeColours(const TDibPlus &picture, std::span<TDibPlus *const> plates);
// Lights: (R, 0, 0), (0, G, 0), (0, 0, B).
void Decompose(const TDibPlus &picture, std::span<TDibPlus *const> plates);

// How plates are laid over each other.
// Teaching simplification: ideal inks whose amounts add, and ideal lights
// that each hold one channel; real inks scatter and real screens blend
// neighbouring dots.
enum class ELayOp : uint8_t {
    And, // bitwise AND of each channel, the platform's SRCAND
    Or,  // bitwise OR, SRCPAINT: lights added on a dark screen
    Ink, // inks over each other: 255 - ((255 - a) + (255 - b)), 0 at least
};

// `out` filled with startPixel, then every plate laid on it by `op` in order,
// in one pass over the store. Plates without a store, of another size, or
// that are `out` itself are left out.
void RecomposePlates(TDibPlus &out, ELayOp op, uint32_t startPixel, std::span<const TDibPlus *const> plates);

} // namespace Irisonde
