// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/BitmapDecodeU.h"

#include <algorithm>
#include <cstdint>

namespace Irisonde {

bool DecodeRleBitmap(const QByteArray &bytes, const TBitmapHeader &header, QImage &image)
{
    const bool four = header.Compression == 2;
    const int w = header.Width, h = header.Height;
    QImage out(w, h, QImage::Format_Indexed8);
    if (out.isNull())
        return false;
    out.fill(0);

    // Colour table; indices past its end show black.
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    QList<QRgb> table(256, qRgb(0, 0, 0));
    const qsizetype tableAt = 14 + header.InfoSize;
    for (int i = 0; i < header.Colours; ++i) {
        const unsigned char *e = data + tableAt + 4 * i;
        table[i] = qRgb(e[2], e[1], e[0]);
    }
    out.setColorTable(table);

    qsizetype pos = header.DataOffset;
    int x = 0, y = 0; // y counts rows from the bottom
    const auto put = [&](int value) {
        if (x < w) // pixels past the right edge are dropped
            out.scanLine(h - 1 - y)[x++] = uchar(value);
    };
    while (y < h) {
        if (pos + 2 > size)
            return false; // the data stops before its end mark
        const int count = data[pos], code = data[pos + 1];
        pos += 2;
        if (count > 0) {
            // Encoded run: one index, or two alternating ones for RLE4.
            for (int i = 0; i < count && x < w; ++i)
                put(four ? ((i & 1) ? (code & 0x0F) : (code >> 4)) : code);
            continue;
        }
        if (code == 0) { // end of line
            x = 0;
            ++y;
        } else if (code == 1) { // end of bitmap
            break;
        } else if (code == 2) { // delta
            if (pos + 2 > size)
                return false;
            x = std::min(x + data[pos], w);
            y += data[pos + 1];
            pos += 2;
        } else { // absolute run of `code` indices, padded to a 16-bit boundary
            const qsizetype runBytes = four ? (code + 1) / 2 : code;
            const qsizetype padded = runBytes + (runBytes & 1);
            if (pos + padded > size)
                return false;
            for (int i = 0; i < code; ++i) {
                const unsigned char b = data[pos + (four ? i / 2 : i)];
                put(four ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
            }
            pos += padded;
        }
    }
    image = std::move(out);
    return true;
}

namespace {

// A channel of a 16-bit pixel: its mask's bits, widened to 0..255.
struct TChannel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    int Bits = 0;
    explicit TChannel(std::uint32_t mask) : Mask(mask)
    {
        if (mask == 0)
            return;
        while (!((mask >> Shift) & 1))
            ++Shift;
        while (Bits < 16 && ((mask >> (Shift + Bits)) & 1))
            ++Bits;
    }
    [[nodiscard]] int Value(std::uint32_t pixel) const
    {
        if (Bits == 0)
            return 0;
        const std::uint32_t v = (pixel & Mask) >> Shift;
        if (Bits >= 8)
            return int(v >> (Bits - 8));
        // Repeat the high bits into the low ones: 31 of 5 bits is 255.
        std::uint32_t out = 0;
        for (int filled = 0; filled < 8; filled += Bits)
            out = (out << Bits) | v;
        const int total = ((8 + Bits - 1) / Bits) * Bits;
        return int(out >> (total - 8));
    }
};

} // namespace

bool DecodeSixteenBitBitmap(const QByteArray &bytes, const TBitmapHeader &header, QImage &image)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (header.Compression == 3) {
        // The masks follow a 40-byte header, or sit inside a longer one.
        const qsizetype at = 14 + 40;
        if (at + 12 > bytes.size())
            return false;
        for (int i = 0; i < 3; ++i)
            masks[i] = std::uint32_t(data[at + 4 * i]) | std::uint32_t(data[at + 4 * i + 1]) << 8;
    }
    const TChannel red(masks[0]), green(masks[1]), blue(masks[2]);
    const int w = header.Width, h = header.Height;
    QImage out(w, h, QImage::Format_RGB32);
    if (out.isNull())
        return false;
    const qsizetype rowBytes = ((qsizetype(w) * 16 + 31) / 32) * 4;
    for (int row = 0; row < h; ++row) {
        // Stored rows run from the bottom unless the bitmap is top-down.
        const int y = header.TopDown ? row : h - 1 - row;
        const qsizetype at = qsizetype(header.DataOffset) + qsizetype(row) * rowBytes;
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const qsizetype p = at + 2 * qsizetype(x);
            // The header check lets the last row's padding be missing, never its pixels.
            const std::uint32_t pixel = p + 1 < bytes.size() ? std::uint32_t(data[p] | data[p + 1] << 8) : 0;
            line[x] = qRgb(red.Value(pixel), green.Value(pixel), blue.Value(pixel));
        }
    }
    image = std::move(out);
    return true;
}

} // namespace Irisonde
