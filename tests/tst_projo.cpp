// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The projector sprite: its picture, the lamp list, the transparent key that
// dodges the lamp colour, and the upright and turned draws.
#include "imaging/ColourU.h"
#include "imaging/ProjoU.h"
#include "imaging/ResourceU.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

#include <cmath>

using namespace Irisonde;

namespace {

// The sprite under test.
Irisonde::TProjo &Projo()
{
    static Irisonde::TProjo projo;
    return projo;
}

// The turned sprite computed straight from its definition, per pixel, with
// std::nearbyint: the reference for the optimised draw.
QImage ReferenceRotation(double angle)
{
    TDibPlus out(ProjoSize, ProjoSize);
    const double c = std::cos(angle), s = std::sin(angle);
    for (int y = 0; y < ProjoSize; ++y)
        for (int x = 0; x < ProjoSize; ++x) {
            const int dx = x - 40, dy = y - 40;
            const int sx = int(std::nearbyint(dx * c - dy * s)) + 40;
            const int sy = int(std::nearbyint(dx * s + dy * c)) + 40;
            if (10 < sx && sx < 70 && 10 < sy && sy < 70) {
                const uint32_t p = Projo().ProjoSource()->GetPixelFast(sx, sy);
                if (p != Projo().ProjoKeyPixel())
                    out.SetPixelFast(x, y, p);
            }
        }
    return out.Image();
}

bool IsGrey(uint32_t p)
{
    return LowByte(p) == MidByte(p) && MidByte(p) == HighByte(p);
}

} // namespace

class TstProjo : public QObject {
    Q_OBJECT
private slots:
    void init() { Projo().CreateProjo(); }
    void cleanup() { Projo().FreeProjo(); }

    void picture()
    {
        const QImage pic = LoadResourceBitmap(QStringLiteral("Projo"));
        QCOMPARE(pic.size(), QSize(57, 57));
        QCOMPARE(pic.format(), QImage::Format_Indexed8);
        QCOMPARE(pic.colorCount(), 256);
        int blue = 0, topBlue = 57, bottomBlue = -1;
        for (int y = 0; y < 57; ++y)
            for (int x = 0; x < 57; ++x) {
                const QRgb p = pic.pixel(x, y) & 0xFFFFFF;
                QVERIFY2(p != 0x00FFFF, "pure cyan in the picture");
                if (p == 0x0000FF) {
                    ++blue;
                    topBlue = std::min(topBlue, y);
                    bottomBlue = std::max(bottomBlue, y);
                }
            }
        for (const QPoint corner : {QPoint(0, 0), QPoint(56, 0), QPoint(0, 56), QPoint(56, 56)})
            QCOMPARE(pic.pixel(corner) & 0xFFFFFF, QRgb(0xFFFF00)); // pure yellow background
        QVERIFY(blue > 0 && blue <= ProjoMaxLamps);
        QVERIFY2(topBlue < 8, "the lens glass must lie near the top edge");
        QVERIFY2(bottomBlue > 40, "the lamp window must lie near the bottom");
    }

    void lampList()
    {
        QVERIFY(Projo().ProjoLampCount() > 0 && Projo().ProjoLampCount() <= ProjoMaxLamps);
        QCOMPARE(Projo().ProjoKeyColour(), 0x00FFFFu);
        QCOMPARE(Projo().ProjoKeyPixel(), 0xFFFF00u);
        int blue = 0;
        for (int y = 0; y < ProjoSize; ++y)
            for (int x = 0; x < ProjoSize; ++x)
                blue += Projo().ProjoSource()->GetPixelFast(x, y) == 0x0000FF;
        QCOMPARE(Projo().ProjoLampCount(), blue);
        for (int i = 0; i < Projo().ProjoLampCount(); ++i) {
            const QPoint p = Projo().ProjoLamps()[i];
            // The picture covers canvas columns and rows 11..67.
            QVERIFY(p.x() >= 11 && p.x() <= 67 && p.y() >= 13 && p.y() <= 69);
        }
        // Outside the picture the source is the key.
        QCOMPARE(Projo().ProjoSource()->GetPixelFast(0, 0), Projo().ProjoKeyPixel());
        QCOMPARE(Projo().ProjoSource()->GetPixelFast(80, 80), Projo().ProjoKeyPixel());
    }

    void lampColourAndKey_data()
    {
        QTest::addColumn<QList<uint>>("lamps"); // colour values drawn in turn
        QTest::addColumn<uint>("finalKey");
        QTest::newRow("red lamp keeps yellow key") << QList<uint>{0x0000FF} << 0x00FFFFu;
        QTest::newRow("yellow lamp turns key cyan") << QList<uint>{0x00FFFF} << 0xFFFF00u;
        QTest::newRow("yellow then cyan turns it back") << QList<uint>{0x00FFFF, 0xFFFF00} << 0x00FFFFu;
        QTest::newRow("cyan lamp under yellow key") << QList<uint>{0xFFFF00} << 0x00FFFFu;
        QTest::newRow("yellow with stray high bits") << QList<uint>{0xFF00FFFF} << 0xFFFF00u;
    }
    void lampColourAndKey()
    {
        QFETCH(QList<uint>, lamps);
        QFETCH(uint, finalKey);
        QImage screen(200, 150, QImage::Format_RGB32);
        screen.fill(QColor(10, 20, 30));
        for (uint lamp : lamps) {
            QPainter p(&screen);
            Projo().DrawProjo(p, 50, 40, lamp);
        }
        QCOMPARE(Projo().ProjoKeyColour(), finalKey);
        QCOMPARE(Projo().ProjoKeyPixel(), SwapRB(finalKey));
        const uint32_t lampPixel = SwapRB(lamps.last() & 0xFFFFFF);
        int lampsSeen = 0;
        for (int y = 0; y < ProjoSize; ++y)
            for (int x = 0; x < ProjoSize; ++x) {
                const uint32_t p = Projo().ProjoOutput()->GetPixelFast(x, y);
                lampsSeen += p == lampPixel;
                QVERIFY2(p == 0 || p == lampPixel || IsGrey(p),
                         qPrintable(QStringLiteral("pixel (%1, %2) = %3").arg(x).arg(y).arg(p, 6, 16)));
            }
        QCOMPARE(lampsSeen, Projo().ProjoLampCount());
        QCOMPARE(Projo().ProjoOutput()->GetPixelFast(0, 0), 0u); // background black
        // The target shows the sprite 1:1 at (50, 40) and nothing around it.
        const QImage out = Projo().ProjoOutput()->Image();
        IRISONDE_COMPARE_IMAGES(screen.copy(50, 40, ProjoSize, ProjoSize), out);
        QCOMPARE(screen.pixelColor(49, 40), QColor(10, 20, 30));
        QCOMPARE(screen.pixelColor(131, 121), QColor(10, 20, 30));
    }

    void rotationAtZeroIsUpright()
    {
        QImage a(ProjoSize, ProjoSize, QImage::Format_RGB32), b = a;
        QPainter pa(&a), pb(&b);
        Projo().DrawProjo(pa, 0, 0, 0x00FF00);
        const QImage upright = Projo().ProjoOutput()->Image();
        Projo().DrawProjoRotated(pb, 0, 0, 0x00FF00, 0.0);
        IRISONDE_COMPARE_IMAGES(Projo().ProjoOutput()->Image(), upright);
    }

    void rotationMatchesDefinition_data()
    {
        QTest::addColumn<double>("angle");
        QTest::newRow("0.3 rad") << 0.3;
        QTest::newRow("-1.2 rad") << -1.2;
        QTest::newRow("quarter turn") << M_PI / 2;
        QTest::newRow("half turn") << M_PI;
        QTest::newRow("eighth turn (many halves)") << M_PI / 4;
    }
    void rotationMatchesDefinition()
    {
        QFETCH(double, angle);
        QImage screen(ProjoSize, ProjoSize, QImage::Format_RGB32);
        QPainter p(&screen);
        Projo().DrawProjoRotated(p, 0, 0, 0xFF8000, angle);
        IRISONDE_COMPARE_IMAGES(Projo().ProjoOutput()->Image(), ReferenceRotation(angle));
    }

    void positiveAngleTurnsClockwise()
    {
        QImage screen(ProjoSize, ProjoSize, QImage::Format_RGB32);
        QPainter p(&screen);
        Projo().DrawProjoRotated(p, 0, 0, 0x0000FF, M_PI / 2);
        p.end();
        // The lens glass (the lamp pixels nearest the top edge upright) now
        // lies near the right edge, at mid-height.
        int rightMost = -1;
        for (int y = 0; y < ProjoSize; ++y)
            for (int x = 0; x < ProjoSize; ++x)
                if (screen.pixel(x, y) == qRgb(255, 0, 0))
                    rightMost = std::max(rightMost, x);
        QVERIFY(rightMost > 62);
    }

    void drawWithoutSprite()
    {
        Projo().FreeProjo();
        QImage screen(90, 90, QImage::Format_RGB32);
        screen.fill(Qt::white);
        QPainter p(&screen);
        Projo().DrawProjo(p, 0, 0, 0x0000FF);
        Projo().DrawProjoRotated(p, 0, 0, 0x0000FF, 1.0);
        p.end();
        QCOMPARE(screen.pixelColor(40, 40), QColor(Qt::white));
    }
};

QTEST_MAIN(TstProjo)
#include "tst_projo.moc"
