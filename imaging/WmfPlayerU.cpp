// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/WmfPlayerU.h"
#include "imaging/BitmapFileU.h"
#include "imaging/WmfDeviceU.h"

#include <QFontMetricsF>
#include <QGuiApplication>

#include <cstring>

namespace Irisonde {

namespace {

// The player reports a font as soon as it is created: the copy kept here is
// the only description of it the device layer ever reads.
void MapFont(wmfAPI *api, wmfFont *font)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !font)
        return;
    TWmfFontCopy copy;
    if (font->lfFaceName)
        copy.Face = QString::fromLatin1(font->lfFaceName).left(32);
    copy.Escapement = font->lfEscapement;
    copy.Weight = font->lfWeight;
    copy.Italic = font->lfItalic != 0;
    copy.Underline = font->lfUnderline != 0;
    copy.StrikeOut = font->lfStrikeOut != 0;
    dev->Fonts[font] = copy;
}

// Width of `text` for a font one unit high, as the player expects.
float StringWidth(wmfAPI *api, wmfFont *font, char *text)
{
    if (!text)
        return 0;
    const std::size_t length = std::strlen(text);
    TWmfDevice *dev = Device(api);
    if (!dev || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return float(length) * 0.5f; // no font database: an average glyph
    QFont f(WmfFontFamily(dev->Font(font).Face));
    f.setPixelSize(100);
    return float(QFontMetricsF(f).horizontalAdvance(QString::fromLatin1(text, qsizetype(length))) / 100.0);
}

// A bitmap inside a record has no file header: one is put in front, and the
// program's own bitmap loader decodes it with the same checks as for files.
void BmpRead(wmfAPI *api, wmfBMP_Read_t *r)
{
    r->bmp.data = nullptr;
    r->bmp.width = 0;
    r->bmp.height = 0;
    TWmfDevice *dev = Device(api);
    if (!dev || !r->buffer || r->length <= 0)
        return;
    const QByteArray file = DibToBitmapFile(QByteArray(reinterpret_cast<const char *>(r->buffer), qsizetype(r->length)));
    QImage image;
    const EPictureFault fault = DecodeBitmap(file, image);
    if (fault == EPictureFault::TooLarge)
        dev->BitmapTooLarge = true;
    if (fault != EPictureFault::None || image.width() > 0xFFFF || image.height() > 0xFFFF)
        return;
    auto owned = std::make_unique<QImage>(std::move(image));
    r->bmp.width = static_cast<unsigned short>(owned->width());
    r->bmp.height = static_cast<unsigned short>(owned->height());
    r->bmp.data = owned.get();
    dev->Images.emplace(owned.get(), std::move(owned));
}

void BmpFree(wmfAPI *api, wmfBMP *bmp)
{
    if (TWmfDevice *dev = Device(api); dev && bmp)
        dev->Images.erase(bmp->data);
    if (bmp)
        bmp->data = nullptr;
}

// Runs the player over `bytes` with `dev` as its device: a scan, then a play
// when the device has a painter.
bool Run(const QByteArray &bytes, TWmfDevice &dev, QRectF &box)
{
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.function = InstallWmfDevice;
    wmfAPI *api = nullptr;
    // The player would print every odd record: it stays silent.
    if (wmf_lite_create(&api, WMF_OPT_FUNCTION | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG, &options) != wmf_E_None || !api)
        return false;
    api->device_data = &dev;
    QByteArray buffer = bytes; // the player takes a writable buffer
    bool ok = wmf_mem_open(api, reinterpret_cast<unsigned char *>(buffer.data()), long(buffer.size())) == wmf_E_None;
    wmfD_Rect r{};
    if (ok)
        ok = wmf_scan(api, 0, &r) == wmf_E_None;
    if (ok) {
        box = QRectF(QPointF(r.TL.x, r.TL.y), QPointF(r.BR.x, r.BR.y));
        if (dev.Painter)
            ok = wmf_play(api, 0, &r) == wmf_E_None;
    }
    wmf_mem_close(api);
    wmf_lite_destroy(api);
    return ok;
}

} // namespace

void InstallWmfDevice(wmfAPI *api)
{
    auto *fr = static_cast<wmfFunctionReference *>(api->function_reference);
    if (!fr)
        return;
    InstallWmfDeviceDrawing(fr);
    fr->bmp_read = BmpRead;
    fr->bmp_free = BmpFree;
    auto *fonts = static_cast<wmfFontData *>(wmf_malloc(api, sizeof(wmfFontData)));
    if (!fonts)
        return;
    fonts->map = MapFont;
    fonts->stringwidth = StringWidth;
    fonts->user_data = nullptr;
    api->font_data = fonts;
}

bool WmfScan(const QByteArray &bytes, QRectF &box)
{
    TWmfDevice dev(nullptr, QRectF(), TWmfMapping());
    return Run(bytes, dev, box) && !dev.BitmapTooLarge;
}

bool WmfPlay(const QByteArray &bytes, QPainter &painter, const QRectF &target, const TWmfMapping &mapping)
{
    TWmfDevice dev(&painter, target, mapping);
    QRectF box;
    painter.save();
    const bool ok = Run(bytes, dev, box);
    painter.restore();
    return ok;
}

} // namespace Irisonde
