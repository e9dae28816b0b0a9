// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The television magnifier's state without any window: the phosphor cells,
// the magnifier against a plain pixel-by-pixel walk of the disc, the bounds
// of level, size and centre, and what a new opening brings back.
#include "tests/support/TestSupport.h"
#include "workshops/state/LoupState.h"

#include <QtTest>

#include <utility>

#include <cmath>

using namespace Irisonde;

using Irisonde::TLoupState;

namespace {

constexpr int ClientW = 640, ClientH = 535; // a 600 x 400 screen area

template <class F>
void FillPicture(TLoupState &s, F pixelAt)
{
    TDibPlus &pic = *s.PictureImage();
    for (int y = 0; y < pic.Height(); ++y)
        for (int x = 0; x < pic.Width(); ++x)
            pic.SetPixelFast(x, y, pixelAt(x, y));
    s.RenderMagnifier();
}

// The screen as the rules describe it, column by column of the disc with
// checked reads and writes: the oracle of the row-by-row walk.
QImage PixelWalk(TLoupState &s)
{
    TDibPlus &pic = *s.PictureImage();
    TDibPlus out(pic.Width(), pic.Height());
    for (int y = 0; y < pic.Height(); ++y)
        for (int x = 0; x < pic.Width(); ++x)
            out.SetPixelFast(x, y, pic.GetPixelFast(x, y));
    const int c = s.CellSize(), g = s.GapWidth(), w = s.StripeWidth(), h = s.MagSize() / 2;
    for (int i = 0; i < s.MagSize(); ++i) {
        const int d = int(std::lround(std::sqrt(double(h * h - (i - h) * (i - h)))));
        for (int j = h - d; j < h + d; ++j) {
            uint32_t p = 0;
            if (s.ZoomLevel() == 2) {
                p = pic.GetPixelSafe(s.SourceLeft() + i / c, s.SourceBottom() + j / c);
            } else {
                const int across = i % c, up = j + (i / c % 2 ? c / 2 : 0);
                if (up % c < c - g && across >= g)
                    p = pic.GetPixelSafe(s.SourceLeft() + i / c, s.SourceBottom() + up / c)
                        & (across < g + w ? 0xFF0000u : across < g + 2 * w ? 0x00FF00u : 0x0000FFu);
            }
            out.SetPixelSafe(s.MagLeft() + i, s.MagBottom() + j, p);
        }
    }
    out.Circle(s.MagX(), pic.Height() - s.MagY(), h, 0);
    return out.Image();
}

} // namespace

class TstLoupState : public QObject {
    Q_OBJECT
private slots:
    // Level 5: cells of 11 x 11, columns 0-1 dark, 2-4 red, 5-7 green, 8-10
    // blue, the top two rows dark, every second column of cells 5 rows off.
    void levelFiveCells_data()
    {
        QTest::addColumn<uint>("colour");
        QTest::newRow("white region: full stripes") << 0xFFFFFFu;
        QTest::newRow("red region: red stripes only") << 0xFF0000u;
    }
    void levelFiveCells()
    {
        QFETCH(uint, colour);
        TLoupState s;
        s.Show(ClientW, ClientH);
        (void)s.ChangeZoomLevel(3);
        QCOMPARE(s.CellSize(), 11);
        (void)s.MoveMagnifier(300, 200);
        FillPicture(s, [&](int, int) { return colour; });
        const char *across = "..RRRGGGBBB";
        QImage expected = s.CopyImage();
        const int h = s.MagSize() / 2;
        for (int i = h - 40; i < h + 40; ++i)
            for (int j = h - 40; j < h + 40; ++j) {
                const int q = (j + (i / 11 % 2 ? 5 : 0)) % 11;
                const char k = q >= 9 ? '.' : across[i % 11];
                const uint shown = k == 'R' ? colour & 0xFF0000u : k == 'G' ? colour & 0x00FF00u
                                 : k == 'B' ? colour & 0x0000FFu : 0u;
                expected.setPixel(s.MagLeft() + i, s.PictureHeight() - 1 - (s.MagBottom() + j), 0xFF000000u | shown);
            }
        IRISONDE_COMPARE_IMAGES(s.CopyImage(), expected);
    }

    void matchesPixelWalk_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("sizeDelta");
        QTest::addColumn<QPoint>("to");      // null: stays at the start
        QTest::addColumn<QSize>("relayout"); // empty: none
        QTest::newRow("level 2 at the start") << 2 << 0 << QPoint() << QSize();
        QTest::newRow("level 4, bottom-right corner") << 4 << 30 << QPoint(900, 900) << QSize();
        QTest::newRow("level 7, largest, top-left corner") << 7 << 200 << QPoint(-9, -9) << QSize();
        QTest::newRow("level 8 at the top edge, reading above the picture") << 8 << -70 << QPoint(301, 1) << QSize();
        QTest::newRow("level 6, area shrunk under the centre") << 6 << 60 << QPoint(560, 350) << QSize(600, 535);
        QTest::newRow("level 2, area shrunk under the centre") << 2 << 60 << QPoint(590, 390) << QSize(590, 535);
    }
    void matchesPixelWalk()
    {
        QFETCH(int, level);
        QFETCH(int, sizeDelta);
        QFETCH(QPoint, to);
        QFETCH(QSize, relayout);
        TLoupState s;
        s.Show(ClientW, ClientH);
        (void)s.ChangeZoomLevel(level - 2);
        (void)s.ChangeMagSize(sizeDelta);
        if (!to.isNull())
            (void)s.MoveMagnifier(to.x(), to.y());
        if (!relayout.isEmpty())
            s.LayoutZones(relayout.width(), relayout.height());
        FillPicture(s, [](int x, int y) { return (uint32_t(x * 7 ^ y * 13) * 0x2F1B07u + 0x405060u) & 0xFFFFFFu; });
        IRISONDE_COMPARE_IMAGES(s.CopyImage(), PixelWalk(s));
    }

    // Any mixture of the pupil's actions and window sizes, tiny ones
    // included, against the pixel walk (a fixed seed, so that a failure
    // repeats).
    void randomActions()
    {
        QRandomGenerator rng(20261208);
        TLoupState s;
        s.Show(300, 250);
        // The picture is drawn anew only with a new layout, as the window
        // does: the pupil's steps redraw just the rows they change.
        bool fresh = true;
        for (int step = 0; step < 300; ++step) {
            const int r = rng.bounded(-400, 400);
            switch (rng.bounded(5)) {
            case 0: s.LayoutZones(rng.bounded(0, 420), rng.bounded(100, 300)); fresh = true; break;
            case 1: (void)s.ChangeZoomLevel(r / 100); break;
            case 2: (void)s.MouseWheel(QPoint(0, r), rng.bounded(2) ? Qt::ShiftModifier : Qt::NoModifier); break;
            default: (void)s.MoveMagnifier(r, rng.bounded(-50, 300)); break;
            }
            if (!s.PictureImage()->HasStore())
                continue;
            if (std::exchange(fresh, false))
                FillPicture(s, [&](int x, int y) { return uint32_t(x * 131 + y * 7919 + step) * 0x9E3779u & 0xFFFFFFu; });
            IRISONDE_COMPARE_IMAGES(s.CopyImage(), PixelWalk(s));
        }
    }

    void levelAndSize_data()
    {
        QTest::addColumn<int>("clientW");
        QTest::addColumn<int>("fromLevel");
        QTest::addColumn<int>("button"); // 0: the wheel
        QTest::addColumn<QPoint>("wheel");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("size");
        const int right = Qt::RightButton, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        QTest::newRow("right raises one level") << ClientW << 4 << right << QPoint() << 0 << 5 << 150;
        QTest::newRow("right at 8 stays at 8") << ClientW << 8 << right << QPoint() << 0 << 8 << 150;
        QTest::newRow("Ctrl+right at 2 stays at 2") << ClientW << 2 << right << QPoint() << ctrl << 2 << 150;
        QTest::newRow("three notches at once") << ClientW << 2 << 0 << QPoint(0, 360) << 0 << 5 << 150;
        QTest::newRow("ten notches, clamped") << ClientW << 2 << 0 << QPoint(0, 1200) << 0 << 8 << 150;
        QTest::newRow("part of a notch") << ClientW << 3 << 0 << QPoint(0, 119) << 0 << 3 << 150;
        QTest::newRow("Shift+wheel, 10 a notch") << ClientW << 3 << 0 << QPoint(0, 240) << shift << 3 << 170;
        QTest::newRow("Shift+wheel as a horizontal delta") << ClientW << 3 << 0 << QPoint(-240, 0) << shift << 3 << 130;
        QTest::newRow("size floor 80") << ClientW << 3 << 0 << QPoint(0, -1200) << shift << 3 << 80;
        QTest::newRow("size ceiling width / 3 + 10") << ClientW << 3 << 0 << QPoint(0, 12000) << shift << 3 << 210;
        QTest::newRow("size ceiling 800") << 3000 << 3 << 0 << QPoint(0, 32760) << shift << 3 << 800;
    }
    void levelAndSize()
    {
        QFETCH(int, clientW);
        QFETCH(int, fromLevel);
        QFETCH(int, button);
        QFETCH(QPoint, wheel);
        QFETCH(int, modifiers);
        TLoupState s;
        s.Show(clientW, ClientH);
        (void)s.ChangeZoomLevel(fromLevel - 2);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        if (button)
            QVERIFY(!s.MouseDown(Qt::MouseButton(button), mods, 10, 10).IsEmpty());
        else
            QCOMPARE(!s.MouseWheel(wheel, mods).IsEmpty(), TLoupState::WheelNotches(wheel) != 0);
        QTEST(s.ZoomLevel(), "level");
        QTEST(s.MagSize(), "size");
        QCOMPARE(s.MagX(), 200); // neither moves the magnifier
    }

    void dragClamps()
    {
        TLoupState s;
        s.Show(ClientW, ClientH);
        QVERIFY(s.MouseMove(Qt::RightButton, 50, 50).IsEmpty());
        QCOMPARE(QPoint(s.MagX(), s.MagY()), QPoint(200, 200));
        QVERIFY(!s.MouseMove(Qt::LeftButton | Qt::RightButton, -50, -50).IsEmpty());
        QCOMPARE(QPoint(s.MagX(), s.MagY()), QPoint(0, 1));
        QVERIFY(!s.MouseDown(Qt::LeftButton, {}, 5000, 5000).IsEmpty());
        QCOMPARE(QPoint(s.MagX(), s.MagY()), QPoint(599, 400));
        // A smaller window keeps it on the picture, where the mouse finds it.
        (void)s.LayoutZones(140, 150);
        QCOMPARE(QPoint(s.MagX(), s.MagY()), QPoint(140 - 40 - 1, 150 - 135));
    }

    // The level lives for the whole run; size and centre come back.
    void closeAndReopen()
    {
        TLoupState s;
        s.Show(ClientW, ClientH);
        (void)s.ChangeZoomLevel(4);
        (void)s.ChangeMagSize(-30);
        (void)s.MoveMagnifier(320, 90);
        s.Close();
        QVERIFY(s.CopyImage().isNull());
        QVERIFY(s.SpanTable().empty());
        (void)s.MouseMove(Qt::LeftButton, 10, 10); // harmless while closed
        (void)s.ChangeMagSize(10);
        s.Show(ClientW, ClientH);
        QCOMPARE(s.ZoomLevel(), 6);
        QCOMPARE(s.CellSize(), 18);
        QCOMPARE(s.MagSize(), 150);
        QCOMPARE(QPoint(s.MagX(), s.MagY()), QPoint(200, 200));
        QCOMPARE(s.SpanTable().size(), size_t(801));
        QCOMPARE(s.CopyImage().size(), QSize(600, 400));
    }
};

QTEST_MAIN(TstLoupState)
#include "tst_loupstate.moc"
