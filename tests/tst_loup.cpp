// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The television-magnifier window driven as a pupil would, on the offscreen
// platform: mouse, wheel, spin buttons and the picture buttons, read back
// from the pixels of the screen image. The cells themselves are tested on
// the state.
#include "app/WorkshopTableU.h"
#include "imaging/ColourProbeU.h"
#include "shell/PaintBoxU.h"
#include "shell/SpinButtonU.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowProbe.h"
#include "workshops/LoupU.h"

#include <QAccessible>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Irisonde;

using Irisonde::TLoupF;
using testsupport::Control;
using testsupport::Shown;
using testsupport::Wheel;

namespace {

// Types `path` into the open dialog as soon as it shows, and opens it.
void ChooseWhenAsked(QObject *owner, const QString &path)
{
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [timer, path] {
        if (auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                edit->setText(path);
            QMetaObject::invokeMethod(d, "accept");
            if (d->isVisible())
                d->reject(); // refused: the test fails on the caption rather than hanging
        }
    });
    timer->start(20);
}

} // namespace

class TstLoup : public QObject {
    Q_OBJECT
    Irisonde::TProgram m_program;
    std::unique_ptr<TLoupF> win;
    const Irisonde::TLoupState &S() { return win->State(); }
    QRgb Screen(int x, int y) { return testsupport::At(*S().ScreenImage(), x, y); }
    QRgb Picture(int x, int y) { return testsupport::At(*S().PictureImage(), x, y); }
    QWidget *Zone() { return Control(*win, "Zone"); }
    TSpinButton *Spin(const char *name) { return Control<TSpinButton>(*win, name); }
    QToolButton *Arrow(const char *spin, const char *arrow) { return Control<QToolButton>(*Spin(spin), arrow); }

private slots:
    void initTestCase()
    {
        win = std::make_unique<TLoupF>(m_program, Irisonde::WorkshopRow(Irisonde::EWorkshop::Loup));
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win.get()));
    }
    void cleanupTestCase() { win.reset(); }

    void firstShow()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral(" Loupe sur un écran de télévision - Image par défaut"));
        QCOMPARE(win->size(), QSize(547, 406));
        QCOMPARE(Zone()->geometry(), QRect(20, 20, 507, 271));
        QCOMPARE(Spin("ZoomSpin")->geometry(), QRect(182, 7, 19, 30));
        QCOMPARE(S().ZoomLevel(), 2);
        // The magnifier of 150 at (200, 200): row 271 - 200 from the bottom,
        // 199 from the top. A plain two-fold enlargement inside, the picture
        // outside, a black rim.
        QCOMPARE(Screen(200 + 75, 199), qRgb(0, 0, 0));
        QCOMPARE(Screen(200 + 80, 199), Picture(200 + 80, 199));
        QCOMPARE(Screen(200 + 40, 199), Picture(200 + 20, 199));
        IRISONDE_COMPARE_IMAGES(Zone()->grab().toImage(), S().ScreenImage()->Image());
    }

    void mouseSpinsAndWheel()
    {
        QTest::mousePress(Zone(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 90));
        QCOMPARE(QPoint(S().MagX(), S().MagY()), QPoint(100, 90));
        IRISONDE_COMPARE_IMAGES(Shown(Zone()), S().ScreenImage()->Image());
        QTest::mouseMove(Zone(), QPoint(9999, -50));
        QCOMPARE(QPoint(S().MagX(), S().MagY()), QPoint(506, 1));
        QTest::mouseRelease(Zone(), Qt::LeftButton, Qt::NoModifier, QPoint(9999, -50));
        QTest::mouseMove(Zone(), QPoint(30, 30));
        QCOMPARE(S().MagX(), 506);
        QTest::mouseClick(Zone(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(S().ZoomLevel(), 3);
        QTest::mouseClick(Zone(), Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QTest::mouseClick(Zone(), Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QCOMPARE(S().ZoomLevel(), 2);
        QTest::mouseClick(Arrow("ZoomSpin", "UpButton"), Qt::LeftButton);
        QCOMPARE(S().ZoomLevel(), 3);
        QTest::mouseClick(Arrow("ZoomSpin", "DownButton"), Qt::LeftButton);
        QCOMPARE(S().ZoomLevel(), 2);
        QTest::mouseClick(Arrow("TailleSpin", "UpButton"), Qt::LeftButton);
        QCOMPARE(S().MagSize(), 160);
        QTest::mouseClick(Arrow("TailleSpin", "DownButton"), Qt::LeftButton);
        QTest::mouseClick(Arrow("TailleSpin", "DownButton"), Qt::LeftButton);
        QCOMPARE(S().MagSize(), 140);
        // The wheel: levels by whole notches; with Shift the size, 10 a
        // notch, also when Shift turns the delta horizontal.
        Wheel(Zone(), QPoint(0, 360));
        QCOMPARE(S().ZoomLevel(), 5);
        Wheel(Zone(), QPoint(0, -1200));
        QCOMPARE(S().ZoomLevel(), 2);
        Wheel(Zone(), QPoint(0, 240), Qt::ShiftModifier);
        QCOMPARE(S().MagSize(), 160);
        Wheel(Zone(), QPoint(-240, 0), Qt::ShiftModifier);
        QCOMPARE(S().MagSize(), 140);
        Wheel(Zone(), QPoint(0, 24000), Qt::ShiftModifier);
        QCOMPARE(S().MagSize(), 507 / 3 + 10);
        QCOMPARE(S().ZoomLevel(), 2);
        IRISONDE_COMPARE_IMAGES(Shown(Zone()), S().ScreenImage()->Image());
    }

    // A bitmap chosen through the open button: its caption; the white around
    // it shows full stripes at level 5. Closing and reopening keeps the
    // level only.
    void openBitmapAndReopen()
    {
        m_program.State().ProgramFolder = QStringLiteral(IRISONDE_TEST_DATA);
        ChooseWhenAsked(win.get(), testsupport::DataFile(QStringLiteral("bmp_24bit.bmp")));
        QTest::mouseClick(Control<QToolButton>(*win, "OuvreBout"), Qt::LeftButton);
        QVERIFY2(win->windowTitle().endsWith(QStringLiteral("bmp_24bit.bmp ( 5 sur 3 pixels )")), qPrintable(win->windowTitle()));

        QTest::mousePress(Zone(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
        QTest::mouseRelease(Zone(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
        Wheel(Zone(), QPoint(0, 360));
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
        QVERIFY(testsupport::HelpShows(m_program, Control<QToolButton>(*win, "AideBout"), QStringLiteral("TVLOUPE"),
                                       QStringLiteral("luminophores")));
    }

    // Without a mouse, after a reopening: the screen has the keys; the
    // arrows move the magnifier (Shift: by ten), + and - the level, with
    // Shift or Page Up/Down the size; the spin arrows answer Tab and Space.
    void keyboard()
    {
        win->close();
        win->show();
        QVERIFY(QTest::qWaitForWindowActive(win.get()));
        QCOMPARE(QApplication::focusWidget(), Zone());
        QTest::keyClick(Zone(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(Zone(), Qt::Key_Up);
        QCOMPARE(QPoint(S().MagX(), S().MagY()), QPoint(190, 199));
        // The colour probe follows the magnifier's middle, as shown.
        const QRgb under = testsupport::Shown(Zone()).pixel(190, 199);
        QTRY_VERIFY(testsupport::Control<QLabel>(*win, "SondeLab")->text().startsWith(ProbeChannelText(under) + u'\n'));
        for (int i = 0; i < 8; ++i) // the level stays from before: down to the least
            QTest::keyClick(Zone(), Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(S().ZoomLevel(), 2);
        QTest::keyClick(Zone(), Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(Zone(), Qt::Key_Equal);
        QCOMPARE(S().ZoomLevel(), 4);
        QTest::keyClick(Zone(), Qt::Key_Minus);
        QCOMPARE(S().ZoomLevel(), 3);
        // "+" as typed on French and US keyboards, Shift held: still the level.
        QTest::keyClick(Zone(), Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(S().ZoomLevel(), 4);
        QCOMPARE(S().MagSize(), 150);
        QTest::keyClick(Zone(), Qt::Key_Minus, Qt::ShiftModifier);
        QTest::keyClick(Zone(), Qt::Key_PageUp);
        QTest::keyClick(Zone(), Qt::Key_PageDown);
        QTest::keyClick(Zone(), Qt::Key_PageDown);
        QCOMPARE(S().MagSize(), 140);
        QCOMPARE(S().ZoomLevel(), 3);
        IRISONDE_COMPARE_IMAGES(Shown(Zone()), S().ScreenImage()->Image());

        for (int i = 0; i < 12 && QApplication::focusWidget() != Arrow("TailleSpin", "UpButton"); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Arrow("TailleSpin", "UpButton"));
        QTest::keyClick(Arrow("TailleSpin", "UpButton"), Qt::Key_Space);
        QCOMPARE(S().MagSize(), 150);
        QCOMPARE(QAccessible::queryAccessibleInterface(Arrow("TailleSpin", "UpButton"))->text(QAccessible::Name),
                 QStringLiteral("Agrandir la loupe"));
    }
};

QTEST_MAIN(TstLoup)
#include "tst_loup.moc"
