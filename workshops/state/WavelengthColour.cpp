// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/WavelengthColour.h"

#include <algorithm>
#include <cmath>

namespace Irisonde {

namespace {

using ColourMatchTables::ConesLms2000;
using ColourMatchTables::CieXyz1931;
using ColourMatchTables::TTriple;

// XYZ to linear sRGB, IEC 61966-2-1 (D65).
constexpr std::array<TTriple, 3> XyzToRgb{{
    {3.2406, -1.5372, -0.4986},
    {-0.9689, 1.8758, 0.0415},
    {0.0557, -0.2040, 1.0570},
}};

TTriple ColumnSums(const std::array<TTriple, ColourMatchTables::Count> &table)
{
    TTriple sum{0, 0, 0};
    for (const TTriple &row : table)
        for (size_t c = 0; c < 3; ++c)
            sum[c] += row[c];
    return sum;
}

TTriple Multiply(const std::array<TTriple, 3> &m, const TTriple &v)
{
    TTriple out{0, 0, 0};
    for (size_t i = 0; i < 3; ++i)
        for (size_t j = 0; j < 3; ++j)
            out[i] += m[i][j] * v[j];
    return out;
}

// What the equal-energy white at full strength (1 in every sample) gives:
// the sums of the tables, and its linear sRGB before the white balance.
struct TWhite {
    TTriple Cones;
    TTriple Xyz;
    TTriple Rgb;
};

const TWhite &White()
{
    static const TWhite white = [] {
        TWhite w;
        w.Cones = ColumnSums(ConesLms2000);
        w.Xyz = ColumnSums(CieXyz1931);
        const double y = w.Xyz[1];
        w.Rgb = Multiply(XyzToRgb, {w.Xyz[0] / y, 1.0, w.Xyz[2] / y});
        return w;
    }();
    return white;
}

TTriple Weigh(const TSpectrum &light, const std::array<TTriple, ColourMatchTables::Count> &table)
{
    TTriple sum{0, 0, 0};
    for (size_t i = 0; i < light.size(); ++i)
        for (size_t c = 0; c < 3; ++c)
            sum[c] += light[i] * table[i][c];
    return sum;
}

} // namespace

double TConeResponse::Largest() const { return std::max({L, M, S}); }

QString TRgb8::Hex() const
{
    return QStringLiteral("#%1%2%3")
        .arg(int(R), 2, 16, QLatin1Char('0'))
        .arg(int(G), 2, 16, QLatin1Char('0'))
        .arg(int(B), 2, 16, QLatin1Char('0'))
        .toUpper();
}

TConeResponse TWavelengthColour::Cones(const TSpectrum &light)
{
    const TTriple sum = Weigh(light, ConesLms2000);
    const TTriple &white = White().Cones;
    return {100.0 * sum[0] / white[0], 100.0 * sum[1] / white[1], 100.0 * sum[2] / white[2]};
}

TXyz TWavelengthColour::Xyz(const TSpectrum &light)
{
    const TTriple sum = Weigh(light, CieXyz1931);
    const double y = White().Xyz[1];
    return {sum[0] / y, sum[1] / y, sum[2] / y};
}

std::array<double, 3> TWavelengthColour::LinearRgb(const TXyz &xyz)
{
    const TTriple rgb = Multiply(XyzToRgb, {xyz.X, xyz.Y, xyz.Z});
    const TTriple &white = White().Rgb;
    return {rgb[0] / white[0], rgb[1] / white[1], rgb[2] / white[2]};
}

TDisplayColour TWavelengthColour::Display(const TXyz &xyz)
{
    std::array<double, 3> c = LinearRgb(xyz);
    TDisplayColour shown;
    for (double v : c)
        if (v < -GamutTolerance || v > 1.0 + GamutTolerance)
            shown.OutOfGamut = true;
    // A negative component asks the screen for less than no light: the
    // colour is more saturated than its primaries. It is set to 0 rather than
    // desaturated toward the grey of the same luminance: sRGB's red primary
    // lies on the purple side of the spectral reds, so that walk toward grey
    // tinges 620-700 nm with blue, while dropping the negative part keeps the
    // hue a pupil sees and costs only a little luminance.
    for (double &v : c)
        v = std::max(v, 0.0);
    // Brighter than the screen's white: dimmed as a whole, keeping its hue,
    // rather than clipped channel by channel, which would bleach it.
    const double top = std::max({c[0], c[1], c[2]});
    if (top > 1.0)
        for (double &v : c)
            v /= top;
    shown.Rgb = {Encode(c[0]), Encode(c[1]), Encode(c[2])};
    return shown;
}

TRgb8 TWavelengthColour::WavelengthColour(int32_t nm)
{
    nm = std::clamp(nm, ColourMatchTables::FirstNm, ColourMatchTables::LastNm);
    const size_t i = size_t((nm - ColourMatchTables::FirstNm) / ColourMatchTables::StepNm);
    const double f = double((nm - ColourMatchTables::FirstNm) % ColourMatchTables::StepNm) / ColourMatchTables::StepNm;
    const size_t j = std::min(i + 1, size_t(ColourMatchTables::Count - 1));
    TXyz xyz;
    xyz.X = (1 - f) * CieXyz1931[i][0] + f * CieXyz1931[j][0];
    xyz.Y = (1 - f) * CieXyz1931[i][1] + f * CieXyz1931[j][1];
    xyz.Z = (1 - f) * CieXyz1931[i][2] + f * CieXyz1931[j][2];
    std::array<double, 3> c = LinearRgb(xyz);
    for (double &v : c)
        v = std::max(v, 0.0);
    const double top = std::max({c[0], c[1], c[2]});
    if (top <= 0)
        return {};
    return {Encode(c[0] / top), Encode(c[1] / top), Encode(c[2] / top)};
}

QString TWavelengthColour::HueName(TRgb8 rgb)
{
    const int32_t r = rgb.R, g = rgb.G, b = rgb.B;
    const int32_t top = std::max({r, g, b}), low = std::min({r, g, b});
    if (top < 25)
        return QStringLiteral("noir");
    if (top - low < top * 12 / 100)
        return top > 230 ? QStringLiteral("blanc") : QStringLiteral("gris");
    // Hue angle of the HSV model, in degrees.
    const double span = top - low;
    double hue = 0;
    if (top == r)
        hue = 60.0 * std::fmod((g - b) / span + 6.0, 6.0);
    else if (top == g)
        hue = 60.0 * ((b - r) / span + 2.0);
    else
        hue = 60.0 * ((r - g) / span + 4.0);
    struct TBand {
        double Below;
        const char *Name;
    };
    static constexpr std::array<TBand, 9> Bands{{{20, "rouge"},
                                                  {45, "orange"},
                                                  {70, "jaune"},
                                                  {165, "vert"},
                                                  {195, "cyan"},
                                                  {265, "bleu"},
                                                  {285, "violet"},
                                                  {335, "magenta"},
                                                  {361, "rouge"}}};
    QString name;
    for (const TBand &band : Bands)
        if (hue < band.Below) {
            name = QString::fromUtf8(band.Name);
            break;
        }
    return top < 128 ? name + QStringLiteral(" foncé") : name;
}

uint8_t TWavelengthColour::Encode(double linear)
{
    const double v = std::clamp(linear, 0.0, 1.0);
    const double e = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
    return uint8_t(std::lround(e * 255.0));
}

} // namespace Irisonde
