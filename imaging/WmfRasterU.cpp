// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/WmfRasterU.h"
#include "imaging/WmfDeviceU.h"

#include <algorithm>

namespace Irisonde {

// The device layer's raster side: block fills, bitmap records, text and
// regions (their painting, framing and clipping).

namespace {

// PatBlt: the brush, black or white over a rectangle.
void RopDraw(wmfAPI *api, wmfROP_Draw_t *r)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !dev->Painter)
        return;
    const QRectF rect = MappedRect(*dev, r->dc, r->TL, r->BR);
    switch (r->ROP) {
    case 0x00000042: dev->Painter->fillRect(rect, Qt::black); break; // BLACKNESS
    case 0x00FF0062: dev->Painter->fillRect(rect, Qt::white); break; // WHITENESS
    case 0x00550009: break;                                          // DSTINVERT: not shown
    default: {
        bool hatched = false;
        const QBrush brush = MakeBrush(*dev, r->dc, hatched);
        if (brush.style() != Qt::NoBrush)
            dev->Painter->fillRect(rect, brush);
    }
    }
}

void BmpDraw(wmfAPI *api, wmfBMP_Draw_t *b)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !dev->Painter)
        return;
    const QImage *image = dev->Image(b->bmp.data);
    if (!image)
        return;
    // The crop counts rows from the bottom of the bitmap.
    const int x = std::min<int>(b->crop.x, image->width()), y = std::min<int>(b->crop.y, image->height());
    const int w = std::min<int>(b->crop.w, image->width() - x), h = std::min<int>(b->crop.h, image->height() - y);
    if (w <= 0 || h <= 0)
        return;
    const QRect source(x, image->height() - y - h, w, h);
    wmfD_Coord far = b->pt;
    far.x = float(b->pt.x + w * b->pixel_width);
    far.y = float(b->pt.y + h * b->pixel_height);
    dev->Painter->drawImage(MappedRect(*dev, b->dc, b->pt, far), *image, source);
}

void DrawText(wmfAPI *api, wmfDrawText_t *t)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !dev->Painter || !t->str)
        return;
    const wmfDC *dc = t->dc;
    const TWmfFontCopy &copy = dev->Font(dc->font);
    const double size = Clamp(dev->Length(dc, t->font_height, true));
    if (size < 1)
        return;
    QFont font(WmfFontFamily(copy.Face));
    font.setPixelSize(std::max(1, int(std::lround(size))));
    font.setWeight(QFont::Weight(std::clamp(copy.Weight == 0 ? 400 : copy.Weight, 100, 900)));
    font.setItalic(copy.Italic);
    font.setUnderline(copy.Underline);
    font.setStrikeOut(copy.StrikeOut);
    font.setStyleStrategy(QFont::NoAntialias);
    // Metafile text is in the Windows ANSI code page; Latin-1 covers the
    // French letters (a teaching simplification for the 0x80-0x9F signs).
    const QString text = QString::fromLatin1(t->str);
    QPainter &p = *dev->Painter;
    p.save();
    if ((t->flags & 0x0002) && (t->BR.x != t->TL.x || t->BR.y != t->TL.y)) // ETO_OPAQUE
        p.fillRect(MappedRect(*dev, dc, t->TL, t->BR), Colour(dc->bgcolor));
    if ((t->flags & 0x0004) && (t->BR.x != t->TL.x || t->BR.y != t->TL.y)) // ETO_CLIPPED
        p.setClipRect(MappedRect(*dev, dc, t->TL, t->BR), Qt::IntersectClip);
    p.setFont(font);
    p.translate(dev->Map(dc, t->pt));
    p.rotate(-copy.Escapement / 10.0);
    const QFontMetricsF fm(font);
    if (dc->bgmode == OPAQUE)
        p.fillRect(QRectF(0, -fm.ascent(), fm.horizontalAdvance(text), fm.ascent() + fm.descent()),
                   Colour(dc->bgcolor));
    p.setPen(Colour(dc->textcolor));
    p.drawText(QPointF(0, 0), text);
    p.restore();
}

void RegionPaint(wmfAPI *api, wmfPolyRectangle_t *r)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !dev->Painter || !r->TL || !r->BR)
        return;
    bool hatched = false;
    const QBrush brush = MakeBrush(*dev, r->dc, hatched);
    for (unsigned i = 0; i < r->count; ++i)
        dev->Painter->fillRect(MappedRect(*dev, r->dc, r->TL[i], r->BR[i]), brush);
}

void RegionFrame(wmfAPI *api, wmfPolyRectangle_t *r)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !dev->Painter || !r->TL || !r->BR)
        return;
    bool hatched = false;
    const QBrush brush = MakeBrush(*dev, r->dc, hatched);
    const double w = std::max(1.0, Clamp(dev->Length(r->dc, r->width, false)));
    const double h = std::max(1.0, Clamp(dev->Length(r->dc, r->height, true)));
    for (unsigned i = 0; i < r->count; ++i) {
        const QRectF q = MappedRect(*dev, r->dc, r->TL[i], r->BR[i]);
        QPainterPath ring;
        ring.addRect(q);
        ring.addRect(q.adjusted(w, h, -w, -h));
        ring.setFillRule(Qt::OddEvenFill);
        dev->Painter->fillPath(ring, brush);
    }
}

// The clipping region: the union of its rectangles, always inside the target.
void RegionClip(wmfAPI *api, wmfPolyRectangle_t *r)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !dev->Painter)
        return;
    dev->Painter->setClipRect(dev->Target, Qt::ReplaceClip);
    if (r->count == 0 || !r->TL || !r->BR)
        return;
    QPainterPath region;
    for (unsigned i = 0; i < r->count; ++i)
        region.addRect(MappedRect(*dev, r->dc, r->TL[i], r->BR[i]));
    dev->Painter->setClipPath(region.simplified(), Qt::IntersectClip);
}

// The painter's state is saved and restored around the whole play by
// WmfPlay: a play stopped by a bad record never reaches device_end.
} // namespace

void InstallWmfDeviceRaster(wmfFunctionReference *fr)
{
    fr->rop_draw = RopDraw;
    fr->bmp_draw = BmpDraw;
    fr->draw_text = DrawText;
    fr->region_frame = RegionFrame;
    fr->region_paint = RegionPaint;
    fr->region_clip = RegionClip;
}

} // namespace Irisonde
