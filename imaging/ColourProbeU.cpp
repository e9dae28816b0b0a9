// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ColourProbeU.h"

#include <algorithm>
#include <array>

namespace Irisonde {

namespace {

// The eight corners by their bits: red 4, green 2, blue 1.
int32_t Corner(QRgb colour)
{
    const auto level = [](int32_t v) { return v == 0 ? 0 : v == 255 ? 1 : -1; };
    const int32_t r = level(qRed(colour)), g = level(qGreen(colour)), b = level(qBlue(colour));
    if (r < 0 || g < 0 || b < 0)
        return -1;
    return r * 4 + g * 2 + b;
}

QString Percent(int32_t v) { return QString::number(std::clamp(v, 0, 100)) + QStringLiteral(" %"); }

} // namespace

QString ProbeChannelText(QRgb colour)
{
    return QStringLiteral("R %1  V %2  B %3").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

QString ProbeHexText(QRgb colour)
{
    return QStringLiteral("#%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

QString ProbeInkText(int32_t cyan, int32_t magenta, int32_t yellow, int32_t black)
{
    return QStringLiteral("C ") + Percent(cyan) + QStringLiteral("  M ") + Percent(magenta) + QStringLiteral("  J ")
           + Percent(yellow) + QStringLiteral("  N ") + Percent(black);
}

QString MixtureName(QRgb colour, ESynthesis synthesis)
{
    // Indexed by Corner(): black, blue, green, cyan, red, magenta, yellow, white.
    static constexpr std::array<const char *, 8> Additive = {
        "noir", "bleu", "vert", "cyan = vert + bleu", "rouge", "magenta = rouge + bleu", "jaune = rouge + vert",
        "blanc = rouge + vert + bleu",
    };
    static constexpr std::array<const char *, 8> Subtractive = {
        "noir = cyan + magenta + jaune", "bleu = cyan + magenta", "vert = cyan + jaune", "cyan",
        "rouge = magenta + jaune", "magenta", "jaune", "blanc",
    };
    const int32_t corner = Corner(colour);
    if (corner < 0)
        return {};
    const auto &names = synthesis == ESynthesis::Additive ? Additive : Subtractive;
    return QString::fromLatin1(names[size_t(corner)]);
}

QString ProbeSentence(QRgb colour)
{
    return QStringLiteral("Couleur sous le pointeur : rouge %1, vert %2, bleu %3, soit %4.")
        .arg(qRed(colour))
        .arg(qGreen(colour))
        .arg(qBlue(colour))
        .arg(ProbeHexText(colour));
}

} // namespace Irisonde
