// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The light workshop as it stands on screen: where its parts are placed in
// the window's client area, the pupil's operations on the light (controls,
// mouse, wheel, keys), each reporting what it changed (TDamage), and the
// colour-vision view, under which the missing kind of cone is shown absent.
// TLumiereState computes the light and the eye; this class knows the
// places and what each change repaints; the window only draws.
//
// The parts, in client-area coordinates: the spectrum plot (the light after
// the filter) on top, under it the three cone sensitivities on the same
// wavelength axis, under them three bars of the cones' responses; on the
// right the colour perceived over the comparison.
#include "imaging/ColourVisionU.h"
#include "workshops/state/Damage.h"
#include "workshops/state/LumiereState.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

namespace Irisonde {

struct TLumierePlaces {
    QRect Zone;    // every part below, the window's picture area
    QRect Plot;    // the spectrum, its wavelength scale along its foot
    QRect Curves;  // L, M and S sensitivities
    QRect Bars;    // L, M and S responses
    QRect Patch;   // the colour perceived, its code and its gamut mark
    QRect Compare; // the stored comparison
    QRect Band;    // within Plot: where 380..780 nm run, left to right
};

class TLumiereScreen {
public:
    static constexpr int32_t ToolbarHeight = 93;
    // A press this close to a lit source's line (pixels) takes it.
    static constexpr int32_t GrabReach = 8;
    // Each side of a source's line, what its drawing may cover: the line,
    // its label above, the selection's mark.
    static constexpr int32_t LineReach = 34;

    TLumiereScreen() = default;

    // The parts placed for a client area (the toolbar at its foot).
    void Place(int32_t clientWidth, int32_t clientHeight);
    [[nodiscard]] const TLumierePlaces &Places() const { return m_places; }
    [[nodiscard]] const TLumiereState &State() const { return m_state; }

    // Back to a fresh state, as every opening shows it; the vision stays.
    void Reset();

    // The x of a wavelength on the plot and the curves, and back (a
    // whole nm within 380..780).
    [[nodiscard]] int32_t XOf(double nm) const;
    [[nodiscard]] int32_t NmAt(int32_t x) const;
    // The height of a plotted sample or source line, 0..1 of the plot: a
    // source at full strength, the white at full and the screen's LEDs at
    // full reach the top.
    [[nodiscard]] double SampleHeight(const TPlotSample &sample) const;
    [[nodiscard]] double LineHeight(int32_t k) const;
    // The bars of cone c (0 L, 1 M, 2 S): its row, the track its bar fills
    // from the left, the x where a response ends (0 to 150 %: a bright
    // narrow light may stir a cone beyond the white), and its figure.
    static constexpr double BarTop = 150;
    [[nodiscard]] QRect BarRow(int32_t c) const;
    [[nodiscard]] QRect BarTrack(int32_t c) const;
    [[nodiscard]] int32_t BarEnd(double percent) const;
    [[nodiscard]] QRect BarFigure(int32_t c) const;

    // The controls. Each returns what it changed; empty, nothing changed.
    [[nodiscard]] TDamage ChooseLight(ELight light);
    [[nodiscard]] TDamage ChooseFilter(EFilter filter);
    [[nodiscard]] TDamage SetWavelength(int32_t k, int32_t nm);
    [[nodiscard]] TDamage SetStrength(int32_t k, double percent); // the white's in white light
    [[nodiscard]] TDamage SetSourceOn(int32_t k, bool on);
    // "Comparer": the present colour stored beside it.
    [[nodiscard]] TDamage Compare();

    // The keys: 1-2-3, the arrows (deltaNm), + and -, the space bar (the
    // chosen source lit or put out).
    [[nodiscard]] TDamage Select(int32_t k);
    [[nodiscard]] TDamage Move(int32_t deltaNm);
    [[nodiscard]] TDamage ChangeStrength(double deltaPercent);
    [[nodiscard]] TDamage ToggleSelected();
    // The wheel (eighths of a degree, 120 a notch): each whole notch
    // changes the chosen strength by StrengthStep.
    [[nodiscard]] TDamage Wheel(int32_t delta);

    // The mouse on the plot: a press takes the lit source whose line is
    // within GrabReach (the chosen one first), or brings the chosen source,
    // if lit, to the pressed wavelength; a drag moves what was taken.
    [[nodiscard]] TDamage Press(QPoint at);
    [[nodiscard]] TDamage DragTo(QPoint at);
    void Release() { m_dragged = 0; }
    [[nodiscard]] int32_t Dragged() const { return m_dragged; }

    // The colour-vision view: the cones it lacks are drawn absent
    // (protanopia L, deuteranopia M, tritanopia S; achromatopsia, seeing
    // by the rods alone, all three).
    [[nodiscard]] TDamage SetVision(EVision vision);
    [[nodiscard]] EVision Vision() const { return m_vision; }
    // L, M, S: whether the view has that kind of cone.
    [[nodiscard]] std::array<bool, 3> ConesPresent() const;

    // The state's sentence, and the missing cones when the view lacks some.
    [[nodiscard]] QString Describe() const;

private:
    // What the drawing depends on, before an operation, to tell what it changed.
    struct TSeen {
        ELight Light;
        EFilter Filter;
        std::array<TLightSource, TLumiereState::SourceCount> Sources;
        std::array<double, 3> Leds;
        double White;
        int32_t Selected;
        TConeResponse Cones;
        TDisplayColour Colour;
        bool Compared;
        TRgb8 ComparedRgb;
        EVision Vision;
    };
    [[nodiscard]] TSeen Seen() const;
    [[nodiscard]] TDamage Changes(const TSeen &before) const;
    // Each side of source k's line on the plot and the curves.
    void AddLineStrips(TDamage &damage, const TLightSource &source) const;

    TLumiereState m_state;
    TLumierePlaces m_places;
    EVision m_vision = EVision::Normal;
    int32_t m_dragged = 0; // the source the mouse holds, 0 none
};

} // namespace Irisonde
