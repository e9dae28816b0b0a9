// The additive-synthesis window driven as a pupil would, on the offscreen
// platform: mouse, wheel, bars and check boxes, read back from the pixels of
// the composed screen (FrameLayer) and the projector strip.
#include "imaging/ColourU.h"
#include "shell/PaintBoxU.h"
#include "tests/support/SynthProbe.h"
#include "tests/support/TestSupport.h"
#include "workshops/AddU.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>

using namespace Irisonde;

namespace {

using testsupport::Away;
const auto At = testsupport::ColourAt;

void Wheel(QWidget *w, QPoint angle)
{
    QWheelEvent ev(QPointF(w->rect().center()), QPointF(w->mapToGlobal(w->rect().center())), QPoint(), angle,
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &ev);
}

} // namespace

class TstAddSynth : public QObject, testsupport::TSynthWindow<TAddF> {
    Q_OBJECT
    QColor Screen(QPoint p) { return At(*S().FrameLayer, p); }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void designSize()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral(" Synthèse additive"));
        QCOMPARE(win->size(), QSize(592, 413));
        QCOMPARE(S().DiscAreaW, 582);
        QCOMPARE(S().DiscAreaH, 233);
        QCOMPARE(S().DiscRadius, 38);
        QCOMPARE(win->Zone->geometry(), QRect(4, 4, 582, 233));
        QCOMPARE(win->ProjoZone->geometry(), QRect(4, 237, 582, 81));
        QCOMPARE(win->Redit->text(), QStringLiteral(" 100 %"));
        QVERIFY(!win->rBar->isEnabled());
        QVERIFY(!win->LinkCheck->isEnabled());
        QCOMPARE(win->rBar->toolTip(), QStringLiteral(" Ajuster la composante rouge"));
        QCOMPARE(win->EtenduCheck->toolTip(), QStringLiteral(" Utiliser la synthèse additive étendue"));
    }

    void mixing_data()
    {
        QTest::addColumn<int>("region");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("all three: white") << 0 << QColor(255, 255, 255);
        QTest::newRow("red and green: yellow") << 12 << QColor(255, 255, 0);
        QTest::newRow("red and blue: magenta") << 13 << QColor(255, 0, 255);
        QTest::newRow("green and blue: cyan") << 23 << QColor(0, 255, 255);
        QTest::newRow("red alone") << 1 << QColor(255, 0, 0);
        QTest::newRow("outside: black") << -1 << QColor(0, 0, 0);
    }
    void mixing()
    {
        QFETCH(int, region);
        QFETCH(QColor, expected);
        const QPointF g = (Centre(1) + Centre(2) + Centre(3)) / 3;
        QPoint p;
        switch (region) {
        case 0: p = g.toPoint(); break;
        case 12: p = Away((Centre(1) + Centre(2)) / 2, Centre(3), 24); break;
        case 13: p = Away((Centre(1) + Centre(3)) / 2, Centre(2), 24); break;
        case 23: p = Away((Centre(2) + Centre(3)) / 2, Centre(1), 24); break;
        case 1: p = Away(Centre(1), g, 20); break;
        default: p = QPoint(5, 5); break;
        }
        QCOMPARE(Screen(p), expected);
    }

    // Each disc is round and symmetric: the bitmap's rows and columns mirror,
    // and the disc touches the middle of all four sides of its box.
    void discIsRound()
    {
        TDibPlus &d = *S().Disc(1).Bitmap;
        const int n = d.Width();
        QCOMPARE(n, 76);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const uint32_t v = d.GetPixelFast(x, y);
                QVERIFY(v == 0 || v == 0xFF0000);
                QCOMPARE(d.GetPixelFast(n - 1 - x, y), v);
                QCOMPARE(d.GetPixelFast(x, n - 1 - y), v);
                QCOMPARE(d.GetPixelFast(y, x), v);
            }
        QCOMPARE(d.GetPixelFast(0, n / 2), 0xFF0000u);
        QCOMPARE(d.GetPixelFast(n / 2, 0), 0xFF0000u);
        QCOMPARE(d.GetPixelFast(0, 0), 0u);
    }

    void radiusSteps()
    {
        QTest::mouseClick(win->Zone, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(S().DiscRadius, 48);
        QCOMPARE(S().Disc(1).Bitmap->Width(), 96);
        // The screen shows the bigger disc at once.
        QCOMPARE(Screen((Centre(1) + QPointF(0, 45)).toPoint()), QColor(255, 0, 0));
        QTest::mouseClick(win->Zone, Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QTest::mouseClick(win->Zone, Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QCOMPARE(S().DiscRadius, 28);
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(win->Zone, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(S().DiscRadius, 77); // 233 div 3
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(win->Zone, Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QCOMPARE(S().DiscRadius, 20);
        QTest::mouseClick(win->Zone, Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(S().DiscRadius, 20);
    }

    void wheel_data()
    {
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<int>("radius");
        QTest::newRow("240 away: +20") << QPoint(0, 240) << 58;
        QTest::newRow("-119: nothing") << QPoint(0, -119) << 38;
        QTest::newRow("-120: -10") << QPoint(0, -120) << 28;
        QTest::newRow("shift+wheel on x: 240") << QPoint(240, 0) << 58;
        QTest::newRow("far beyond the limit") << QPoint(0, 12000) << 77;
    }
    void wheel()
    {
        QFETCH(QPoint, angle);
        QFETCH(int, radius);
        Wheel(win->Zone, angle);
        QCOMPARE(S().DiscRadius, radius);
        QCOMPARE(S().Disc(3).Bitmap->Width(), 2 * radius);
    }

    void hitPriority_data()
    {
        QTest::addColumn<int>("region");
        QTest::addColumn<int>("disc");
        QTest::newRow("red over blue") << 13 << 1;
        QTest::newRow("green over blue") << 23 << 2;
        QTest::newRow("exactly at the radius") << 100 << 1;
        QTest::newRow("one beyond the radius") << 101 << 0;
        QTest::newRow("outside every disc") << -1 << 0;
    }
    void hitPriority()
    {
        QFETCH(int, region);
        QFETCH(int, disc);
        QPoint p(5, 5);
        if (region == 13)
            p = Away((Centre(1) + Centre(3)) / 2, Centre(2), 24);
        else if (region == 23)
            p = Away((Centre(2) + Centre(3)) / 2, Centre(1), 24);
        else if (region >= 100)
            p = (Centre(1) + QPointF(0, 38 + region - 100)).toPoint();
        const QImage before = S().FrameLayer->Image();
        QTest::mousePress(win->Zone, Qt::LeftButton, Qt::NoModifier, p);
        QCOMPARE(S().DragDisc, disc);
        QTest::mouseMove(win->Zone, QPoint(100, 100));
        if (disc == 0)
            IRISONDE_COMPARE_IMAGES(S().FrameLayer->Image(), before);
        else
            QCOMPARE(QPoint(S().Disc(disc).X, S().Disc(disc).Y), QPoint(100, 100));
        QTest::mouseRelease(win->Zone, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QCOMPARE(S().DragDisc, 0);
    }

    void clamps_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("centre");
        QTest::newRow("far left") << QPoint(-500, 100) << QPoint(-19, 100);
        QTest::newRow("far right") << QPoint(5000, 100) << QPoint(582 + 19, 100);
        QTest::newRow("far up") << QPoint(100, -500) << QPoint(100, -19);
        QTest::newRow("far down, above the strip") << QPoint(100, 5000) << QPoint(100, 233 - 38);
    }
    void clamps()
    {
        QFETCH(QPoint, to);
        QFETCH(QPoint, centre);
        QTest::mousePress(win->Zone, Qt::LeftButton, Qt::NoModifier, Centre(1).toPoint() + QPoint(0, 20));
        QTest::mouseMove(win->Zone, to);
        QCOMPARE(QPoint(S().Disc(1).X, S().Disc(1).Y), centre);
        QTest::mouseRelease(win->Zone, Qt::LeftButton, Qt::NoModifier, to);
        // The composed screen after the drag is the same as one made afresh.
        const QImage shown = S().FrameLayer->Image();
        S().Compose();
        IRISONDE_COMPARE_IMAGES(shown, S().FrameLayer->Image());
    }

    // The lamp's lens (red pixels in the sprite's upper half) swings to the
    // side of the disc: upright under a disc straight above, to the right
    // (clockwise) when the disc goes right.
    void projectorTurns()
    {
        const int centreX = S().Projector(1).X + 40;
        auto lensX = [this] {
            TDibPlus &strip = *S().ProjoStrip;
            double sum = 0;
            int n = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = S().Projector(1).X; x < S().Projector(1).X + 81; ++x)
                    if (At(strip, QPoint(x, y)) == QColor(255, 0, 0)) {
                        sum += x;
                        ++n;
                    }
            return n ? sum / n - (S().Projector(1).X + 40) : 1e9;
        };
        QTest::mousePress(win->Zone, Qt::LeftButton, Qt::NoModifier, Centre(1).toPoint() + QPoint(0, 20));
        QTest::mouseMove(win->Zone, QPoint(centreX, 60));
        QCOMPARE(S().Projector(1).Angle, 0.0);
        const double upright = lensX(); // the lens sits on the sprite's middle column, give or take one
        QVERIFY2(std::abs(upright) <= 1.5, qPrintable(QString::number(upright)));
        QTest::mouseMove(win->Zone, QPoint(centreX + 150, 60));
        QVERIFY(S().Projector(1).Angle > 0.3);
        QVERIFY2(lensX() > upright + 5.0, qPrintable(QString::number(lensX())));
        QTest::mouseMove(win->Zone, QPoint(centreX - 40, 60));
        QVERIFY(S().Projector(1).Angle < 0);
        QVERIFY2(lensX() < upright - 2.0, qPrintable(QString::number(lensX())));
        QTest::mouseRelease(win->Zone, Qt::LeftButton);
    }

    void extendedAndLink()
    {
        win->EtenduCheck->click();
        QVERIFY(win->rBar->isEnabled() && win->LinkCheck->isEnabled());
        const QPoint red = Away(Centre(1), (Centre(1) + Centre(2) + Centre(3)) / 3, 20);
        const QPoint yellow = Away((Centre(1) + Centre(2)) / 2, Centre(3), 24);
        win->rBar->setValue(50);
        QCOMPARE(S().Disc(1).Percent, 50);
        QCOMPARE(win->Redit->text(), QStringLiteral(" 50 %"));
        QCOMPARE(Screen(red), QColor(127, 0, 0));
        QCOMPARE(Screen(yellow), QColor(127, 255, 0)); // each channel keeps its own value
        QCOMPARE(win->gBar->value(), 0);               // not linked yet

        win->LinkCheck->click();
        win->gBar->setValue(30);
        QCOMPARE(win->rBar->value(), 30);
        QCOMPARE(win->bBar->value(), 30);
        for (QLineEdit *e : {win->Redit, win->GEdit, win->BEdit})
            QCOMPARE(e->text(), QStringLiteral(" 70 %"));
        QCOMPARE(Screen(yellow), QColor(178, 178, 0)); // 255 x 70 div 100

        win->EtenduCheck->click(); // unticked
        for (QScrollBar *b : {win->rBar, win->gBar, win->bBar}) {
            QCOMPARE(b->value(), 0);
            QVERIFY(!b->isEnabled());
        }
        for (QLineEdit *e : {win->Redit, win->GEdit, win->BEdit})
            QCOMPARE(e->text(), QStringLiteral(" 100 %"));
        QVERIFY(win->LinkCheck->isChecked());
        QVERIFY(!win->LinkCheck->isEnabled());
        QCOMPARE(Screen(yellow), QColor(255, 255, 0));
    }

    void copyAfterResize()
    {
        win->resize(600, 420);
        win->resize(592, 413);
        QCOMPARE(S().DiscAreaH, 231);
        QApplication::clipboard()->clear();
        QTest::mouseClick(win->CopierBout, Qt::LeftButton);
        const QImage copy = QApplication::clipboard()->image();
        QCOMPARE(copy.size(), QSize(582, 312));
        IRISONDE_COMPARE_IMAGES(copy.copy(0, 0, 582, 231), S().FrameLayer->Image());
        IRISONDE_COMPARE_IMAGES(copy.copy(0, 231, 582, 81), S().ProjoStrip->Image());
        for (auto [k, x] : {std::pair{1, 10}, std::pair{2, 251}, std::pair{3, 492}})
            QCOMPARE(S().Projector(k).X, x);
    }

    void resizeResetsRadiusAndClamps()
    {
        QTest::mouseClick(win->Zone, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mousePress(win->Zone, Qt::LeftButton, Qt::NoModifier, Centre(1).toPoint());
        QTest::mouseMove(win->Zone, QPoint(300, 5000));
        QTest::mouseRelease(win->Zone, Qt::LeftButton);
        win->resize(640, 400);
        QCOMPARE(S().DiscAreaH, 400 - 182);
        QCOMPARE(S().DiscRadius, (400 - 182) / 6);
        QCOMPARE(S().Disc(1).Y, S().DiscAreaH - S().DiscRadius);
        QCOMPARE(S().Disc(1).X, 300);
        QCOMPARE(S().FrameLayer->Height(), 218);
        QCOMPARE(win->ProjoZone->geometry(), QRect(4, 222, 630, 81));
    }

    void minimumSize()
    {
        win->resize(100, 100);
        QVERIFY(win->width() >= 460 - 20 && win->height() >= 360 - 40);
        QVERIFY(S().DiscRadius >= 20);
    }

    void reopenResets()
    {
        win->EtenduCheck->click();
        win->bBar->setValue(80);
        QTest::mousePress(win->Zone, Qt::LeftButton, Qt::NoModifier, Centre(1).toPoint());
        QTest::mouseMove(win->Zone, QPoint(40, 40));
        win->close(); // mid-drag: the release never comes
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win.get()));
        QCOMPARE(S().DragDisc, 0);
        QCOMPARE(win->bBar->value(), 0);
        QVERIFY(!win->EtenduCheck->isChecked());
        QCOMPARE(win->BEdit->text(), QStringLiteral(" 100 %"));
        QCOMPARE(QPoint(S().Disc(1).X, S().Disc(1).Y), QPoint(291, 116));
        QCOMPARE(S().Disc(3).Colour, 0xFF0000u);
        QCOMPARE(Screen(QPoint(291, 116)), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TstAddSynth)
#include "tst_addsynth.moc"
