// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The lights of the light workshop as spectra, and the coloured filters put
// between a light and the eye.
//
// Units: the equal-energy white at full strength has power 1 in every 5 nm
// sample. A monochromatic source at full strength carries LineEnergy(), the
// sum of y-bar over the samples (about 21.37): at 555 nm it is then exactly
// as bright as the white at full strength, and elsewhere as bright as the
// eye's sensitivity there makes it.
//
// Teaching simplifications: a monochromatic source is an ideal line of no
// width; the screen's LEDs are Gaussian peaks, not measured spectra; the
// filters are ideal smooth edges that pass all or nothing far from them.
#include "workshops/state/WavelengthColour.h"

#include <QString>

#include <array>
#include <cstdint>

namespace Irisonde {

enum class EFilter { None, Red, Green, Blue, Cyan, Magenta, Yellow };

class TFilteredLight {
public:
    // The filters' edges: a logistic step 1 / (1 + exp(-(nm - edge) / width)).
    // Red passes above GreenRedEdge, blue below BlueGreenEdge, green between
    // them (the product of the two steps); cyan, magenta and yellow are their
    // complements (1 - red, 1 - green, 1 - blue): each stops one third of the
    // spectrum.
    static constexpr double BlueGreenEdgeNm = 495;
    static constexpr double GreenRedEdgeNm = 585;
    static constexpr double EdgeWidthNm = 8;
    // A screen's three LEDs, red, green and blue: Gaussian peaks of 20 nm full
    // width at half height, their powers set once so that the three together
    // at full strength give the same X, Y, Z as the equal-energy white. That
    // match is the CIE 1931 observer's: the cones, of the other observer, read
    // this white about L 100 %, M 99 %, S 89 %: the two observers differ
    // most at short wavelengths.
    static constexpr std::array<double, 3> LedPeakNm{630, 532, 465};
    static constexpr double LedWidthNm = 20;

    [[nodiscard]] static double LineEnergy();
    // Between 0 and 1; 1 everywhere for EFilter::None.
    [[nodiscard]] static double Transmission(EFilter filter, double nm);
    // Its name in French: "aucun", "rouge"...
    [[nodiscard]] static QString FilterName(EFilter filter);

    // fraction 0..1 of full strength throughout.
    static void AddWhite(TSpectrum &light, double fraction);
    // The line is shared between the two samples around it in proportion to
    // its distance from each, so that a 1 nm move changes the result
    // smoothly. nm outside 380-780 adds nothing.
    static void AddLine(TSpectrum &light, double nm, double fraction);
    // LED k, 0 red, 1 green, 2 blue.
    static void AddLed(TSpectrum &light, int32_t k, double fraction);
    static void ApplyFilter(TSpectrum &light, EFilter filter);
};

} // namespace Irisonde
