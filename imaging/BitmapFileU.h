// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Device-independent bitmap files (".bmp"): the header checks that decide the
// program's messages, and the loaded bitmap object of the picture workshops.
#include "imaging/PictureFaultU.h"
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <cstdint>

namespace Irisonde {

// Largest bitmap the program agrees to decode, in pixels (width x height):
// 50 million pixels, 200 MB once decoded. Larger declared sizes are refused
// before anything is allocated.
inline constexpr std::int64_t MaxBitmapPixels = 50'000'000;

// What the header of a bitmap file declares.
struct TBitmapHeader {
    int Width = 0;
    int Height = 0;             // always positive; TopDown tells the row order
    bool TopDown = false;
    int BitCount = 0;           // 1, 4, 8, 16, 24 or 32
    int Compression = 0;        // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
    int InfoSize = 0;           // 12 for the OS/2 core header, 40 and more otherwise
    int Colours = 0;            // colour table entries
    std::uint32_t DataOffset = 0; // first byte of the pixels, from the file's start
};

// Checks the file header, the info header and the extent of the pixel data
// of the bitmap file held in `bytes`, without decoding anything.
// EPictureFault::None, InvalidBitmap or TooLarge.
[[nodiscard]] EPictureFault ReadBitmapHeader(const QByteArray &bytes, TBitmapHeader &header);

// Whether the info header of a bitmap (a DIB, without its file header)
// declares more than MaxBitmapPixels pixels, whatever follows it.
[[nodiscard]] bool DibDeclaresTooManyPixels(const QByteArray &dib);

// A bitmap file's header and pixels without its 14-byte file header (as
// metafiles embed them): the same bytes with a file header in front.
[[nodiscard]] QByteArray DibToBitmapFile(const QByteArray &dib);

// The loaded bitmap (`PictureBitmap`). Pixels are kept as Format_RGB32; a
// 32-bit file's alpha channel is ignored, as the display of a bitmap ignores it.
class TPictureBitmap {
public:
    // Loads the file `path`; on failure the previous picture stays.
    [[nodiscard]] EPictureFault LoadFromFile(const QString &path);
    // Loads a whole bitmap file held in memory; on failure the previous picture stays.
    [[nodiscard]] EPictureFault LoadFromBytes(const QByteArray &bytes);

    [[nodiscard]] bool IsEmpty() const { return m_image.isNull(); }
    [[nodiscard]] int Width() const { return m_image.width(); }
    [[nodiscard]] int Height() const { return m_image.height(); }
    [[nodiscard]] const QImage &Image() const { return m_image; }
    void Clear() { m_image = QImage(); }

private:
    QImage m_image;
};

// Decodes the bitmap file in `bytes` into `image` (Format_RGB32).
[[nodiscard]] EPictureFault DecodeBitmap(const QByteArray &bytes, QImage &image);

} // namespace Irisonde
