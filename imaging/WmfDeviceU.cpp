// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/WmfDeviceU.h"
#include "imaging/WmfRasterU.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace Irisonde {

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

} // namespace

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
    // As on the platform that defined the format, dashes and dots are for
    // one-pixel pens only: a wider styled pen draws a solid line.
    switch (width == 0 ? style : PS_SOLID) {
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

namespace {

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

enum class EArcKind { Arc, Pie, Chord };

void DrawArcKind(wmfAPI *api, wmfDrawArc_t *a, EArcKind kind)
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
    if (kind == EArcKind::Pie)
        path.moveTo(r.center());
    else
        path.arcMoveTo(r, start);
    path.arcTo(r, start, span);
    if (kind != EArcKind::Arc)
        path.closeSubpath();
    DrawShape(api, a->dc, path, kind != EArcKind::Arc);
}

void DrawPie(wmfAPI *api, wmfDrawArc_t *a) { DrawArcKind(api, a, EArcKind::Pie); }
void DrawChord(wmfAPI *api, wmfDrawArc_t *a) { DrawArcKind(api, a, EArcKind::Chord); }
void DrawArc(wmfAPI *api, wmfDrawArc_t *a) { DrawArcKind(api, a, EArcKind::Arc); }

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
    fr->udata_init = UserData;
    fr->udata_copy = UserData;
    fr->udata_set = UserData;
    fr->udata_free = UserData;
    InstallWmfDeviceRaster(fr);
}

} // namespace Irisonde
