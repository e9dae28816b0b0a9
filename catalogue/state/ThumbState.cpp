// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/state/ThumbState.h"
#include "catalogue/search/RawNameU.h"
#include "imaging/PictureFileU.h"

#include <QFile>
#include <QPainter>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace Irisonde {

namespace {

QImage SquareWithDiagonals(int thumb, const QColor &diagonals)
{
    thumb = std::max(thumb, 1);
    QImage image(thumb, thumb, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(diagonals);
    p.drawLine(1, 1, thumb - 2, thumb - 2);
    p.drawLine(1, thumb - 2, thumb - 2, 1);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, thumb - 1, thumb - 1);
    return image;
}

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

} // namespace

QImage TThumbState::MakeEmptyThumb(int thumb) { return SquareWithDiagonals(thumb, QColor(128, 128, 128)); }

QImage TThumbState::MakeFaultThumb(int thumb) { return SquareWithDiagonals(thumb, QColor(255, 0, 0)); }

TThumbDraw TThumbState::DrawThumb(QPainter &canvas, TBrowseState &browse, int k, const QColor &buttonFace)
{
    const int t = browse.Thumb();
    const QString path = browse.SlotFile(k);
    if (path.isEmpty()) {
        canvas.drawImage(0, 0, MakeEmptyThumb(t));
        return {};
    }
    canvas.fillRect(0, 0, t, t, k == browse.Selected ? QColor(0, 0, 255) : buttonFace);
    QSize size;
    const TPictureFile file = ReadCatalogued(path);
    EPictureFault fault = file.Fault;
    const auto onWhite = [&](QSize natural, const auto &draw) {
        size = natural;
        const QRect fit = browse.FitPicture(size.width(), size.height());
        canvas.fillRect(fit, Qt::white);
        if (!fit.isEmpty())
            draw(QRectF(fit));
    };
    if (fault == EPictureFault::None) {
        switch (file.Family) {
        case EPictureFamily::Bitmap:
            fault = m_bitmap.LoadFromBytes(file.Bytes);
            if (fault == EPictureFault::None) {
                size = QSize(m_bitmap.Width(), m_bitmap.Height());
                canvas.drawImage(browse.FitPicture(size.width(), size.height()), m_bitmap.Image());
            }
            break;
        case EPictureFamily::Raster:
            // Decoded no larger than the square: a photo's thumbnail costs
            // a fraction of its full decoding.
            fault = m_raster.LoadFromBytes(file.Bytes, file.Format, QSize(t, t));
            if (fault == EPictureFault::None)
                onWhite(m_raster.NaturalSize(), [&](const QRectF &fit) {
                    canvas.drawImage(fit.topLeft(), m_raster.Scaled(fit.size().toSize()));
                });
            break;
        case EPictureFamily::Metafile:
            fault = m_metafile.LoadFromBytes(file.Bytes);
            if (fault == EPictureFault::None)
                onWhite(m_metafile.NaturalSize(), [&](const QRectF &fit) { m_metafile.Draw(canvas, fit); });
            break;
        case EPictureFamily::Drawing:
            fault = m_drawing.LoadFromBytes(file.Bytes);
            if (fault == EPictureFault::None)
                onWhite(m_drawing.NaturalSize(), [&](const QRectF &fit) { m_drawing.Draw(canvas, fit); });
            break;
        case EPictureFamily::None:
            fault = EPictureFault::UnknownKind;
            break;
        }
    }
    if (k >= 1 && k <= TBrowseState::SlotCount)
        browse.PicSize[std::size_t(k - 1)] = size;
    if (fault == EPictureFault::None)
        return {};
    // A loader keeps its previous picture after a failure: never show that.
    canvas.drawImage(0, 0, MakeFaultThumb(t));
    bool first = false;
    if (!m_reported.contains(path)) {
        m_reported.insert(path);
        first = true;
    }
    return {fault, first};
}

void TThumbState::Release()
{
    m_bitmap.Clear();
    m_metafile.Clear();
    m_raster.Clear();
    m_drawing.Clear();
    m_reported.clear();
}

} // namespace Irisonde
