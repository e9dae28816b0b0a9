// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's icon for menus and software centres: three lights of the
// additive workshop on a dark rounded screen. One drawing gives the scalable
// SVG and the pixel sizes the icon theme asks for, so that they agree.
#include "ResGen.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

namespace {

// Everything on a 256-unit square, in whole units so that the SVG text does
// not depend on how numbers are printed.
struct TDisc {
    int x, y;
    QColor colour;
};
constexpr int kDiscRadius = 58;
const TDisc kDiscs[3] = {{128, 98, QColor(255, 0, 0)}, {97, 152, QColor(0, 255, 0)}, {159, 152, QColor(0, 0, 255)}};
constexpr int kScreenMargin = 18, kScreenCorner = 44, kScreenStroke = 4;
const QColor kScreenInner(42, 42, 60), kScreenOuter(10, 10, 18), kScreenEdge(90, 90, 120);
constexpr int kGlowX = 128, kGlowY = 112, kGlowRadius = 170;

QString Hex(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QByteArray Svg()
{
    const int side = 256 - 2 * kScreenMargin;
    QString s;
    s += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
                        "  <title>Irisonde</title>\n  <defs>\n");
    s += QStringLiteral("    <radialGradient id=\"screen\" gradientUnits=\"userSpaceOnUse\" cx=\"%1\" cy=\"%2\" r=\"%3\">\n"
                        "      <stop offset=\"0\" stop-color=\"%4\"/>\n      <stop offset=\"1\" stop-color=\"%5\"/>\n"
                        "    </radialGradient>\n")
             .arg(kGlowX).arg(kGlowY).arg(kGlowRadius).arg(Hex(kScreenInner), Hex(kScreenOuter));
    const auto circle = [](const TDisc &d) {
        return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"").arg(d.x).arg(d.y).arg(kDiscRadius);
    };
    const char *ids[2] = {"red", "green"};
    for (int i = 0; i < 2; ++i)
        s += QStringLiteral("    <clipPath id=\"%1\">%2/></clipPath>\n").arg(QLatin1String(ids[i]), circle(kDiscs[i]));
    s += QStringLiteral("  </defs>\n");
    s += QStringLiteral("  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" fill=\"url(#screen)\" stroke=\"%4\" stroke-width=\"%5\"/>\n")
             .arg(kScreenMargin).arg(side).arg(kScreenCorner).arg(Hex(kScreenEdge)).arg(kScreenStroke);
    // Where lights overlap they add: each overlap is the later disc clipped
    // by the earlier ones, in the sum of their colours.
    for (int i = 0; i < 3; ++i)
        s += QStringLiteral("  %1 fill=\"%2\"/>\n").arg(circle(kDiscs[i]), Hex(kDiscs[i].colour));
    const auto sum = [](int a, int b) {
        return QColor(kDiscs[a].colour.rgb() | kDiscs[b].colour.rgb());
    };
    s += QStringLiteral("  <g clip-path=\"url(#red)\">%1 fill=\"%2\"/></g>\n").arg(circle(kDiscs[1]), Hex(sum(0, 1)));
    s += QStringLiteral("  <g clip-path=\"url(#red)\">%1 fill=\"%2\"/></g>\n").arg(circle(kDiscs[2]), Hex(sum(0, 2)));
    s += QStringLiteral("  <g clip-path=\"url(#green)\">%1 fill=\"%2\"/></g>\n").arg(circle(kDiscs[2]), Hex(sum(1, 2)));
    s += QStringLiteral("  <g clip-path=\"url(#red)\"><g clip-path=\"url(#green)\">%1 fill=\"#ffffff\"/></g></g>\n")
             .arg(circle(kDiscs[2]));
    s += QStringLiteral("</svg>\n");
    return s.toUtf8();
}

QByteArray Png(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 256.0, size / 256.0);
        QRadialGradient glow(kGlowX, kGlowY, kGlowRadius);
        glow.setColorAt(0, kScreenInner);
        glow.setColorAt(1, kScreenOuter);
        p.setBrush(glow);
        p.setPen(QPen(kScreenEdge, kScreenStroke));
        const int side = 256 - 2 * kScreenMargin;
        p.drawRoundedRect(QRectF(kScreenMargin, kScreenMargin, side, side), kScreenCorner, kScreenCorner);
        // The lights add on a layer of their own, then go over the screen.
        QImage lights(img.size(), QImage::Format_ARGB32_Premultiplied);
        lights.fill(Qt::transparent);
        {
            QPainter l(&lights);
            l.setRenderHint(QPainter::Antialiasing);
            l.scale(size / 256.0, size / 256.0);
            l.setCompositionMode(QPainter::CompositionMode_Plus);
            l.setPen(Qt::NoPen);
            for (const TDisc &d : kDiscs) {
                l.setBrush(d.colour);
                l.drawEllipse(QPointF(d.x, d.y), kDiscRadius, kDiscRadius);
            }
        }
        p.resetTransform();
        p.drawImage(0, 0, lights);
    }
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.convertToFormat(QImage::Format_ARGB32).save(&buf, "PNG");
    return bytes;
}

const resgen::Register svg("Icone.svg", [] { return Svg(); });
const resgen::Register png48("Icone48.png", [] { return Png(48); });
const resgen::Register png128("Icone128.png", [] { return Png(128); });
const resgen::Register png256("Icone256.png", [] { return Png(256); });

} // namespace
