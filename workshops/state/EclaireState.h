// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The scene-lighting workshop without its window: a picture (the scene) lit
// by a projector, either as a round spot the pupil drags over it or wholly,
// in a light whose red, green and blue strengths the pupil sets. Beside the
// lit scene the window shows the picture unlit, and under it a black strip
// with the projector, its lamp in the light's colour, aimed at the spot.
//
// Teaching simplification: a coloured light multiplies each channel of the
// picture by its own strength (c x Factor div 256); real surfaces reflect
// spectra, not three numbers, and the spot has a hard edge.
//
// Scene coordinates (SpotX, SpotY, mouse points) count from the top-left of
// the scene area, y downwards; pixel rows of LitImage count from the bottom.
#include "imaging/DibPlusU.h"
#include "imaging/ProjoU.h"
#include "imaging/WheelU.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

namespace Irisonde {

// Where the window puts its areas, from its client area.
struct TEclaireZones {
    QRect Zone;       // the lit scene
    QRect ProjoZone;  // the projector strip under it
    QRect OriginZone; // the unlit picture
    int32_t BlancLabTop = 0;
    // The label under the unlit picture, centred on it.
    [[nodiscard]] int32_t BlancLabLeft(int32_t labelWidth) const
    {
        return (OriginZone.width() - labelWidth) / 2 + OriginZone.left();
    }
};

// One of the eight colour buttons: its control name, place on the panel,
// and the light it gives.
struct TColourButton {
    const char *Name;
    int32_t Left, Top;
    int32_t FactorR, FactorG, FactorB;
    const char *Spoken; // its name for a screen reader, UTF-8
};

class TEclaireState {
public:
    static constexpr int32_t StripHeight = 81;  // the projector strip
    static constexpr int32_t MinRadius = 10;
    static constexpr int32_t RadiusStep = 10;   // a right click or a wheel notch
    static constexpr int32_t FullFactor = 256;
    static constexpr int32_t StartRadius = 100;
    // Left column red, green, blue, grey; right column their complements.
    static constexpr std::array<TColourButton, 8> ColourButtons{{
        {"RBout", 420, 3, 256, 0, 0, "Éclairer en lumière rouge"},
        {"gBout", 420, 25, 0, 256, 0, "Éclairer en lumière verte"},
        {"bBout", 420, 47, 0, 0, 256, "Éclairer en lumière bleue"},
        {"grBout", 420, 69, 193, 193, 193, "Éclairer en lumière grise"},
        {"cBout", 442, 3, 0, 256, 256, "Éclairer en lumière cyan"},
        {"mBout", 442, 25, 256, 0, 256, "Éclairer en lumière magenta"},
        {"yBout", 442, 47, 256, 256, 0, "Éclairer en lumière jaune"},
        {"wBout", 442, 69, 256, 256, 256, "Éclairer en lumière blanche"},
    }};

    TEclaireState();
    ~TEclaireState();
    TEclaireState(const TEclaireState &) = delete;
    TEclaireState &operator=(const TEclaireState &) = delete;

    // The light, 0..256 per channel (256 is full strength).
    int32_t FactorR = FullFactor, FactorG = FullFactor, FactorB = FullFactor;
    uint32_t LightColour = 0xFFFFFF; // colour value (red low), for the lamp
    int32_t SpotX = 0, SpotY = 0;    // the spot's centre in the scene area
    int32_t Radius = StartRadius;
    int32_t MaxRadius = 0;
    double BeamAngle = 0.0;          // radians, positive turns clockwise
    bool LinkFlag = false;           // LinkCheck
    bool WholeScene = false;         // FullSizeCheck
    // False while the workshop itself moves the bars, so that their change
    // events do nothing.
    bool BarsLive = true;
    // The scene area's size (the window hands it to the shared picture state
    // before drawing the picture).
    int32_t PictureWidth = 0, PictureHeight = 0;
    // The unlit picture: the window draws the current picture on its canvas,
    // then calls RenderScene.
    std::unique_ptr<TDibPlus> ScenePicture;
    std::unique_ptr<TDibPlus> LitImage;
    // The strip under the scene (PictureWidth x 81): black with the projector.
    std::unique_ptr<TDibPlus> ProjoStrip;

    // The window's show, before its layout: the controls' state reset, the
    // radius and the lamp as at every opening, the projector sprite made.
    void Show();
    // The window's close: every picture and the sprite released.
    void Close();

    // Factors full, bars live, link and whole-scene mode off.
    void ResetControls();
    // Sizes the areas from the client area, makes LitImage and a black
    // ScenePicture at the new size, puts the spot back in the middle with
    // the projector upright, and paints the strip. The window then draws the
    // picture into ScenePicture and calls RenderScene.
    [[nodiscard]] TEclaireZones LayoutZones(int32_t clientWidth, int32_t clientHeight);
    // LitImage from ScenePicture and the light: whole or in the spot.
    void RenderScene();
    // Lights the spot of centre (cx, cy), cy counted from the bottom, in
    // LitImage, and blackens everything else; only rows rowLo up to rowHi
    // are written (their pixels taken from the picture beforehand).
    void LightDisc(int32_t cx, int32_t cy, int32_t radius, int32_t rowLo = 0, int32_t rowHi = INT32_MAX);
    // The projector in the strip: upright in whole-scene mode, else aimed.
    void DrawProjector();
    void ClampRadius();
    void UpdateLightColour();
    // The three edits' texts: " 100 %" for full light.
    [[nodiscard]] std::array<QString, 3> ShowPercentages() const;
    // The bar positions that show the factors (0 at the top is full light).
    [[nodiscard]] std::array<int32_t, 3> BarPositions() const;

    // A bar moved to one of `positions` (red, green, blue): the factors
    // follow (all three the changed bar's when linked), the scene and the
    // projector are redrawn. False, and nothing done, when the bars are not
    // live. On true BarsLive stays cleared: the window moves the bars to
    // BarPositions(), shows ShowPercentages() and sets BarsLive again.
    [[nodiscard]] bool BarChange(int32_t changed, const std::array<int32_t, 3> &positions);
    // A colour button (index into ColourButtons): the same protocol as
    // BarChange, the link playing no part.
    void ColourButtonClick(int32_t button);
    // The FullSizeCheck: the scene and the projector redrawn.
    void SetWholeScene(bool whole);

    // The left button pressed or held while moving at (x, y): the spot
    // follows, kept off the bottom only; the projector aims at it.
    void MouseLeft(int32_t x, int32_t y);
    // An arrow key: the spot moved by (dx, dy) as the left button would take
    // it, its centre kept on the scene so that held keys cannot lose it.
    void KeyMove(int32_t dx, int32_t dy);
    // What the lit scene shows, in a sentence for a screen reader.
    [[nodiscard]] QString Describe() const;
    // A right click: the spot grows by 10, or shrinks with Ctrl. True when
    // the radius changed (the scene and projector were redrawn).
    bool MouseRight(bool ctrl);
    // A wheel turn of `delta` (eighths of a degree, 120 a notch): whole
    // notches change the radius by 10 each. True when it changed (the scene
    // was redrawn; the projector does not change).
    bool Wheel(int32_t delta);

    // What the copy button puts on the clipboard: the lit scene above the
    // strip, PictureWidth x (PictureHeight + 81); null while closed.
    [[nodiscard]] QImage CopyImage() const;

private:
    // The spot at (x, y) as given; the scene and projector redrawn.
    void MoveSpot(int32_t x, int32_t y);
    // The spot's rows, from the bottom, for a centre SpotY from the top.
    [[nodiscard]] std::pair<int64_t, int64_t> SpotRows() const;
    // Rows lo up to hi of LitImage rendered anew for the spot: outside the
    // rows of the spot last lit and the spot now, black stays black.
    void RenderRows(int32_t lo, int32_t hi);
    // What LitImage shows: nothing rendered yet, the spot (in rows m_litLo
    // up to m_litHi from the bottom), or the whole scene.
    enum class ELit { None, Spot, Whole };
    ELit m_lit = ELit::None;
    int64_t m_litLo = 0, m_litHi = 0;
    // ProjoU draws the sprite through a painter; one left open on a scrap
    // pixel spares a drag step the painter's making (and its allocations),
    // and the strip takes the sprite from ProjoOutput.
    QImage m_sink;
    QPainter m_sinkPainter;
    TProjo m_projo;
    void CopySpriteToStrip();
};

} // namespace Irisonde
