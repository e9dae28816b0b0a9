// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Metafiles: shapes, fills in both modes, text, bitmap records, clipping,
// the placeable frame and the plain window, natural sizes, fitting and
// stretching, and the deleted-font slot that libwmf reuses.
#include "imaging/PictureU.h"
#include "tests/support/PictureCanvas.h"
#include "tests/support/TestSupport.h"

#include <QPainter>
#include <QtTest>

using testsupport::DataFile;

using namespace Irisonde;
using testsupport::TestPicture;

namespace {

const QColor &Back = testsupport::PictureTestBack;
using testsupport::TCanvas;

} // namespace

class TstMetafiles : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        TestPicture().ResetPictureState();
        TestPicture().SetPictureBackColour(Back);
    }
    void metafileDrawing_data();
    void metafileDrawing();
    void metafileNaturalSize_data();
    void metafileNaturalSize();
    void metafileStaysInsideItsTarget();
    void metafileText();
    void deletedFontDoesNotCrash();
    void metafileFittedAndStretched();
    void wideDashedPenDrawsSolid();
};

void TstMetafiles::metafileDrawing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    const QColor red(255, 0, 0), blue(0, 0, 255), green(0, 255, 0), none = Back;
    QTest::newRow("rectangle inside") << "wmf_rectangle.wmf" << QSize(200, 100) << QPoint(100, 50) << red;
    QTest::newRow("rectangle outside") << "wmf_rectangle.wmf" << QSize(200, 100) << QPoint(20, 10) << none;
    QTest::newRow("alternate: hole in the middle") << "wmf_fill_alternate.wmf" << QSize(200, 200) << QPoint(100, 100) << none;
    QTest::newRow("alternate: ring filled") << "wmf_fill_alternate.wmf" << QSize(200, 200) << QPoint(40, 40) << blue;
    QTest::newRow("winding: middle filled") << "wmf_fill_winding.wmf" << QSize(200, 200) << QPoint(100, 100) << blue;
    QTest::newRow("polygon inside") << "wmf_polygon.wmf" << QSize(200, 200) << QPoint(100, 150) << green;
    QTest::newRow("polygon outside") << "wmf_polygon.wmf" << QSize(200, 200) << QPoint(30, 40) << none;
    QTest::newRow("plain metafile, window left half") << "wmf_plain.wmf" << QSize(300, 150) << QPoint(75, 75) << red;
    QTest::newRow("plain metafile, window right half") << "wmf_plain.wmf" << QSize(300, 150) << QPoint(225, 75) << none;
    QTest::newRow("offset frame, left half") << "wmf_frame_offset.wmf" << QSize(400, 200) << QPoint(100, 100) << red;
    QTest::newRow("offset frame, right half") << "wmf_frame_offset.wmf" << QSize(400, 200) << QPoint(300, 100) << none;
    const QColor yellow(255, 255, 0), magenta(255, 0, 255), white(255, 255, 255);
    QTest::newRow("bitmap record, top left") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(275, 220) << red;
    QTest::newRow("bitmap record, top right") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(325, 220) << green;
    QTest::newRow("bitmap record, bottom left") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(275, 260) << blue;
    QTest::newRow("bitmap record, bottom right") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(325, 260) << white;
    QTest::newRow("clipped rectangle, inside the clip") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(100, 250) << magenta;
    QTest::newRow("clipped rectangle, left of the clip") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(5, 250) << none;
    QTest::newRow("clipped rectangle, right of the clip") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(245, 290) << none;
    QTest::newRow("pie: lower half empty") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(60, 175) << none;
    QTest::newRow("chord: lower half empty") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(180, 175) << none;
    QTest::newRow("arc: not filled") << "wmf_shapes.wmf" << QSize(400, 300) << QPoint(320, 40) << none;
}

void TstMetafiles::metafileDrawing()
{
    QFETCH(QString, file);
    QFETCH(QSize, area);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QCOMPARE(TestPicture().OpenMetafileFile(DataFile(file)), EPictureFault::None);
    TCanvas canvas(area.width(), area.height());
    TestPicture().SetStretchFlag(true);
    TestPicture().DrawMetafilePicture(canvas.Painter);
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::Metafile);
    QCOMPARE(canvas.At(at.x(), at.y()), colour);
}

void TstMetafiles::metafileNaturalSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("placeable at 96 units per inch") << "wmf_rectangle.wmf" << QSize(200, 100);
    QTest::newRow("placeable in twips") << "wmf_frame_offset.wmf" << QSize(27, 13);
    QTest::newRow("plain: window extent") << "wmf_plain.wmf" << QSize(300, 150);
    QTest::newRow("absurd largest record, no end record: mended") << "wmf_absurd_max_record.wmf" << QSize(200, 100);
    QTest::newRow("upper-case extension") << "UPPER_CASE.WMF" << QSize(200, 100);
}

void TstMetafiles::metafileNaturalSize()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QCOMPARE(TestPicture().OpenMetafileFile(DataFile(file)), EPictureFault::None);
    QCOMPARE(TestPicture().PictureMetafile()->NaturalSize(), size);
}

void TstMetafiles::metafileStaysInsideItsTarget()
{
    // The frame's records reach far beyond it; nothing shows outside the target.
    QCOMPARE(TestPicture().OpenMetafileFile(DataFile("wmf_frame_offset.wmf")), EPictureFault::None);
    TCanvas canvas(600, 400);
    canvas.Painter.fillRect(canvas.Image.rect(), Qt::white);
    TestPicture().PictureMetafile()->Draw(canvas.Painter, QRectF(100, 100, 400, 200));
    QCOMPARE(canvas.At(200, 200), QColor(255, 0, 0));
    QCOMPARE(canvas.At(550, 250), QColor(255, 255, 255));
    QCOMPARE(canvas.At(450, 350), QColor(255, 255, 255));
    QCOMPARE(canvas.At(50, 150), QColor(255, 255, 255));
}

void TstMetafiles::metafileText()
{
    QCOMPARE(TestPicture().OpenMetafileFile(DataFile("wmf_text.wmf")), EPictureFault::None);
    TCanvas canvas(400, 100);
    TestPicture().SetStretchFlag(true);
    TestPicture().SetPictureBackColour(Qt::white);
    TestPicture().DrawMetafilePicture(canvas.Painter);
    canvas.Painter.end();
    int dark = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 400; ++x)
            if (canvas.Image.pixelColor(x, y) != QColor(Qt::white)) {
                ++dark;
                if (x < 15 || y < 15)
                    ++outside;
            }
    QVERIFY2(dark > 500, qPrintable(QStringLiteral("%1 text pixels").arg(dark)));
    QCOMPARE(outside, 0);
}

void TstMetafiles::deletedFontDoesNotCrash()
{
    // The selected font is deleted and a pen reuses its slot before text:
    // the device layer must describe the font from its own copy.
    QCOMPARE(TestPicture().OpenMetafileFile(DataFile("wmf_deleted_font.wmf")), EPictureFault::None);
    TCanvas canvas(200, 100);
    TestPicture().DrawMetafilePicture(canvas.Painter);
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::Metafile);
}

void TstMetafiles::metafileFittedAndStretched()
{
    // Twice as wide as high in 400 x 300: drawn 400 x 200 at y = 50.
    QCOMPARE(TestPicture().OpenMetafileFile(DataFile("wmf_rectangle.wmf")), EPictureFault::None);
    {
        TCanvas canvas(400, 300);
        TestPicture().DrawMetafilePicture(canvas.Painter);
        QCOMPARE(TestPicture().PictureMetafile()->Width(), 400);
        QCOMPARE(TestPicture().PictureMetafile()->Height(), 200);
        QCOMPARE(canvas.At(200, 105), QColor(255, 0, 0));
        QCOMPARE(canvas.At(200, 95), Back);  // red from y = 100 to 200
        QCOMPARE(canvas.At(200, 205), Back);
        QCOMPARE(canvas.At(95, 150), Back);  // and from x = 100 to 300
    }
    {
        TestPicture().SetStretchFlag(true);
        TCanvas canvas(400, 300);
        TestPicture().DrawMetafilePicture(canvas.Painter);
        QCOMPARE(canvas.At(200, 80), QColor(255, 0, 0)); // red from y = 75 to 225
        QCOMPARE(canvas.At(200, 220), QColor(255, 0, 0));
        QCOMPARE(canvas.At(200, 70), Back);
    }
    {
        // A tall area: fitted by height, centred across.
        TestPicture().SetStretchFlag(false);
        TCanvas canvas(300, 50);
        TestPicture().DrawMetafilePicture(canvas.Painter);
        QCOMPARE(TestPicture().PictureMetafile()->Width(), 100);
        QCOMPARE(TestPicture().PictureMetafile()->Height(), 50);
        QCOMPARE(canvas.At(150, 25), QColor(255, 0, 0)); // red from x = 125 to 175
        QCOMPARE(canvas.At(120, 25), Back);
        QCOMPARE(canvas.At(180, 25), Back);
    }
}

void TstMetafiles::wideDashedPenDrawsSolid()
{
    QCOMPARE(TestPicture().OpenMetafileFile(DataFile("wmf_wide_dashed_pen.wmf")), EPictureFault::None);
    TCanvas canvas(200, 100);
    TestPicture().SetStretchFlag(true);
    TestPicture().DrawMetafilePicture(canvas.Painter);
    canvas.At(0, 0);
    // The wide line: unbroken along its middle and across its width.
    for (int x = 20; x <= 180; ++x)
        for (int y : {28, 30, 32})
            QVERIFY2(canvas.Image.pixelColor(x, y) == QColor(Qt::blue), qPrintable(QStringLiteral("gap at %1, %2").arg(x).arg(y)));
    // The one-pixel line keeps its dashes.
    int red = 0, gaps = 0;
    for (int x = 20; x <= 180; ++x)
        (canvas.Image.pixelColor(x, 70) == QColor(Qt::red) ? red : gaps) += 1;
    QVERIFY2(red > 40 && gaps > 20, qPrintable(QStringLiteral("%1 dash pixels, %2 gaps").arg(red).arg(gaps)));
}

QTEST_MAIN(TstMetafiles)
#include "tst_metafiles.moc"
