// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The test card: where it sits in the area, and its grid, bands and disc at
// several sizes on both sides of the 1.333 threshold.
#include "imaging/DibPlusU.h"
#include "imaging/PictureU.h"
#include "tests/support/PictureCanvas.h"
#include "tests/support/TestSupport.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace Irisonde;
using testsupport::TestPicture;

namespace {

int Round(double v) { return int(std::nearbyint(v)); }

const QColor Back(10, 20, 30);

QImage DrawCard(int w, int h)
{
    QImage image(w, h, QImage::Format_BGR888);
    image.fill(Qt::magenta);
    TestPicture().SetPictureArea(w, h);
    TestPicture().SetPictureBackColour(Back);
    QPainter canvas(&image);
    TestPicture().DrawDefaultPicture(canvas);
    return image;
}

QColor At(const QImage &image, int x, int y) { return image.pixelColor(x, y); }

} // namespace

class TstDefaultPicture : public QObject {
    Q_OBJECT
private slots:
    void cardRect_data();
    void cardRect();
    void geometry_data();
    void geometry();
    void halvesRoundToEven();
    void emptyAreaDrawsNothing();
    void drawsOnPixelImageCanvas();
};

void TstDefaultPicture::cardRect_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QRect>("card");
    QTest::newRow("400x300 above 1.333: height-bound, no bands") << QSize(400, 300) << QRect(0, 0, 400, 300);
    QTest::newRow("600x300 wide: bands left and right") << QSize(600, 300) << QRect(100, 0, 400, 300);
    QTest::newRow("400x400 tall: bands above and below") << QSize(400, 400) << QRect(0, 50, 400, 300);
    QTest::newRow("1333x1000 at 1.333: width-bound") << QSize(1333, 1000) << QRect(0, 0, 1333, 1000);
    QTest::newRow("13332x10000 between 1.333 and 4/3: height-bound") << QSize(13332, 10000) << QRect(0, 0, 13333, 10000);
    QTest::newRow("800x800 below: width-bound") << QSize(800, 800) << QRect(0, 100, 800, 600);
}

void TstDefaultPicture::cardRect()
{
    QFETCH(QSize, area);
    QFETCH(QRect, card);
    QCOMPARE(DefaultCardRect(area.width(), area.height()), card);
}

void TstDefaultPicture::geometry_data()
{
    QTest::addColumn<QSize>("area");
    QTest::newRow("640x480 above 1.333") << QSize(640, 480);
    QTest::newRow("1333x1000 at 1.333") << QSize(1333, 1000);
    QTest::newRow("800x800 below 1.333") << QSize(800, 800);
    QTest::newRow("600x300 with side bands") << QSize(600, 300);
}

void TstDefaultPicture::geometry()
{
    QFETCH(QSize, area);
    const QImage image = DrawCard(area.width(), area.height());
    const QRect card = DefaultCardRect(area.width(), area.height());
    const int x0 = card.x(), y0 = card.y(), w = card.width(), h = card.height();
    const double u = w / 17.0;
    const auto P = [&](double ku, double kv) { return At(image, x0 + Round(ku * u), y0 + Round(kv * u)); };
    const QColor white(255, 255, 255), black(0, 0, 0), grey(128, 128, 128);

    // Bands of the background colour around the card, the whole area covered.
    if (x0 > 0) {
        QCOMPARE(At(image, x0 / 2, area.height() / 2), Back);
        QCOMPARE(At(image, area.width() - 1 - x0 / 2, area.height() / 2), Back);
    }
    if (y0 > 0) {
        QCOMPARE(At(image, area.width() / 2, y0 / 2), Back);
        QCOMPARE(At(image, area.width() / 2, area.height() - 1 - y0 / 2), Back);
    }
    // The grid outside the disc: grey cells, white lines on round(k u) and
    // on the last column and row.
    QCOMPARE(P(0.5, 0.5), grey);
    QCOMPARE(At(image, x0 + Round(u), y0 + Round(0.5 * u)), white);
    QCOMPARE(At(image, x0 + Round(0.5 * u), y0 + Round(2 * u)), white);
    QCOMPARE(At(image, x0 + w - 1, y0 + Round(0.5 * u)), white);
    QCOMPARE(At(image, x0 + Round(0.5 * u), y0 + h - 1), white);
    QCOMPARE(P(16.5, 11.5), grey);

    // Inside the disc: the colour bars, yellow first and blue last.
    const QColor bars[6] = {{255, 255, 0}, {0, 255, 255}, {0, 255, 0}, {255, 0, 255}, {255, 0, 0}, {0, 0, 255}};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(P(3.5 + 2 * i, 5.5), bars[i]);
    // Grey steps (the end ones touch the disc's edge).
    const int steps[4] = {80, 102, 153, 204};
    for (int j = 1; j <= 4; ++j)
        QCOMPARE(P(3.5 + 2 * j, 9.5), QColor(steps[j - 1], steps[j - 1], steps[j - 1]));
    // Black marks and the white gaps between them.
    QCOMPARE(P(5.75, 3.5), black);
    QCOMPARE(P(6.25, 3.5), white);
    // The centre cross over the black block.
    const int cx = x0 + w / 2, cy = y0 + h / 2;
    QCOMPARE(At(image, cx, y0 + Round(5.5 * u)), white);
    QCOMPARE(At(image, cx + 3, y0 + Round(5.5 * u)), black);
    QCOMPARE(At(image, x0 + Round(4.2 * u), cy), white);
    QCOMPARE(At(image, x0 + Round(4.2 * u), cy - 2), black);
    // Bottom: yellow strip with the red block in the middle.
    QCOMPARE(P(7, 11.5), QColor(255, 255, 0));
    QCOMPARE(P(8.5, 11.5), QColor(255, 0, 0));
    // Outside the disc the grid shows even where the contents would be.
    QCOMPARE(P(0.5, 5.5), grey);
    QCOMPARE(P(16.5, 5.5), grey);

    // The gratings: the first group's bars are 5 pixels wide and 5 apart.
    int runs = 0, last = -1;
    const int gy = y0 + Round(8 * u);
    for (int x = x0 + Round(3.5 * u); x < x0 + Round(5.5 * u); ++x) {
        const int v = At(image, x, gy) == white ? 1 : 0;
        if (v != last)
            ++runs;
        last = v;
    }
    QVERIFY2(runs >= 6, qPrintable(QStringLiteral("only %1 runs in the first grating group").arg(runs)));

    // The title: white letters on black, centred on 6u..11u.
    int minX = INT_MAX, maxX = -1;
    for (int y = y0 + Round(u) + 1; y < y0 + Round(2 * u) - 1; ++y)
        for (int x = x0 + Round(6 * u); x < x0 + Round(11 * u); ++x)
            if (At(image, x, y) == white) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    QVERIFY2(maxX > minX, "no title letters");
    QVERIFY2(std::abs((minX + maxX) / 2.0 - (x0 + 8.5 * u)) <= u / 4,
             qPrintable(QStringLiteral("title centred on %1, expected %2").arg((minX + maxX) / 2.0).arg(x0 + 8.5 * u)));
    QCOMPARE(At(image, x0 + Round(6 * u) + 1, y0 + Round(1.5 * u)), black);
}

void TstDefaultPicture::halvesRoundToEven()
{
    // A 17-pixel card has u = 1: 4.5u rounds to 4 and 6.5u to 6, so the
    // cyan bar covers columns 4 and 5 (rounding halves up would give 5 and 6).
    const QImage image = DrawCard(17, 13);
    QCOMPARE(DefaultCardRect(17, 13), QRect(0, 0, 17, 13));
    QCOMPARE(At(image, 3, 5), QColor(255, 255, 0));
    QCOMPARE(At(image, 4, 5), QColor(0, 255, 255));
    QCOMPARE(At(image, 5, 5), QColor(0, 255, 255));
    QCOMPARE(At(image, 6, 5), QColor(0, 255, 0));
}

void TstDefaultPicture::emptyAreaDrawsNothing()
{
    QImage image(4, 4, QImage::Format_BGR888);
    image.fill(Qt::magenta);
    TestPicture().SetPictureArea(0, 4);
    QPainter canvas(&image);
    TestPicture().DrawDefaultPicture(canvas);
    canvas.end();
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::magenta));
}

void TstDefaultPicture::drawsOnPixelImageCanvas()
{
    // On a workshop's pixel image, whose pixel rows count from the bottom:
    // the bands of 600 x 300 are at the left and right, the card's top-left
    // grid corner is canvas point (100, 0), pixel row 299.
    TDibPlus dib(600, 300);
    TestPicture().SetPictureArea(600, 300);
    TestPicture().SetPictureBackColour(QColor(10, 20, 30));
    TestPicture().DrawDefaultPicture(dib.Canvas());
    QCOMPARE(dib.GetPixelFast(50, 150), 0x0A141Eu); // red 10, green 20, blue 30 as a pixel value
    QCOMPARE(dib.GetPixelFast(100, 299), 0xFFFFFFu);  // white grid line at the card's left edge
    QCOMPARE(dib.GetPixelFast(110, 290), 0x808080u);  // a grey cell
}

QTEST_MAIN(TstDefaultPicture)
#include "tst_defaultpicture.moc"
