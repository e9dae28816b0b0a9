// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/PictureProbeU.h"
#include "imaging/PictureFileU.h"

namespace Irisonde {

namespace {

EPictureKind KindOf(EPictureFamily family)
{
    switch (family) {
    case EPictureFamily::Bitmap: return EPictureKind::Bitmap;
    case EPictureFamily::Raster: return EPictureKind::Raster;
    case EPictureFamily::Metafile: return EPictureKind::Metafile;
    case EPictureFamily::Drawing: return EPictureKind::Drawing;
    case EPictureFamily::None: break;
    }
    return EPictureKind::None;
}

} // namespace

EPictureFault ProbePictureFile(const QString &path, Irisonde::EPictureKind &kind, QSize &naturalSize)
{
    const TPictureFile file = ReadPictureFile(path);
    if (file.Family != EPictureFamily::None)
        kind = KindOf(file.Family);
    if (file.Fault != EPictureFault::None)
        return file.Fault;
    switch (file.Family) {
    case EPictureFamily::Bitmap: {
        TBitmapHeader header;
        const EPictureFault fault = ReadBitmapHeader(file.Bytes, header);
        if (fault == EPictureFault::None)
            naturalSize = QSize(header.Width, header.Height);
        return fault;
    }
    case EPictureFamily::Metafile: {
        TMetafileInfo metaInfo;
        QByteArray playable;
        const EPictureFault fault = ReadMetafileHeader(file.Bytes, metaInfo, playable);
        if (fault != EPictureFault::None)
            return fault;
        if (metaInfo.NaturalSize.isEmpty()) {
            // A plain metafile without a window extent: only the player knows its size.
            TPictureMetafile meta;
            if (const EPictureFault loaded = meta.LoadFromBytes(file.Bytes); loaded != EPictureFault::None)
                return loaded;
            metaInfo.NaturalSize = meta.NaturalSize();
        }
        naturalSize = metaInfo.NaturalSize;
        return EPictureFault::None;
    }
    case EPictureFamily::Raster: {
        // Decoded for a one-pixel area: as small as its format allows.
        const TRasterDecode decoded = DecodeRaster(file.Bytes, file.Format, QSize(1, 1), false);
        if (decoded.Fault == EPictureFault::None)
            naturalSize = decoded.Natural;
        return decoded.Fault;
    }
    case EPictureFamily::Drawing: {
        TPictureDrawing drawing;
        const EPictureFault fault = drawing.LoadFromBytes(file.Bytes);
        if (fault == EPictureFault::None)
            naturalSize = drawing.NaturalSize();
        return fault;
    }
    case EPictureFamily::None:
        break;
    }
    return EPictureFault::UnknownKind;
}

} // namespace Irisonde
