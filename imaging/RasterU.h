// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Photos, screenshots, web images and scans: every raster format Qt's image
// plugins read but the Windows bitmap, which keeps its own decoder and its
// own placement. A picture is turned as its EXIF orientation says and
// brought to sRGB from the colour profile it carries. Its declared size is
// checked before anything is decoded, and it is decoded no larger than it
// will be shown (JPEG decodes at an eighth, a quarter... of its size almost
// for free); the file's bytes are kept, so that a larger showing decodes
// it again, sharper.
#include "imaging/PictureFaultU.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>

namespace Irisonde {

// Where a picture of `natural` size goes in a W0 x H0 area: stretched over
// it; or, when larger than the area, scaled down keeping its proportions;
// otherwise at its own size. Centred; empty when either is empty.
[[nodiscard]] QRect RasterPlacement(QSize natural, int W0, int H0, bool stretch);

// The result of decoding: the picture (Format_RGB32, or ARGB32
// premultiplied when it has transparency) and its own size, turned.
struct TRasterDecode {
    EPictureFault Fault = EPictureFault::None;
    QImage Image;
    QSize Natural;
};

// Decodes the picture in `bytes` (Qt's format name `format`, a hint) at no
// less than the size RasterPlacement gives it in `area` (its own size when
// the area is empty). InvalidPicture or TooLarge; a picture declaring more
// than MaxBitmapPixels is refused before decoding.
[[nodiscard]] TRasterDecode DecodeRaster(const QByteArray &bytes, const QByteArray &format, QSize area, bool stretch);

class TPictureRaster {
public:
    // Loads the picture held in `bytes`, decoded for showing it in `area`
    // (see DecodeRaster); on failure the previous picture stays.
    [[nodiscard]] EPictureFault LoadFromBytes(const QByteArray &bytes, const QByteArray &format, QSize area = {},
                                              bool stretch = false);

    [[nodiscard]] bool IsEmpty() const { return m_decoded.isNull(); }
    [[nodiscard]] QSize NaturalSize() const { return m_natural; }
    // The picture as decoded so far (at its own size or smaller).
    [[nodiscard]] const QImage &Decoded() const { return m_decoded; }
    // The picture at exactly `size`, smoothly filtered; decoded again first
    // when what is kept is too small for it. The last one is kept.
    [[nodiscard]] const QImage &Scaled(QSize size);
    void Clear();

private:
    QByteArray m_bytes;
    QByteArray m_format;
    QSize m_natural;
    QImage m_decoded;
    QImage m_scaled;
};

} // namespace Irisonde
