// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The slide projector of the additive-synthesis and scene-lighting workshops,
// seen from above with its lens pointing to the top edge: 57 x 57, 8 bits per
// pixel with a 256-entry colour table. Pure yellow is the background (the
// sprite's transparent key), pure blue marks the pixels that show the lamp's
// light (the lens glass at the top, the lamp window near the bottom); the rest
// is greys, none of which can be mistaken for yellow, cyan or blue.
#include "ResGen.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int Size = 57;
constexpr uint8_t Background = 0; // palette index of pure yellow
constexpr uint8_t Lamp = 1;       // palette index of pure blue
// Palette indices 2..255 hold the greys 0..253.
constexpr uint8_t Grey(int level) { return uint8_t(2 + std::clamp(level, 0, 253)); }

struct Picture {
    std::array<std::array<uint8_t, Size>, Size> px{}; // [y][x], y from the top

    Picture() { for (auto &row : px) row.fill(Background); }
    void Set(int x, int y, uint8_t v)
    {
        if (x >= 0 && x < Size && y >= 0 && y < Size)
            px[y][x] = v;
    }
    void Fill(int x1, int y1, int x2, int y2, uint8_t v) // inclusive
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                Set(x, y, v);
    }
    // Corner cut of a rounded rectangle of radius r: is (x, y) outside it?
    static bool OutsideCorner(int x, int y, int x1, int y1, int x2, int y2, int r)
    {
        const int cx = x < x1 + r ? x1 + r : (x > x2 - r ? x2 - r : x);
        const int cy = y < y1 + r ? y1 + r : (y > y2 - r ? y2 - r : y);
        const int dx = x - cx, dy = y - cy;
        return 4 * (dx * dx + dy * dy) > (2 * r + 1) * (2 * r + 1) - 2 * r;
    }
    // A rounded rectangle with a 1-pixel outline, a fill and a bevel (lit
    // from the top-left, as the program's windows are).
    void Box(int x1, int y1, int x2, int y2, int r, int fill, int outline, int light, int dark)
    {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) {
                if (OutsideCorner(x, y, x1, y1, x2, y2, r))
                    continue;
                const bool edge = x == x1 || x == x2 || y == y1 || y == y2 ||
                                  OutsideCorner(x - 1, y, x1, y1, x2, y2, r) ||
                                  OutsideCorner(x + 1, y, x1, y1, x2, y2, r) ||
                                  OutsideCorner(x, y - 1, x1, y1, x2, y2, r) ||
                                  OutsideCorner(x, y + 1, x1, y1, x2, y2, r);
                int level = fill;
                if (edge)
                    level = outline;
                else if (x == x1 + 1 || y == y1 + 1 || OutsideCorner(x - 2, y, x1, y1, x2, y2, r) ||
                         OutsideCorner(x, y - 2, x1, y1, x2, y2, r))
                    level = light;
                else if (x == x2 - 1 || y == y2 - 1 || OutsideCorner(x + 2, y, x1, y1, x2, y2, r) ||
                         OutsideCorner(x, y + 2, x1, y1, x2, y2, r))
                    level = dark;
                Set(x, y, Grey(level));
            }
    }
};

Picture DrawProjector()
{
    Picture p;
    // Body, lamp housing behind, lens in front (towards the top).
    p.Box(9, 21, 47, 53, 4, 168, 36, 218, 120);
    for (int x = 13; x <= 43; ++x) // panel seam of the lid
        p.Set(x, 25, Grey(140));
    for (int x = 13; x <= 43; ++x)
        p.Set(x, 26, Grey(196));

    // Lens barrel: a cylinder shaded across, with a knurled focusing ring.
    static const int profile[15] = {38, 112, 152, 178, 194, 200, 194, 184, 172, 160, 146, 130, 112, 92, 38};
    for (int y = 8; y <= 22; ++y)
        for (int i = 0; i < 15; ++i) {
            int level = profile[i];
            if (y >= 10 && y <= 14 && i > 0 && i < 14)
                level = ((i + y) & 1) ? level - 34 : level + 8; // knurling
            if (y == 15 || y == 9)
                level = level * 6 / 10; // rings' edges
            p.Set(21 + i, y, Grey(level));
        }
    // Focusing knob on the barrel's side.
    p.Box(36, 16, 39, 20, 1, 130, 40, 190, 90);

    // Front collar around the lens glass.
    p.Box(23, 1, 33, 8, 2, 88, 30, 140, 60);
    p.Fill(26, 2, 30, 6, Lamp); // the glass, lit by the lamp: 25 pixels

    // Slide carrier crossing the body, a slide mount in it on the left and
    // the carrier's handle on the right.
    p.Box(3, 28, 53, 34, 0, 200, 36, 232, 150);
    p.Box(1, 26, 11, 36, 1, 236, 40, 250, 200);   // slide mount
    p.Box(4, 29, 8, 33, 0, 96, 70, 96, 96);       // film window
    for (int y = 30; y <= 32; ++y) {             // grip of the handle
        p.Set(49, y, Grey(110));
        p.Set(51, y, Grey(110));
    }

    // Lamp housing: a dark frame around the window where the lamp glows.
    p.Box(21, 38, 35, 50, 3, 62, 30, 90, 44);
    // The lamp window: 11 x 9 with rounded corners, 87 pixels.
    for (int y = 40; y <= 48; ++y) {
        const int inset = (y == 40 || y == 48) ? 2 : (y == 41 || y == 47) ? 1 : 0;
        for (int x = 23 + inset; x <= 33 - inset; ++x)
            p.Set(x, y, Lamp);
    }

    // Cooling vents on both sides of the lamp housing.
    for (int y = 39; y <= 48; y += 3)
        for (int x = 0; x < 6; ++x) {
            p.Set(13 + x, y, Grey(70));
            p.Set(13 + x, y + 1, Grey(214));
            p.Set(38 + x, y, Grey(70));
            p.Set(38 + x, y + 1, Grey(214));
        }

    // Power switch on the lid.
    p.Box(40, 22, 44, 24, 0, 206, 60, 240, 150);

    // Mains cable leaving the back.
    for (int y = 54; y <= 56; ++y) {
        p.Set(41, y, Grey(54));
        p.Set(42, y, Grey(96));
    }
    return p;
}

void PutLE(QByteArray &b, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

// A Windows bitmap file, 8 bits per pixel, 256 palette entries, rows bottom-up.
QByteArray ProjoBmp()
{
    const Picture p = DrawProjector();
    constexpr int rowBytes = (Size + 3) & ~3;
    constexpr uint32_t paletteBytes = 256 * 4;
    constexpr uint32_t offset = 14 + 40 + paletteBytes;
    constexpr uint32_t imageBytes = rowBytes * Size;
    QByteArray b;
    b.append("BM");
    PutLE(b, offset + imageBytes, 4);
    PutLE(b, 0, 4);
    PutLE(b, offset, 4);
    PutLE(b, 40, 4);            // BITMAPINFOHEADER
    PutLE(b, Size, 4);
    PutLE(b, Size, 4);          // positive: bottom-up
    PutLE(b, 1, 2);
    PutLE(b, 8, 2);
    PutLE(b, 0, 4);             // BI_RGB
    PutLE(b, imageBytes, 4);
    PutLE(b, 2835, 4);          // 72 dpi
    PutLE(b, 2835, 4);
    PutLE(b, 256, 4);
    PutLE(b, 0, 4);
    for (int i = 0; i < 256; ++i) {
        uint8_t r, g, bl;
        if (i == Background) {
            r = 255; g = 255; bl = 0;
        } else if (i == Lamp) {
            r = 0; g = 0; bl = 255;
        } else {
            r = g = bl = uint8_t(std::min(i - 2, 253));
        }
        b.append(char(bl));
        b.append(char(g));
        b.append(char(r));
        b.append(char(0));
    }
    for (int y = Size - 1; y >= 0; --y) {
        for (int x = 0; x < Size; ++x)
            b.append(char(p.px[y][x]));
        for (int x = Size; x < rowBytes; ++x)
            b.append(char(0));
    }
    return b;
}

const resgen::Register r("Projo.bmp", [] { return ProjoBmp(); });

} // namespace
