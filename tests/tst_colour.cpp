// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour functions: the two colour forms, the ink fractions and the
// printed plates.
#include "imaging/ColourU.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cfloat>
#include <cmath>

using namespace Irisonde;

class TstColour : public QObject {
    Q_OBJECT
private slots:
    void bytes()
    {
        QCOMPARE(PackRGB(0x12, 0x34, 0x56), 0x563412u);
        // No masking: a wide low part spills into the next byte.
        QCOMPARE(PackRGB(0x1FF, 0, 0), 0x1FFu);
        QCOMPARE(LowByte(0xAABBCCDD), 0xDDu);
        QCOMPARE(MidByte(0xAABBCCDD), 0xCCu);
        QCOMPARE(HighByte(0xAABBCCDD), 0xBBu);
        QCOMPARE(SwapRB(0x12345678), 0x785634u);
        QCOMPARE(SwapRB(0x00FFFF), 0xFFFF00u); // yellow colour value -> pixel value
        QCOMPARE(SwapRB(SwapRB(0x00ABCDEF)), 0x00ABCDEFu);
    }

    void cmyToColour_data()
    {
        QTest::addColumn<double>("ink");
        QTest::addColumn<uint>("channel");
        QTest::newRow("no ink: white") << 0.0 << 255u;
        QTest::newRow("full ink") << 1.0 << 0u;
        QTest::newRow("50 %: 127.5 rounds to 128") << 50 * 0.01 << 128u;
        QTest::newRow("30 %: extended precision gives 179") << 30 * 0.01 << 179u;
        QTest::newRow("10 %: extended precision gives 229") << 10 * 0.01 << 229u;
        QTest::newRow("70 %: 76.49999... gives 76") << 70 * 0.01 << 76u;
        QTest::newRow("90 %") << 90 * 0.01 << 25u;
        QTest::newRow("tiny ink") << 1e-300 << 255u;
    }
    void cmyToColour()
    {
        QFETCH(double, ink);
        QFETCH(uint, channel);
        QCOMPARE(CmyToColour(ink, 0, 0), PackRGB(channel, 255, 255));
        QCOMPARE(CmyToColour(0, ink, 0), PackRGB(255, channel, 255));
        QCOMPARE(CmyToColour(0, 0, ink), PackRGB(255, 255, channel));
    }
    void cmyToColourCorners()
    {
        QCOMPARE(CmyToColour(0, 0, 0), 0xFFFFFFu);
        QCOMPARE(CmyToColour(1, 1, 1), 0u);
        QCOMPARE(CmyToColour(0.5, 0.5, 0.5), PackRGB(128, 128, 128));
    }
    // The integer emulation against the hardware's extended format, where
    // the platform has one: every percentage and many arbitrary fractions.
    void cmyToColourMatchesExtendedPrecision()
    {
        if (LDBL_MANT_DIG != 64)
            QSKIP("long double is not the 64-bit-significand extended format here");
        const auto reference = [](double ink) {
            const long double sub = 1.0L - static_cast<long double>(ink);
            const long double prod = sub * 255.0L;
            return uint32_t(std::nearbyintl(prod)) & 0xFFu;
        };
        // Emulators (valgrind) run long double at double precision.
        if (reference(30 * 0.01) != 179)
            QSKIP("long double arithmetic is not carried out in extended precision here");
        for (int percent = 0; percent <= 100; ++percent) {
            const double f = percent * 0.01;
            QVERIFY2(CmyToColour(f, 0, 0) == PackRGB(reference(f), 255, 255), qPrintable(QString::number(percent)));
        }
        QRandomGenerator rng(3);
        for (int i = 0; i < 200000; ++i) {
            // Fractions near the half-way points, where the roundings differ.
            const double f = (i & 1) ? rng.generateDouble() : (std::floor(rng.generateDouble() * 255) + 0.5) / 255.0;
            const double g = std::nextafter(f, (i & 2) ? 0.0 : 1.0);
            for (double v : {f, g})
                QVERIFY2(LowByte(CmyToColour(v, 0, 0)) == reference(v), qPrintable(QString::number(v, 'g', 17)));
        }
    }

    void fourColourPlate_data()
    {
        QTest::addColumn<uint>("pixel");
        QTest::addColumn<QList<int>>("factors"); // cyan, magenta, yellow, black
        QTest::addColumn<uint>("expected");
        for (const auto &f : {QList<int>{1, 0, 0, 0}, QList<int>{0, 1, 0, 0}, QList<int>{0, 0, 1, 0},
                              QList<int>{0, 0, 0, 1}, QList<int>{1, 1, 1, 1}})
            QTest::addRow("white, factors %d%d%d%d", f[0], f[1], f[2], f[3]) << 0xFFFFFFu << f << 0xFFFFFFu;
        QTest::newRow("grey 128, black alone") << 0x808080u << QList<int>{0, 0, 0, 1} << 0x808080u;
        QTest::newRow("grey 128, cyan alone") << 0x808080u << QList<int>{1, 0, 0, 0} << 0xFFFFFFu;
        QTest::newRow("red, magenta alone") << 0xFF0000u << QList<int>{0, 1, 0, 0} << 0xFF00FFu;
        QTest::newRow("red, yellow alone") << 0xFF0000u << QList<int>{0, 0, 1, 0} << 0xFFFF00u;
        QTest::newRow("red, cyan alone: no cyan in red") << 0xFF0000u << QList<int>{1, 0, 0, 0} << 0xFFFFFFu;
        // (R, G, B) = (200, 100, 50): C 55, M 155, Y 205, K 55 -> C 0, M 100, Y 150.
        QTest::newRow("orange, all inks") << 0xC86432u << QList<int>{1, 1, 1, 1} << PackRGB(50, 100, 200);
        QTest::newRow("orange, black alone") << 0xC86432u << QList<int>{0, 0, 0, 1} << PackRGB(200, 200, 200);
        QTest::newRow("black, black alone: full") << 0x000000u << QList<int>{0, 0, 0, 1} << 0x000000u;
        QTest::newRow("black, two black passes saturate") << 0x000000u << QList<int>{0, 0, 0, 2} << 0x000000u;
    }
    void fourColourPlate()
    {
        QFETCH(uint, pixel);
        QFETCH(QList<int>, factors);
        QFETCH(uint, expected);
        QCOMPARE(FourColourPlate(pixel, factors[0], factors[1], factors[2], factors[3]), expected);
    }

    void threeColourPlate_data()
    {
        QTest::addColumn<QList<int>>("factors");
        QTest::addColumn<uint>("expected");
        // Pixel (R, G, B) = (200, 100, 50).
        QTest::newRow("no ink: white") << QList<int>{0, 0, 0} << 0xFFFFFFu;
        QTest::newRow("all inks: the pixel") << QList<int>{1, 1, 1} << 0xC86432u;
        QTest::newRow("cyan alone lowers red") << QList<int>{1, 0, 0} << PackRGB(255, 255, 200);
        QTest::newRow("yellow alone lowers blue") << QList<int>{0, 0, 1} << PackRGB(50, 255, 255);
    }
    void threeColourPlate()
    {
        QFETCH(QList<int>, factors);
        QFETCH(uint, expected);
        QCOMPARE(ThreeColourPlate(0xC86432u, factors[0], factors[1], factors[2]), expected);
    }
};

QTEST_MAIN(TstColour)
#include "tst_colour.moc"
