#include "imaging/PictureProbeU.h"

#include <QFile>
#include <QFileInfo>

TPictureFault ProbePictureFile(const QString &path, TPictureKind &kind, QSize &naturalSize)
{
    const QFileInfo info(path);
    const QString suffix = info.fileName().mid(info.fileName().lastIndexOf(u'.') + 1).toLower();
    const bool isBitmap = info.fileName().contains(u'.') && suffix == u"bmp";
    const bool isMetafile = info.fileName().contains(u'.') && suffix == u"wmf";
    if (!isBitmap && !isMetafile)
        return TPictureFault::UnknownKind;
    kind = isBitmap ? TPictureKind::Bitmap : TPictureKind::Metafile;
    if (!info.exists())
        return isBitmap ? TPictureFault::MissingBitmap : TPictureFault::MissingMetafile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TPictureFault::Unreadable;
    if (file.size() > 256ll * 1024 * 1024)
        return TPictureFault::TooLarge;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return TPictureFault::Unreadable;
    if (isBitmap) {
        TBitmapHeader header;
        const TPictureFault fault = ReadBitmapHeader(bytes, header);
        if (fault == TPictureFault::None)
            naturalSize = QSize(header.Width, header.Height);
        return fault;
    }
    TMetafileInfo metaInfo;
    QByteArray playable;
    const TPictureFault fault = ReadMetafileHeader(bytes, metaInfo, playable);
    if (fault != TPictureFault::None)
        return fault;
    if (metaInfo.NaturalSize.isEmpty()) {
        // A plain metafile without a window extent: only the player knows its size.
        TPictureMetafile meta;
        if (const TPictureFault loaded = meta.LoadFromBytes(bytes); loaded != TPictureFault::None)
            return loaded;
        metaInfo.NaturalSize = meta.NaturalSize();
    }
    naturalSize = metaInfo.NaturalSize;
    return TPictureFault::None;
}
