// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/PictureU.h"

#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace Irisonde {

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
}

void TPicture::FreePictureObjects()
{
    m_metafile.reset();
    m_bitmap.reset();
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
    // The extension from the last ".", in lower case. A name of any other
    // kind is refused with a message rather than counted as a success.
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot >= 0 ? name.mid(dot).toLower() : QString();
    TPictureLoad result;
    result.Caption = currentCaption;
    if (extension == u".wmf") {
        result.Fault = OpenMetafileFile(path);
        if (result.Fault == EPictureFault::None) {
            DrawMetafilePicture(canvas);
            result.Caption = baseCaption + QStringLiteral(" - ") + path + MetafileCaptionTail();
        }
    } else if (extension == u".bmp") {
        result.Fault = OpenBitmapFile(path);
        if (result.Fault == EPictureFault::None) {
            DrawBitmapPicture(canvas);
            result.Caption = baseCaption + QStringLiteral(" - ") + path + BitmapCaptionTail(m_bitmapWidth, m_bitmapHeight);
        }
    } else {
        result.Fault = EPictureFault::UnknownKind;
    }
    result.Message = PictureFaultMessage(result.Fault, path);
    return result;
}

} // namespace Irisonde
