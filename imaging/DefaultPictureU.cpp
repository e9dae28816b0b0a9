// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/DefaultPictureU.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstdint>

namespace Irisonde {

namespace {

// Round half to even, the processor's default rounding.
int Round(double v) { return int(std::nearbyint(v)); }

class TCardPen {
public:
    TCardPen(QImage &image, double unit) : FPainter(&image), FUnit(unit) {}
    // k units, rounded on its own.
    [[nodiscard]] int U(double k) const { return Round(k * FUnit); }
    // Rectangle given by left, top, right, bottom, right and bottom excluded.
    void Rect(int left, int top, int right, int bottom, const QColor &c)
    {
        if (right > left && bottom > top)
            FPainter.fillRect(QRect(left, top, right - left, bottom - top), c);
    }
    void RectU(double l, double t, double r, double b, const QColor &c) { Rect(U(l), U(t), U(r), U(b), c); }
    QPainter &Painter() { return FPainter; }

private:
    QPainter FPainter;
    double FUnit;
};

// A text line in white on an opaque black cell, centred on 6u..11u.
void CardText(QPainter &p, const QString &text, double unit, int top)
{
    // The cell height (ascent + descent) is trunc(u) - 1 pixels; Qt sizes
    // fonts by their em, so the em is found from the face's own proportions.
    const int cell = int(unit) - 1;
    if (cell < 2)
        return;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(100);
    const QFontMetricsF probe(font);
    font.setPixelSize(std::max(1, int(cell * 100.0 / (probe.ascent() + probe.descent()))));
    const QFontMetrics fm(font);
    const int t = fm.horizontalAdvance(text);
    const int left = Round((5 * unit - t) / 2 + 6 * unit);
    p.fillRect(QRect(left, top, t, cell), Qt::black);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(left, top + fm.ascent(), text);
}

} // namespace

QRect DefaultCardRect(int areaWidth, int areaHeight)
{
    if (areaWidth <= 0 || areaHeight <= 0)
        return {};
    const int W0 = areaWidth, H0 = areaHeight;
    // The threshold is 1.333, not 4/3: a 400 x 300 area takes the
    // height-bound branch.
    if (double(W0) / double(H0) <= 1.333) {
        const int h = Round(W0 * 0.75000001875);
        return QRect((0), (H0 - h) / 2, W0, h);
    }
    const int w = Round(H0 * 1.3333333);
    return QRect((W0 - w) / 2, 0, w, H0);
}

QImage MakeDefaultCard(int w, int h)
{
    if (w <= 0 || h <= 0)
        return {};
    const double u = w / 17.0;
    const int cx = w / 2, cy = h / 2, R = (16 * h) / 34;
    const QColor white(255, 255, 255), black(0, 0, 0);

    // G: the grey grid.
    QImage grid(w, h, QImage::Format_RGB32);
    grid.fill(QColor(128, 128, 128));
    {
        TCardPen g(grid, u);
        for (int k = 0; k <= 16; ++k)
            g.Rect(g.U(k), 0, g.U(k) + 1, h, white);
        g.Rect(w - 1, 0, w, h, white);
        for (int k = 0; k <= 12; ++k)
            g.Rect(0, g.U(k), w, g.U(k) + 1, white);
        g.Rect(0, h - 1, w, h, white);
    }

    // D: the contents of the disc.
    QImage disc(w, h, QImage::Format_RGB32);
    disc.fill(white);
    {
        TCardPen d(disc, u);
        const QColor bars[6] = {{255, 255, 0}, {0, 255, 255}, {0, 255, 0},
                                {255, 0, 255}, {255, 0, 0},   {0, 0, 255}};
        for (int i = 0; i < 6; ++i)
            d.RectU(2.5 + 2 * i, 4, 4.5 + 2 * i, 6, bars[i]);
        d.RectU(4, 11, 13, 13, QColor(255, 255, 0));
        d.RectU(8, 11, 9, 13, QColor(255, 0, 0));
        d.RectU(2, 6, 15, 9, black);
        // Gratings: five groups about 2u wide whose bars and gaps narrow
        // from 5 pixels to 1.
        int b = 5;
        double e = 3.5 * u;
        double x = 3.5 * u - 10;
        while (x < 13.5 * u) {
            x += 2 * b;
            if (x - e >= 2 * u) {
                e += 2 * u;
                b -= 1;
            }
            d.Rect(Round(x), d.U(7), Round(x + b), d.U(9), white);
        }
        d.RectU(8, 5, 9, 8, black);
        d.RectU(6, 1, 11, 2, black);
        d.RectU(5.5, 10, 11.5, 11, black);
        const int steps[6] = {0, 80, 102, 153, 204, 255};
        for (int j = 0; j < 6; ++j)
            d.RectU(2.5 + 2 * j, 9, 4.5 + 2 * j, 10, QColor(steps[j], steps[j], steps[j]));
        for (int k = 0; k <= 10; ++k)
            d.RectU(3.5 + k, 3, 4 + k, 4, black);
        d.Rect(cx, d.U(5), cx + 1, d.U(8), white);
        d.Rect(d.U(2), cy, d.U(15), cy + 1, white);
        for (int k = 0; k <= 16; ++k)
            d.Rect(d.U(k), d.U(6), d.U(k) + 1, d.U(7), white);
        CardText(d.Painter(), QStringLiteral("Irisonde"), u, d.U(1));
        CardText(d.Painter(), QString::fromUtf16(DefaultCardCredit), u, d.U(10));
    }

    // M: white disc on black. D := D AND M keeps D inside the disc; with the
    // complementary mask G := (G AND not M) OR D puts D into the grid. One
    // mask serves both, since the second is the exact inverse of the first.
    QImage mask(w, h, QImage::Format_RGB32);
    mask.fill(black);
    {
        QPainter m(&mask);
        m.setPen(Qt::NoPen);
        m.setBrush(white);
        m.drawEllipse(QRect(cx - R, cy - R, 2 * R, 2 * R));
    }
    for (int y = 0; y < h; ++y) {
        auto *gRow = reinterpret_cast<std::uint32_t *>(grid.scanLine(y));
        const auto *dRow = reinterpret_cast<const std::uint32_t *>(disc.constScanLine(y));
        const auto *mRow = reinterpret_cast<const std::uint32_t *>(mask.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::uint32_t m = mRow[x] & 0x00FFFFFFu;
            gRow[x] = 0xFF000000u | (gRow[x] & ~m & 0x00FFFFFFu) | (dRow[x] & m);
        }
    }
    return grid;
}

void DrawDefaultCard(QPainter &canvas, int areaWidth, int areaHeight, const QColor &back)
{
    const QRect card = DefaultCardRect(areaWidth, areaHeight);
    if (card.isEmpty())
        return;
    canvas.fillRect(QRect(0, 0, areaWidth, areaHeight), back);
    canvas.drawImage(card.topLeft(), MakeDefaultCard(card.width(), card.height()));
}

} // namespace Irisonde
