// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/BitmapFileU.h"
#include "imaging/BitmapDecodeU.h"
#include "imaging/WholeFileU.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace Irisonde {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;   // OS/2 1.x and Windows 2 "core" header
constexpr int PlainHeaderSize = 40;  // BITMAPINFOHEADER
constexpr int LargestHeaderSize = 124; // BITMAPV5HEADER

// The largest bitmap file read into memory: the largest accepted picture at
// 32 bits per pixel, its header and colour table, and some slack.
constexpr qint64 MaxBitmapFileBytes = MaxBitmapPixels * 4 + (1 << 20);

std::uint32_t U32(const QByteArray &b, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData()) + at;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

std::uint16_t U16(const QByteArray &b, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData()) + at;
    return std::uint16_t(p[0] | p[1] << 8);
}

} // namespace

EPictureFault ReadBitmapHeader(const QByteArray &bytes, TBitmapHeader &header)
{
    const qsizetype size = bytes.size();
    if (size < FileHeaderSize + CoreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return EPictureFault::InvalidBitmap;
    TBitmapHeader h;
    h.DataOffset = U32(bytes, 10);
    h.InfoSize = int(U32(bytes, FileHeaderSize));
    const bool core = h.InfoSize == CoreHeaderSize;
    // 40 (Windows 3), 52 and 56 (Adobe's bit-field variants), 64 (OS/2 2.x),
    // 108 (V4) and 124 (V5) all start with the 40 bytes of BITMAPINFOHEADER.
    if (!core && (h.InfoSize < PlainHeaderSize || h.InfoSize > LargestHeaderSize))
        return EPictureFault::InvalidBitmap;
    if (FileHeaderSize + qsizetype(h.InfoSize) > size)
        return EPictureFault::InvalidBitmap;

    std::int64_t width = 0, height = 0;
    int planes = 0;
    std::uint32_t coloursUsed = 0;
    if (core) {
        width = U16(bytes, 18);
        height = U16(bytes, 20);
        planes = U16(bytes, 22);
        h.BitCount = U16(bytes, 24);
    } else {
        width = std::int32_t(U32(bytes, 18));
        height = std::int32_t(U32(bytes, 22));
        planes = U16(bytes, 26);
        h.BitCount = U16(bytes, 28);
        h.Compression = int(std::min<std::uint32_t>(U32(bytes, 30), 255));
        coloursUsed = U32(bytes, 46);
    }
    if (height < 0) {
        h.TopDown = true;
        height = -height;
    }
    if (planes != 1 || width <= 0 || height <= 0)
        return EPictureFault::InvalidBitmap;
    const int bits = h.BitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return EPictureFault::InvalidBitmap;
    const bool compressionFits = h.Compression == 0 || (h.Compression == 1 && bits == 8)
        || (h.Compression == 2 && bits == 4) || (h.Compression == 3 && (bits == 16 || bits == 32));
    // Run-length data always runs from the bottom row up.
    if (!compressionFits || (h.TopDown && (h.Compression == 1 || h.Compression == 2)))
        return EPictureFault::InvalidBitmap;
    h.Width = int(width);
    h.Height = int(height);

    // Colour table: always full for the core header; for the others the
    // count used, or all 2^bits entries when it is 0. Direct-colour bitmaps
    // may carry an optional table that the pixels never refer to.
    const std::uint32_t fullTable = bits <= 8 ? 1u << bits : 0u;
    if (core)
        h.Colours = int(fullTable);
    else if (coloursUsed == 0)
        h.Colours = int(fullTable);
    else if (coloursUsed > 256 || (bits <= 8 && coloursUsed > fullTable))
        return EPictureFault::InvalidBitmap;
    else
        h.Colours = int(coloursUsed);
    const qsizetype masks = (h.InfoSize == PlainHeaderSize && h.Compression == 3) ? 12 : 0;
    const qsizetype tableEnd = FileHeaderSize + h.InfoSize + masks + qsizetype(h.Colours) * (core ? 3 : 4);
    if (tableEnd > size)
        return EPictureFault::InvalidBitmap;
    // Some writers leave the offset at 0: the pixels then follow the table.
    if (h.DataOffset == 0)
        h.DataOffset = std::uint32_t(tableEnd);
    if (qsizetype(h.DataOffset) < tableEnd || qsizetype(h.DataOffset) >= size)
        return EPictureFault::InvalidBitmap;

    if (h.Compression == 0 || h.Compression == 3) {
        // Every row must be there; the padding of the last one may be missing.
        const std::int64_t rowBytes = ((width * bits + 31) / 32) * 4;
        const std::int64_t lastRow = (width * bits + 7) / 8;
        if (std::int64_t(h.DataOffset) + rowBytes * (height - 1) + lastRow > size)
            return EPictureFault::InvalidBitmap;
    }
    // Absurd sizes are refused before anything is allocated for them; a file
    // too short for the pixels it declares was damaged, not too large.
    if (width * height > MaxBitmapPixels)
        return EPictureFault::TooLarge;
    header = h;
    return EPictureFault::None;
}

bool DibDeclaresTooManyPixels(const QByteArray &dib)
{
    if (dib.size() < CoreHeaderSize)
        return false;
    const bool core = U32(dib, 0) == CoreHeaderSize;
    if (!core && dib.size() < PlainHeaderSize)
        return false;
    const std::int64_t width = core ? U16(dib, 4) : std::int32_t(U32(dib, 4));
    const std::int64_t height = core ? U16(dib, 6) : std::int32_t(U32(dib, 8));
    return std::abs(width) * std::abs(height) > MaxBitmapPixels;
}

QByteArray DibToBitmapFile(const QByteArray &dib)
{
    QByteArray file(FileHeaderSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    const auto put32 = [&file](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put32(2, std::uint32_t(FileHeaderSize + dib.size()));
    // The pixels follow the header, the masks and the colour table.
    std::uint32_t offset = 0;
    if (dib.size() >= CoreHeaderSize) {
        const std::uint32_t info = U32(dib, 0);
        if (info == CoreHeaderSize) {
            const int bits = U16(dib, 10);
            offset = info + (bits <= 8 ? 3u << bits : 0u);
        } else if (info >= PlainHeaderSize && info <= LargestHeaderSize && dib.size() >= PlainHeaderSize) {
            const int bits = U16(dib, 14);
            const std::uint32_t compression = U32(dib, 16);
            const std::uint32_t used = U32(dib, 32);
            const std::uint32_t colours = used != 0 ? std::min<std::uint32_t>(used, 256)
                                                    : (bits <= 8 ? 1u << (bits & 15) : 0u);
            offset = info + (info == PlainHeaderSize && compression == 3 ? 12 : 0) + 4 * colours;
        }
    }
    put32(10, offset == 0 ? 0 : FileHeaderSize + offset);
    return file + dib;
}

EPictureFault DecodeBitmap(const QByteArray &bytes, QImage &image)
{
    TBitmapHeader header;
    if (const EPictureFault fault = ReadBitmapHeader(bytes, header); fault != EPictureFault::None)
        return fault;
    QImage decoded;
    if (header.Compression == 1 || header.Compression == 2) {
        // Qt's run-length decoder misplaces every row after the first, so
        // compressed bitmaps are decoded here.
        if (!DecodeRleBitmap(bytes, header, decoded))
            return EPictureFault::InvalidBitmap;
    } else if (header.BitCount == 16) {
        if (!DecodeSixteenBitBitmap(bytes, header, decoded))
            return EPictureFault::InvalidBitmap;
    } else {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "bmp");
        reader.setAllocationLimit(int(MaxBitmapPixels * 4 / (1024 * 1024)) + 1);
        if (!reader.read(&decoded))
            return EPictureFault::InvalidBitmap;
    }
    if (decoded.width() != header.Width || decoded.height() != header.Height)
        return EPictureFault::InvalidBitmap;
    // A bitmap's alpha bits are not shown: only the colours count.
    if (decoded.format() == QImage::Format_ARGB32)
        decoded.reinterpretAsFormat(QImage::Format_RGB32);
    else if (decoded.format() != QImage::Format_RGB32)
        decoded = decoded.convertToFormat(QImage::Format_RGB32);
    if (decoded.isNull())
        return EPictureFault::TooLarge;
    image = std::move(decoded);
    return EPictureFault::None;
}

EPictureFault TPictureBitmap::LoadFromBytes(const QByteArray &bytes)
{
    QImage image;
    const EPictureFault fault = DecodeBitmap(bytes, image);
    if (fault == EPictureFault::None)
        m_image = std::move(image);
    return fault;
}

EPictureFault TPictureBitmap::LoadFromFile(const QString &path)
{
    QByteArray bytes;
    const EPictureFault fault =
        ReadWholeFile(path, MaxBitmapFileBytes, {EPictureFault::MissingBitmap, EPictureFault::InvalidBitmap}, bytes);
    return fault == EPictureFault::None ? LoadFromBytes(bytes) : fault;
}

} // namespace Irisonde
