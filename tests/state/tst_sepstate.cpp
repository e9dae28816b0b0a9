// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The separation workshops' state without any window: plates and
// recomposition of plain pictures, the plate rules against the colour
// functions, the mode and ink flags, the layout and the copy.
#include "imaging/ColourU.h"
#include "tests/support/TestSupport.h"
#include "workshops/state/SepState.h"
#include "workshops/state/SynthState.h"

#include <QtTest>

using namespace Irisonde;

namespace {

QImage Plain(const TDibPlus &like, QRgb colour)
{
    QImage out(like.Width(), like.Height(), QImage::Format_RGB32);
    out.fill(colour);
    return out;
}

// A picture holding every level of every channel, in many mixes.
void Sweep(TDibPlus &picture)
{
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x)
            picture.SetPixelFast(x, y, PackRGB(uint32_t(x * 7 + y) & 255, uint32_t(x * 3 + y * 5) & 255,
                                               uint32_t(x + y * 11) & 255));
}

const TSeparation &Table(int which) { return which ? RGBSeparation : QuadriSeparation; }

} // namespace

class TstSepState : public QObject {
    Q_OBJECT
private slots:
    // A plain picture separated, every plate cell and the recomposition read.
    // `plates` lists each plate cell's colour in table order, 0 for the blank.
    void plainPictures_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QRgb>("picture");
        QTest::addColumn<int>("ticked");
        QTest::addColumn<QList<QRgb>>("plates");
        QTest::addColumn<QRgb>("recomposed");
        const QRgb w = 0xFFFFFFFF, grey = qRgb(128, 128, 128), red = qRgb(255, 0, 0);
        QTest::newRow("mid grey, four colours") << 0 << Quadri::FourColourMode << grey << 0b1111
                                                << QList<QRgb>{w, w, w, grey} << grey;
        QTest::newRow("pure red, four colours") << 0 << Quadri::FourColourMode << red << 0b1111
                                                << QList<QRgb>{w, qRgb(255, 0, 255), qRgb(255, 255, 0), w} << red;
        // The black under a coloured ink: amounts add, not bits.
        QTest::newRow("muted cyan, cyan and black") << 0 << Quadri::FourColourMode << qRgb(64, 191, 191) << 0b1001
                                                    << QList<QRgb>{qRgb(128, 255, 255), w, w, qRgb(191, 191, 191)}
                                                    << qRgb(64, 191, 191);
        QTest::newRow("black, three colours") << 0 << Quadri::ThreeColourMode << qRgb(0, 0, 0) << 0b0111
                                              << QList<QRgb>{qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(255, 255, 0), 0}
                                              << qRgb(0, 0, 0);
        QTest::newRow("white, three colours") << 0 << Quadri::ThreeColourMode << w << 0b0111
                                              << QList<QRgb>{w, w, w, 0} << w;
        QTest::newRow("K ticked in three colours changes nothing")
            << 0 << Quadri::ThreeColourMode << qRgb(0, 0, 0) << 0b1001
            << QList<QRgb>{qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(255, 255, 0), 0} << qRgb(0, 255, 255);
        QTest::newRow("no ink: white paper") << 0 << Quadri::FourColourMode << red << 0
                                             << QList<QRgb>{w, qRgb(255, 0, 255), qRgb(255, 255, 0), w} << w;
        QTest::newRow("white, red and green: yellow") << 1 << RGB::DecomposeMode << w << 0b011
                                                      << QList<QRgb>{red, qRgb(0, 255, 0), qRgb(0, 0, 255)}
                                                      << qRgb(255, 255, 0);
        QTest::newRow("no light: black screen") << 1 << RGB::DecomposeMode << w << 0
                                                << QList<QRgb>{red, qRgb(0, 255, 0), qRgb(0, 0, 255)} << qRgb(0, 0, 0);
    }
    void plainPictures()
    {
        QFETCH(int, which);
        QFETCH(int, mode);
        QFETCH(QRgb, picture);
        QFETCH(int, ticked);
        QFETCH(QList<QRgb>, plates);
        QFETCH(QRgb, recomposed);
        TSepState s(Table(which));
        s.LayoutZones(200, 150);
        FillImage(*s.PictureImage(), SwapRB(QColorToColour(QColor(picture))));
        for (int i = 0; i < int(s.PlateCount()); ++i)
            (void)s.RecomposeCheck(i, (ticked >> i) & 1);
        (void)s.ModeCheckClick(mode, true);
        for (int c = 0; c < SepCellCount; ++c) {
            const TSepCell &cell = s.Table().Cells[size_t(c)];
            if (cell.Kind == ESepCell::Plate && plates[cell.Plate] == 0)
                QCOMPARE(s.CellImage(c), s.BlankBitmap());
            else if (cell.Kind == ESepCell::Plate)
                IRISONDE_COMPARE_IMAGES(s.CellImage(c)->Image(), Plain(*s.PictureImage(), plates[cell.Plate]));
            else if (cell.Kind == ESepCell::Recomposed)
                IRISONDE_COMPARE_IMAGES(s.CellImage(c)->Image(), Plain(*s.PictureImage(), recomposed));
        }
    }

    // Every plate pixel, and every ink laid together, as the colour
    // functions give them; the four inks and the three lights each give the
    // picture back exactly.
    void platesFollowTheColourFunctions()
    {
        TSepState quadri(QuadriSeparation), rgb(RGBSeparation);
        for (TSepState *s : {&quadri, &rgb}) {
            // 250 pixels: rows and stores that end past a whole block.
            s->LayoutZones(26 + 3 * 250, 110 + 2 * 64);
            Sweep(*s->PictureImage());
            for (int i = 0; i < int(s->PlateCount()); ++i)
                (void)s->RecomposeCheck(i, true);
        }
        // Each plate in use, and all of them laid over each other: `rule`
        // gives the colour of the picture pixel with the inks (lights) of a
        // mask of plates.
        const auto check = [](TSepState &s, int mode, auto rule) {
            (void)s.ModeCheckClick(mode, true);
            QImage expected[4], laid = Plain(*s.PictureImage(), 0);
            unsigned inUse = 0;
            for (size_t i = 0; i < size_t(s.PlateCount()); ++i) {
                expected[i] = Plain(*s.PictureImage(), 0);
                inUse |= unsigned(s.PlateInUse(int(i))) << i;
            }
            for (int32_t y = 0; y < s.PictureHeight(); ++y)
                for (int32_t x = 0; x < s.PictureWidth(); ++x) {
                    const QPoint at(x, s.PictureHeight() - 1 - y);
                    const uint32_t p = s.PictureImage()->GetPixelFast(x, y);
                    for (size_t i = 0; i < size_t(s.PlateCount()); ++i)
                        if ((inUse >> i) & 1)
                            expected[i].setPixelColor(at, PixelToQColor(rule(p, 1u << i)));
                    laid.setPixelColor(at, PixelToQColor(rule(p, inUse)));
                }
            for (size_t i = 0; i < size_t(s.PlateCount()); ++i)
                if ((inUse >> i) & 1)
                    IRISONDE_COMPARE_IMAGES(s.Plate(int32_t(i))->Image(), expected[i]);
            IRISONDE_COMPARE_IMAGES(s.RecomposedBitmap()->Image(), laid);
        };
        check(quadri, Quadri::FourColourMode, [](uint32_t p, unsigned m) {
            return FourColourPlate(p, m & 1, (m >> 1) & 1, (m >> 2) & 1, (m >> 3) & 1);
        });
        IRISONDE_COMPARE_IMAGES(quadri.RecomposedBitmap()->Image(), quadri.PictureImage()->Image());
        check(quadri, Quadri::ThreeColourMode, [](uint32_t p, unsigned m) {
            return ThreeColourPlate(p, m & 1, (m >> 1) & 1, (m >> 2) & 1);
        });
        check(rgb, RGB::DecomposeMode, [](uint32_t p, unsigned m) {
            return p & ((m & 1 ? 0xFF0000u : 0) | (m & 2 ? 0xFF00u : 0) | (m & 4 ? 0xFFu : 0));
        });
        IRISONDE_COMPARE_IMAGES(rgb.RecomposedBitmap()->Image(), rgb.PictureImage()->Image());
    }

    // Modes exclude each other; unticking the active one blanks every pane
    // but the picture; a picture or layout change unticks everything.
    void flags()
    {
        TSepState s(QuadriSeparation);
        s.LayoutZones(300, 250);
        const std::array<bool, SepMaxModes> noModes{};
        const std::array<bool, SepMaxInks> noInks{};
        const auto allBlank = [&s] {
            for (int c = 1; c < SepCellCount; ++c)
                if (s.CellImage(c) != s.BlankBitmap())
                    return false;
            return s.CellImage(0) == s.PictureImage();
        };
        (void)s.ModeCheckClick(Quadri::FourColourMode, true);
        (void)s.ModeCheckClick(Quadri::ThreeColourMode, true);
        QVERIFY(!s.ModeFlags()[Quadri::FourColourMode] && s.ModeFlags()[Quadri::ThreeColourMode]);
        QVERIFY(s.CellImage(4) == s.BlankBitmap() && s.CellImage(1) == s.Plate(Quadri::CyanPlate));
        (void)s.ModeCheckClick(Quadri::ThreeColourMode, false);
        QVERIFY(allBlank());
        const auto tickAll = [&s] {
            (void)s.ModeCheckClick(Quadri::FourColourMode, true);
            for (int i = 0; i < 4; ++i)
                (void)s.RecomposeCheck(i, true);
        };
        tickAll();
        s.ResetModes();
        QVERIFY(allBlank() && s.ModeFlags() == noModes && s.InkFlags() == noInks);
        tickAll();
        s.LayoutZones(320, 250);
        QVERIFY(allBlank() && s.ModeFlags() == noModes && s.InkFlags() == noInks);
    }

    // Panes, labels and the logo where the layout rules put them; the blank.
    void layout()
    {
        TSepState s(RGBSeparation);
        s.LayoutZones(612, 413);
        QCOMPARE(QSize(s.PictureWidth(), s.PictureHeight()), QSize(195, 151));
        QCOMPARE(s.CellRect(2), QRect(411, 4, 195, 151));
        QCOMPARE(s.CellRect(3), QRect(4, 180, 195, 151));
        QCOMPARE(s.CellRect(4), QRect(244, 233, 123, 44));
        QCOMPARE(s.PlaceLabels({0, 0, 0, 0, 0, 95})[5], QPoint(461, 332));
        const QImage blank = s.BlankBitmap()->Image();
        QCOMPARE(blank.pixel(100, 0), qRgb(0, 0, 0));
        QCOMPARE(blank.pixel(194, 80), qRgb(0, 0, 0));
        QCOMPARE(blank.pixel(60, 60), qRgb(255, 255, 255));
        QCOMPARE(blank.pixel(98, 76), qRgb(128, 128, 128));
        QCOMPARE(blank.pixel(97, 76), qRgb(128, 128, 128));
    }

    // The copy: three panes by two on the table's background; empty panes
    // and the logo left out.
    void copy_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("modeOn");
        QTest::newRow("four colours, all inks") << 0 << true;
        QTest::newRow("four-colour window, no mode") << 0 << false;
        QTest::newRow("lights, all three") << 1 << true;
        QTest::newRow("RGB window, no mode") << 1 << false;
    }
    void copy()
    {
        QFETCH(int, which);
        QFETCH(bool, modeOn);
        TSepState s(Table(which));
        s.LayoutZones(400, 300);
        Sweep(*s.PictureImage());
        for (int i = 0; i < int(s.PlateCount()); ++i)
            (void)s.RecomposeCheck(i, true);
        (void)s.ModeCheckClick(0, modeOn);
        const int w = s.PictureWidth(), h = s.PictureHeight();
        QImage expected(3 * w, 2 * h, QImage::Format_RGB32);
        expected.fill(PixelToQColor(s.Table().CopyBackPixel));
        QPainter p(&expected);
        p.drawImage(0, 0, s.PictureImage()->Image());
        if (modeOn)
            for (int c = 1; c < SepCellCount; ++c)
                if (s.Table().Cells[size_t(c)].Kind != ESepCell::Logo)
                    p.drawImage((c % 3) * w, (c / 3) * h, s.CellImage(c)->Image());
        p.end();
        IRISONDE_COMPARE_IMAGES(s.CopyImage(), expected);
    }

    // A window too small for any pane: no picture, no crash, no copy.
    void tooSmall()
    {
        for (const TSeparation *t : {&QuadriSeparation, &RGBSeparation}) {
            TSepState s(*t);
            s.LayoutZones(20, 100);
            (void)s.ModeCheckClick(0, true);
            (void)s.RecomposeCheck(0, true);
            QVERIFY(s.CopyImage().isNull());
            s.Close();
            (void)s.ModeCheckClick(0, true);
            QVERIFY(s.CellImage(0) == nullptr);
        }
    }
};

QTEST_MAIN(TstSepState)
#include "tst_sepstate.moc"
