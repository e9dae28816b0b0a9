// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The projector sprite shared by the additive-synthesis and scene-lighting
// workshops: an 81 x 81 slide projector whose lamp takes any colour, drawn on
// black, upright or turned about its centre. Each workshop state that draws
// one owns its own.
#include "imaging/DibPlusU.h"

#include <QPainter>
#include <QPoint>

#include <array>
#include <cstdint>
#include <memory>

namespace Irisonde {

constexpr int32_t ProjoSize = 81;       // both sprite images are square
constexpr int32_t ProjoMaxLamps = 120;  // capacity of ProjoLamps

// One projector sprite, owned by the workshop state that draws it.
class TProjo {
public:
    // Builds both images from the "Projo" resource and the lamp list; the
    // key starts yellow.
    void CreateProjo();
    // Releases both images.
    void FreeProjo();
    // The upright projector with its lamp in lampColour (colour value),
    // 81 x 81 with its top-left corner at (x, y) of the target, on black.
    // Does nothing before CreateProjo.
    void DrawProjo(QPainter &target, int32_t x, int32_t y, uint32_t lampColour);
    // The same turned by angle (radians) about the sprite's centre; a
    // positive angle turns it clockwise on screen (its light swings to the
    // right).
    void DrawProjoRotated(QPainter &target, int32_t x, int32_t y, uint32_t lampColour, double angle);
    // Turns the key from oldKey (colour value) to the other key colour and
    // repaints ProjoSource's background accordingly.
    void SwitchProjoKey(uint32_t oldKey);

    // The projector on a background of the key colour; its lamp pixels carry
    // the last lamp colour. Null outside CreateProjo .. FreeProjo.
    [[nodiscard]] TDibPlus *ProjoSource() const { return m_source.get(); }
    // The sprite as last drawn: black background, projector, lamp.
    [[nodiscard]] TDibPlus *ProjoOutput() const { return m_output.get(); }
    // The transparent key (colour value): yellow $00FFFF, cyan $FFFF00 after
    // a yellow lamp was drawn.
    [[nodiscard]] uint32_t ProjoKeyColour() const { return m_keyColour; }
    // SwapRB(ProjoKeyColour): the key as a pixel value.
    [[nodiscard]] uint32_t ProjoKeyPixel() const { return m_keyPixel; }
    // The lamp pixels of ProjoSource (pixel coordinates, rows from the
    // bottom); the first ProjoLampCount are set.
    [[nodiscard]] const std::array<QPoint, ProjoMaxLamps> &ProjoLamps() const { return m_lamps; }
    [[nodiscard]] int32_t ProjoLampCount() const { return m_lampCount; }

private:
    [[nodiscard]] bool SpriteReady() const;
    void PrepareDraw(uint32_t lampColour);

    std::unique_ptr<TDibPlus> m_source;
    std::unique_ptr<TDibPlus> m_output;
    uint32_t m_keyColour = 0x00FFFF;
    uint32_t m_keyPixel = 0xFFFF00;
    std::array<QPoint, ProjoMaxLamps> m_lamps{};
    int32_t m_lampCount = 0;
};

} // namespace Irisonde
