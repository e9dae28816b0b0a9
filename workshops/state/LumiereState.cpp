// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/LumiereState.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace Irisonde {

namespace {

QString Percent(double percent)
{
    return QString::number(std::lround(percent)) + QStringLiteral(" %");
}

QString ColourWords(const TDisplayColour &colour)
{
    const TRgb8 &c = colour.Rgb;
    return TWavelengthColour::HueName(c) + QStringLiteral(", R ") + QString::number(c.R) + QStringLiteral(" V ")
         + QString::number(c.G) + QStringLiteral(" B ") + QString::number(c.B) + QStringLiteral(", ") + c.Hex();
}

QString ConeWords(const TConeResponse &cones)
{
    return QStringLiteral("Cônes L ") + Percent(cones.L) + QStringLiteral(", M ") + Percent(cones.M)
         + QStringLiteral(", S ") + Percent(cones.S);
}

} // namespace

TLumiereState::TLumiereState()
{
    // The first source lit in the yellow, where two cones answer together;
    // the others ready in the green and the blue.
    m_sources[0] = {580, 100, true};
    m_sources[1] = {530, 100, false};
    m_sources[2] = {450, 100, false};
    Recompute();
}

void TLumiereState::SetLight(ELight light)
{
    m_light = light;
    Recompute();
}

QString TLumiereState::LightName(ELight light)
{
    switch (light) {
    case ELight::White: return QStringLiteral("Lumière blanche");
    case ELight::Sources: return QStringLiteral("Sources monochromatiques");
    case ELight::Screen: return QStringLiteral("Écran (trois LED)");
    }
    return QStringLiteral("Lumière blanche");
}

bool TLumiereState::SetWavelength(int32_t k, int32_t nm)
{
    if (!ValidIndex(k) || nm < MinNm || nm > MaxNm)
        return false;
    m_sources[size_t(k - 1)].Wavelength = nm;
    Recompute();
    return true;
}

bool TLumiereState::SetStrength(int32_t k, double percent)
{
    if (!ValidIndex(k) || !(percent >= 0 && percent <= 100))
        return false;
    if (m_light == ELight::Screen)
        m_ledStrengths[size_t(k - 1)] = percent;
    else
        m_sources[size_t(k - 1)].Strength = percent;
    Recompute();
    return true;
}

bool TLumiereState::SetSourceOn(int32_t k, bool on)
{
    if (!ValidIndex(k))
        return false;
    m_sources[size_t(k - 1)].On = on;
    Recompute();
    return true;
}

bool TLumiereState::SetWhiteStrength(double percent)
{
    if (!(percent >= 0 && percent <= 100))
        return false;
    m_whiteStrength = percent;
    Recompute();
    return true;
}

const TLightSource &TLumiereState::Source(int32_t k) const
{
    return m_sources[ValidIndex(k) ? size_t(k - 1) : 0];
}

double TLumiereState::LedStrength(int32_t k) const
{
    return m_ledStrengths[ValidIndex(k) ? size_t(k - 1) : 0];
}

void TLumiereState::SetFilter(EFilter filter)
{
    m_filter = filter;
    Recompute();
}

bool TLumiereState::SelectSource(int32_t k)
{
    if (!ValidIndex(k) || k == m_selected)
        return false;
    m_selected = k;
    return true;
}

bool TLumiereState::MoveSelected(int32_t deltaNm)
{
    // The LEDs' peaks and the white have no wavelength to move.
    if (m_light != ELight::Sources)
        return false;
    TLightSource &source = m_sources[size_t(m_selected - 1)];
    const int32_t nm = std::clamp(source.Wavelength + deltaNm, MinNm, MaxNm);
    if (nm == source.Wavelength)
        return false;
    source.Wavelength = nm;
    Recompute();
    return true;
}

bool TLumiereState::ChangeStrength(double deltaPercent)
{
    double *strength = &m_whiteStrength;
    if (m_light == ELight::Sources)
        strength = &m_sources[size_t(m_selected - 1)].Strength;
    else if (m_light == ELight::Screen)
        strength = &m_ledStrengths[size_t(m_selected - 1)];
    const double percent = std::clamp(*strength + deltaPercent, 0.0, 100.0);
    if (percent == *strength)
        return false;
    *strength = percent;
    Recompute();
    return true;
}

void TLumiereState::Recompute()
{
    m_lightSpectrum.fill(0.0);
    switch (m_light) {
    case ELight::White:
        TFilteredLight::AddWhite(m_lightSpectrum, m_whiteStrength / 100.0);
        break;
    case ELight::Sources:
        for (const TLightSource &s : m_sources)
            if (s.On)
                TFilteredLight::AddLine(m_lightSpectrum, s.Wavelength, s.Strength / 100.0);
        break;
    case ELight::Screen:
        for (int32_t k = 0; k < SourceCount; ++k)
            TFilteredLight::AddLed(m_lightSpectrum, k, m_ledStrengths[size_t(k)] / 100.0);
        break;
    }
    m_spectrum = m_lightSpectrum;
    TFilteredLight::ApplyFilter(m_spectrum, m_filter);
    m_cones = TWavelengthColour::Cones(m_spectrum);
    m_xyz = TWavelengthColour::Xyz(m_spectrum);
    m_colour = TWavelengthColour::Display(m_xyz);
}

std::vector<TPlotSample> TLumiereState::PlotSamples() const
{
    std::vector<TPlotSample> samples;
    samples.reserve(m_spectrum.size());
    for (int32_t i = 0; i < ColourMatchTables::Count; ++i) {
        const int32_t nm = ColourMatchTables::WavelengthAt(i);
        samples.push_back({nm, m_spectrum[size_t(i)], TFilteredLight::Transmission(m_filter, nm),
                           TWavelengthColour::WavelengthColour(nm)});
    }
    return samples;
}

QString TLumiereState::DescribeLight() const
{
    switch (m_light) {
    case ELight::White:
        return QStringLiteral("blanche à ") + Percent(m_whiteStrength);
    case ELight::Screen:
        return QStringLiteral("écran, LED rouge à ") + Percent(m_ledStrengths[0]) + QStringLiteral(", verte à ")
             + Percent(m_ledStrengths[1]) + QStringLiteral(", bleue à ") + Percent(m_ledStrengths[2]);
    case ELight::Sources:
        break;
    }
    QStringList lit;
    for (const TLightSource &s : m_sources)
        if (s.On)
            lit << QString::number(s.Wavelength) + QStringLiteral(" nm à ") + Percent(s.Strength);
    if (lit.isEmpty())
        return QStringLiteral("aucune source allumée");
    const QString last = lit.takeLast();
    return lit.isEmpty() ? last : lit.join(QStringLiteral(", ")) + QStringLiteral(" et ") + last;
}

QString TLumiereState::Describe() const
{
    QString said = QStringLiteral("Lumière : ") + DescribeLight() + QStringLiteral(". Filtre : ")
                 + TFilteredLight::FilterName(m_filter) + QStringLiteral(". ") + ConeWords(m_cones)
                 + QStringLiteral(". Couleur perçue : ") + ColourWords(m_colour) + QStringLiteral(".");
    if (m_colour.OutOfGamut)
        said += QStringLiteral(" Hors des couleurs de l'écran : il en montre la plus proche.");
    return said;
}

void TLumiereState::StoreComparison()
{
    m_comparison = TLumiereMatch{DescribeLight(), m_filter, m_cones, m_colour};
}

QString TLumiereState::DescribeComparison() const
{
    if (!m_comparison)
        return {};
    const TLumiereMatch &m = *m_comparison;
    return QStringLiteral("Comparaison : lumière ") + m.Light + QStringLiteral(", filtre ")
         + TFilteredLight::FilterName(m.Filter) + QStringLiteral(". ") + ConeWords(m.Cones)
         + QStringLiteral(". Couleur perçue : ") + ColourWords(m.Colour) + QStringLiteral(".");
}

} // namespace Irisonde
