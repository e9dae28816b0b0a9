#pragma once
// The projector sprite shared by the additive-synthesis and scene-lighting
// workshops: an 81 x 81 slide projector whose lamp takes any colour, drawn on
// black, upright or turned about its centre. One set for the whole program;
// only one workshop that uses it is open at a time.
#include "imaging/DibPlusU.h"

#include <QPainter>
#include <QPoint>

#include <array>
#include <cstdint>
#include <memory>

constexpr int32_t ProjoSize = 81;       // both sprite images are square
constexpr int32_t ProjoMaxLamps = 120;  // capacity of ProjoLamps

// The projector on a background of the key colour; its lamp pixels carry the
// last lamp colour. Null outside CreateProjo .. FreeProjo.
extern std::unique_ptr<TDibPlus> ProjoSource;
// The sprite as last drawn: black background, projector, lamp.
extern std::unique_ptr<TDibPlus> ProjoOutput;
// The transparent key (colour value): yellow $00FFFF, cyan $FFFF00 after a
// yellow lamp was drawn.
extern uint32_t ProjoKeyColour;
// SwapRB(ProjoKeyColour): the key as a pixel value.
extern uint32_t ProjoKeyPixel;
// The lamp pixels of ProjoSource (pixel coordinates, rows from the bottom).
extern std::array<QPoint, ProjoMaxLamps> ProjoLamps;
extern int32_t ProjoLampCount;

// Builds both images from the "Projo" resource and the lamp list; the key
// starts yellow.
void CreateProjo();
// Releases both images.
void FreeProjo();
// The upright projector with its lamp in lampColour (colour value), 81 x 81
// with its top-left corner at (x, y) of the target, on black. Does nothing
// before CreateProjo.
void DrawProjo(QPainter &target, int32_t x, int32_t y, uint32_t lampColour);
// The same turned by angle (radians) about the sprite's centre; a positive
// angle turns it clockwise on screen (its light swings to the right).
void DrawProjoRotated(QPainter &target, int32_t x, int32_t y, uint32_t lampColour, double angle);
// Turns the key from oldKey (colour value) to the other key colour and
// repaints ProjoSource's background accordingly.
void SwitchProjoKey(uint32_t oldKey);
