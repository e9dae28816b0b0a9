// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bitmap variants the program decodes itself, where Qt's reader falls
// short: run-length compressed bitmaps (RLE8 and RLE4), whose rows Qt's
// decoder misplaces, and 16-bit ones, whose 5-bit channels Qt widens without
// filling the low bits (white would show as 248, 248, 248).
#include "imaging/BitmapFileU.h"

namespace Irisonde {

// Decodes the pixels of the bitmap file `bytes` whose checked header is
// `header` (compression 1 or 2) into an Indexed8 image. Pixels the data skips
// keep colour 0, as when Windows expands such a bitmap into a new one.
// False when the data ends before its end-of-bitmap mark.
[[nodiscard]] bool DecodeRleBitmap(const QByteArray &bytes, const TBitmapHeader &header, QImage &image);

// Decodes the 16-bit bitmap file `bytes` whose checked header is `header`
// (plain 5-5-5, or bit fields) into a Format_RGB32 image; each channel is
// widened to 8 bits by repeating its high bits, so that full scale stays 255.
[[nodiscard]] bool DecodeSixteenBitBitmap(const QByteArray &bytes, const TBitmapHeader &header, QImage &image);

} // namespace Irisonde
