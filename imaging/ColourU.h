// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Free colour functions on the two colour forms of the program:
//  - a colour value has red in bits 0-7, green 8-15, blue 16-23 (the form of
//    QColor::fromRgb(LowByte(v), MidByte(v), HighByte(v)) and of RGB(r, g, b));
//  - a pixel value has blue in bits 0-7, green 8-15, red 16-23 (the form the
//    TDibPlus pixel operations read and write).
// SwapRB turns one into the other.
#include <QColor>

#include <cstdint>

namespace Irisonde {

// Low | Mid << 8 | High << 16, without masking.
[[nodiscard]] constexpr uint32_t PackRGB(uint32_t low, uint32_t mid, uint32_t high)
{
    return low | (mid << 8) | (high << 16);
}
[[nodiscard]] constexpr uint32_t LowByte(uint32_t v) { return v & 0xFFu; }
[[nodiscard]] constexpr uint32_t MidByte(uint32_t v) { return (v >> 8) & 0xFFu; }
[[nodiscard]] constexpr uint32_t HighByte(uint32_t v) { return (v >> 16) & 0xFFu; }
// Exchanges bits 0-7 and 16-23, keeps 8-15, clears 24-31.
[[nodiscard]] constexpr uint32_t SwapRB(uint32_t v)
{
    return ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}

// The colour value (red low) left on white paper by the given ink fractions
// 0..1; each channel is Round((1 - ink) x 255), halves to even, low 8 bits kept.
// Teaching simplification: ideal inks, each absorbing exactly one primary in
// proportion to its amount, with no spread into the other two.
[[nodiscard]] uint32_t CmyToColour(double cyan, double magenta, double yellow);

// The pixel value a four-colour print shows where the inks with the given
// factors are laid down: the black plate takes the common part of the three
// inks (grey-component replacement); sums of 255 or more give 0.
// Teaching simplification: full replacement of the grey component and inks
// that add linearly, where real presses use partial replacement and curves.
[[nodiscard]] uint32_t FourColourPlate(uint32_t pixel, int32_t cyanFactor, int32_t magentaFactor,
                                       int32_t yellowFactor, int32_t blackFactor);
// The pixel value of a three-colour print with the given inks (factors 0 or 1).
// Teaching simplification: each ink removes only its own primary, exactly.
[[nodiscard]] uint32_t ThreeColourPlate(uint32_t pixel, int32_t cyanFactor, int32_t magentaFactor,
                                        int32_t yellowFactor);

// Conveniences between the program's colour values and Qt's colours.
[[nodiscard]] inline QColor ColourToQColor(uint32_t colour)
{
    return QColor(int(LowByte(colour)), int(MidByte(colour)), int(HighByte(colour)));
}
[[nodiscard]] inline QColor PixelToQColor(uint32_t pixel)
{
    return QColor(int(HighByte(pixel)), int(MidByte(pixel)), int(LowByte(pixel)));
}
[[nodiscard]] inline uint32_t QColorToColour(const QColor &c)
{
    return PackRGB(uint32_t(c.red()), uint32_t(c.green()), uint32_t(c.blue()));
}

} // namespace Irisonde
