// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures in every format the workshops open: each format's file drawn by
// the loader and by the irisonde-picture tool, a file named as another kind,
// EXIF orientations, colour profiles, the placement of raster pictures,
// decoding at a reduced scale, and every fault with its message, hostile
// files included, in bounded time.
#include "imaging/PictureFileU.h"
#include "imaging/PictureProbeU.h"
#include "imaging/PictureU.h"
#include "tests/support/PictureCanvas.h"
#include "tests/support/TestSupport.h"

#include <QColorSpace>
#include <QColorTransform>
#include <QElapsedTimer>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Irisonde;
using testsupport::DataFile;
using testsupport::TCanvas;
using testsupport::TestPicture;

namespace {

const QString Base = QStringLiteral(" Loupe sur un écran de télévision");
const QColor &Back = testsupport::PictureTestBack;

// The six blocks every raster test file shows (make_format_pictures).
const QColor Blocks[2][3] = {{Qt::red, Qt::green, Qt::blue}, {Qt::yellow, Qt::cyan, Qt::magenta}};

// Empty when `c` is `expected` within what lossy formats change.
QString Near(const QColor &c, const QColor &expected, int tolerance = 40)
{
    if (qAbs(c.red() - expected.red()) <= tolerance && qAbs(c.green() - expected.green()) <= tolerance
        && qAbs(c.blue() - expected.blue()) <= tolerance)
        return {};
    return QStringLiteral("%1 instead of %2").arg(c.name(), expected.name());
}

// Empty when the six blocks stand at (x, y) in `image`, each `edge` wide.
QString BlocksAt(const QImage &image, int x, int y, int edge = 16)
{
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column) {
            const QPoint centre(x + column * edge + edge / 2, y + row * edge + edge / 2);
            if (const QString wrong = Near(image.pixelColor(centre), Blocks[row][column]); !wrong.isEmpty())
                return QStringLiteral("block %1,%2: ").arg(column).arg(row) + wrong;
        }
    return {};
}

QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

} // namespace

class TstPictureFormats : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        TestPicture().ResetPictureState();
        TestPicture().SetPictureBackColour(Back);
    }

    void knowsEveryFormatQtReads()
    {
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            QVERIFY2(FamilyOfName(QStringLiteral("x.") + QString::fromLatin1(format)) != EPictureFamily::None, format.constData());
    }

    void formats_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<EPictureKind>("kind");
        const EPictureKind raster = EPictureKind::Raster;
        for (const char *file : {"format_png.png", "format_jpeg.jpg", "format_gif.gif", "format_tiff.tif", "format_webp.webp",
                                 "format_tga.tga", "png_named_as_bitmap.bmp"})
            QTest::newRow(file) << QString::fromLatin1(file) << raster;
        QTest::newRow("svg") << "format_svg.svg" << EPictureKind::Drawing;
        QTest::newRow("svgz") << "format_svgz.svgz" << EPictureKind::Drawing;
        // The content decides, whatever the name says.
        QTest::newRow("metafile named .bmp") << "metafile_named_as_bitmap.bmp" << EPictureKind::Metafile;
        QTest::newRow("bitmap named .wmf") << "bitmap_named_as_metafile.wmf" << EPictureKind::Bitmap;
    }
    // Each file drawn in a 96 x 64 area: a raster picture at its own size,
    // centred; a 96 x 48 drawing fitted across.
    void formats()
    {
        QFETCH(QString, file);
        QFETCH(EPictureKind, kind);
        TCanvas canvas(96, 64);
        const TPictureLoad load = TestPicture().LoadPictureFile(DataFile(file), Base, QString(), canvas.Painter);
        QVERIFY2(load.Fault == EPictureFault::None, qPrintable(load.Message));
        QCOMPARE(TestPicture().PictureKind(), kind);
        if (kind == EPictureKind::Raster) {
            QCOMPARE(load.Caption, Base + QStringLiteral(" - ") + DataFile(file) + QStringLiteral(" ( 48 sur 32 pixels )"));
            canvas.At(0, 0);
            const QString wrong = BlocksAt(canvas.Image, 24, 16);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
            QCOMPARE(canvas.At(23, 15), Back);
        } else if (kind == EPictureKind::Drawing) {
            QVERIFY(load.Caption.endsWith(QStringLiteral(" ( image vectorielle )")));
            QCOMPARE(canvas.At(24, 32), QColor(Qt::red));
            QCOMPARE(canvas.At(72, 32), QColor(Qt::blue));
            QCOMPARE(canvas.At(48, 3), Back);
        }

        // The tool draws it by the same rules.
        const QString out = m_dir.filePath(file + QStringLiteral(".png"));
        QProcess tool;
        tool.start(QStringLiteral(IRISONDE_BUILD_DIR "/tools/picture/irisonde-picture"), {DataFile(file), "96", "64", out});
        QVERIFY(tool.waitForFinished(20000));
        QCOMPARE(tool.exitCode(), 0);
        if (kind == EPictureKind::Raster) {
            QCOMPARE(tool.readAllStandardOutput(), QByteArray("raster 48 x 32\n"));
            const QString wrong = BlocksAt(QImage(out), 24, 16);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        }
    }

    // Every orientation shows the same upright picture once turned.
    void exifOrientations_data()
    {
        QTest::addColumn<int>("orientation");
        for (int o = 1; o <= 8; ++o)
            QTest::addRow("orientation %d", o) << o;
    }
    void exifOrientations()
    {
        QFETCH(int, orientation);
        const QString file = DataFile(QStringLiteral("exif_orientation_%1.jpg").arg(orientation));
        TCanvas canvas(48, 32);
        QCOMPARE(TestPicture().LoadPictureFile(file, Base, QString(), canvas.Painter).Fault, EPictureFault::None);
        QCOMPARE(TestPicture().PictureRaster()->NaturalSize(), QSize(48, 32));
        canvas.At(0, 0);
        const QString wrong = BlocksAt(canvas.Image, 0, 0);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        EPictureKind kind = EPictureKind::None;
        QSize size;
        QCOMPARE(ProbePictureFile(file, kind, size), EPictureFault::None);
        QCOMPARE(size, QSize(48, 32));
        // Shown at half its size: decoded at half, then turned.
        TCanvas half(24, 16);
        QCOMPARE(TestPicture().LoadPictureFile(file, Base, QString(), half.Painter).Fault, EPictureFault::None);
        QCOMPARE(TestPicture().PictureRaster()->Decoded().size(), QSize(24, 16));
        half.At(0, 0);
        const QString halfWrong = BlocksAt(half.Image, 0, 0, 8);
        QVERIFY2(halfWrong.isEmpty(), qPrintable(halfWrong));
    }

    // A profile-tagged picture is shown in sRGB; an untagged one as it is.
    void colourProfiles()
    {
        TCanvas canvas(16, 16);
        QCOMPARE(TestPicture().LoadPictureFile(DataFile("profile_prophoto.png"), Base, QString(), canvas.Painter).Fault,
                 EPictureFault::None);
        const QColor expected = QColorSpace(QColorSpace::ProPhotoRgb).transformationToColorSpace(QColorSpace::SRgb).map(QColor(100, 100, 100));
        QVERIFY(expected.red() > 110); // the conversion is no identity
        QVERIFY2(Near(canvas.At(8, 8), expected, 1).isEmpty(), qPrintable(Near(canvas.At(8, 8), expected, 1)));
        QCOMPARE(TestPicture().PictureRaster()->Decoded().pixelColor(0, 0), canvas.At(8, 8));
    }

    // Larger than the area: whole, scaled down, centred; stretched: the area.
    void rasterPlacement()
    {
        QImage wide(400, 300, QImage::Format_RGB32);
        wide.fill(Qt::red);
        const QString path = m_dir.filePath(QStringLiteral("wide.png"));
        QVERIFY(wide.save(path));
        TCanvas canvas(100, 100);
        const TPictureLoad load = TestPicture().LoadPictureFile(path, Base, QString(), canvas.Painter);
        QVERIFY(load.Caption.endsWith(QStringLiteral(" ( 400 sur 300 pixels )")));
        QCOMPARE(canvas.At(0, 11), Back);
        QCOMPARE(canvas.At(0, 13), QColor(Qt::red));
        QCOMPARE(canvas.At(99, 86), QColor(Qt::red));
        QCOMPARE(canvas.At(99, 88), Back);
        QCOMPARE(RasterPlacement(QSize(400, 300), 100, 100, false), QRect(0, 12, 100, 75));
        QCOMPARE(RasterPlacement(QSize(40, 30), 100, 100, false), QRect(30, 35, 40, 30));
        TestPicture().SetStretchFlag(true);
        TCanvas stretched(100, 100);
        TestPicture().DrawRasterPicture(stretched.Painter);
        QCOMPARE(stretched.At(0, 0), QColor(Qt::red));
        QCOMPARE(stretched.At(99, 99), QColor(Qt::red));
    }

    // A photo shown small is decoded small, and again larger when shown larger.
    void reducedDecoding()
    {
        QImage photo(1600, 1200, QImage::Format_RGB32);
        photo.fill(QColor(30, 120, 200));
        const QString path = m_dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(photo.save(path, "JPEG"));
        TCanvas canvas(200, 150);
        QCOMPARE(TestPicture().LoadPictureFile(path, Base, QString(), canvas.Painter).Fault, EPictureFault::None);
        TPictureRaster &raster = *TestPicture().PictureRaster();
        QCOMPARE(raster.NaturalSize(), QSize(1600, 1200));
        QVERIFY2(raster.Decoded().width() == 200, qPrintable(QString::number(raster.Decoded().width())));
        QCOMPARE(raster.Scaled(QSize(800, 600)).size(), QSize(800, 600));
        QVERIFY(raster.Decoded().width() >= 800);
        QVERIFY(Near(raster.Scaled(QSize(800, 600)).pixelColor(400, 300), QColor(30, 120, 200), 6).isEmpty());
    }

    void faults_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<EPictureFault>("fault");
        const EPictureFault bad = EPictureFault::InvalidPicture, badDrawing = EPictureFault::InvalidDrawing,
                            complex = EPictureFault::TooComplex, large = EPictureFault::TooLarge;
        QTest::newRow("PNG cut short") << DataFile("png_truncated.png") << bad;
        QTest::newRow("PNG of 60000 x 60000") << DataFile("png_huge_dimensions.png") << large;
        QTest::newRow("JPEG of 60000 x 60000") << DataFile("jpeg_huge_dimensions.jpg") << large;
        QTest::newRow("JPEG without pixels") << DataFile("jpeg_garbage_after_header.jpg") << bad;
        QTest::newRow("GIF damaged") << DataFile("gif_bad_data.gif") << bad;
        QTest::newRow("WebP damaged") << DataFile("webp_bad_data.webp") << bad;
        QTest::newRow("TIFF damaged") << DataFile("tiff_bad_data.tif") << bad;
        QTest::newRow("SVG not well formed") << DataFile("svg_bad_xml.svg") << badDrawing;
        QTest::newRow("SVG compressed, cut short") << DataFile("svgz_truncated.svgz") << badDrawing;
        QTest::newRow("SVG using itself") << DataFile("svg_use_itself.svg") << complex;
        QTest::newRow("SVG uses in a cycle") << DataFile("svg_use_cycle.svg") << complex;
        QTest::newRow("SVG linking itself as a picture") << DataFile("svg_image_itself.svg") << EPictureFault::LinkedPictures;
        QTest::newRow("SVG of 10^10 copies") << DataFile("svg_use_explosion.svg") << complex;
        QTest::newRow("missing photo") << DataFile("no_such_photo.jpg") << EPictureFault::MissingPicture;
        // Made here: too large to commit.
        QByteArray nested = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\">";
        nested += QByteArray("<g>").repeated(100000) + QByteArray("</g>").repeated(100000) + "</svg>";
        QTest::newRow("SVG nested 100000 deep") << WriteFile(m_dir, "svg_deep_nesting.svg", nested) << complex;
        QByteArray blanks = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\">";
        blanks += QByteArray(64 * 1024 * 1024, ' ') + "</svg>";
        QByteArray bomb;
        {
            QProcess gzip; // the test's own compression: zlib's is the loader's
            gzip.start(QStringLiteral("gzip"), {"-c"});
            gzip.write(blanks);
            gzip.closeWriteChannel();
            gzip.waitForFinished(60000);
            bomb = gzip.readAllStandardOutput();
        }
        QTest::newRow("SVGZ inflating to 64 MB") << WriteFile(m_dir, "svgz_bomb.svgz", bomb) << large;
    }
    void faults()
    {
        QFETCH(QString, file);
        QFETCH(EPictureFault, fault);
        QVERIFY(!file.isEmpty());
        TCanvas canvas(20, 10);
        QElapsedTimer clock;
        clock.start();
        const TPictureLoad load = TestPicture().LoadPictureFile(file, Base, QStringLiteral("before"), canvas.Painter);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(load.Fault, fault);
        QCOMPARE(load.Caption, QStringLiteral("before"));
        QCOMPARE(TestPicture().PictureKind(), EPictureKind::None);
        QVERIFY2(load.Message.contains(QStringLiteral("[ ") + file + QStringLiteral(" ]")), qPrintable(load.Message));
        QCOMPARE(canvas.At(5, 5), QColor(Qt::green)); // nothing drawn
    }

    void messagesNameTheFormat()
    {
        QCOMPARE(PictureFaultMessage(EPictureFault::InvalidPicture, QStringLiteral("/p/IMG_1.JPG")),
                 QStringLiteral("Le fichier d'image JPEG que vous tentez d'ouvrir\n[ /p/IMG_1.JPG ]\npossède un format de fichier incorrect."));
        // A damaged PNG named .bmp is called a PNG, as its content says.
        TCanvas canvas(20, 10);
        QFile png(DataFile("png_truncated.png"));
        QVERIFY(png.open(QIODevice::ReadOnly));
        const QString path = WriteFile(m_dir, "cut.bmp", png.readAll());
        QVERIFY(TestPicture().LoadPictureFile(path, Base, QString(), canvas.Painter).Message.startsWith(QStringLiteral("Le fichier d'image PNG ")));
    }

    // A GIF of 10,000 frames opens its first at once.
    void manyFrames()
    {
        QFile gif(DataFile("format_gif.gif"));
        QVERIFY(gif.open(QIODevice::ReadOnly));
        const QByteArray one = gif.readAll();
        const qsizetype frame = one.indexOf(',', 13 + 3 * 8);
        QByteArray many = one.left(frame);
        const QByteArray body = one.mid(frame, one.size() - 1 - frame);
        for (int i = 0; i < 10000; ++i)
            many += body;
        const QString path = WriteFile(m_dir, "gif_many_frames.gif", many + ';');
        TCanvas canvas(48, 32);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(TestPicture().LoadPictureFile(path, Base, QString(), canvas.Painter).Fault, EPictureFault::None);
        QVERIFY(clock.elapsed() < 2000);
        canvas.At(0, 0);
        QVERIFY(BlocksAt(canvas.Image, 0, 0).isEmpty());
    }
};

QTEST_MAIN(TstPictureFormats)
#include "tst_pictureformats.moc"
