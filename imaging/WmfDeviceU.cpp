#include "imaging/WmfDeviceU.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

// Drawing is aliased, as on the original display: the workshops separate
// pure colours, which smoothing would blur. Raster operations other than a
// plain copy and the binary raster modes of pens are drawn as a copy: the
// program's pixel images do not support them (a teaching simplification).

namespace {

constexpr int MmIsotropic = 7, MmAnisotropic = 8;
constexpr double MaxCanvasLength = 100000.0; // keeps hostile sizes finite

// libwmf's unit per metafile unit, with the sign of the window's extent.
double SignedPixel(const wmfDC *dc, bool vertical)
{
    double v = vertical ? dc->pixel_height : dc->pixel_width;
    const int extent = vertical ? dc->Window.height : dc->Window.width;
    if (dc->map_mode != MmIsotropic && dc->map_mode != MmAnisotropic && extent < 0)
        v = -v;
    return (std::isfinite(v) && v != 0) ? v : 1.0;
}

double Clamp(double v) { return std::isfinite(v) ? std::clamp(v, -MaxCanvasLength, MaxCanvasLength) : 0.0; }

QColor Colour(const wmfRGB &c) { return QColor(c.r, c.g, c.b); }

QPen MakePen(const TWmfDevice &dev, const wmfDC *dc)
{
    const wmfPen *pen = dc->pen;
    if (!pen)
        return Qt::NoPen;
    const int style = pen->lopnStyle & PS_STYLE_MASK;
    if (style == PS_NULL)
        return Qt::NoPen;
    double width = dev.Length(dc, pen->width, false);
    if (width < 1.5) // one-pixel pens stay one pixel at any scale
        width = 0;
    QPen p(Colour(pen->lopnColor), std::min(width, 1000.0));
    switch (style) {
    case PS_DASH: p.setStyle(Qt::DashLine); break;
    case PS_DOT: p.setStyle(Qt::DotLine); break;
    case PS_DASHDOT: p.setStyle(Qt::DashDotLine); break;
    case PS_DASHDOTDOT: p.setStyle(Qt::DashDotDotLine); break;
    default: p.setStyle(Qt::SolidLine); break;
    }
    switch (pen->lopnStyle & 0x0F00) {
    case 0x0100: p.setCapStyle(Qt::SquareCap); break;
    case 0x0200: p.setCapStyle(Qt::FlatCap); break;
    default: p.setCapStyle(Qt::RoundCap); break;
    }
    switch (pen->lopnStyle & 0xF000) {
    case 0x1000: p.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: p.setJoinStyle(Qt::MiterJoin); break;
    default: p.setJoinStyle(Qt::RoundJoin); break;
    }
    return p;
}

// The brush of `dc`; `hatched` tells whether an opaque background goes under it.
QBrush MakeBrush(const TWmfDevice &dev, const wmfDC *dc, bool &hatched)
{
    hatched = false;
    const wmfBrush *brush = dc->brush;
    if (!brush)
        return Qt::NoBrush;
    const QColor colour = Colour(brush->lbColor);
    switch (brush->lbStyle) {
    case BS_NULL:
        return Qt::NoBrush;
    case BS_HATCHED: {
        hatched = true;
        static const Qt::BrushStyle styles[] = {Qt::HorPattern,   Qt::VerPattern, Qt::FDiagPattern,
                                                Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(colour, brush->lbHatch < 6 ? styles[brush->lbHatch] : Qt::SolidPattern);
    }
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
        if (const QImage *image = dev.Image(brush->bmp.data))
            return QBrush(*image);
        return QBrush(colour);
    default:
        return QBrush(colour);
    }
}

// Fills and outlines `path` with the pen and brush of `dc`.
void DrawShape(wmfAPI *api, const wmfDC *dc, const QPainterPath &path, bool fill)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !dev->Painter)
        return;
    QPainter &p = *dev->Painter;
    if (fill) {
        bool hatched = false;
        const QBrush brush = MakeBrush(*dev, dc, hatched);
        if (brush.style() != Qt::NoBrush) {
            if (hatched && dc->bgmode == OPAQUE)
                p.fillPath(path, Colour(dc->bgcolor));
            p.fillPath(path, brush);
        }
    }
    const QPen pen = MakePen(*dev, dc);
    if (pen.style() != Qt::NoPen)
        p.strokePath(path, pen);
}

QRectF MappedRect(const TWmfDevice &dev, const wmfDC *dc, wmfD_Coord tl, wmfD_Coord br)
{
    return QRectF(dev.Map(dc, tl), dev.Map(dc, br)).normalized();
}

QPolygonF MappedPolygon(const TWmfDevice &dev, const wmfDC *dc, const wmfD_Coord *pt, int count)
{
    QPolygonF poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i)
        poly << dev.Map(dc, pt[i]);
    return poly;
}

// The parametric angle, in degrees, of point `p` on the ellipse in `r`.
double EllipseAngle(const QRectF &r, const QPointF &p)
{
    const double rx = std::max(r.width() / 2, 1e-9), ry = std::max(r.height() / 2, 1e-9);
    return std::atan2(-(p.y() - r.center().y()) / ry, (p.x() - r.center().x()) / rx) * 180.0 / M_PI;
}

enum class TArcKind { Arc, Pie, Chord };

void DrawArcKind(wmfAPI *api, wmfDrawArc_t *a, TArcKind kind)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !dev->Painter)
        return;
    const QRectF r = MappedRect(*dev, a->dc, a->TL, a->BR);
    // The player gives the ends relative to the centre, in its device units.
    const auto end = [&](wmfD_Coord v) {
        wmfD_Coord d;
        d.x = (a->TL.x + a->BR.x) / 2 + v.x;
        d.y = (a->TL.y + a->BR.y) / 2 + v.y;
        return dev->Map(a->dc, d);
    };
    // The player hands over the record's ends swapped, for a clockwise
    // sweep from its start to its end: the same arc as the counter-clockwise
    // one from the record's start to the record's end drawn here.
    const double start = EllipseAngle(r, end(a->end));
    double span = EllipseAngle(r, end(a->start)) - start;
    // Equal ends make a whole turn.
    while (span <= 0)
        span += 360;
    QPainterPath path;
    if (kind == TArcKind::Pie)
        path.moveTo(r.center());
    else
        path.arcMoveTo(r, start);
    path.arcTo(r, start, span);
    if (kind != TArcKind::Arc)
        path.closeSubpath();
    DrawShape(api, a->dc, path, kind != TArcKind::Arc);
}

void DrawPie(wmfAPI *api, wmfDrawArc_t *a) { DrawArcKind(api, a, TArcKind::Pie); }
void DrawChord(wmfAPI *api, wmfDrawArc_t *a) { DrawArcKind(api, a, TArcKind::Chord); }
void DrawArc(wmfAPI *api, wmfDrawArc_t *a) { DrawArcKind(api, a, TArcKind::Arc); }

void DrawEllipse(wmfAPI *api, wmfDrawArc_t *a)
{
    if (TWmfDevice *dev = Device(api)) {
        QPainterPath path;
        path.addEllipse(MappedRect(*dev, a->dc, a->TL, a->BR));
        DrawShape(api, a->dc, path, true);
    }
}

void DrawLine(wmfAPI *api, wmfDrawLine_t *l)
{
    if (TWmfDevice *dev = Device(api)) {
        QPainterPath path(dev->Map(l->dc, l->from));
        path.lineTo(dev->Map(l->dc, l->to));
        DrawShape(api, l->dc, path, false);
    }
}

void PolyLine(wmfAPI *api, wmfPolyLine_t *l)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !l->pt || l->count < 2)
        return;
    QPainterPath path;
    path.addPolygon(MappedPolygon(*dev, l->dc, l->pt, l->count));
    DrawShape(api, l->dc, path, false);
}

void DrawPolygon(wmfAPI *api, wmfPolyLine_t *l)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !l->pt || l->count < 2)
        return;
    QPainterPath path;
    path.addPolygon(MappedPolygon(*dev, l->dc, l->pt, l->count));
    path.closeSubpath();
    path.setFillRule(l->dc->polyfillmode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    DrawShape(api, l->dc, path, true);
}

void DrawPolyPolygon(wmfAPI *api, wmfPolyPoly_t *pp)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !pp->pt || !pp->count)
        return;
    QPainterPath path;
    for (int i = 0; i < pp->npoly; ++i) {
        if (!pp->pt[i] || pp->count[i] < 2)
            continue;
        path.addPolygon(MappedPolygon(*dev, pp->dc, pp->pt[i], pp->count[i]));
        path.closeSubpath();
    }
    path.setFillRule(pp->dc->polyfillmode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    DrawShape(api, pp->dc, path, true);
}

void DrawRectangle(wmfAPI *api, wmfDrawRectangle_t *r)
{
    TWmfDevice *dev = Device(api);
    if (!dev)
        return;
    const QRectF rect = MappedRect(*dev, r->dc, r->TL, r->BR);
    QPainterPath path;
    if (r->width > 0 && r->height > 0)
        path.addRoundedRect(rect, Clamp(dev->Length(r->dc, r->width, false) / 2),
                            Clamp(dev->Length(r->dc, r->height, true) / 2));
    else
        path.addRect(rect);
    DrawShape(api, r->dc, path, true);
}

void DrawPixel(wmfAPI *api, wmfDrawPixel_t *px)
{
    TWmfDevice *dev = Device(api);
    if (!dev || !dev->Painter)
        return;
    const QPointF at = dev->Map(px->dc, px->pt);
    const double w = std::max(1.0, Clamp(dev->Length(px->dc, px->pixel_width, false)));
    const double h = std::max(1.0, Clamp(dev->Length(px->dc, px->pixel_height, true)));
    dev->Painter->fillRect(QRectF(at, QSizeF(w, h)), Colour(px->color));
}

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
void DeviceBegin(wmfAPI *api)
{
    if (TWmfDevice *dev = Device(api); dev && dev->Painter) {
        dev->Painter->setRenderHint(QPainter::Antialiasing, false);
        dev->Painter->setClipRect(dev->Target, Qt::ReplaceClip);
    }
}

// Flood fills need the pixels of the target, which a painter does not
// read back: they are skipped (a teaching simplification).
void Flood(wmfAPI *, wmfFlood_t *) {}
void NoOp(wmfAPI *) {}
void UserData(wmfAPI *, wmfUserData_t *) {}

} // namespace

QPointF TWmfDevice::Map(const wmfDC *dc, wmfD_Coord d) const
{
    double x = d.x, y = d.y;
    QRectF from = Mapping.Box;
    if (Mapping.UseFrame) {
        // Undo the player's own transform back to metafile units, then map
        // the placeable frame onto the target.
        x = d.x / SignedPixel(dc, false) + dc->Window.Ox;
        y = d.y / SignedPixel(dc, true) + dc->Window.Oy;
        from = Mapping.Frame;
    }
    const double w = from.width() != 0 ? from.width() : 1.0, h = from.height() != 0 ? from.height() : 1.0;
    return QPointF(Clamp(Target.x() + (x - from.x()) * Target.width() / w),
                   Clamp(Target.y() + (y - from.y()) * Target.height() / h));
}

double TWmfDevice::Length(const wmfDC *dc, double length, bool vertical) const
{
    if (!std::isfinite(length))
        return 0;
    double units = length;
    double extent = vertical ? Mapping.Box.height() : Mapping.Box.width();
    if (Mapping.UseFrame) {
        units = length / std::abs(SignedPixel(dc, vertical));
        extent = vertical ? Mapping.Frame.height() : Mapping.Frame.width();
    }
    const double target = vertical ? Target.height() : Target.width();
    return Clamp(std::abs(units * target / (extent != 0 ? extent : 1.0)));
}

const QImage *TWmfDevice::Image(const void *data) const
{
    const auto it = Images.find(data);
    return it != Images.end() ? it->second.get() : nullptr;
}

const TWmfFontCopy &TWmfDevice::Font(const wmfFont *font) const
{
    static const TWmfFontCopy plain{QStringLiteral("Arial")};
    const auto it = Fonts.find(font);
    return it != Fonts.end() ? it->second : plain;
}

QString WmfFontFamily(const QString &face)
{
    const QString f = face.trimmed().toLower();
    if (f.isEmpty() || f.startsWith(u"arial") || f.startsWith(u"helvetica") || f == u"ms sans serif"
        || f.startsWith(u"swiss"))
        return QStringLiteral("Liberation Sans");
    if (f.startsWith(u"times") || f == u"ms serif" || f.startsWith(u"roman"))
        return QStringLiteral("Liberation Serif");
    if (f.startsWith(u"courier") || f.startsWith(u"modern"))
        return QStringLiteral("Liberation Mono");
    return face.trimmed();
}

void InstallWmfDeviceDrawing(wmfFunctionReference *fr)
{
    fr->device_open = NoOp;
    fr->device_close = NoOp;
    fr->device_begin = DeviceBegin;
    fr->device_end = NoOp;
    fr->flood_interior = Flood;
    fr->flood_exterior = Flood;
    fr->draw_pixel = DrawPixel;
    fr->draw_pie = DrawPie;
    fr->draw_chord = DrawChord;
    fr->draw_arc = DrawArc;
    fr->draw_ellipse = DrawEllipse;
    fr->draw_line = DrawLine;
    fr->poly_line = PolyLine;
    fr->draw_polygon = DrawPolygon;
    fr->draw_polypolygon = DrawPolyPolygon;
    fr->draw_rectangle = DrawRectangle;
    fr->rop_draw = RopDraw;
    fr->bmp_draw = BmpDraw;
    fr->draw_text = DrawText;
    fr->udata_init = UserData;
    fr->udata_copy = UserData;
    fr->udata_set = UserData;
    fr->udata_free = UserData;
    fr->region_frame = RegionFrame;
    fr->region_paint = RegionPaint;
    fr->region_clip = RegionClip;
}
