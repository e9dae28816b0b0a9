// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The two pictures of the subtractive-synthesis workshop:
//  - "Trace.wmf", the ink blot: a placeable metafile (1024 units to the inch,
//    frame (-2555, -2086)-(2555, 2086)) holding one closed polygon of 80
//    vertices with a scalloped edge, filled solid black, no outline,
//    alternate fill. The bytes are written here record by record, so the
//    file holds exactly what the workshop's player is asked to play.
//  - "Pinceau.bmp", a flat paint brush lying on white, 140 x 43, 8 bits per
//    pixel, handle to the right; the paint on its bristles is pure yellow,
//    hard-edged (the workshop recolours exactly those pixels), and no other
//    pixel is pure yellow.
#include "ResGen.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <vector>

namespace {

void Put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
void Put32(QByteArray &b, uint32_t v)
{
    Put16(b, int(v & 0xFFFF));
    Put16(b, int(v >> 16));
}

// ---------------------------------------------------------------- the blot

constexpr int FrameLeft = -2555, FrameTop = -2086, FrameRight = 2555, FrameBottom = 2086;
constexpr int BlotVertices = 80;

// Ten round lobes meeting in shallow notches, slightly lopsided, the way a
// drop of ink spreads on paper. Radius 1 would touch the frame.
std::array<std::array<int, 2>, BlotVertices> BlotPolygon()
{
    std::array<std::array<int, 2>, BlotVertices> pts{};
    for (int i = 0; i < BlotVertices; ++i) {
        const double t = 2 * std::numbers::pi * i / BlotVertices;
        const double lobe = std::sqrt(std::abs(std::sin(5 * t + 0.3)));
        // Lobes of unequal size, as ink runs further on one side.
        double r = 0.80 + (0.09 + 0.06 * std::sin(3 * t + 1.1)) * lobe;
        r *= 1 + 0.045 * std::sin(2 * t + 0.7) + 0.035 * std::cos(3 * t - 0.4);
        pts[i][0] = int(std::lround(r * FrameRight * std::cos(t)));
        pts[i][1] = int(std::lround(r * FrameBottom * std::sin(t)));
    }
    return pts;
}

QByteArray TraceWmf()
{
    QByteArray b;
    // Placeable header; its checksum is the XOR of its first ten words.
    QByteArray head;
    Put32(head, 0x9AC6CDD7u);
    Put16(head, 0); // no handle
    Put16(head, FrameLeft);
    Put16(head, FrameTop);
    Put16(head, FrameRight);
    Put16(head, FrameBottom);
    Put16(head, 1024); // units per inch
    Put32(head, 0);
    uint16_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= uint16_t(uint8_t(head[2 * i]) | (uint8_t(head[2 * i + 1]) << 8));
    Put16(head, sum);

    QByteArray records;
    auto record = [&records](int function, const std::vector<int> &words) {
        Put32(records, uint32_t(3 + words.size()));
        Put16(records, function);
        for (int w : words)
            Put16(records, w);
    };
    record(0x0106, {1});                  // SETPOLYFILLMODE: ALTERNATE
    record(0x02FC, {0, 0, 0, 0});         // CREATEBRUSHINDIRECT: BS_SOLID, black, no hatch
    record(0x02FA, {5, 0, 0, 0, 0});      // CREATEPENINDIRECT: PS_NULL, width 0, black
    record(0x012D, {0});                  // SELECTOBJECT: the brush
    record(0x012D, {1});                  // SELECTOBJECT: the pen
    std::vector<int> poly{BlotVertices};
    for (const auto &p : BlotPolygon()) {
        poly.push_back(p[0]);
        poly.push_back(p[1]);
    }
    record(0x0324, poly);                 // POLYGON
    record(0x0000, {});                   // EOF

    constexpr int headerWords = 9;
    const uint32_t totalWords = uint32_t(headerWords + records.size() / 2);
    const uint32_t largest = uint32_t(3 + poly.size());
    b.append(head);
    Put16(b, 1);            // memory metafile
    Put16(b, headerWords);
    Put16(b, 0x0300);       // version
    Put32(b, totalWords);
    Put16(b, 2);            // objects: the brush and the pen
    Put32(b, largest);
    Put16(b, 0);
    b.append(records);
    return b;
}

// ---------------------------------------------------------------- the brush

constexpr int BrushW = 140, BrushH = 43;
constexpr double MidY = 21.0;

struct Rgb {
    double r, g, b;
};
Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb Shade(Rgb c, double k) { return {c.r * k, c.g * k, c.b * k}; }

enum class EPart { None, Hair, Ferrule, Handle };

// Half-height of the brush outline at column x (0 where there is no brush).
double HalfHeight(double x, EPart &part)
{
    part = EPart::None;
    if (x >= 2 && x < 66) { // bristles: a flat tuft, rounded at the tip, pinched by the ferrule
        const double t = (x - 2) / 64.0; // 0 at the tip, 1 at the ferrule
        const double u = std::clamp(t / 0.16, 0.0, 1.0);
        const double cap = std::sqrt(u * (2 - u));
        part = EPart::Hair;
        return (19.6 - 3.6 * std::pow(std::max(0.0, t - 0.45) / 0.55, 1.5)) * cap;
    }
    if (x >= 66 && x < 86) { // ferrule: narrowing towards the handle
        part = EPart::Ferrule;
        return 16.5 - 0.30 * (x - 66);
    }
    if (x >= 86 && x < 138) { // handle: a waist, then a rounded end
        part = EPart::Handle;
        const double t = (x - 86) / 52.0;
        double h = 10.0 - 3.5 * std::sin(std::numbers::pi * std::min(t / 0.6, 1.0) * 0.5) + 2.5 * std::max(0.0, t - 0.6) / 0.4;
        if (x > 131)
            h *= std::sqrt(std::max(0.0, 1 - std::pow((x - 131) / 7.0, 2)));
        return h;
    }
    return 0;
}

// Where the paint stops on the bristles, row by row: a soaked, wavy front.
double PaintFront(double y) { return 59.0 + 2.2 * std::sin(y * 0.55 + 0.4) + 1.3 * std::cos(y * 1.3); }

QByteArray PinceauBmp()
{
    const Rgb white{255, 255, 255}, outline{52, 40, 30};
    const Rgb hair{214, 178, 120}, metal{186, 190, 198}, wood{168, 54, 38};
    std::vector<Rgb> img(BrushW * BrushH, white);
    std::vector<bool> paint(BrushW * BrushH, false);
    auto inside = [](double x, double y, EPart &part) { return std::abs(y - MidY) <= HalfHeight(x, part); };

    for (int y = 0; y < BrushH; ++y)
        for (int x = 0; x < BrushW; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            EPart part;
            // Coverage by 4 x 4 samples smooths the outer outline only.
            int covered = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    EPart p;
                    covered += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4, p);
                }
            if (!inside(cx, cy, part)) {
                if (covered)
                    img[y * BrushW + x] = Mix(white, outline, covered / 16.0 * 0.8);
                continue;
            }
            EPart n1, n2, n3, n4;
            const bool edge = !inside(cx - 1, cy, n1) || !inside(cx + 1, cy, n2) || !inside(cx, cy - 1, n3) ||
                              !inside(cx, cy + 1, n4);
            // Light from the top: the upper half is brighter, a cylinder's shading.
            const double h = std::max(HalfHeight(cx, n1), 1.0);
            const double v = std::clamp((cy - MidY) / h, -1.0, 1.0);
            const double light = 0.78 + 0.30 * std::sqrt(1 - v * v) - 0.16 * v;
            Rgb c;
            switch (part) {
            case EPart::Hair: {
                if (!edge && cx < PaintFront(cy)) {
                    paint[y * BrushW + x] = true;
                    continue;
                }
                // Single hairs as fine streaks along the brush.
                const double streak = 0.88 + 0.12 * std::sin(cy * 2.7 + std::sin(cx * 0.21) * 1.5);
                c = Shade(hair, light * streak);
                break;
            }
            case EPart::Ferrule: {
                const double ridge = (int(cx) == 70 || int(cx) == 71 || int(cx) == 82) ? 0.72 : 1.0;
                const double shine = 1 + 0.35 * std::exp(-std::pow((cy - (MidY - 0.45 * h)) / 2.2, 2));
                c = Shade(metal, std::min(light * ridge * shine, 1.3));
                break;
            }
            case EPart::Handle: {
                const double grain = 0.93 + 0.07 * std::sin(cx * 0.45 + cy * 0.9);
                const double shine = 1 + 0.45 * std::exp(-std::pow((cy - (MidY - 0.45 * h)) / 1.6, 2));
                c = Shade(wood, light * grain * shine);
                // The hole for hanging the brush up.
                if (std::hypot(cx - 129, cy - MidY) < 2.2)
                    c = white;
                break;
            }
            case EPart::None:
                c = white;
                break;
            }
            if (edge)
                c = outline;
            img[y * BrushW + x] = c;
        }

    // The palette: white and pure yellow first, then every other colour,
    // coarsened until it fits; no coarsened colour can reach 255 in a channel,
    // so none becomes yellow or white.
    auto clampByte = [](double v) { return int(std::clamp(std::lround(v), 0L, 254L)); };
    std::vector<uint8_t> index(BrushW * BrushH);
    std::vector<std::array<int, 3>> palette;
    for (int step = 1;; step *= 2) {
        palette = {{255, 255, 255}, {255, 255, 0}};
        std::map<std::array<int, 3>, int> seen;
        bool fits = true;
        for (int i = 0; i < BrushW * BrushH && fits; ++i) {
            if (paint[i]) {
                index[i] = 1;
                continue;
            }
            const Rgb &c = img[i];
            if (c.r >= 255 && c.g >= 255 && c.b >= 255) {
                index[i] = 0;
                continue;
            }
            const std::array<int, 3> q{clampByte(c.r) / step * step, clampByte(c.g) / step * step,
                                       clampByte(c.b) / step * step};
            auto [it, added] = seen.emplace(q, int(palette.size()));
            if (added)
                palette.push_back(q);
            fits = palette.size() <= 256;
            index[i] = uint8_t(it->second);
        }
        if (fits)
            break;
    }

    constexpr int rowBytes = (BrushW + 3) & ~3;
    constexpr uint32_t offset = 14 + 40 + 256 * 4;
    QByteArray b;
    b.append("BM");
    Put32(b, offset + rowBytes * BrushH);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, BrushW);
    Put32(b, BrushH); // bottom-up
    Put16(b, 1);
    Put16(b, 8);
    Put32(b, 0);
    Put32(b, rowBytes * BrushH);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 256);
    Put32(b, 0);
    for (int i = 0; i < 256; ++i) {
        const std::array<int, 3> c = i < int(palette.size()) ? palette[i] : std::array<int, 3>{0, 0, 0};
        b.append(char(c[2]));
        b.append(char(c[1]));
        b.append(char(c[0]));
        b.append(char(0));
    }
    for (int y = BrushH - 1; y >= 0; --y) {
        for (int x = 0; x < BrushW; ++x)
            b.append(char(index[y * BrushW + x]));
        for (int x = BrushW; x < rowBytes; ++x)
            b.append(char(0));
    }
    return b;
}

const resgen::Register trace("Trace.wmf", [] { return TraceWmf(); });
const resgen::Register pinceau("Pinceau.bmp", [] { return PinceauBmp(); });

} // namespace
