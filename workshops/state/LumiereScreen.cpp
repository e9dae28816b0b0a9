// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workshops/state/LumiereScreen.h"

#include "imaging/WheelU.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace Irisonde {

namespace {

constexpr int32_t Margin = 6;
constexpr int32_t Gap = 8;
// A bar's row: its name, its track, its figure.
constexpr int32_t BarLabelWidth = 90, BarFigureWidth = 60;

// The highest sample of the screen's three LEDs at full strength, the top
// of the plot in that light.
double LedPeak()
{
    static const double peak = [] {
        TSpectrum full{};
        for (int32_t k = 0; k < TLumiereState::SourceCount; ++k)
            TFilteredLight::AddLed(full, k, 1.0);
        return *std::max_element(full.begin(), full.end());
    }();
    return peak;
}

bool SameSource(const TLightSource &a, const TLightSource &b)
{
    return a.Wavelength == b.Wavelength && a.Strength == b.Strength && a.On == b.On;
}

} // namespace

void TLumiereScreen::Place(int32_t clientWidth, int32_t clientHeight)
{
    TLumierePlaces &p = m_places;
    p.Zone = QRect(Margin, 4, std::max(0, clientWidth - 2 * Margin), std::max(0, clientHeight - ToolbarHeight - 8));
    const int32_t right = std::clamp(p.Zone.width() / 4, 140, 320);
    const int32_t left = std::max(0, p.Zone.width() - right - Gap);
    const int32_t h = p.Zone.height();
    p.Plot = QRect(p.Zone.left(), p.Zone.top(), left, h / 2);
    p.Curves = QRect(p.Zone.left(), p.Plot.bottom() + 1, left, h * 28 / 100);
    p.Bars = QRect(p.Zone.left(), p.Curves.bottom() + 1, left, p.Zone.bottom() - p.Curves.bottom());
    const int32_t rx = p.Zone.right() - right + 1;
    p.Patch = QRect(rx, p.Zone.top(), right, h / 2 - 4);
    p.Compare = QRect(rx, p.Zone.top() + h / 2 + 4, right, h - h / 2 - 4);
    // Room above for the title and a line's label, below for the sources'
    // numbers and the scale's figures.
    p.Band = p.Plot.adjusted(12, 36, -12, -32);
}

void TLumiereScreen::Reset()
{
    m_state = TLumiereState();
    m_dragged = 0;
}

int32_t TLumiereScreen::XOf(double nm) const
{
    const QRect &b = m_places.Band;
    const double t = (nm - TLumiereState::MinNm) / double(TLumiereState::MaxNm - TLumiereState::MinNm);
    return b.left() + int32_t(std::lround(t * (b.width() - 1)));
}

int32_t TLumiereScreen::NmAt(int32_t x) const
{
    const QRect &b = m_places.Band;
    const double t = b.width() > 1 ? double(x - b.left()) / (b.width() - 1) : 0.0;
    const double nm = TLumiereState::MinNm + t * (TLumiereState::MaxNm - TLumiereState::MinNm);
    return std::clamp(int32_t(std::lround(nm)), TLumiereState::MinNm, TLumiereState::MaxNm);
}

double TLumiereScreen::SampleHeight(const TPlotSample &sample) const
{
    const double top = m_state.Light() == ELight::Screen ? LedPeak() : 1.0;
    return std::clamp(sample.Power / top, 0.0, 1.0);
}

double TLumiereScreen::LineHeight(int32_t k) const
{
    const TLightSource &s = m_state.Source(k);
    return s.Strength / 100.0 * TFilteredLight::Transmission(m_state.Filter(), s.Wavelength);
}

QRect TLumiereScreen::BarRow(int32_t c) const
{
    const QRect &bars = m_places.Bars;
    const int32_t pitch = bars.height() / 3;
    return {bars.left(), bars.top() + c * pitch, bars.width(), pitch};
}

QRect TLumiereScreen::BarTrack(int32_t c) const
{
    const QRect row = BarRow(c);
    return {row.left() + BarLabelWidth, row.top() + 4, std::max(0, row.width() - BarLabelWidth - BarFigureWidth),
            std::max(4, row.height() - 8)};
}

int32_t TLumiereScreen::BarEnd(double percent) const
{
    const QRect track = BarTrack(0);
    return track.left() + int32_t(std::clamp(percent, 0.0, BarTop) / BarTop * track.width());
}

QRect TLumiereScreen::BarFigure(int32_t c) const
{
    const QRect row = BarRow(c);
    return {row.right() - BarFigureWidth + 7, row.top(), BarFigureWidth - 7, row.height()};
}

TLumiereScreen::TSeen TLumiereScreen::Seen() const
{
    const auto &c = m_state.Comparison();
    return {m_state.Light(),
            m_state.Filter(),
            {m_state.Source(1), m_state.Source(2), m_state.Source(3)},
            {m_state.LedStrength(1), m_state.LedStrength(2), m_state.LedStrength(3)},
            m_state.WhiteStrength(),
            m_state.Selected(),
            m_state.Cones(),
            m_state.Colour(),
            c.has_value(),
            c ? c->Colour.Rgb : TRgb8{},
            m_vision};
}

void TLumiereScreen::AddLineStrips(TDamage &damage, const TLightSource &source) const
{
    const int32_t x = XOf(source.Wavelength);
    const QRect strip(x - LineReach, m_places.Plot.top(), 2 * LineReach + 1, m_places.Curves.bottom() - m_places.Plot.top() + 1);
    damage.Add(strip & (m_places.Plot | m_places.Curves));
}

TDamage TLumiereScreen::Changes(const TSeen &before) const
{
    const TSeen now = Seen();
    TDamage damage;
    if (now.Vision != before.Vision)
        return TDamage(m_places.Zone);
    const bool wholePlot = now.Light != before.Light || now.Filter != before.Filter
                        || (now.Light == ELight::Screen && now.Leds != before.Leds)
                        || (now.Light == ELight::White && now.White != before.White);
    if (wholePlot) {
        damage.Add(m_places.Plot);
        damage.Add(m_places.Curves);
    } else if (now.Light == ELight::Sources) {
        // A source that moved or changed, and the choice's mark, from its
        // old place to its new: the rest of the plot stays.
        for (size_t i = 0; i < now.Sources.size(); ++i) {
            const int32_t k = int32_t(i) + 1;
            const bool marked = now.Selected != before.Selected && (k == now.Selected || k == before.Selected);
            if (marked || !SameSource(now.Sources[i], before.Sources[i])) {
                AddLineStrips(damage, before.Sources[i]);
                AddLineStrips(damage, now.Sources[i]);
            }
        }
    }
    // Each bar from its old end to its new, and its figure when it reads otherwise.
    const std::array<double, 3> was{before.Cones.L, before.Cones.M, before.Cones.S}, is{now.Cones.L, now.Cones.M, now.Cones.S};
    for (int32_t c = 0; c < 3; ++c) {
        const int32_t from = BarEnd(was[size_t(c)]), to = BarEnd(is[size_t(c)]);
        const QRect track = BarTrack(c);
        if (from != to)
            damage.Add(QRect(QPoint(std::min(from, to) - 1, track.top()), QPoint(std::max(from, to) + 1, track.bottom())));
        if (std::lround(was[size_t(c)]) != std::lround(is[size_t(c)]))
            damage.Add(BarFigure(c));
    }
    if (now.Colour.Rgb != before.Colour.Rgb || now.Colour.OutOfGamut != before.Colour.OutOfGamut)
        damage.Add(m_places.Patch);
    if (now.Compared != before.Compared || now.ComparedRgb != before.ComparedRgb)
        damage.Add(m_places.Compare);
    return damage;
}

TDamage TLumiereScreen::ChooseLight(ELight light)
{
    const TSeen before = Seen();
    m_state.SetLight(light);
    return Changes(before);
}

TDamage TLumiereScreen::ChooseFilter(EFilter filter)
{
    const TSeen before = Seen();
    m_state.SetFilter(filter);
    return Changes(before);
}

TDamage TLumiereScreen::SetWavelength(int32_t k, int32_t nm)
{
    const TSeen before = Seen();
    return m_state.SetWavelength(k, nm) ? Changes(before) : TDamage();
}

TDamage TLumiereScreen::SetStrength(int32_t k, double percent)
{
    const TSeen before = Seen();
    const bool changed = m_state.Light() == ELight::White ? m_state.SetWhiteStrength(percent) : m_state.SetStrength(k, percent);
    return changed ? Changes(before) : TDamage();
}

TDamage TLumiereScreen::SetSourceOn(int32_t k, bool on)
{
    const TSeen before = Seen();
    return m_state.SetSourceOn(k, on) ? Changes(before) : TDamage();
}

TDamage TLumiereScreen::Compare()
{
    m_state.StoreComparison();
    // The same colour stored again may come with other cones or another light.
    return TDamage(m_places.Compare);
}

TDamage TLumiereScreen::Select(int32_t k)
{
    const TSeen before = Seen();
    return m_state.SelectSource(k) ? Changes(before) : TDamage();
}

TDamage TLumiereScreen::Move(int32_t deltaNm)
{
    const TSeen before = Seen();
    return m_state.MoveSelected(deltaNm) ? Changes(before) : TDamage();
}

TDamage TLumiereScreen::ChangeStrength(double deltaPercent)
{
    const TSeen before = Seen();
    return m_state.ChangeStrength(deltaPercent) ? Changes(before) : TDamage();
}

TDamage TLumiereScreen::ToggleSelected()
{
    if (m_state.Light() != ELight::Sources)
        return {};
    const int32_t k = m_state.Selected();
    return SetSourceOn(k, !m_state.Source(k).On);
}

TDamage TLumiereScreen::Wheel(int32_t delta)
{
    const int32_t notches = WheelNotches(delta);
    return notches ? ChangeStrength(notches * TLumiereState::StrengthStep) : TDamage();
}

TDamage TLumiereScreen::Press(QPoint at)
{
    m_dragged = 0;
    if (m_state.Light() != ELight::Sources || !m_places.Plot.contains(at))
        return {};
    const TSeen before = Seen();
    int32_t best = 0, bestDistance = GrabReach + 1;
    for (int32_t k : {m_state.Selected(), 1, 2, 3}) {
        const TLightSource &s = m_state.Source(k);
        const int32_t distance = std::abs(XOf(s.Wavelength) - at.x());
        if (s.On && distance < bestDistance) {
            best = k;
            bestDistance = distance;
        }
    }
    if (best != 0) {
        (void)m_state.SelectSource(best);
        m_dragged = best;
        return Changes(before);
    }
    if (!m_state.Source(m_state.Selected()).On)
        return {};
    m_dragged = m_state.Selected();
    (void)m_state.SetWavelength(m_dragged, NmAt(at.x()));
    return Changes(before);
}

TDamage TLumiereScreen::DragTo(QPoint at)
{
    if (m_dragged == 0)
        return {};
    return SetWavelength(m_dragged, NmAt(at.x()));
}

TDamage TLumiereScreen::SetVision(EVision vision)
{
    const TSeen before = Seen();
    m_vision = vision;
    return Changes(before);
}

std::array<bool, 3> TLumiereScreen::ConesPresent() const
{
    switch (m_vision) {
    case EVision::Normal: return {true, true, true};
    case EVision::Protanopia: return {false, true, true};
    case EVision::Deuteranopia: return {true, false, true};
    case EVision::Tritanopia: return {true, true, false};
    case EVision::Achromatopsia: return {false, false, false};
    }
    return {true, true, true};
}

QString TLumiereScreen::Describe() const
{
    const QString said = m_state.Describe();
    static constexpr std::array<const char *, 3> names{"L", "M", "S"};
    const std::array<bool, 3> present = ConesPresent();
    QStringList missing;
    for (size_t i = 0; i < present.size(); ++i)
        if (!present[i])
            missing << QLatin1String(names[i]);
    if (missing.isEmpty())
        return said;
    if (missing.size() == 3)
        return said + QStringLiteral(" Vision simulée : ") + VisionName(m_vision).toLower()
             + QStringLiteral(", aucun cône ne répond, seuls les bâtonnets voient.");
    return said + QStringLiteral(" Vision simulée : ") + VisionName(m_vision).toLower() + QStringLiteral(", cônes ")
         + missing.join(QStringLiteral(" et ")) + QStringLiteral(" absents.");
}

} // namespace Irisonde
