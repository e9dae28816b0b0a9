// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's bitmaps and cursor: the logo in two sizes, the background
// tile, the two bullets and the pointing hand.
#include "ResGen.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QByteArray Encode(const QImage &img, const char *format)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    return bytes;
}

QFont Sans(double px, bool bold = false, bool italic = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qRound(px));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Three overlapping lights mixed by addition, as the first workshop shows.
void DrawLights(QPainter &p, QPointF centre, double r)
{
    QImage layer(qCeil(centre.x() + 2.2 * r) + 2, qCeil(centre.y() + 2.2 * r) + 2, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter l(&layer);
        l.setRenderHint(QPainter::Antialiasing);
        l.setCompositionMode(QPainter::CompositionMode_Plus);
        const double d = r * 0.62;
        const QPointF at[3] = {centre + QPointF(0, -d * 0.8), centre + QPointF(-d * 0.75, d * 0.5), centre + QPointF(d * 0.75, d * 0.5)};
        const QColor c[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
        for (int i = 0; i < 3; ++i) {
            l.setPen(Qt::NoPen);
            l.setBrush(c[i]);
            l.drawEllipse(at[i], r * 0.56, r * 0.56);
        }
    }
    // A dark round screen behind the lights.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 80), 1));
    QRadialGradient g(centre, r * 1.3);
    g.setColorAt(0, QColor(40, 40, 56));
    g.setColorAt(1, QColor(10, 10, 18));
    p.setBrush(g);
    p.drawEllipse(centre, r * 1.22, r * 1.22);
    p.drawImage(0, 0, layer);
}

QImage Logo(int w, int h, double lightR, double titlePx, double subPx)
{
    // The background is a light grey that the program turns into the
    // button-face colour; soft edges blend with it either way.
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(236, 236, 236));
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawLights(p, QPointF(lightR * 1.35, h / 2.0), lightR);
    const double x = lightR * 2.8 + 3;
    QLinearGradient ink(0, 0, 0, h);
    ink.setColorAt(0, QColor(20, 50, 140));
    ink.setColorAt(1, QColor(90, 20, 120));
    p.setPen(QPen(QBrush(ink), 1));
    p.setFont(Sans(titlePx, true, true));
    const double base = subPx > 0 ? h * 0.58 : h * 0.70;
    p.drawText(QPointF(x, base), QStringLiteral("Irisonde"));
    if (subPx > 0) {
        p.setPen(QColor(90, 90, 100));
        p.setFont(Sans(subPx));
        p.drawText(QPointF(x + 1, base + subPx + 3), QStringLiteral("couleur et vision"));
    }
    return img;
}

QImage Motif()
{
    // A pale sheet with faint rings of coloured light; every shape is drawn
    // again one tile away so that the tiles join without a seam.
    const int w = 189, h = 111;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(250, 249, 243));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    struct Ring { double x, y, r; QColor c; };
    const Ring rings[] = {
        {30, 24, 20, QColor(246, 226, 226)}, {44, 36, 20, QColor(226, 242, 228)}, {24, 40, 20, QColor(228, 232, 248)},
        {128, 78, 26, QColor(244, 238, 222)}, {150, 20, 14, QColor(236, 236, 248)}, {84, 96, 12, QColor(244, 230, 240)},
    };
    for (const Ring &r : rings)
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                p.setPen(QPen(r.c, 2.2));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(r.x + dx * w, r.y + dy * h), r.r, r.r);
            }
    return img;
}

QImage Bullet(const QColor &body, const QColor &light)
{
    // Drawn on silver, which the program shows around it; the silver is then
    // swapped for the olive key that the program turns back into silver.
    QImage img(13, 9, QImage::Format_RGB32);
    const QColor silver(192, 192, 192);
    img.fill(silver);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient g(QPointF(4.5, 3), 7);
        g.setColorAt(0, light);
        g.setColorAt(1, body);
        p.setBrush(g);
        p.setPen(QPen(body.darker(160), 0.8));
        QPainterPath arrow;
        arrow.moveTo(1.5, 1.2);
        arrow.lineTo(7.5, 1.2);
        arrow.lineTo(11.6, 4.5);
        arrow.lineTo(7.5, 7.8);
        arrow.lineTo(1.5, 7.8);
        arrow.lineTo(4.0, 4.5);
        arrow.closeSubpath();
        p.drawPath(arrow);
    }
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == silver)
                img.setPixelColor(x, y, QColor(128, 128, 0));
    return img;
}

QImage Hand()
{
    // A white gloved hand pointing up, its finger tip at (6, 0): the hot spot.
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(4.5, 3);
    hand.cubicTo(4.5, 0.3, 8.5, 0.3, 8.5, 3);
    hand.lineTo(8.5, 11);
    hand.cubicTo(8.5, 9, 12.5, 9, 12.5, 11.5);
    hand.cubicTo(12.5, 10, 16.5, 10, 16.5, 12.5);
    hand.cubicTo(16.5, 11, 20.5, 11, 20.5, 13.5);
    hand.lineTo(20.5, 20);
    hand.cubicTo(20.5, 24, 18.5, 26, 17.5, 28);
    hand.lineTo(7.5, 28);
    hand.cubicTo(5.5, 25, 2, 21, 0.8, 17.5);
    hand.cubicTo(0.2, 15.5, 2.5, 14.2, 4.5, 16.5);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(QColor(90, 90, 90), 0.9));
    p.drawLine(QPointF(12.5, 11.5), QPointF(12.5, 16));
    p.drawLine(QPointF(16.5, 12.5), QPointF(16.5, 16.5));
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRectF(7.5, 28, 10, 3));
    return img;
}

const resgen::Register logo("Logo.bmp", [] { return Encode(Logo(123, 44, 15, 19, 10), "BMP"); });
const resgen::Register mini("MiniLogo.bmp", [] { return Encode(Logo(79, 29, 9, 12.5, 0), "BMP"); });
const resgen::Register motif("Motif.bmp", [] { return Encode(Motif(), "BMP"); });
const resgen::Register puceR("PuceR.bmp", [] { return Encode(Bullet(QColor(200, 20, 20), QColor(255, 170, 160)), "BMP"); });
const resgen::Register puceB("PuceB.bmp", [] { return Encode(Bullet(QColor(20, 50, 190), QColor(160, 190, 255)), "BMP"); });
const resgen::Register cursor("C_Main.png", [] { return Encode(Hand(), "PNG"); });

} // namespace
