// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Picture files: every bitmap variant against its known pixels, each loader
// fault with its message, bitmap centring and stretching, captions and the
// kind-and-size probe. Metafile drawing is in tst_metafiles.
#include "imaging/PictureProbeU.h"
#include "imaging/PictureU.h"
#include "tests/support/PictureCanvas.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using testsupport::DataFile;

using namespace Irisonde;
using testsupport::TestPicture;

namespace {

// The 5 x 3 picture every colour variant holds (tests/data/make_pictures.py).
QImage Reference()
{
    const QRgb R = qRgb(255, 0, 0), G = qRgb(0, 255, 0), B = qRgb(0, 0, 255), W = qRgb(255, 255, 255),
               K = qRgb(0, 0, 0), Y = qRgb(255, 255, 0), C = qRgb(0, 255, 255), M = qRgb(255, 0, 255);
    const QRgb rows[3][5] = {{R, G, B, W, K}, {Y, C, M, K, W}, {W, K, R, G, B}};
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, rows[y][x]);
    return image;
}

// The two-colour variant: its palette's second colour where the reference is not black.
QImage MonoReference()
{
    QImage image = Reference();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, image.pixel(x, y) == qRgb(0, 0, 0) ? qRgb(200, 30, 40) : qRgb(10, 20, 220));
    return image;
}

const QColor &Back = testsupport::PictureTestBack;
using testsupport::TCanvas;

const QString Base = QStringLiteral(" Eclairage d'une scène");

} // namespace

class TstPictureFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void bitmapVariants_data();
    void bitmapVariants();
    void rleDeltaSkipsToColourZero();
    void loaderFaults_data();
    void loaderFaults();
    void messages_data();
    void messages();
    void readErrorIsReported();
    void tooLargeOnlyWhenThePixelsAreThere();
    void failedLoadKeepsPictureKindAndCaption();
    void bitmapCentredCutAndStretched();
    void captions();
    void probe_data();
    void probe();
};

void TstPictureFiles::init()
{
    TestPicture().ResetPictureState();
    TestPicture().SetPictureBackColour(Back);
}

void TstPictureFiles::bitmapVariants_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QImage>("expected");
    const QImage ref = Reference();
    QTest::newRow("1 bit, own palette") << "bmp_1bit.bmp" << MonoReference();
    for (const char *name : {"bmp_4bit.bmp", "bmp_8bit.bmp", "bmp_16bit_555.bmp", "bmp_16bit_565_bitfields.bmp",
                             "bmp_24bit.bmp", "bmp_32bit.bmp", "bmp_32bit_bitfields.bmp", "bmp_32bit_v5_alpha.bmp",
                             "bmp_rle8.bmp", "bmp_rle4.bmp", "bmp_topdown_24bit.bmp", "bmp_topdown_8bit.bmp",
                             "bmp_os2_core_24bit.bmp", "bmp_os2_core_8bit.bmp", "Upper_Case.BMP"})
        QTest::newRow(name) << QString::fromLatin1(name) << ref;
}

void TstPictureFiles::bitmapVariants()
{
    QFETCH(QString, file);
    QFETCH(QImage, expected);
    QCOMPARE(TestPicture().OpenBitmapFile(DataFile(file)), EPictureFault::None);
    IRISONDE_COMPARE_IMAGES(TestPicture().PictureBitmap()->Image(), expected);
}

void TstPictureFiles::rleDeltaSkipsToColourZero()
{
    QCOMPARE(TestPicture().OpenBitmapFile(DataFile("bmp_rle8_delta.bmp")), EPictureFault::None);
    QImage expected(5, 3, QImage::Format_RGB32);
    expected.fill(Qt::black);
    // Red at the start of the bottom row, then a jump of 3 right and 1 up:
    // from (1, 0) to (4, 1) counted from the bottom, row 1 from the top.
    expected.setPixel(0, 2, qRgb(255, 0, 0));
    expected.setPixel(4, 1, qRgb(0, 0, 255));
    IRISONDE_COMPARE_IMAGES(TestPicture().PictureBitmap()->Image(), expected);
}

void TstPictureFiles::loaderFaults_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<EPictureFault>("fault");
    const EPictureFault bad = EPictureFault::InvalidBitmap, badMeta = EPictureFault::InvalidMetafile;
    QTest::newRow("truncated pixels") << "bmp_truncated_pixels.bmp" << bad;
    QTest::newRow("truncated header") << "bmp_truncated_header.bmp" << bad;
    QTest::newRow("bad signature") << "bmp_bad_signature.bmp" << bad;
    QTest::newRow("empty bitmap file") << "bmp_empty_file.bmp" << bad;
    QTest::newRow("bad bit count") << "bmp_bad_bit_count.bmp" << bad;
    QTest::newRow("compression unfit for depth") << "bmp_bad_compression.bmp" << bad;
    QTest::newRow("zero width") << "bmp_zero_width.bmp" << bad;
    QTest::newRow("colour table too large") << "bmp_palette_too_large.bmp" << bad;
    QTest::newRow("pixel offset past the end") << "bmp_offset_past_end.bmp" << bad;
    QTest::newRow("run-length data cut short") << "bmp_rle_truncated.bmp" << bad;
    QTest::newRow("top-down run-length bitmap") << "bmp_topdown_rle.bmp" << bad;
    QTest::newRow("100000 x 100000 bitmap, a few pixels held") << "bmp_huge_dimensions.bmp" << bad;
    QTest::newRow("50000 x 50000 bitmap in 57 KB") << "bmp_pixels_short_of_declared_size.bmp" << bad;
    QTest::newRow("missing bitmap") << "no_such_picture.bmp" << EPictureFault::MissingBitmap;
    QTest::newRow("bad metafile header") << "wmf_bad_header.wmf" << badMeta;
    QTest::newRow("truncated metafile record") << "wmf_truncated_record.wmf" << badMeta;
    QTest::newRow("zero units per inch") << "wmf_zero_inch.wmf" << badMeta;
    QTest::newRow("record of size 1") << "wmf_bad_record_size.wmf" << badMeta;
    QTest::newRow("empty metafile file") << "wmf_empty_file.wmf" << badMeta;
    QTest::newRow("100000 x 100000 bitmap in a metafile") << "wmf_huge_bitmap.wmf" << EPictureFault::TooLarge;
    QTest::newRow("missing metafile") << "no_such_picture.wmf" << EPictureFault::MissingMetafile;
    QTest::newRow("text, not a picture") << "not_a_picture.txt" << EPictureFault::UnknownKind;
    QTest::newRow("no extension") << "make_pictures" << EPictureFault::UnknownKind;
}

void TstPictureFiles::loaderFaults()
{
    QFETCH(QString, file);
    QFETCH(EPictureFault, fault);
    TCanvas canvas(20, 10);
    const TPictureLoad load = TestPicture().LoadPictureFile(DataFile(file), Base, QStringLiteral("before"), canvas.Painter);
    QCOMPARE(load.Fault, fault);
    QCOMPARE(load.Caption, QStringLiteral("before"));
    QCOMPARE(load.Message, PictureFaultMessage(fault, DataFile(file)));
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::None);
    QCOMPARE(canvas.At(5, 5), QColor(Qt::green)); // nothing drawn
}

void TstPictureFiles::messages_data()
{
    QTest::addColumn<EPictureFault>("fault");
    QTest::addColumn<QString>("text");
    QTest::newRow("missing metafile") << EPictureFault::MissingMetafile
                                      << QStringLiteral("Le métafichier que vous tentez d'ouvrir est introuvable\n[ /p/a.wmf ]");
    QTest::newRow("invalid metafile") << EPictureFault::InvalidMetafile
                                      << QStringLiteral("Le métafichier que vous tentez d'ouvrir\n[ /p/a.wmf ]\npossède un format de fichier incorrect.");
    QTest::newRow("missing bitmap") << EPictureFault::MissingBitmap
                                    << QStringLiteral("Le fichier Bitmap que vous tentez d'ouvrir est introuvable\n[ /p/a.wmf ]");
    QTest::newRow("invalid bitmap") << EPictureFault::InvalidBitmap
                                    << QStringLiteral("Le fichier d'image Bitmap que vous tentez d'ouvrir\n[ /p/a.wmf ]\npossède un format de fichier incorrect.");
    QTest::newRow("no message on success") << EPictureFault::None << QString();
}

void TstPictureFiles::messages()
{
    QFETCH(EPictureFault, fault);
    QFETCH(QString, text);
    QCOMPARE(PictureFaultMessage(fault, QStringLiteral("/p/a.wmf")), text);
}

void TstPictureFiles::readErrorIsReported()
{
    // A file that exists but cannot be read: reading the process's own
    // memory file at offset 0 fails with an I/O error even for root.
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("unreadable.bmp"));
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), link));
    TCanvas canvas(10, 10);
    const TPictureLoad load = TestPicture().LoadPictureFile(link, Base, QStringLiteral("before"), canvas.Painter);
    QCOMPARE(load.Fault, EPictureFault::Unreadable);
    QVERIFY(load.Message.contains(QStringLiteral("ne peut pas être lu")));
    QCOMPARE(load.Caption, QStringLiteral("before"));
}

void TstPictureFiles::tooLargeOnlyWhenThePixelsAreThere()
{
    // 8000 x 6300 one-bit pixels, every row present: too many to show.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.bmp"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    const qint64 pixelBytes = 1000ll * 6300;
    QByteArray head(14 + 40 + 8, '\0');
    const auto put = [&head](int at, quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            head[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    head[0] = 'B';
    head[1] = 'M';
    put(2, quint32(head.size() + pixelBytes), 4);
    put(10, quint32(head.size()), 4);
    put(14, 40, 4);
    put(18, 8000, 4);
    put(22, 6300, 4);
    put(26, 1, 2);
    put(28, 1, 2);
    QVERIFY(f.write(head) == head.size());
    QVERIFY(f.resize(head.size() + pixelBytes));
    f.close();
    TCanvas canvas(10, 10);
    const TPictureLoad load = TestPicture().LoadPictureFile(path, Base, QStringLiteral("before"), canvas.Painter);
    QCOMPARE(load.Fault, EPictureFault::TooLarge);
    QVERIFY(load.Message.endsWith(QStringLiteral("est trop grande pour être affichée.")));
}

void TstPictureFiles::failedLoadKeepsPictureKindAndCaption()
{
    TCanvas canvas(20, 10);
    const TPictureLoad good = TestPicture().LoadPictureFile(DataFile("bmp_24bit.bmp"), Base, QStringLiteral("x"), canvas.Painter);
    QCOMPARE(good.Fault, EPictureFault::None);
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::Bitmap);
    const TPictureLoad bad = TestPicture().LoadPictureFile(DataFile("bmp_truncated_pixels.bmp"), Base, good.Caption, canvas.Painter);
    QCOMPARE(bad.Fault, EPictureFault::InvalidBitmap);
    QCOMPARE(bad.Caption, good.Caption);
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::Bitmap);
    IRISONDE_COMPARE_IMAGES(TestPicture().PictureBitmap()->Image(), Reference()); // the previous picture is intact
    const TPictureLoad other = TestPicture().LoadPictureFile(DataFile("wmf_bad_header.wmf"), Base, good.Caption, canvas.Painter);
    QCOMPARE(other.Fault, EPictureFault::InvalidMetafile);
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::Bitmap);
}

void TstPictureFiles::bitmapCentredCutAndStretched()
{
    QTemporaryDir dir;
    QImage big(640, 480, QImage::Format_RGB32);
    big.fill(Qt::white);
    big.setPixel(120, 90, qRgb(255, 0, 0));
    big.setPixel(519, 389, qRgb(0, 0, 255));
    big.setPixel(119, 89, qRgb(0, 255, 0));
    const QString path = dir.filePath(QStringLiteral("big.bmp"));
    QVERIFY(big.save(path, "BMP"));
    {
        // 640 x 480 in 400 x 300: at (-120, -90), cut on all sides.
        TCanvas canvas(400, 300);
        const TPictureLoad load = TestPicture().LoadPictureFile(path, Base, QString(), canvas.Painter);
        QCOMPARE(load.Fault, EPictureFault::None);
        QCOMPARE(TestPicture().BitmapWidth(), 640);
        QCOMPARE(TestPicture().BitmapHeight(), 480);
        QVERIFY(load.Caption.endsWith(QStringLiteral(" ( 640 sur 480 pixels )")));
        QCOMPARE(canvas.At(0, 0), QColor(255, 0, 0));
        QCOMPARE(canvas.At(399, 299), QColor(0, 0, 255));
    }
    QCOMPARE(TestPicture().OpenBitmapFile(DataFile("bmp_24bit.bmp")), EPictureFault::None);
    {
        // 5 x 3 in 11 x 7: at (3, 2), framed by the background colour.
        TCanvas canvas(11, 7);
        TestPicture().DrawBitmapPicture(canvas.Painter);
        QImage expected(11, 7, QImage::Format_RGB32);
        expected.fill(Back);
        QPainter p(&expected);
        p.drawImage(3, 2, Reference());
        p.end();
        canvas.Painter.end();
        IRISONDE_COMPARE_IMAGES(canvas.Image, expected);
    }
    {
        TestPicture().SetStretchFlag(true);
        TCanvas canvas(10, 6);
        TestPicture().DrawBitmapPicture(canvas.Painter);
        canvas.Painter.end();
        IRISONDE_COMPARE_IMAGES(canvas.Image, Reference().scaled(10, 6));
    }
}

void TstPictureFiles::captions()
{
    QCOMPARE(DefaultPictureCaption(Base), QStringLiteral(" Eclairage d'une scène - Image par défaut"));
    TCanvas canvas(40, 30);
    const QString wmf = DataFile("UPPER_CASE.WMF");
    QCOMPARE(TestPicture().LoadPictureFile(wmf, Base, QString(), canvas.Painter).Caption,
             Base + QStringLiteral(" - ") + wmf + QStringLiteral(" ( image vectorielle )"));
    const QString bmp = DataFile("Upper_Case.BMP");
    QCOMPARE(TestPicture().LoadPictureFile(bmp, Base, QString(), canvas.Painter).Caption,
             Base + QStringLiteral(" - ") + bmp + QStringLiteral(" ( 5 sur 3 pixels )"));
    QCOMPARE(TestPicture().PictureKind(), EPictureKind::Bitmap);
}

void TstPictureFiles::probe_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<EPictureFault>("fault");
    QTest::addColumn<EPictureKind>("kind");
    QTest::addColumn<QSize>("size");
    QTest::newRow("bitmap") << "bmp_rle4.bmp" << EPictureFault::None << EPictureKind::Bitmap << QSize(5, 3);
    QTest::newRow("placeable metafile") << "wmf_shapes.wmf" << EPictureFault::None << EPictureKind::Metafile << QSize(400, 300);
    QTest::newRow("plain metafile") << "wmf_plain.wmf" << EPictureFault::None << EPictureKind::Metafile << QSize(300, 150);
    QTest::newRow("huge bitmap, pixels missing") << "bmp_huge_dimensions.bmp" << EPictureFault::InvalidBitmap << EPictureKind::Bitmap << QSize();
    QTest::newRow("text file") << "not_a_picture.txt" << EPictureFault::UnknownKind << EPictureKind::None << QSize();
}

void TstPictureFiles::probe()
{
    QFETCH(QString, file);
    QFETCH(EPictureFault, fault);
    QFETCH(EPictureKind, kind);
    QFETCH(QSize, size);
    EPictureKind gotKind = EPictureKind::None;
    QSize gotSize;
    QCOMPARE(ProbePictureFile(DataFile(file), gotKind, gotSize), fault);
    QCOMPARE(gotKind, kind);
    QCOMPARE(gotSize, size);
}

QTEST_MAIN(TstPictureFiles)
#include "tst_picturefiles.moc"
