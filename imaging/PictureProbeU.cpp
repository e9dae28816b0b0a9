// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/PictureProbeU.h"

#include <QFile>
#include <QFileInfo>

namespace Irisonde {

EPictureFault ProbePictureFile(const QString &path, Irisonde::EPictureKind &kind, QSize &naturalSize)
{
    const QFileInfo info(path);
    const QString suffix = info.fileName().mid(info.fileName().lastIndexOf(u'.') + 1).toLower();
    const bool isBitmap = info.fileName().contains(u'.') && suffix == u"bmp";
    const bool isMetafile = info.fileName().contains(u'.') && suffix == u"wmf";
    if (!isBitmap && !isMetafile)
        return EPictureFault::UnknownKind;
    kind = isBitmap ? Irisonde::EPictureKind::Bitmap : Irisonde::EPictureKind::Metafile;
    if (!info.exists())
        return isBitmap ? EPictureFault::MissingBitmap : EPictureFault::MissingMetafile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return EPictureFault::Unreadable;
    if (file.size() > 256ll * 1024 * 1024)
        return EPictureFault::TooLarge;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return EPictureFault::Unreadable;
    if (isBitmap) {
        TBitmapHeader header;
        const EPictureFault fault = ReadBitmapHeader(bytes, header);
        if (fault == EPictureFault::None)
            naturalSize = QSize(header.Width, header.Height);
        return fault;
    }
    TMetafileInfo metaInfo;
    QByteArray playable;
    const EPictureFault fault = ReadMetafileHeader(bytes, metaInfo, playable);
    if (fault != EPictureFault::None)
        return fault;
    if (metaInfo.NaturalSize.isEmpty()) {
        // A plain metafile without a window extent: only the player knows its size.
        TPictureMetafile meta;
        if (const EPictureFault loaded = meta.LoadFromBytes(bytes); loaded != EPictureFault::None)
            return loaded;
        metaInfo.NaturalSize = meta.NaturalSize();
    }
    naturalSize = metaInfo.NaturalSize;
    return EPictureFault::None;
}

} // namespace Irisonde
