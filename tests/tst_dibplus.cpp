// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The off-screen pixel image: layout, both coordinate systems, clipping and
// the row and image operations the workshops compute with.
#include "imaging/ColourU.h"
#include "imaging/DibPlusU.h"
#include "tests/support/TestSupport.h"

#include <QRandomGenerator>
#include <QtTest>

#include <set>
#include <utility>

using namespace Irisonde;

namespace {

// Fills the image with a reproducible pattern of pixel values.
void FillPattern(TDibPlus &d, quint32 seed = 7)
{
    QRandomGenerator rng(seed);
    for (int y = 0; y < d.Height(); ++y)
        for (int x = 0; x < d.Width(); ++x)
            d.SetPixelFast(x, y, rng.generate() & 0xFFFFFFu);
}

// The set of pixels (pixel coordinates) that differ from black.
std::set<std::pair<int, int>> LitPixels(TDibPlus &d)
{
    std::set<std::pair<int, int>> lit;
    for (int y = 0; y < d.Height(); ++y)
        for (int x = 0; x < d.Width(); ++x)
            if (d.GetPixelFast(x, y) != 0)
                lit.insert({x, y});
    return lit;
}

uint32_t ScaledPixel(uint32_t p, int fr, int fg, int fb)
{
    return PackRGB((LowByte(p) * fb) >> 8, (MidByte(p) * fg) >> 8, (HighByte(p) * fr) >> 8);
}

} // namespace

class TstDibPlus : public QObject {
    Q_OBJECT
private slots:
    void rowBytes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("rowBytes");
        QTest::newRow("width 1") << 1 << 4;
        QTest::newRow("width 2") << 2 << 8;
        QTest::newRow("width 3") << 3 << 12;
        QTest::newRow("width 4") << 4 << 12;
        QTest::newRow("width 5") << 5 << 16;
        QTest::newRow("width 81") << 81 << 244;
    }
    void rowBytes()
    {
        QFETCH(int, width);
        QFETCH(int, rowBytes);
        TDibPlus d(width, 3);
        QVERIFY(d.HasStore());
        QCOMPARE(d.RowBytes(), rowBytes);
        QCOMPARE(d.ImageSize(), rowBytes * 3);
        QCOMPARE(d.Image().bytesPerLine(), rowBytes);
        QCOMPARE(d.Image().format(), QImage::Format_BGR888);
        // A new image is black, padding included.
        const uint8_t *bottom = d.ConstBits();
        for (int i = 0; i < rowBytes; ++i)
            QCOMPARE(bottom[i], uint8_t(0));
    }

    void pixelRowsCountFromTheBottom()
    {
        TDibPlus d(5, 4);
        d.SetPixelFast(0, 0, 0x112233); // red 0x11, green 0x22, blue 0x33
        const QImage img = d.Image();
        QCOMPARE(img.pixelColor(0, 3), QColor(0x11, 0x22, 0x33));
        // Stored bytes blue, green, red, and pixel (X, Y) at Bits + Y*Stride + 3X.
        const uint8_t *p = d.Bits();
        QCOMPARE(p[0], uint8_t(0x33));
        QCOMPARE(p[1], uint8_t(0x22));
        QCOMPARE(p[2], uint8_t(0x11));
        d.SetPixelFast(4, 3, 0xABCDEF);
        QCOMPARE(d.Bits()[3 * d.Stride() + 12], uint8_t(0xEF));
        QCOMPARE(d.Image().pixelColor(4, 0), QColor(0xAB, 0xCD, 0xEF));
    }

    void canvasCountsFromTheTop()
    {
        TDibPlus d(6, 5);
        d.Canvas().fillRect(0, 0, 1, 1, QColor(10, 20, 30));
        // No explicit flush: the pixel read must see the drawing.
        QCOMPARE(d.GetPixelFast(0, 4), PackRGB(30, 20, 10));
        QCOMPARE(d.GetPixelFast(0, 0), 0u);
        // The pen and brush survive the flush a pixel operation makes.
        d.Canvas().setBrush(QColor(200, 100, 50));
        d.Canvas().setPen(Qt::NoPen);
        d.SetPixelFast(5, 0, 0x010203);
        d.Canvas().drawRect(2, 2, 2, 2); // canvas rows 2-3 = pixel rows 2-1
        QCOMPARE(d.GetPixelFast(3, 1), PackRGB(50, 100, 200));
        QCOMPARE(d.GetPixelFast(5, 0), 0x010203u);
    }

    void pixelWriteTouchesThreeBytes()
    {
        TDibPlus d(5, 3); // 16-byte rows: one padding byte
        for (int y = 0; y < 3; ++y)
            std::memset(d.RowAddress(y), 0xAB, size_t(d.RowBytes()));
        d.SetPixelFast(4, 1, 0x010203);
        for (int y = 0; y < 3; ++y)
            for (int i = 0; i < d.RowBytes(); ++i) {
                const bool inPixel = y == 1 && i >= 12 && i < 15;
                QCOMPARE(d.RowAddress(y)[i], inPixel ? uint8_t(0x03 - (i - 12)) : uint8_t(0xAB));
            }
    }

    void clipping_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("right edge X = Width") << 7 << 2;
        QTest::newRow("left edge X = -1") << -1 << 2;
        QTest::newRow("top edge Y = Height") << 3 << 5;
        QTest::newRow("bottom edge Y = -1") << 3 << -1;
        QTest::newRow("far away") << -100000 << 100000;
    }
    void clipping()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        TDibPlus d(7, 5);
        FillPattern(d);
        const QImage before = d.Image();
        d.SetPixelClipped(x, y, 0xFFFFFF);
        d.SetPixelSafe(x, y, 0xFFFFFF);
        IRISONDE_COMPARE_IMAGES(d.Image(), before);
        QCOMPARE(d.GetPixelSafe(x, y), 0u);
        // The same calls one step inside do write.
        const int xi = std::clamp(x, 0, 6), yi = std::clamp(y, 0, 4);
        d.SetPixelClipped(xi, yi, 0x123456);
        QCOMPARE(d.GetPixelSafe(xi, yi), 0x123456u);
        d.SetPixelSafe(xi, yi, 0x654321);
        QCOMPARE(d.GetPixelSafe(xi, yi), 0x654321u);
    }

    void lines()
    {
        TDibPlus d(8, 6);
        d.HorzLine(2, 1, 5, 0x0000FF);
        d.VertLine(7, 0, 5, 0x00FF00);
        std::set<std::pair<int, int>> expected;
        for (int x = 2; x <= 5; ++x)
            expected.insert({x, 1});
        for (int y = 0; y <= 5; ++y)
            expected.insert({7, y});
        QCOMPARE(LitPixels(d), expected);
        QCOMPARE(d.GetPixelFast(5, 1), 0x0000FFu);
        QCOMPARE(d.GetPixelFast(7, 5), 0x00FF00u);
    }

    void circle_data()
    {
        QTest::addColumn<int>("radius");
        QTest::addColumn<QList<QPoint>>("expected"); // offsets from the centre
        QTest::newRow("radius 0: the centre") << 0 << QList<QPoint>{{0, 0}};
        QTest::newRow("radius 1: four neighbours") << 1 << QList<QPoint>{{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        QTest::newRow("negative radius: nothing") << -3 << QList<QPoint>{};
    }
    void circle()
    {
        QFETCH(int, radius);
        QFETCH(QList<QPoint>, expected);
        TDibPlus d(9, 9);
        d.Circle(4, 4, radius, 0xFFFFFF);
        std::set<std::pair<int, int>> want;
        for (const QPoint &o : expected)
            want.insert({4 + o.x(), 4 + o.y()});
        QCOMPARE(LitPixels(d), want);
    }
    void circleIsRoundAndClipped()
    {
        TDibPlus d(31, 31);
        d.Circle(15, 15, 10, 0x808080);
        const auto lit = LitPixels(d);
        QVERIFY(lit.size() > 50);
        for (const auto &[x, y] : lit) {
            const double r = std::hypot(x - 15, y - 15);
            QVERIFY2(std::abs(r - 10) < 0.75, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            // Eight-fold symmetry.
            QVERIFY(lit.count({30 - x, y}) && lit.count({x, 30 - y}) && lit.count({y, x}));
        }
        // A circle mostly outside writes only its inside part, nothing wraps.
        TDibPlus e(10, 10);
        e.Circle(0, 0, 6, 0xFFFFFF);
        for (const auto &[x, y] : LitPixels(e))
            QVERIFY(std::abs(std::hypot(x, y) - 6) < 0.75);
        QVERIFY(e.GetPixelFast(6, 0) != 0 && e.GetPixelFast(0, 6) != 0);
    }

    void clearRows_data()
    {
        QTest::addColumn<int>("y1");
        QTest::addColumn<int>("y2");
        QTest::addColumn<int>("firstBlack"); // rows firstBlack .. lastBlack-1 turn black
        QTest::addColumn<int>("endBlack");
        QTest::newRow("(5, 5) changes nothing") << 5 << 5 << 0 << 0;
        QTest::newRow("(-3, 2) rows 0 and 1") << -3 << 2 << 0 << 2;
        QTest::newRow("(0, Height + 10) everything") << 0 << 18 << 0 << 8;
        QTest::newRow("(3, 6) middle rows") << 3 << 6 << 3 << 6;
        QTest::newRow("(Height, Height + 1) nothing") << 8 << 9 << 0 << 0;
        QTest::newRow("(2, -1) nothing") << 2 << -1 << 0 << 0;
        QTest::newRow("(6, 3) reversed: nothing") << 6 << 3 << 0 << 0;
    }
    void clearRows()
    {
        QFETCH(int, y1);
        QFETCH(int, y2);
        QFETCH(int, firstBlack);
        QFETCH(int, endBlack);
        TDibPlus d(5, 8);
        for (int y = 0; y < 8; ++y)
            std::memset(d.RowAddress(y), 0x5A, size_t(d.RowBytes()));
        d.ClearRows(y1, y2);
        for (int y = 0; y < 8; ++y) {
            const uint8_t want = (y >= firstBlack && y < endBlack) ? 0 : 0x5A;
            for (int i = 0; i < d.RowBytes(); ++i) // padding included
                QVERIFY2(d.RowAddress(y)[i] == want, qPrintable(QStringLiteral("row %1 byte %2").arg(y).arg(i)));
        }
    }

    void scaleRowSpan_data()
    {
        QTest::addColumn<int>("x1");
        QTest::addColumn<int>("x2");
        QTest::addColumn<int>("keptFrom"); // pixels keptFrom..keptTo scaled, the rest black
        QTest::addColumn<int>("keptTo");
        QTest::newRow("whole row") << 0 << 36 << 0 << 36;
        QTest::newRow("X1 >= Width blackens the row") << 37 << 40 << 1 << 0;
        QTest::newRow("X2 < 0 blackens the row") << -5 << -1 << 1 << 0;
        QTest::newRow("clipped both sides") << -4 << 100 << 0 << 36;
        QTest::newRow("inner span") << 5 << 22 << 5 << 22;
        QTest::newRow("single pixel at the right edge") << 36 << 36 << 36 << 36;
    }
    void scaleRowSpan()
    {
        QFETCH(int, x1);
        QFETCH(int, x2);
        QFETCH(int, keptFrom);
        QFETCH(int, keptTo);
        for (const auto &f : {std::array<int, 3>{256, 256, 256}, std::array<int, 3>{128, 0, 77}}) {
            TDibPlus d(37, 4); // 111 pixel bytes: vector runs and a tail
            FillPattern(d);
            TDibPlus ref(37, 4);
            FillPattern(ref);
            d.ScaleRowSpan(x1, x2, 2, f[0], f[1], f[2]);
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 37; ++x) {
                    uint32_t want = ref.GetPixelFast(x, y);
                    if (y == 2)
                        want = (x >= keptFrom && x <= keptTo) ? ScaledPixel(want, f[0], f[1], f[2]) : 0;
                    QVERIFY2(d.GetPixelFast(x, y) == want, qPrintable(QStringLiteral("pixel (%1, %2) factors %3 %4 %5")
                                                                       .arg(x).arg(y).arg(f[0]).arg(f[1]).arg(f[2])));
                }
        }
    }
    void scaleRowSpanOutsideRows()
    {
        TDibPlus d(6, 3);
        FillPattern(d);
        const QImage before = d.Image();
        d.ScaleRowSpan(0, 5, -1, 0, 0, 0);
        d.ScaleRowSpan(0, 5, 3, 0, 0, 0);
        IRISONDE_COMPARE_IMAGES(d.Image(), before);
    }

    void scaleAll_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("padded rows") << 37;
        QTest::newRow("unpadded rows (width 64)") << 64;
        QTest::newRow("padded rows, several vector runs and a tail") << 101;
        QTest::newRow("narrow") << 1;
    }
    void scaleAll()
    {
        QFETCH(int, width);
        TDibPlus d(width, 9);
        TDibPlus ref(width, 9);
        FillPattern(d, 11);
        FillPattern(ref, 11);
        d.ScaleAll(128, 256, 3);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < width; ++x)
                QCOMPARE(d.GetPixelFast(x, y), ScaledPixel(ref.GetPixelFast(x, y), 128, 256, 3));
        // 128 halves with truncation: 255 becomes 127.
        TDibPlus w(3, 1);
        w.SetPixelFast(0, 0, 0xFFFFFF);
        w.ScaleAll(128, 0, 256);
        QCOMPARE(w.GetPixelFast(0, 0), 0x7F00FFu);
        // Factors beyond the range saturate instead of wrapping.
        w.SetPixelFast(1, 0, 0xC8C8C8);
        w.ScaleAll(1000, -5, 256);
        QCOMPARE(w.GetPixelFast(1, 0), 0xC800C8u);
    }

    void replaceColour()
    {
        TDibPlus d(4, 2);
        d.SetPixelFast(0, 0, 0xFFFF00);
        d.SetPixelFast(3, 1, 0xFFFF00);
        d.SetPixelFast(1, 0, 0xFFFF01);
        d.SetPixelFast(2, 1, 0xFEFF00);
        d.ReplaceColour(0xFFFF00, 0x00FFFF);
        QCOMPARE(d.GetPixelFast(0, 0), 0x00FFFFu);
        QCOMPARE(d.GetPixelFast(3, 1), 0x00FFFFu);
        QCOMPARE(d.GetPixelFast(1, 0), 0xFFFF01u);
        QCOMPARE(d.GetPixelFast(2, 1), 0xFEFF00u);
        QCOMPARE(d.GetPixelFast(2, 0), 0u);
    }

    void drawCopiesOneToOne()
    {
        TDibPlus src(3, 2);
        FillPattern(src);
        TDibPlus dst(10, 8);
        src.Draw(dst.Canvas(), 4, 1);
        // Canvas (4, 1) is the source's top-left: source pixel (0, 1).
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                QCOMPARE(dst.GetPixelFast(4 + x, 8 - 1 - 1 - (1 - y)), src.GetPixelFast(x, y));
        QCOMPARE(LitPixels(dst).size(), LitPixels(src).size());
    }

    void refusedAllocation_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("zero width") << 0 << 10;
        QTest::newRow("negative height") << 5 << -5;
        QTest::newRow("store beyond 2^31 bytes") << 100000 << 100000;
    }
    void refusedAllocation()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        TDibPlus d(width, height);
        QVERIFY(!d.HasStore());
        QCOMPARE(d.Width(), 0);
        QCOMPARE(d.ImageSize(), 0);
        d.SetPixelSafe(0, 0, 0xFFFFFF);
        d.SetPixelClipped(0, 0, 0xFFFFFF);
        QCOMPARE(d.GetPixelSafe(0, 0), 0u);
        d.ClearRows(0, 10);
        d.ScaleRowSpan(0, 3, 0, 1, 2, 3);
        d.ScaleAll(1, 2, 3);
        d.ReplaceColour(0, 0xFFFFFF);
        d.Circle(0, 0, 3, 0xFFFFFF);
        QVERIFY(d.Image().isNull());
        TDibPlus target(4, 4);
        d.Draw(target.Canvas(), 0, 0);
        QVERIFY(LitPixels(target).empty());
        // A later successful creation gives a working image.
        QVERIFY(d.Create(2, 2));
        d.SetPixelSafe(1, 1, 0x0000FF);
        QCOMPARE(d.GetPixelSafe(1, 1), 0x0000FFu);
    }
};

QTEST_MAIN(TstDibPlus)
#include "tst_dibplus.moc"
