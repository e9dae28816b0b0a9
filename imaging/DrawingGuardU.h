// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What an SVG drawing must pass before Qt's renderer sees it. The renderer
// trusts its input: a drawing nested thousands deep exhausts its stack, one
// whose <use> elements refer to each other (or that grows by repeated
// copies) never finishes drawing, and a compressed one may inflate without
// end. These checks read the drawing once, in bounded time and memory.
#include "imaging/PictureFaultU.h"

#include <QByteArray>

namespace Irisonde {

// Limits: far above what drawing programs write, far below what hurts.
inline constexpr qsizetype MaxDrawingBytes = 32 * 1024 * 1024; // once inflated
inline constexpr int MaxDrawingDepth = 200;                    // elements inside elements
inline constexpr qint64 MaxDrawnElements = 1'000'000;          // with every <use> expanded

// Inflates a gzip-compressed drawing (".svgz") into `xml`; one that does
// not start with the gzip signature is copied as it is. InvalidDrawing for
// damaged or cut compressed data (`xml` then holds what could be inflated),
// TooLarge beyond MaxDrawingBytes.
[[nodiscard]] EPictureFault InflateDrawing(const QByteArray &bytes, QByteArray &xml);

// Checks the drawing's XML: well formed, an <svg> root, no deeper than
// MaxDrawingDepth, no <use> that reaches itself, at most MaxDrawnElements
// once expanded, and no picture linked from outside the file (the
// renderer would open it, and a drawing may link itself). InvalidDrawing,
// TooComplex or LinkedPictures.
[[nodiscard]] EPictureFault CheckDrawing(const QByteArray &xml);

} // namespace Irisonde
