// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/FilteredLight.h"

#include <algorithm>
#include <cmath>

namespace Irisonde {

namespace {

using ColourMatchTables::Count;
using ColourMatchTables::WavelengthAt;

double Step(double nm, double edge)
{
    return 1.0 / (1.0 + std::exp(-(nm - edge) / TFilteredLight::EdgeWidthNm));
}

TSpectrum LedShape(size_t k)
{
    const double sigma = TFilteredLight::LedWidthNm / (2.0 * std::sqrt(2.0 * std::log(2.0)));
    TSpectrum shape{};
    for (int32_t i = 0; i < Count; ++i) {
        const double d = WavelengthAt(i) - TFilteredLight::LedPeakNm[k];
        shape[size_t(i)] = std::exp(-d * d / (2.0 * sigma * sigma));
    }
    return shape;
}

double Det(const std::array<std::array<double, 3>, 3> &m)
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
         + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// Each LED's power factor: the three at full strength match the white's
// X, Y, Z (Cramer's rule on the 3 x 3 system; the three peaks are far apart
// enough for it to be well conditioned).
const std::array<double, 3> &LedGains()
{
    static const std::array<double, 3> gains = [] {
        TSpectrum white{};
        white.fill(1.0);
        const TXyz w = TWavelengthColour::Xyz(white);
        const std::array<double, 3> target{w.X, w.Y, w.Z};
        std::array<std::array<double, 3>, 3> m{};
        for (size_t k = 0; k < 3; ++k) {
            const TXyz c = TWavelengthColour::Xyz(LedShape(k));
            m[0][k] = c.X;
            m[1][k] = c.Y;
            m[2][k] = c.Z;
        }
        const double d = Det(m);
        std::array<double, 3> g{};
        for (size_t k = 0; k < 3; ++k) {
            auto mk = m;
            for (size_t r = 0; r < 3; ++r)
                mk[r][k] = target[r];
            g[k] = Det(mk) / d;
        }
        return g;
    }();
    return gains;
}

} // namespace

double TFilteredLight::LineEnergy()
{
    static const double energy = [] {
        double sum = 0;
        for (const ColourMatchTables::TTriple &row : ColourMatchTables::CieXyz1931)
            sum += row[1];
        return sum;
    }();
    return energy;
}

double TFilteredLight::Transmission(EFilter filter, double nm)
{
    const double red = Step(nm, GreenRedEdgeNm);
    const double blue = 1.0 - Step(nm, BlueGreenEdgeNm);
    const double green = Step(nm, BlueGreenEdgeNm) * (1.0 - red);
    switch (filter) {
    case EFilter::None: return 1.0;
    case EFilter::Red: return red;
    case EFilter::Green: return green;
    case EFilter::Blue: return blue;
    case EFilter::Cyan: return 1.0 - red;
    case EFilter::Magenta: return 1.0 - green;
    case EFilter::Yellow: return 1.0 - blue;
    }
    return 1.0;
}

QString TFilteredLight::FilterName(EFilter filter)
{
    switch (filter) {
    case EFilter::None: return QStringLiteral("aucun");
    case EFilter::Red: return QStringLiteral("rouge");
    case EFilter::Green: return QStringLiteral("vert");
    case EFilter::Blue: return QStringLiteral("bleu");
    case EFilter::Cyan: return QStringLiteral("cyan");
    case EFilter::Magenta: return QStringLiteral("magenta");
    case EFilter::Yellow: return QStringLiteral("jaune");
    }
    return QStringLiteral("aucun");
}

void TFilteredLight::AddWhite(TSpectrum &light, double fraction)
{
    for (double &p : light)
        p += fraction;
}

void TFilteredLight::AddLine(TSpectrum &light, double nm, double fraction)
{
    if (!(nm >= ColourMatchTables::FirstNm && nm <= ColourMatchTables::LastNm))
        return;
    const double x = (nm - ColourMatchTables::FirstNm) / ColourMatchTables::StepNm;
    const size_t i = std::min(size_t(x), size_t(Count - 1));
    const double f = x - double(i);
    const double energy = LineEnergy() * fraction;
    light[i] += energy * (1.0 - f);
    if (f > 0)
        light[i + 1] += energy * f;
}

void TFilteredLight::AddLed(TSpectrum &light, int32_t k, double fraction)
{
    if (k < 0 || k > 2)
        return;
    const TSpectrum shape = LedShape(size_t(k));
    const double gain = LedGains()[size_t(k)] * fraction;
    for (size_t i = 0; i < light.size(); ++i)
        light[i] += gain * shape[i];
}

void TFilteredLight::ApplyFilter(TSpectrum &light, EFilter filter)
{
    for (int32_t i = 0; i < Count; ++i)
        light[size_t(i)] *= Transmission(filter, WavelengthAt(i));
}

} // namespace Irisonde
