// The television-magnifier window driven as a pupil would, on the offscreen
// platform: mouse, wheel, spin buttons and the picture buttons, read back
// from the pixels of the screen image. The cells themselves are tested on
// the state.
#include "shell/AppStateU.h"
#include "shell/HelpU.h"
#include "shell/PaintBoxU.h"
#include "shell/SpinButtonU.h"
#include "tests/support/TestSupport.h"
#include "workshops/LoupU.h"

#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

using Irisonde::TLoupF;

namespace {

void Wheel(QWidget *w, QPoint angle, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWheelEvent ev(QPointF(w->rect().center()), QPointF(w->mapToGlobal(w->rect().center())), QPoint(), angle,
                   Qt::NoButton, mods, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &ev);
}

// What the window shows of `zone` once its pending repaints are done: that
// part of the window's backing store.
QImage Shown(QWidget *zone)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    const auto *store = dynamic_cast<QImage *>(zone->window()->backingStore()->paintDevice());
    return store ? store->copy(QRect(zone->mapTo(zone->window(), QPoint()), zone->size())) : QImage();
}

// Pixel (x, y from the top) of an image.
QRgb At(TDibPlus *image, int x, int y)
{
    return image->GetPixelFast(x, image->Height() - 1 - y) | 0xFF000000u;
}

} // namespace

class TstLoup : public QObject {
    Q_OBJECT
    std::unique_ptr<TLoupF> win;
    Irisonde::TLoupState &S() { return win->State(); }
    QRgb Screen(int x, int y) { return At(S().ScreenImage(), x, y); }
    QRgb Picture(int x, int y) { return At(S().PictureImage(), x, y); }

private slots:
    void initTestCase()
    {
        win = std::make_unique<TLoupF>();
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win.get()));
    }
    void cleanupTestCase() { win.reset(); }

    void firstShow()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral(" Loupe sur un écran de télévision - Image par défaut"));
        QCOMPARE(win->size(), QSize(547, 406));
        QCOMPARE(win->Zone->geometry(), QRect(20, 20, 507, 271));
        QCOMPARE(win->ZoomSpin->geometry(), QRect(182, 7, 19, 30));
        QCOMPARE(S().ZoomLevel(), 2);
        // The magnifier of 150 at (200, 200): row 271 - 200 from the bottom,
        // 199 from the top. A plain two-fold enlargement inside, the picture
        // outside, a black rim.
        QCOMPARE(Screen(200 + 75, 199), qRgb(0, 0, 0));
        QCOMPARE(Screen(200 + 80, 199), Picture(200 + 80, 199));
        QCOMPARE(Screen(200 + 40, 199), Picture(200 + 20, 199));
        IRISONDE_COMPARE_IMAGES(win->Zone->grab().toImage(), S().ScreenImage()->Image());
    }

    void mouseAndSpins()
    {
        QTest::mousePress(win->Zone, Qt::LeftButton, Qt::NoModifier, QPoint(100, 90));
        QCOMPARE(QPoint(S().MagX(), S().MagY()), QPoint(100, 90));
        IRISONDE_COMPARE_IMAGES(Shown(win->Zone), S().ScreenImage()->Image());
        QTest::mouseMove(win->Zone, QPoint(9999, -50));
        QCOMPARE(QPoint(S().MagX(), S().MagY()), QPoint(506, 1));
        QTest::mouseRelease(win->Zone, Qt::LeftButton, Qt::NoModifier, QPoint(9999, -50));
        QTest::mouseMove(win->Zone, QPoint(30, 30));
        QCOMPARE(S().MagX(), 506);
        QTest::mouseClick(win->Zone, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(S().ZoomLevel(), 3);
        QTest::mouseClick(win->Zone, Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QTest::mouseClick(win->Zone, Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QCOMPARE(S().ZoomLevel(), 2);
        QTest::mouseClick(win->ZoomSpin->UpButton, Qt::LeftButton);
        QCOMPARE(S().ZoomLevel(), 3);
        QTest::mouseClick(win->ZoomSpin->DownButton, Qt::LeftButton);
        QCOMPARE(S().ZoomLevel(), 2);
        QTest::mouseClick(win->TailleSpin->UpButton, Qt::LeftButton);
        QCOMPARE(S().MagSize(), 160);
        QTest::mouseClick(win->TailleSpin->DownButton, Qt::LeftButton);
        QTest::mouseClick(win->TailleSpin->DownButton, Qt::LeftButton);
        QCOMPARE(S().MagSize(), 140);
        IRISONDE_COMPARE_IMAGES(Shown(win->Zone), S().ScreenImage()->Image());
    }

    void wheel_data()
    {
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("size");
        QTest::newRow("three notches: three levels") << QPoint(0, 360) << false << 5 << 140;
        QTest::newRow("ten notches back: level 2") << QPoint(0, -1200) << false << 2 << 140;
        QTest::newRow("Shift: the size by 10 a notch") << QPoint(0, 240) << true << 2 << 160;
        QTest::newRow("Shift as a horizontal delta") << QPoint(-240, 0) << true << 2 << 140;
        QTest::newRow("Shift far beyond: 507 / 3 + 10") << QPoint(0, 24000) << true << 2 << 179;
    }
    void wheel()
    {
        QFETCH(QPoint, angle);
        QFETCH(bool, shift);
        QFETCH(int, level);
        QFETCH(int, size);
        Wheel(win->Zone, angle, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(S().ZoomLevel(), level);
        QCOMPARE(S().MagSize(), size);
    }

    // A bitmap chosen through the open button: its caption; the white around
    // it shows full stripes at level 5. Closing and reopening keeps the
    // level only.
    void openBitmapAndReopen()
    {
        App::ProgramFolder = QStringLiteral(IRISONDE_TEST_DATA);
        const QString path = testsupport::DataFile(QStringLiteral("bmp_24bit.bmp"));
        auto *timer = new QTimer(win.get());
        connect(timer, &QTimer::timeout, [timer, path] {
            if (auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                timer->stop();
                if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    edit->setText(path);
                QMetaObject::invokeMethod(d, "accept");
                if (d->isVisible())
                    d->reject();
            }
        });
        timer->start(20);
        QTest::mouseClick(win->OuvreBout, Qt::LeftButton);
        QVERIFY2(win->windowTitle().endsWith(QStringLiteral("bmp_24bit.bmp ( 5 sur 3 pixels )")), qPrintable(win->windowTitle()));

        QTest::mousePress(win->Zone, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
        QTest::mouseRelease(win->Zone, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
        Wheel(win->Zone, QPoint(0, 360));
        QCOMPARE(S().ZoomLevel(), 5);
        QCOMPARE(S().MagSize(), 179);
        // Magnifier column i = x - MagLeft (200 - 89), row 199 from the top
        // is row 1 of its cell: cells of 11, columns 0-1 dark, 2-4 red, 5-7
        // green, 8-10 blue.
        const int left = S().MagLeft();
        QCOMPARE(left, 111);
        QCOMPARE(Screen(left + 66, 199), qRgb(0, 0, 0));
        QCOMPARE(Screen(left + 68, 199), qRgb(255, 0, 0));
        QCOMPARE(Screen(left + 71, 199), qRgb(0, 255, 0));
        QCOMPARE(Screen(left + 74, 199), qRgb(0, 0, 255));

        win->close();
        QVERIFY(!S().ScreenImage());
        win->show();
        QCOMPARE(win->windowTitle(), QStringLiteral(" Loupe sur un écran de télévision - Image par défaut"));
        QCOMPARE(S().ZoomLevel(), 5);
        QCOMPARE(S().MagSize(), 150);
        QCOMPARE(QPoint(S().MagX(), S().MagY()), QPoint(200, 200));
    }

    void help()
    {
        App::HelpFile = QDir::cleanPath(QStringLiteral(IRISONDE_TEST_DATA "/../../help/Irisonde.html"));
        QTest::mouseClick(win->AideBout, Qt::LeftButton);
        THelpF &help = THelpF::Instance();
        QCOMPARE(help.CurrentTopic(), QStringLiteral("TVLOUPE"));
        QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("luminophores")));
        help.close();
    }
};

QTEST_MAIN(TstLoup)
#include "tst_loup.moc"
