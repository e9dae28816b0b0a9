// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// From a light's spectrum to what the eye and a screen make of it: the
// response of the three kinds of cones, the CIE XYZ values, and the nearest
// colour a screen can show, in sRGB.
//
// Teaching simplifications, all deliberate:
// - The white of reference is the equal-energy white (the same power at every
//   wavelength), not the D65 daylight sRGB is defined for. It is made white
//   on screen by scaling each linear sRGB channel so that it gives (1, 1, 1):
//   a plain per-channel white balance, no model of chromatic adaptation.
// - No luminance limits of a real eye: no threshold in the dark, no glare;
//   the cones answer linearly however bright the light.
// - The cones (Stockman & Sharpe 2000) and the colour (CIE 1931) come from two
//   different observers; they agree closely, not exactly.
#include "workshops/state/ColourMatchTables.h"

#include <QString>

#include <array>
#include <cstdint>

namespace Irisonde {

// A light's power in each 5 nm sample, 380 to 780 nm. The equal-energy white
// at full strength is 1 in every sample.
using TSpectrum = std::array<double, ColourMatchTables::Count>;

// Each cone's response in percent of its response to the equal-energy white
// at full strength; a bright narrow light may give more than 100.
struct TConeResponse {
    double L = 0, M = 0, S = 0;
    [[nodiscard]] double Largest() const;
};

// Scaled so that the equal-energy white at full strength has Y = 1.
struct TXyz {
    double X = 0, Y = 0, Z = 0;
};

struct TRgb8 {
    uint8_t R = 0, G = 0, B = 0;
    // "#RRGGBB", upper case.
    [[nodiscard]] QString Hex() const;
    friend bool operator==(const TRgb8 &, const TRgb8 &) = default;
};

// What a screen shows, and whether the colour itself was beyond it.
struct TDisplayColour {
    TRgb8 Rgb;
    bool OutOfGamut = false;
};

class TWavelengthColour {
public:
    // Linear components this far outside 0..1 still count as shown: rounding,
    // not a colour beyond the screen.
    static constexpr double GamutTolerance = 1e-6;

    [[nodiscard]] static TConeResponse Cones(const TSpectrum &light);
    [[nodiscard]] static TXyz Xyz(const TSpectrum &light);
    // Linear sRGB (IEC 61966-2-1 matrix), each channel scaled so that the
    // equal-energy white is (1, 1, 1); components may fall outside 0..1.
    [[nodiscard]] static std::array<double, 3> LinearRgb(const TXyz &xyz);
    // The nearest colour the screen can show, and whether it had to move.
    [[nodiscard]] static TDisplayColour Display(const TXyz &xyz);
    // The colour of one wavelength at its brightest on screen, for drawing a
    // spectrum (its brightness is the drawing's, not the light's).
    [[nodiscard]] static TRgb8 WavelengthColour(int32_t nm);
    // A plain French name for a shown colour: "rouge", "jaune", "gris"...
    [[nodiscard]] static QString HueName(TRgb8 rgb);
    // The sRGB transfer curve, linear 0..1 to 0..255.
    [[nodiscard]] static uint8_t Encode(double linear);
};

} // namespace Irisonde
