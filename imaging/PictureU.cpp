// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/PictureU.h"
#include "imaging/PictureFileU.h"

#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace Irisonde {

namespace {

// The loaded-file object, made again if the window's close freed it.
template <class T>
T &Made(std::unique_ptr<T> &object)
{
    if (!object)
        object = std::make_unique<T>();
    return *object;
}

} // namespace

TPicture::TPicture()
{
    ResetPictureState();
}

void TPicture::ResetPictureState()
{
    m_kind = EPictureKind::None;
    m_stretch = false;
    m_backColour = Qt::white;
    m_metafile = std::make_unique<TPictureMetafile>();
    m_bitmap = std::make_unique<TPictureBitmap>();
    m_raster = std::make_unique<TPictureRaster>();
    m_drawing = std::make_unique<TPictureDrawing>();
}

void TPicture::FreePictureObjects()
{
    m_metafile.reset();
    m_bitmap.reset();
    m_raster.reset();
    m_drawing.reset();
}

void TPicture::SetPictureArea(int width, int height)
{
    m_width = width;
    m_height = height;
}

void TPicture::DrawDefaultPicture(QPainter &canvas) const
{
    DrawDefaultCard(canvas, m_width, m_height, m_backColour);
}

EPictureFault TPicture::OpenMetafileFile(const QString &path)
{
    if (!m_metafile)
        m_metafile = std::make_unique<TPictureMetafile>();
    return m_metafile->LoadFromFile(path);
}

EPictureFault TPicture::OpenBitmapFile(const QString &path)
{
    if (!m_bitmap)
        m_bitmap = std::make_unique<TPictureBitmap>();
    return m_bitmap->LoadFromFile(path);
}

void TPicture::DrawMetafilePicture(QPainter &canvas)
{
    m_kind = EPictureKind::Metafile;
    const int W0 = m_width, H0 = m_height;
    if (W0 <= 0 || H0 <= 0)
        return;
    canvas.fillRect(QRect(0, 0, W0, H0), m_backColour);
    TPictureMetafile *meta = m_metafile.get();
    if (!meta || meta->IsEmpty() || meta->Width() <= 0 || meta->Height() <= 0)
        return;
    if (m_stretch) {
        meta->Draw(canvas, QRectF(0, 0, W0, H0));
        return;
    }
    // Fitted: as large as the area allows, the aspect kept, centred. The
    // display size stays with the metafile.
    const double a = double(meta->Width()) / double(meta->Height());
    const double A = double(W0) / double(H0);
    int x = 0, y = 0;
    if (a > A) {
        meta->SetDisplaySize(W0, std::max(1, int(std::nearbyint(W0 / a))));
        y = (H0 - meta->Height()) / 2;
    } else {
        meta->SetDisplaySize(std::max(1, int(std::nearbyint(H0 * a))), H0);
        x = (W0 - meta->Width()) / 2;
    }
    meta->Draw(canvas, QRectF(x, y, meta->Width(), meta->Height()));
}

void TPicture::DrawBitmapPicture(QPainter &canvas)
{
    const TPictureBitmap *bitmap = m_bitmap.get();
    m_bitmapWidth = bitmap ? bitmap->Width() : 0;
    m_bitmapHeight = bitmap ? bitmap->Height() : 0;
    m_kind = EPictureKind::Bitmap;
    const int W0 = m_width, H0 = m_height;
    if (W0 <= 0 || H0 <= 0)
        return;
    canvas.fillRect(QRect(0, 0, W0, H0), m_backColour);
    if (!bitmap || bitmap->IsEmpty())
        return;
    canvas.save();
    canvas.setClipRect(QRect(0, 0, W0, H0), Qt::IntersectClip);
    if (m_stretch) {
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
        canvas.drawImage(QRect(0, 0, W0, H0), bitmap->Image());
    } else {
        // Natural size, centred: a larger bitmap is cut on all sides.
        canvas.drawImage(QPoint((W0 - m_bitmapWidth) / 2, (H0 - m_bitmapHeight) / 2), bitmap->Image());
    }
    canvas.restore();
}

void TPicture::DrawRasterPicture(QPainter &canvas)
{
    m_kind = EPictureKind::Raster;
    TPictureRaster *raster = m_raster.get();
    const QSize natural = raster ? raster->NaturalSize() : QSize();
    m_bitmapWidth = natural.width();
    m_bitmapHeight = natural.height();
    if (m_width <= 0 || m_height <= 0)
        return;
    canvas.fillRect(QRect(0, 0, m_width, m_height), m_backColour);
    const QRect place = RasterPlacement(natural, m_width, m_height, m_stretch);
    if (!raster || raster->IsEmpty() || place.isEmpty())
        return;
    canvas.drawImage(place.topLeft(), raster->Scaled(place.size()));
}

void TPicture::DrawDrawingPicture(QPainter &canvas)
{
    m_kind = EPictureKind::Drawing;
    const int W0 = m_width, H0 = m_height;
    if (W0 <= 0 || H0 <= 0)
        return;
    canvas.fillRect(QRect(0, 0, W0, H0), m_backColour);
    const TPictureDrawing *drawing = m_drawing.get();
    if (!drawing || drawing->IsEmpty())
        return;
    if (m_stretch) {
        drawing->Draw(canvas, QRectF(0, 0, W0, H0));
        return;
    }
    // As a metafile: as large as the area allows, the aspect kept, centred.
    const QSize fitted = drawing->NaturalSize().scaled(W0, H0, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    drawing->Draw(canvas, QRectF((W0 - fitted.width()) / 2, (H0 - fitted.height()) / 2, fitted.width(), fitted.height()));
}

void TPicture::DrawPicture(QPainter &canvas)
{
    switch (m_kind) {
    case EPictureKind::None:
    case EPictureKind::Default:
        DrawDefaultPicture(canvas);
        break;
    case EPictureKind::Metafile:
        DrawMetafilePicture(canvas);
        break;
    case EPictureKind::Bitmap:
        DrawBitmapPicture(canvas);
        break;
    case EPictureKind::Raster:
        DrawRasterPicture(canvas);
        break;
    case EPictureKind::Drawing:
        DrawDrawingPicture(canvas);
        break;
    }
}

QString DefaultPictureCaption(const QString &baseCaption)
{
    return baseCaption + QStringLiteral(" - Image par défaut");
}

QString BitmapCaptionTail(int width, int height)
{
    return QStringLiteral(" ( ") + QString::number(width) + QStringLiteral(" sur ") + QString::number(height)
        + QStringLiteral(" pixels )");
}

QString MetafileCaptionTail() { return QStringLiteral(" ( image vectorielle )"); }

TPictureLoad TPicture::LoadPictureFile(const QString &path, const QString &baseCaption,
                                       const QString &currentCaption, QPainter &canvas)
{
    TPictureLoad result;
    result.Caption = currentCaption;
    const TPictureFile file = ReadPictureFile(path);
    result.Fault = file.Fault;
    if (result.Fault == EPictureFault::None) {
        switch (file.Family) {
        case EPictureFamily::Bitmap:
            result.Fault = Made(m_bitmap).LoadFromBytes(file.Bytes);
            break;
        case EPictureFamily::Metafile:
            result.Fault = Made(m_metafile).LoadFromBytes(file.Bytes);
            break;
        case EPictureFamily::Raster:
            result.Fault = Made(m_raster).LoadFromBytes(file.Bytes, file.Format, QSize(m_width, m_height), m_stretch);
            break;
        case EPictureFamily::Drawing:
            result.Fault = Made(m_drawing).LoadFromBytes(file.Bytes);
            break;
        case EPictureFamily::None:
            result.Fault = EPictureFault::UnknownKind;
            break;
        }
    }
    if (result.Fault == EPictureFault::None) {
        QString tail;
        switch (file.Family) {
        case EPictureFamily::Bitmap:
            DrawBitmapPicture(canvas);
            tail = BitmapCaptionTail(m_bitmapWidth, m_bitmapHeight);
            break;
        case EPictureFamily::Raster:
            DrawRasterPicture(canvas);
            tail = BitmapCaptionTail(m_bitmapWidth, m_bitmapHeight);
            break;
        case EPictureFamily::Metafile:
            DrawMetafilePicture(canvas);
            tail = MetafileCaptionTail();
            break;
        default:
            DrawDrawingPicture(canvas);
            tail = MetafileCaptionTail();
            break;
        }
        result.Caption = baseCaption + QStringLiteral(" - ") + path + tail;
    }
    result.Message = PictureFaultMessage(result.Fault, path, FormatNameOfFile(file, path));
    return result;
}

} // namespace Irisonde
