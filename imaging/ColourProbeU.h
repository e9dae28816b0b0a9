// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts the colour probe shows and says for the colour under the
// pointer. Alpha is ignored throughout.
#include <QColor>
#include <QString>

#include <cstdint>

namespace Irisonde {

// "R 255  V 128  B 0": the three channels, two blanks between them.
[[nodiscard]] QString ProbeChannelText(QRgb colour);
// "#FF8000": upper-case hexadecimal.
[[nodiscard]] QString ProbeHexText(QRgb colour);
// "C 0 %  M 50 %  J 100 %  N 0 %": the printing inks, each percentage
// brought into 0..100. The percentages come from the four-colour plates.
[[nodiscard]] QString ProbeInkText(int32_t cyan, int32_t magenta, int32_t yellow, int32_t black);

enum class ESynthesis : uint8_t {
    Additive,    // lights added on a dark screen
    Subtractive, // inks or filters taking from white
};
// How one of the eight corner colours of the RGB cube is made in that
// synthesis: "jaune = rouge + vert", "noir = cyan + magenta + jaune", or the
// primary's own name ("rouge", "cyan"); empty for any other colour.
[[nodiscard]] QString MixtureName(QRgb colour, ESynthesis synthesis);

// The sentence read aloud on request: "Couleur sous le pointeur : rouge 255,
// vert 128, bleu 0, soit #FF8000."
[[nodiscard]] QString ProbeSentence(QRgb colour);

} // namespace Irisonde
