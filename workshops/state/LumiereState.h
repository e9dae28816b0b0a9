// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The light-and-colour-vision workshop without its window: a light (white,
// up to three monochromatic sources, or a screen's three LEDs), an optional
// coloured filter, the response of the three kinds of cones, and the colour
// perceived with its RGB code. "Comparer" freezes one result beside the
// current one, so that two different lights seen alike (metamers) can be set
// side by side.
//
// Teaching simplifications (see SpectralColour.h and SpectralLight.h): the
// equal-energy white is taken as white, with no chromatic adaptation; the eye
// has no luminance limits; sources are ideal lines; filters ideal edges.
//
// The window's part: it calls the setters or the keyboard operations, and
// repaints when they report a change, from Cones(), Colour(), PlotSamples()
// and Describe(); every result is computed here, the window only draws.
#include "workshops/state/FilteredLight.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace Irisonde {

enum class ELight { White, Sources, Screen };

struct TLightSource {
    int32_t Wavelength = 580; // nm
    double Strength = 100;    // percent
    bool On = false;
};

// One frozen result, for "Comparer".
struct TLumiereMatch {
    QString Light; // as Describe() says it, e.g. "580 nm à 100 %"
    EFilter Filter = EFilter::None;
    TConeResponse Cones;
    TDisplayColour Colour;
};

// One sample of the plot: the light after the filter at that wavelength,
// the filter's transmission there, and the wavelength's own colour.
struct TPlotSample {
    int32_t Wavelength = 0;
    double Power = 0;
    double Transmission = 1;
    TRgb8 Colour;
};

class TLumiereState {
public:
    static constexpr int32_t SourceCount = 3;
    static constexpr int32_t MinNm = ColourMatchTables::FirstNm;
    static constexpr int32_t MaxNm = ColourMatchTables::LastNm;
    static constexpr int32_t NmStep = 1;       // an arrow key
    static constexpr int32_t NmLargeStep = 10; // Shift + an arrow key
    static constexpr double StrengthStep = 5;  // percent, + or -
    static constexpr double StrengthLargeStep = 20;

    TLumiereState();

    // The light. Sources k and LEDs k count 1..3 (LED 1 red, 2 green, 3 blue).
    void SetLight(ELight light);
    // Its name on the window's choice, in French: "Lumière blanche"...
    [[nodiscard]] static QString LightName(ELight light);
    [[nodiscard]] ELight Light() const { return m_light; }
    // False, nothing changed, for k outside 1..3 or nm outside 380-780.
    [[nodiscard]] bool SetWavelength(int32_t k, int32_t nm);
    // The strength of source k, or of LED k in the screen's light; false,
    // nothing changed, for k outside 1..3 or a percent outside 0..100.
    [[nodiscard]] bool SetStrength(int32_t k, double percent);
    [[nodiscard]] bool SetSourceOn(int32_t k, bool on);
    [[nodiscard]] bool SetWhiteStrength(double percent);
    // k outside 1..3 gives the first.
    [[nodiscard]] const TLightSource &Source(int32_t k) const;
    [[nodiscard]] double LedStrength(int32_t k) const;
    [[nodiscard]] double WhiteStrength() const { return m_whiteStrength; }

    void SetFilter(EFilter filter);
    [[nodiscard]] EFilter Filter() const { return m_filter; }

    // Keyboard: 1-2-3 choose the source (or LED) the other keys act on;
    // arrows move it by NmStep (NmLargeStep with Shift), kept within
    // 380-780; + and - change its strength (the white's in white light),
    // kept within 0..100. Each says whether anything changed.
    [[nodiscard]] bool SelectSource(int32_t k);
    [[nodiscard]] int32_t Selected() const { return m_selected; }
    [[nodiscard]] bool MoveSelected(int32_t deltaNm);
    [[nodiscard]] bool ChangeStrength(double deltaPercent);

    // The results, up to date after every change.
    [[nodiscard]] const TSpectrum &LightSpectrum() const { return m_lightSpectrum; } // before the filter
    [[nodiscard]] const TSpectrum &Spectrum() const { return m_spectrum; }           // after it
    [[nodiscard]] const TConeResponse &Cones() const { return m_cones; }
    [[nodiscard]] const TXyz &Xyz() const { return m_xyz; }
    [[nodiscard]] const TDisplayColour &Colour() const { return m_colour; }
    [[nodiscard]] std::vector<TPlotSample> PlotSamples() const;

    // What a screen reader says, in French: the light, the filter, the cones
    // in percent, the colour perceived and its code.
    [[nodiscard]] QString Describe() const;
    [[nodiscard]] QString DescribeLight() const;

    // "Comparer": freezes the current result; a new press replaces it.
    void StoreComparison();
    void ClearComparison() { m_comparison.reset(); }
    [[nodiscard]] const std::optional<TLumiereMatch> &Comparison() const { return m_comparison; }
    // Empty without a stored result.
    [[nodiscard]] QString DescribeComparison() const;

private:
    [[nodiscard]] static bool ValidIndex(int32_t k) { return k >= 1 && k <= SourceCount; }
    void Recompute();

    ELight m_light = ELight::White;
    double m_whiteStrength = 100;
    std::array<TLightSource, SourceCount> m_sources;
    std::array<double, SourceCount> m_ledStrengths{100, 100, 100};
    EFilter m_filter = EFilter::None;
    int32_t m_selected = 1;

    TSpectrum m_lightSpectrum{};
    TSpectrum m_spectrum{};
    TConeResponse m_cones;
    TXyz m_xyz;
    TDisplayColour m_colour;
    std::optional<TLumiereMatch> m_comparison;
};

} // namespace Irisonde
