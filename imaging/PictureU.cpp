#include "imaging/PictureU.h"

#include <QFileInfo>
#include <QPainter>

#include <cmath>

void ResetPictureState()
{
    PictureKind = TPictureKind::None;
    StretchFlag = false;
    PictureBackColour = Qt::white;
    PictureMetafile = std::make_unique<TPictureMetafile>();
    PictureBitmap = std::make_unique<TPictureBitmap>();
}

void FreePictureObjects()
{
    PictureMetafile.reset();
    PictureBitmap.reset();
}

void DrawDefaultPicture(QPainter &canvas)
{
    DrawDefaultCard(canvas, PictureWidth, PictureHeight, PictureBackColour);
}

TPictureFault OpenMetafileFile(const QString &path)
{
    if (!PictureMetafile)
        PictureMetafile = std::make_unique<TPictureMetafile>();
    return PictureMetafile->LoadFromFile(path);
}

TPictureFault OpenBitmapFile(const QString &path)
{
    if (!PictureBitmap)
        PictureBitmap = std::make_unique<TPictureBitmap>();
    return PictureBitmap->LoadFromFile(path);
}

void DrawMetafilePicture(QPainter &canvas)
{
    PictureKind = TPictureKind::Metafile;
    const int W0 = PictureWidth, H0 = PictureHeight;
    if (W0 <= 0 || H0 <= 0)
        return;
    canvas.fillRect(QRect(0, 0, W0, H0), PictureBackColour);
    TPictureMetafile *meta = PictureMetafile.get();
    if (!meta || meta->IsEmpty() || meta->Width() <= 0 || meta->Height() <= 0)
        return;
    if (StretchFlag) {
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

void DrawBitmapPicture(QPainter &canvas)
{
    const TPictureBitmap *bitmap = PictureBitmap.get();
    BitmapWidth = bitmap ? bitmap->Width() : 0;
    BitmapHeight = bitmap ? bitmap->Height() : 0;
    PictureKind = TPictureKind::Bitmap;
    const int W0 = PictureWidth, H0 = PictureHeight;
    if (W0 <= 0 || H0 <= 0)
        return;
    canvas.fillRect(QRect(0, 0, W0, H0), PictureBackColour);
    if (!bitmap || bitmap->IsEmpty())
        return;
    canvas.save();
    canvas.setClipRect(QRect(0, 0, W0, H0), Qt::IntersectClip);
    if (StretchFlag) {
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
        canvas.drawImage(QRect(0, 0, W0, H0), bitmap->Image());
    } else {
        // Natural size, centred: a larger bitmap is cut on all sides.
        canvas.drawImage(QPoint((W0 - BitmapWidth) / 2, (H0 - BitmapHeight) / 2), bitmap->Image());
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

TPictureLoad LoadPictureFile(const QString &path, const QString &baseCaption, const QString &currentCaption,
                             QPainter &canvas)
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
        if (result.Fault == TPictureFault::None) {
            DrawMetafilePicture(canvas);
            result.Caption = baseCaption + QStringLiteral(" - ") + path + MetafileCaptionTail();
        }
    } else if (extension == u".bmp") {
        result.Fault = OpenBitmapFile(path);
        if (result.Fault == TPictureFault::None) {
            DrawBitmapPicture(canvas);
            result.Caption = baseCaption + QStringLiteral(" - ") + path + BitmapCaptionTail(BitmapWidth, BitmapHeight);
        }
    } else {
        result.Fault = TPictureFault::UnknownKind;
    }
    result.Message = PictureFaultMessage(result.Fault, path);
    return result;
}
