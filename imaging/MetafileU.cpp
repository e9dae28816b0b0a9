// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/MetafileU.h"
#include "imaging/BitmapFileU.h"
#include "imaging/WholeFileU.h"
#include "imaging/WmfPlayerU.h"

#include <QPainter>

#include <cmath>
#include <cstdint>

namespace Irisonde {

namespace {

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7u;
constexpr int PlaceableSize = 22, HeaderSize = 18;
// Metafiles are read whole; none a producer writes comes near this.
constexpr qint64 MaxMetafileBytes = 256ll * 1024 * 1024;

std::uint16_t U16(const QByteArray &b, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData()) + at;
    return std::uint16_t(p[0] | p[1] << 8);
}
std::uint32_t U32(const QByteArray &b, qsizetype at) { return U16(b, at) | std::uint32_t(U16(b, at + 2)) << 16; }
void Put16(QByteArray &b, qsizetype at, std::uint16_t v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}
void Put32(QByteArray &b, qsizetype at, std::uint32_t v)
{
    Put16(b, at, std::uint16_t(v & 0xFFFF));
    Put16(b, at + 2, std::uint16_t(v >> 16));
}

// Where a record carrying a bitmap keeps it, from the start of its
// parameters; -1 for records without one.
qsizetype BitmapParameterOffset(std::uint16_t function, std::uint32_t words)
{
    switch (function) {
    case 0x0F43: return 22;                            // STRETCHDIB
    case 0x0B41: return words > 13 ? 20 : -1;          // DIBSTRETCHBLT with a bitmap
    case 0x0940: return words > 11 ? 16 : -1;          // DIBBITBLT with a bitmap
    case 0x0142: return 4;                             // DIBCREATEPATTERNBRUSH
    default: return -1;
    }
}

} // namespace

EPictureFault ReadMetafileHeader(const QByteArray &bytes, TMetafileInfo &info, QByteArray &playable)
{
    TMetafileInfo result;
    QByteArray out = bytes;
    qsizetype at = 0;
    if (bytes.size() >= 4 && U32(bytes, 0) == PlaceableKey) {
        if (bytes.size() < PlaceableSize + HeaderSize)
            return EPictureFault::InvalidMetafile;
        result.Placeable = true;
        const auto s16 = [&](qsizetype i) { return int(std::int16_t(U16(bytes, i))); };
        result.Frame = QRect(QPoint(s16(6), s16(8)), QPoint(s16(10) - 1, s16(12) - 1));
        result.UnitsPerInch = U16(bytes, 14);
        const int w = std::abs(s16(10) - s16(6)), h = std::abs(s16(12) - s16(8));
        if (result.UnitsPerInch == 0 || w == 0 || h == 0)
            return EPictureFault::InvalidMetafile;
        result.NaturalSize = QSize(std::max(1, int(std::lround(w * 96.0 / result.UnitsPerInch))),
                                   std::max(1, int(std::lround(h * 96.0 / result.UnitsPerInch))));
        // Producers often get the checksum wrong; it guards nothing here.
        std::uint16_t sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= U16(bytes, 2 * i);
        Put16(out, 20, sum);
        at = PlaceableSize;
    }
    if (bytes.size() < at + HeaderSize)
        return EPictureFault::InvalidMetafile;
    const int fileType = U16(bytes, at), headerWords = U16(bytes, at + 2), version = U16(bytes, at + 4);
    if ((fileType != 1 && fileType != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
        return EPictureFault::InvalidMetafile;

    // Walk the records: each must lie whole inside the file.
    qsizetype pos = at + HeaderSize;
    std::uint32_t largest = 3;
    bool ended = false, windowOrigin = false;
    while (pos + 6 <= bytes.size()) {
        const std::uint32_t words = U32(bytes, pos);
        const std::uint16_t function = U16(bytes, pos + 4);
        if (words < 3 || qint64(words) * 2 > bytes.size() - pos)
            return EPictureFault::InvalidMetafile;
        largest = std::max(largest, words);
        if (function == 0) {
            ended = true;
            break;
        }
        const auto s16 = [&](qsizetype i) { return int(std::int16_t(U16(bytes, i))); };
        if (function == 0x020B && !windowOrigin && words >= 5) { // SETWINDOWORG: y, x
            windowOrigin = true;
            result.Window.moveTopLeft(QPointF(s16(pos + 8), s16(pos + 6)));
        }
        if (function == 0x020C && result.WindowExtent.isEmpty() && words >= 5) { // SETWINDOWEXT: y, x
            result.WindowExtent = QSize(std::abs(s16(pos + 8)), std::abs(s16(pos + 6)));
            result.Window.setSize(QSizeF(s16(pos + 8), s16(pos + 6)));
        }
        // Absurd bitmaps inside records are refused here, before the player sees them.
        const qsizetype dibAt = BitmapParameterOffset(function, words);
        if (dibAt >= 0 && 6 + dibAt < qsizetype(words) * 2) {
            const QByteArray dib = bytes.mid(pos + 6 + dibAt, qsizetype(words) * 2 - 6 - dibAt);
            // The declared size alone counts here: the player would size its
            // bitmap by it, whether or not the record holds the pixels.
            if (DibDeclaresTooManyPixels(dib))
                return EPictureFault::TooLarge;
        }
        pos += qsizetype(words) * 2;
    }
    if (!ended) {
        // A missing end record is forgiven when the records fill the file.
        if (pos != bytes.size())
            return EPictureFault::InvalidMetafile;
        out.append("\x03\0\0\0\0\0", 6);
    }
    // The player allocates what the header calls the largest record: the
    // true value is put there, and the size in words likewise.
    Put32(out, at + 6, std::uint32_t((out.size() - at) / 2));
    Put32(out, at + 12, largest);
    if (!result.Placeable)
        result.NaturalSize = result.WindowExtent;
    info = result;
    playable = out;
    return EPictureFault::None;
}

EPictureFault TPictureMetafile::LoadFromBytes(const QByteArray &bytes)
{
    TMetafileInfo info;
    QByteArray playable;
    if (const EPictureFault fault = ReadMetafileHeader(bytes, info, playable); fault != EPictureFault::None)
        return fault;
    QRectF box;
    if (!WmfScan(playable, box))
        return EPictureFault::InvalidMetafile;
    if (info.NaturalSize.isEmpty()) {
        // A plain metafile without a window extent: the drawn extent, at one
        // pixel per unit.
        info.NaturalSize = QSize(int(std::lround(std::min(box.width(), 1e6))), int(std::lround(std::min(box.height(), 1e6))));
        if (info.NaturalSize.isEmpty())
            return EPictureFault::InvalidMetafile;
    }
    if (!info.Placeable && (box.width() <= 0 || box.height() <= 0))
        return EPictureFault::InvalidMetafile;
    m_bytes = playable;
    m_info = info;
    m_box = box;
    m_display = info.NaturalSize;
    return EPictureFault::None;
}

EPictureFault TPictureMetafile::LoadFromFile(const QString &path)
{
    QByteArray bytes;
    const EPictureFault fault =
        ReadWholeFile(path, MaxMetafileBytes, {EPictureFault::MissingMetafile, EPictureFault::InvalidMetafile}, bytes);
    return fault == EPictureFault::None ? LoadFromBytes(bytes) : fault;
}

void TPictureMetafile::Draw(QPainter &canvas, const QRectF &target) const
{
    if (m_bytes.isEmpty() || target.isEmpty())
        return;
    TWmfMapping mapping;
    // Placeable: through the header's frame. Plain: through the window the
    // records set, as Windows plays it into a rectangle; without one, the
    // player's bounding box.
    mapping.UseFrame = m_info.Placeable || !m_info.WindowExtent.isEmpty();
    const QRect &f = m_info.Frame;
    mapping.Frame = m_info.Placeable ? QRectF(f.left(), f.top(), f.right() + 1 - f.left(), f.bottom() + 1 - f.top())
                                    : m_info.Window;
    mapping.Box = m_box;
    (void)WmfPlay(m_bytes, canvas, target, mapping);
}

void TPictureMetafile::Clear()
{
    m_bytes.clear();
    m_info = TMetafileInfo();
    m_box = QRectF();
    m_display = QSize();
}

} // namespace Irisonde
