// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/state/ThumbMakerU.h"

#include "catalogue/search/RawNameU.h"
#include "catalogue/state/BrowseState.h"
#include "imaging/BitmapFileU.h"
#include "imaging/DrawingU.h"
#include "imaging/MetafileU.h"
#include "imaging/PictureFileU.h"
#include "imaging/RasterU.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Irisonde {

namespace {

// A path the search kept with bytes the system's encoding does not read is
// opened through those bytes (ReadPictureFile would look for another name);
// the family is told as ReadPictureFile tells it, from the shown name.
TPictureFile ReadCatalogued(const QString &path)
{
    if (!HasRawBytes(path))
        return ReadPictureFile(path);
    const QString name = ShownName(TBrowseState::FileName(path));
    const EPictureFamily byName = FamilyOfName(name);
    TPictureFile result;
    result.Family = byName;
    const int fd = ::open(EncodeRawName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const bool gone = errno == ENOENT;
        result.Fault = !gone ? EPictureFault::Unreadable
            : byName == EPictureFamily::Bitmap   ? EPictureFault::MissingBitmap
            : byName == EPictureFamily::Metafile ? EPictureFault::MissingMetafile
            : byName == EPictureFamily::None     ? EPictureFault::UnknownKind
                                                 : EPictureFault::MissingPicture;
        return result;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        result.Fault = EPictureFault::Unreadable;
        return result;
    }
    if (file.size() > MaxPictureFileBytes) {
        result.Fault = EPictureFault::TooLarge;
        return result;
    }
    result.Bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.Fault = EPictureFault::Unreadable;
        return result;
    }
    const EPictureFamily byContent = SniffPictureFamily(result.Bytes.left(4096), name, result.Format);
    if (byContent != EPictureFamily::None) {
        result.Family = byContent;
        return result;
    }
    if (byName == EPictureFamily::None)
        result.Fault = EPictureFault::UnknownKind;
    else if (byName == EPictureFamily::Raster)
        result.Format = PictureExtension(name).toLatin1();
    return result;
}

// `source` (the whole picture, or a smaller copy) at the place FitPicture
// gives a picture of `natural` size in the square; on white, or over the
// slot's own background for bitmaps, which are shown as they are.
QImage Fitted(const QImage &source, QSize natural, int thumb, bool onWhite, bool smooth)
{
    const QRect fit = TBrowseState::FitPicture(natural.width(), natural.height(), thumb);
    if (fit.isEmpty())
        return {};
    QImage out(fit.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(onWhite ? Qt::white : Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    if (smooth && source.size() != fit.size())
        p.drawImage(0, 0, source.scaled(fit.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        p.drawImage(QRect(QPoint(0, 0), fit.size()), source);
    return out;
}

// A vector picture drawn on white at its place in the square.
template <typename TLoader>
TThumbImage Vector(const QByteArray &bytes, int thumb)
{
    TThumbImage out;
    TLoader loader;
    out.Fault = loader.LoadFromBytes(bytes);
    if (out.Fault != EPictureFault::None)
        return out;
    out.Natural = loader.NaturalSize();
    const QRect fit = TBrowseState::FitPicture(out.Natural.width(), out.Natural.height(), thumb);
    if (fit.isEmpty())
        return out;
    out.Picture = QImage(fit.size(), QImage::Format_ARGB32_Premultiplied);
    out.Picture.fill(Qt::white);
    QPainter p(&out.Picture);
    loader.Draw(p, QRectF(QPointF(0, 0), QSizeF(fit.size())));
    return out;
}

// The size a file manager's entry does not say: read from the picture's
// header, turned as its EXIF orientation says.
QSize HeaderSize(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
}

} // namespace

TThumbImage MakeThumb(const QString &path, int thumb, const TThumbCache *cache)
{
    // Pixel pictures only: metafiles and drawings are drawn faster than a
    // PNG is read, and file managers seldom make them the same.
    const EPictureFamily byName = HasRawBytes(path) ? EPictureFamily::None : FamilyOfName(path);
    const bool pixels = byName == EPictureFamily::Bitmap || byName == EPictureFamily::Raster;
    const EThumbFlavour flavour = TThumbCache::FlavourFor(thumb);
    const int edge = TThumbCache::Edge(flavour);
    QString absolute;
    qint64 mtime = 0;
    if (cache && pixels) {
        const QFileInfo info(path);
        absolute = info.absoluteFilePath();
        // Read from the file's status, not through a local date: seconds
        // since the epoch are what the entry keeps.
        struct stat st {};
        const bool file = ::stat(QFile::encodeName(absolute).constData(), &st) == 0 && S_ISREG(st.st_mode);
        mtime = file ? qint64(st.st_mtime) : 0;
        if (file)
            if (std::optional<TCachedThumb> entry = cache->Read(absolute, mtime, flavour)) {
                const QSize natural = entry->Natural.isValid() ? entry->Natural : HeaderSize(path);
                if (natural.isValid())
                    return {EPictureFault::None, Fitted(entry->Image, natural, thumb, byName == EPictureFamily::Raster, true),
                            natural, EThumbSource::Cache};
            }
    }

    const TPictureFile file = ReadCatalogued(path);
    TThumbImage out;
    out.Fault = file.Fault;
    if (out.Fault != EPictureFault::None)
        return out;
    QImage source;
    bool onWhite = true;
    switch (file.Family) {
    case EPictureFamily::Bitmap: {
        TPictureBitmap bitmap;
        out.Fault = bitmap.LoadFromBytes(file.Bytes);
        if (out.Fault != EPictureFault::None)
            return out;
        out.Natural = QSize(bitmap.Width(), bitmap.Height());
        source = bitmap.Image();
        onWhite = false;
        break;
    }
    case EPictureFamily::Raster: {
        // Decoded no larger than the cache entry it may become, itself no
        // smaller than the square: a photo costs a fraction of its full size.
        const int area = cache && pixels ? edge : thumb;
        TRasterDecode decoded = DecodeRaster(file.Bytes, file.Format, QSize(area, area), false);
        out.Fault = decoded.Fault;
        if (out.Fault != EPictureFault::None)
            return out;
        out.Natural = decoded.Natural;
        source = std::move(decoded.Image);
        break;
    }
    case EPictureFamily::Metafile: return Vector<TPictureMetafile>(file.Bytes, thumb);
    case EPictureFamily::Drawing: return Vector<TPictureDrawing>(file.Bytes, thumb);
    case EPictureFamily::None: out.Fault = EPictureFault::UnknownKind; return out;
    }
    // A picture no larger than the cache's edge is drawn from its file: its
    // entry would cost as much to read.
    const bool large = out.Natural.width() > edge || out.Natural.height() > edge;
    if (cache && pixels && large) {
        const QSize entrySize = RasterPlacement(out.Natural, edge, edge, false).size();
        QImage entry = source.scaled(entrySize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // A cache that cannot be written (full disk, read-only home) only
        // costs the next showing a decode: nothing to tell the user.
        (void)cache->Write(absolute, mtime, entry, out.Natural, flavour);
        source = std::move(entry);
    }
    out.Picture = Fitted(source, out.Natural, thumb, onWhite, file.Family == EPictureFamily::Raster || large);
    return out;
}

} // namespace Irisonde
