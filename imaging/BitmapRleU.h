#pragma once
// Run-length compressed bitmaps (RLE8 and RLE4), decoded by the program
// itself: Qt's decoder of them misplaces the rows.
#include "imaging/BitmapFileU.h"

// Decodes the pixels of the bitmap file `bytes` whose checked header is
// `header` (compression 1 or 2) into an Indexed8 image. Pixels the data skips
// keep colour 0, as when Windows expands such a bitmap into a new one.
// False when the data ends before its end-of-bitmap mark.
[[nodiscard]] bool DecodeRleBitmap(const QByteArray &bytes, const TBitmapHeader &header, QImage &image);
