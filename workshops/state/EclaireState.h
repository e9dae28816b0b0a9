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
// What an operation changed (TDamage) is in client-area coordinates.
#include "imaging/DibPlusU.h"
#include "imaging/ProjoU.h"
#include "imaging/WheelU.h"
#include "workshops/state/Damage.h"

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

    // The window's show, before its layout: the controls' state reset, the
    // radius and the lamp as at every opening, the projector sprite made.
    void Show();
    // The window's close: every picture and the sprite released.
    void Close();

    // Factors full, link and whole-scene mode off.
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
    // The three edits' texts: " 100 %" for full light.
    [[nodiscard]] std::array<QString, 3> ShowPercentages() const;
    // The bar positions that show the factors (0 at the top is full light).
    [[nodiscard]] std::array<int32_t, 3> BarPositions() const;

    // The pupil's operations. Each returns what it changed on screen (see
    // Damage.h): the window repaints that and nothing else.
    //
    // A bar moved to one of `positions` (red, green, blue): the factors
    // follow (all three the changed bar's when linked), the scene and the
    // projector are redrawn. The window then moves the bars to
    // BarPositions() without their handlers and shows ShowPercentages().
    [[nodiscard]] TDamage BarChange(int32_t changed, const std::array<int32_t, 3> &positions);
    // A colour button (index into ColourButtons): as BarChange, the link
    // playing no part.
    [[nodiscard]] TDamage ColourButtonClick(int32_t button);
    // The LinkCheck: takes effect at the next bar change.
    void SetLink(bool linked) { m_linked = linked; }
    // The FullSizeCheck: the scene and the projector redrawn.
    [[nodiscard]] TDamage SetWholeScene(bool whole);
    // The left button pressed or held while moving at (x, y): the spot
    // follows, kept off the bottom only; the projector aims at it.
    [[nodiscard]] TDamage MouseLeft(int32_t x, int32_t y);
    // An arrow key: the spot moved by (dx, dy) as the left button would take
    // it, its centre kept on the scene so that held keys cannot lose it.
    [[nodiscard]] TDamage KeyMove(int32_t dx, int32_t dy);
    // A right click: the spot grows by 10, or shrinks with Ctrl. Empty when
    // the radius stayed (or the scene is lit whole, where it does not show).
    [[nodiscard]] TDamage MouseRight(bool ctrl);
    // A wheel turn of `delta` (eighths of a degree, 120 a notch): whole
    // notches change the radius by 10 each, as MouseRight.
    [[nodiscard]] TDamage Wheel(int32_t delta);

    // What the lit scene shows, in a sentence for a screen reader.
    [[nodiscard]] QString Describe() const;
    // What the copy button puts on the clipboard: the lit scene above the
    // strip, PictureWidth x (PictureHeight + 81); null while closed.
    [[nodiscard]] QImage CopyImage() const;

    // The light, 0..256 per channel (256 is full strength).
    [[nodiscard]] int32_t FactorR() const { return m_factorR; }
    [[nodiscard]] int32_t FactorG() const { return m_factorG; }
    [[nodiscard]] int32_t FactorB() const { return m_factorB; }
    // Colour value (red low), for the lamp.
    [[nodiscard]] uint32_t LightColour() const { return m_lightColour; }
    // The spot's centre in the scene area, and its radius.
    [[nodiscard]] int32_t SpotX() const { return m_spotX; }
    [[nodiscard]] int32_t SpotY() const { return m_spotY; }
    [[nodiscard]] int32_t Radius() const { return m_radius; }
    [[nodiscard]] int32_t MaxRadius() const { return m_maxRadius; }
    // Radians, positive turns clockwise.
    [[nodiscard]] double BeamAngle() const { return m_beamAngle; }
    [[nodiscard]] bool Linked() const { return m_linked; }
    [[nodiscard]] bool WholeScene() const { return m_wholeScene; }
    // The scene area's size (the window hands it to the shared picture state
    // before drawing the picture).
    [[nodiscard]] int32_t PictureWidth() const { return m_pictureWidth; }
    [[nodiscard]] int32_t PictureHeight() const { return m_pictureHeight; }
    // The unlit picture: the window draws the current picture on its canvas,
    // then calls RenderScene. Null while closed.
    [[nodiscard]] TDibPlus *ScenePicture() const { return m_scenePicture.get(); }
    [[nodiscard]] TDibPlus *LitImage() const { return m_litImage.get(); }
    // The strip under the scene (PictureWidth x 81): black with the projector.
    [[nodiscard]] TDibPlus *ProjoStrip() const { return m_projoStrip.get(); }

private:
    // The spot at (x, y) as given; the scene and projector redrawn.
    [[nodiscard]] TDamage MoveSpot(int32_t x, int32_t y);
    // The radius changed by `by`; the projector redrawn with `withProjector`.
    [[nodiscard]] TDamage ChangeRadius(int64_t by, bool withProjector);
    // The factors set, the lamp, scene and projector following.
    [[nodiscard]] TDamage SetFactors(int32_t r, int32_t g, int32_t b);
    // The projector in the strip: upright in whole-scene mode, else aimed.
    void DrawProjector();
    void ClampRadius();
    void UpdateLightColour();
    // Where things show, in client-area coordinates: the lit scene, the
    // spot in it (one pixel more all round; empty in whole-scene mode), and
    // the projector's sprite in the strip.
    [[nodiscard]] QRect ScenePlace() const;
    [[nodiscard]] QRect SpotPlace() const;
    [[nodiscard]] QRect SpritePlace() const;
    // The spot's rows, from the bottom, for a centre SpotY from the top.
    [[nodiscard]] std::pair<int64_t, int64_t> SpotRows() const;
    // Rows lo up to hi of LitImage rendered anew for the spot: outside the
    // rows of the spot last lit and the spot now, black stays black.
    void RenderRows(int32_t lo, int32_t hi);
    // What LitImage shows: nothing rendered yet, the spot (in rows m_litLo
    // up to m_litHi from the bottom), or the whole scene.
    enum class ELit { None, Spot, Whole };
    ELit m_lit = ELit::None;
    int32_t m_factorR = FullFactor, m_factorG = FullFactor, m_factorB = FullFactor;
    uint32_t m_lightColour = 0xFFFFFF;
    int32_t m_spotX = 0, m_spotY = 0;
    int32_t m_radius = StartRadius;
    int32_t m_maxRadius = 0;
    double m_beamAngle = 0.0;
    bool m_linked = false;     // LinkCheck
    bool m_wholeScene = false; // FullSizeCheck
    int32_t m_pictureWidth = 0, m_pictureHeight = 0;
    std::unique_ptr<TDibPlus> m_scenePicture;
    std::unique_ptr<TDibPlus> m_litImage;
    std::unique_ptr<TDibPlus> m_projoStrip;
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
