// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The scene-lighting workshop's state without any window: the lit scene
// against a reference computed pixel by pixel, the light from the bars and
// buttons, the spot's clamps, the projector, the copy.
#include "imaging/ProjoU.h"
#include "tests/support/TestSupport.h"
#include "workshops/state/EclaireState.h"

#include <QtTest>

#include <cmath>

using namespace Irisonde;

using Irisonde::TEclaireState;

namespace {

constexpr int ClientW = 612, ClientH = 413; // scene 297 x 231, largest radius 148

// Shown and laid out, with a scene whose neighbouring pixels all differ.
void Open(TEclaireState &s)
{
    s.Show();
    (void)s.LayoutZones(ClientW, ClientH);
    for (int y = 0; y < s.PictureHeight(); ++y)
        for (int x = 0; x < s.PictureWidth(); ++x)
            s.ScenePicture()->SetPixelFast(x, y, uint32_t((x * 7 + y * 13) & 255) | uint32_t((x * 3 + 9) & 255) << 8
                                                   | uint32_t((y * 5 + 200) & 255) << 16);
    s.RenderScene();
}

// What the pupil should see: each channel times its factor div 256 inside
// the spot (rows CY - R .. CY + R - 1 from the bottom, CY = height - SpotY,
// half-width the rounded root, none at CY - R) or everywhere; black elsewhere.
QImage Expected(const TEclaireState &s)
{
    QImage out = s.ScenePicture()->Image().convertToFormat(QImage::Format_RGB32);
    const int h = out.height(), r = s.Radius();
    for (int top = 0; top < h; ++top)
        for (int x = 0; x < out.width(); ++x) {
            const int dy = (h - 1 - top) - (h - s.SpotY());
            const long half = dy == -r ? 0 : std::lround(std::sqrt(double(r * r - dy * dy)));
            const bool lit = s.WholeScene() || (dy >= -r && dy < r && std::abs(x - s.SpotX()) <= half);
            const QRgb c = out.pixel(x, top);
            out.setPixel(x, top, lit ? qRgb(qRed(c) * s.FactorR() / 256, qGreen(c) * s.FactorG() / 256, qBlue(c) * s.FactorB() / 256)
                                     : qRgb(0, 0, 0));
        }
    return out;
}

// The sprite the strip should hold (at PictureWidth div 2 - 40), drawn apart.
QImage Sprite(const TEclaireState &s, bool upright)
{
    TProjo projo;
    projo.CreateProjo();
    TDibPlus ref(ProjoSize, ProjoSize);
    if (upright)
        projo.DrawProjo(ref.Canvas(), 0, 0, s.LightColour());
    else
        projo.DrawProjoRotated(ref.Canvas(), 0, 0, s.LightColour(), s.BeamAngle());
    return ref.Image();
}
QImage StripSprite(const TEclaireState &s)
{
    return s.ProjoStrip()->Image().copy(s.PictureWidth() / 2 - 40, 0, ProjoSize, ProjoSize);
}

} // namespace

class TstEclaireState : public QObject {
    Q_OBJECT
private slots:
    void firstShow()
    {
        TEclaireState s;
        s.Show();
        const Irisonde::TEclaireZones z = s.LayoutZones(ClientW, ClientH);
        QCOMPARE(z.Zone, QRect(6, 4, 297, 231));
        QCOMPARE(z.ProjoZone, QRect(6, 235, 297, 81));
        QCOMPARE(z.OriginZone, QRect(309, 4, 297, 231));
        QCOMPARE(z.BlancLabLeft(201), 309 + 48);
        QCOMPARE(z.BlancLabTop, 268);
        Open(s);
        QCOMPARE(s.Radius(), 100);
        QCOMPARE(QPoint(s.SpotX(), s.SpotY()), QPoint(148, 115));
        QCOMPARE(s.LightColour(), 0xFFFFFFu);
        QCOMPARE(s.ShowPercentages(), (std::array<QString, 3>{" 100 %", " 100 %", " 100 %"}));
        IRISONDE_COMPARE_IMAGES(s.LitImage()->Image(), Expected(s));
        IRISONDE_COMPARE_IMAGES(StripSprite(s), Sprite(s, false));
    }

    // bar < 0: the button `button`; else that bar moved to 128.
    void light_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("bar");
        QTest::addColumn<bool>("link");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<uint>("lamp");
        QTest::newRow("grey button") << 3 << -1 << false << QStringList{" 75 %", " 75 %", " 75 %"} << 0xC0C0C0u;
        QTest::newRow("red button, linked") << 0 << -1 << true << QStringList{" 100 %", " 0 %", " 0 %"} << 0x0000FFu;
        QTest::newRow("green bar linked") << -1 << 1 << true << QStringList{" 50 %", " 50 %", " 50 %"} << 0x7F7F7Fu;
        QTest::newRow("green bar alone") << -1 << 1 << false << QStringList{" 100 %", " 50 %", " 100 %"} << 0xFF7FFFu;
    }
    void light()
    {
        QFETCH(int, button);
        QFETCH(int, bar);
        QFETCH(bool, link);
        QFETCH(QStringList, texts);
        QFETCH(uint, lamp);
        TEclaireState s;
        Open(s);
        s.SetLink(link);
        if (bar >= 0) {
            std::array<int32_t, 3> pos{0, 0, 0};
            pos[size_t(bar)] = 128;
            QVERIFY(!s.BarChange(bar, pos).IsEmpty());
        } else
            QVERIFY(!s.ColourButtonClick(button).IsEmpty());
        const std::array<QString, 3> t = s.ShowPercentages();
        QCOMPARE(QStringList(t.begin(), t.end()), texts);
        QCOMPARE(s.LightColour(), lamp);
        IRISONDE_COMPARE_IMAGES(s.LitImage()->Image(), Expected(s));
        IRISONDE_COMPARE_IMAGES(StripSprite(s), Sprite(s, false));
    }

    void drag_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("spotY");
        QTest::newRow("below the bottom: clamped") << QPoint(200, 10000) << 231 - 100 - 3;
        QTest::newRow("half off the left") << QPoint(-50, 100) << 100;
        QTest::newRow("half off the top") << QPoint(60, -40) << -40;
        QTest::newRow("wholly off the right") << QPoint(297 + 101, 90) << 90;
        QTest::newRow("far off the top-left") << QPoint(-2000000000, -2000000000) << -2000000000;
    }
    void drag()
    {
        QFETCH(QPoint, to);
        QFETCH(int, spotY);
        TEclaireState s;
        Open(s);
        (void)s.ColourButtonClick(6); // yellow
        (void)s.MouseLeft(to.x(), to.y());
        QCOMPARE(QPoint(s.SpotX(), s.SpotY()), QPoint(to.x(), spotY));
        QCOMPARE(s.BeamAngle() > 0, to.x() > 148);
        IRISONDE_COMPARE_IMAGES(s.LitImage()->Image(), Expected(s));
        IRISONDE_COMPARE_IMAGES(StripSprite(s), Sprite(s, false));
        // A step redraws only the rows of the spot's old and new places:
        // back, a few pixels on, and out again, each as if drawn afresh.
        for (const QPoint next : {QPoint(140, 120), QPoint(143, 118), to}) {
            (void)s.MouseLeft(next.x(), next.y());
            IRISONDE_COMPARE_IMAGES(s.LitImage()->Image(), Expected(s));
        }
    }

    // In a low window the spot starts below the drag's floor: a sideways
    // arrow leaves its height, Down cannot lift it, Up moves it one pixel.
    void arrowsKeepTheirAxis()
    {
        TEclaireState s;
        s.Show();
        (void)s.LayoutZones(ClientW, 300); // scene 297 x 118, floor 118 - 100 - 3
        QCOMPARE(s.SpotY(), 59);
        QVERIFY(s.SpotY() > s.PictureHeight() - s.Radius() - 3);
        (void)s.KeyMove(1, 0);
        QCOMPARE(QPoint(s.SpotX(), s.SpotY()), QPoint(149, 59));
        (void)s.KeyMove(0, 1);
        QCOMPARE(s.SpotY(), 59);
        (void)s.KeyMove(0, -1);
        QCOMPARE(s.SpotY(), 58);
    }

    void radiusBounds()
    {
        TEclaireState s;
        Open(s);
        for (int i = 0; i < 6; ++i)
            (void)s.MouseRight(false);
        QCOMPARE(s.Radius(), 148);
        QVERIFY(s.MouseRight(false).IsEmpty());
        for (int i = 0; i < 20; ++i)
            (void)s.MouseRight(true);
        QCOMPARE(s.Radius(), 10);
        QVERIFY(s.Wheel(119).IsEmpty());
        QVERIFY(!s.Wheel(240).IsEmpty());
        QCOMPARE(s.Radius(), 30);
        QVERIFY(!s.Wheel(-250).IsEmpty());
        QCOMPARE(s.Radius(), 10);
        IRISONDE_COMPARE_IMAGES(s.LitImage()->Image(), Expected(s));
        // A scene narrower than 20: the lower bound wins.
        (void)s.LayoutZones(50, ClientH);
        QCOMPARE(s.MaxRadius(), 8);
        QVERIFY(s.MouseRight(false).IsEmpty());
        QCOMPARE(s.Radius(), 10);
        // No room for the scene: nothing to draw or copy, and no fault.
        (void)s.LayoutZones(10, 100);
        (void)s.MouseLeft(5, 5);
        (void)s.Wheel(1200);
        QVERIFY(s.CopyImage().isNull());
    }

    void wholeScene()
    {
        TEclaireState s;
        Open(s);
        (void)s.ColourButtonClick(4); // magenta
        (void)s.SetWholeScene(true);
        (void)s.MouseLeft(250, 40);
        IRISONDE_COMPARE_IMAGES(s.LitImage()->Image(), Expected(s));
        IRISONDE_COMPARE_IMAGES(StripSprite(s), Sprite(s, true));
        // The hidden spot moved; it shows, aimed at, once the box is unticked.
        (void)s.SetWholeScene(false);
        QVERIFY(s.BeamAngle() > 0.1);
        IRISONDE_COMPARE_IMAGES(s.LitImage()->Image(), Expected(s));
        IRISONDE_COMPARE_IMAGES(StripSprite(s), Sprite(s, false));
        const QImage copy = s.CopyImage();
        QCOMPARE(copy.size(), QSize(297, 231 + 81));
        IRISONDE_COMPARE_IMAGES(copy.copy(0, 0, 297, 231), s.LitImage()->Image());
        IRISONDE_COMPARE_IMAGES(copy.copy(0, 231, 297, 81), s.ProjoStrip()->Image());
    }
};

QTEST_MAIN(TstEclaireState)
#include "tst_eclairestate.moc"
