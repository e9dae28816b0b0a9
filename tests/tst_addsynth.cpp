// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The additive-synthesis window driven as a pupil would, on the offscreen
// platform: its layout, and mouse, wheel, bars and check boxes reaching the
// state (whose dragging and mixing tst_synthstate covers), read back from the
// composed screen (FrameLayer) and the projector strip.
#include "imaging/ColourProbeU.h"
#include "imaging/ColourVisionU.h"
#include "shell/PaintBoxU.h"
#include "tests/support/SynthProbe.h"
#include "tests/support/WindowProbe.h"
#include "tests/support/TestSupport.h"
#include "workshops/AddU.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

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

class TstAddSynth : public QObject, testsupport::TSynthWindow<TAddF, Irisonde::EWorkshop::Add> {
    Q_OBJECT
    QColor Screen(QPoint p) { return At(*S().FrameLayer(), p); }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void designSize()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral(" Synthèse additive"));
        QCOMPARE(win->size(), QSize(592, 413));
        QCOMPARE(S().DiscAreaW(), 582);
        QCOMPARE(S().DiscAreaH(), 233);
        QCOMPARE(S().DiscRadius(), 38);
        QCOMPARE(C("Zone")->geometry(), QRect(4, 4, 582, 233));
        QCOMPARE(C("ProjoZone")->geometry(), QRect(4, 237, 582, 81));
        QCOMPARE(C<QLineEdit>("Redit")->text(), QStringLiteral(" 100 %"));
        QVERIFY(!C<QScrollBar>("rBar")->isEnabled());
        QVERIFY(!C<QCheckBox>("LinkCheck")->isEnabled());
        QCOMPARE(C<QScrollBar>("rBar")->toolTip(), QStringLiteral(" Ajuster la composante rouge"));
        QCOMPARE(C<QCheckBox>("EtenduCheck")->toolTip(), QStringLiteral(" Utiliser la synthèse additive étendue"));
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

    // Right clicks (with Ctrl: smaller) and wheel notches change the radius
    // by 10 within 20 .. DiscAreaH div 3, and the screen shows it at once;
    // the middle button does nothing.
    void radius_data()
    {
        QTest::addColumn<int>("clicks"); // right clicks, negative with Ctrl
        QTest::addColumn<QPoint>("angle"); // then one wheel turn
        QTest::addColumn<int>("radius");
        QTest::newRow("right click: +10") << 1 << QPoint() << 48;
        QTest::newRow("Ctrl+right click: -10") << -1 << QPoint() << 28;
        QTest::newRow("right clicks stop at 77") << 10 << QPoint() << 77;
        QTest::newRow("Ctrl+right clicks stop at 20") << -10 << QPoint() << 20;
        QTest::newRow("wheel 240 away: +20") << 0 << QPoint(0, 240) << 58;
        QTest::newRow("wheel -119: nothing") << 0 << QPoint(0, -119) << 38;
        QTest::newRow("wheel -120: -10") << 0 << QPoint(0, -120) << 28;
        QTest::newRow("shift+wheel on x: 240") << 0 << QPoint(240, 0) << 58;
        QTest::newRow("wheel far beyond the limit") << 0 << QPoint(0, 12000) << 77;
    }
    void radius()
    {
        QFETCH(int, clicks);
        QFETCH(QPoint, angle);
        QFETCH(int, radius);
        for (int i = 0; i < std::abs(clicks); ++i)
            QTest::mouseClick(C("Zone"), Qt::RightButton, clicks < 0 ? Qt::ControlModifier : Qt::NoModifier, QPoint(5, 5));
        QTest::mouseClick(C("Zone"), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
        if (!angle.isNull())
            Wheel(C("Zone"), angle);
        QCOMPARE(S().DiscRadius(), radius);
        QCOMPARE(S().Disc(3).Bitmap->Width(), 2 * radius);
        QCOMPARE(Screen((Centre(1) + QPointF(0, radius - 3)).toPoint()), QColor(255, 0, 0));
    }

    // Without a mouse: the screen has the keys on opening, framed; 1, 2, 3
    // choose, the arrows drag (Shift: by ten), + and - size, and the
    // screen's sentence follows; Tab goes round every control that can act.
    void keyboard()
    {
        QVERIFY(QTest::qWaitForWindowActive(win.get()));
        QWidget *zone = C("Zone");
        QCOMPARE(QApplication::focusWidget(), zone);
        const QColor ring = win->grab().toImage().pixelColor(zone->x() - 2, zone->y() + 20);
        QCOMPARE(ring, win->palette().color(QPalette::Highlight));

        const QPointF green = Centre(2);
        QTest::keyClick(zone, Qt::Key_Eacute); // the "2" key of a French keyboard
        QTest::keyClick(zone, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(zone, Qt::Key_Up);
        QCOMPARE(Centre(2), green + QPointF(10, -1));
        QTest::keyClick(zone, Qt::Key_Plus);
        QCOMPARE(S().DiscRadius(), 48);
        IRISONDE_COMPARE_IMAGES(testsupport::Shown(zone), S().FrameLayer()->Image());
        const QString said = QAccessible::queryAccessibleInterface(zone)->text(QAccessible::Description);
        QVERIFY2(said.contains(QStringLiteral("Rayon : 48 pixels")) && said.contains(QStringLiteral("déplace le disque vert")),
                 qPrintable(said));
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(zone, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(S().Disc(2).Y, 233 - 48); // the drag's clamp above the strip

        QStringList reached;
        for (int i = 0; i < 20 && (i == 0 || QApplication::focusWidget() != zone); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        // The boxes on the left, the figures of the (disabled) bars, the
        // toolbar last, then round to the screen.
        QCOMPARE(reached, QStringList({"EtenduCheck", "CloseBout", "CopierBout", "AideBout", "VisionBout", "EnregistrerBout", "ImprimerBout", "Zone"}));
        QVERIFY(win->grab().toImage().pixelColor(zone->x() - 2, zone->y() + 20) == ring);
        C<QCheckBox>("EtenduCheck")->setFocus();
        QTRY_VERIFY(win->grab().toImage().pixelColor(zone->x() - 2, zone->y() + 20) != ring);
    }

    void extendedAndLink()
    {
        C<QCheckBox>("EtenduCheck")->click();
        QVERIFY(C<QScrollBar>("rBar")->isEnabled() && C<QCheckBox>("LinkCheck")->isEnabled());
        const QPoint red = Away(Centre(1), (Centre(1) + Centre(2) + Centre(3)) / 3, 20);
        const QPoint yellow = Away((Centre(1) + Centre(2)) / 2, Centre(3), 24);
        C<QScrollBar>("rBar")->setValue(50);
        QCOMPARE(S().Disc(1).Percent, 50);
        QCOMPARE(C<QLineEdit>("Redit")->text(), QStringLiteral(" 50 %"));
        QCOMPARE(Screen(red), QColor(127, 0, 0));
        QCOMPARE(Screen(yellow), QColor(127, 255, 0)); // each channel keeps its own value
        QCOMPARE(C<QScrollBar>("gBar")->value(), 0);               // not linked yet

        C<QCheckBox>("LinkCheck")->click();
        C<QScrollBar>("gBar")->setValue(30);
        QCOMPARE(C<QScrollBar>("rBar")->value(), 30);
        QCOMPARE(C<QScrollBar>("bBar")->value(), 30);
        for (QLineEdit *e : {C<QLineEdit>("Redit"), C<QLineEdit>("GEdit"), C<QLineEdit>("BEdit")})
            QCOMPARE(e->text(), QStringLiteral(" 70 %"));
        QCOMPARE(Screen(yellow), QColor(178, 178, 0)); // 255 x 70 div 100
        IRISONDE_COMPARE_IMAGES(testsupport::Shown(C("Zone")), S().FrameLayer()->Image());

        C<QCheckBox>("EtenduCheck")->click(); // unticked
        for (QScrollBar *b : {C<QScrollBar>("rBar"), C<QScrollBar>("gBar"), C<QScrollBar>("bBar")}) {
            QCOMPARE(b->value(), 0);
            QVERIFY(!b->isEnabled());
        }
        for (QLineEdit *e : {C<QLineEdit>("Redit"), C<QLineEdit>("GEdit"), C<QLineEdit>("BEdit")})
            QCOMPARE(e->text(), QStringLiteral(" 100 %"));
        QVERIFY(C<QCheckBox>("LinkCheck")->isChecked());
        QVERIFY(!C<QCheckBox>("LinkCheck")->isEnabled());
        QCOMPARE(Screen(yellow), QColor(255, 255, 0));
    }

    void copyAfterResize()
    {
        win->resize(600, 420);
        win->resize(592, 413);
        QCOMPARE(S().DiscAreaH(), 231);
        QApplication::clipboard()->clear();
        QTest::mouseClick(C<QToolButton>("CopierBout"), Qt::LeftButton);
        const QImage copy = QApplication::clipboard()->image();
        QCOMPARE(copy.size(), QSize(582, 312));
        IRISONDE_COMPARE_IMAGES(copy.copy(0, 0, 582, 231), S().FrameLayer()->Image());
        IRISONDE_COMPARE_IMAGES(copy.copy(0, 231, 582, 81), S().StripImage()->Image());
        QCOMPARE((QList<int>{S().Projector(1).X, S().Projector(2).X, S().Projector(3).X}), (QList<int>{10, 251, 492}));
    }

    void resizeResetsRadiusAndClamps()
    {
        QTest::mouseClick(C("Zone"), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mousePress(C("Zone"), Qt::LeftButton, Qt::NoModifier, Centre(1).toPoint());
        QTest::mouseMove(C("Zone"), QPoint(300, 5000));
        IRISONDE_COMPARE_IMAGES(testsupport::Shown(C("Zone")), S().FrameLayer()->Image());
        QTest::mouseRelease(C("Zone"), Qt::LeftButton);
        QCOMPARE(S().DragDisc(), 0);
        win->resize(640, 400);
        QCOMPARE(S().DiscAreaH(), 400 - 182);
        QCOMPARE(S().DiscRadius(), (400 - 182) / 6);
        QCOMPARE(S().Disc(1).Y, S().DiscAreaH() - S().DiscRadius());
        QCOMPARE(S().Disc(1).X, 300);
        QCOMPARE(S().FrameLayer()->Height(), 218);
        QCOMPARE(C("ProjoZone")->geometry(), QRect(4, 222, 630, 81));
    }

    void minimumSize()
    {
        win->resize(100, 100);
        QVERIFY(win->width() >= 460 - 20 && win->height() >= 360 - 40);
        QVERIFY(S().DiscRadius() >= 20);
    }

    // The colour probe and the colour-vision view every workshop has: the
    // probe reads what the screen shows under the pointer and where the keys
    // act; a view changes the screen, the probe and the copy, and switching
    // back gives the same window.
    void perception()
    {
        QWidget *zone = C("Zone");
        const auto *probe = C<QLabel>("SondeLab");
        const auto said = [](QRgb c) {
            const QString mixture = MixtureName(c, ESynthesis::Additive);
            return ProbeChannelText(c) + u'\n' + ProbeHexText(c) + (mixture.isEmpty() ? QString() : u'\n' + mixture);
        };
        QTest::keyClick(zone, Qt::Key_3);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(zone, Qt::Key_Down, Qt::ShiftModifier);
        const QPoint blue = Centre(3).toPoint();
        QTRY_COMPARE(probe->text(), said(testsupport::Shown(zone).pixel(blue)));
        QCOMPARE(testsupport::Shown(zone).pixel(blue), Screen(blue).rgb());

        const QPoint yellow = Away((Centre(1) + Centre(2)) / 2, Centre(3), 24);
        QCOMPARE(Screen(yellow), QColor(255, 255, 0));
        QTest::mouseMove(zone, yellow);
        QCOMPARE(probe->text(), QStringLiteral("R 255  V 255  B 0\n#FFFF00\njaune = rouge + vert"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(zone, &leave);
        QCOMPARE(probe->text(), QString());
        QTest::mouseMove(zone, yellow + QPoint(1, 0)); // a move to where the pointer is makes no event
        QTest::mouseMove(zone, yellow);
        QVERIFY(!probe->text().isEmpty());

        const QImage before = win->grab().toImage();
        QTest::keyClick(zone, Qt::Key_V);
        QCOMPARE(win->Vision(), EVision::Protanopia);
        QCOMPARE(win->windowTitle(), QStringLiteral(" Synthèse additive — Protanopie"));
        const QRgb seen = TColourVision(EVision::Protanopia).Seen(qRgb(255, 255, 0));
        QVERIFY(seen != qRgb(255, 255, 0));
        QCOMPARE(testsupport::Shown(zone).pixel(yellow), seen);
        QTRY_COMPARE(probe->text(), said(seen));
        QApplication::clipboard()->clear();
        QTest::mouseClick(C<QToolButton>("CopierBout"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->image().pixel(yellow), seen);
        QCOMPARE(Screen(yellow), QColor(255, 255, 0)); // the workshop's own image untouched

        for (int v = 1; v < VisionCount; ++v)
            QTest::keyClick(zone, Qt::Key_V);
        QCOMPARE(win->Vision(), EVision::Normal);
        QCOMPARE(win->windowTitle(), QStringLiteral(" Synthèse additive"));
        QTRY_COMPARE(probe->text(), said(qRgb(255, 255, 0)));
        IRISONDE_COMPARE_IMAGES(win->grab().toImage(), before);
    }

    void reopenResets()
    {
        C<QCheckBox>("EtenduCheck")->click();
        C<QScrollBar>("bBar")->setValue(80);
        QTest::mousePress(C("Zone"), Qt::LeftButton, Qt::NoModifier, Centre(1).toPoint());
        QTest::mouseMove(C("Zone"), QPoint(40, 40));
        win->close(); // mid-drag: the release never comes
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win.get()));
        QCOMPARE(S().DragDisc(), 0);
        QCOMPARE(C<QScrollBar>("bBar")->value(), 0);
        QVERIFY(!C<QCheckBox>("EtenduCheck")->isChecked());
        QCOMPARE(C<QLineEdit>("BEdit")->text(), QStringLiteral(" 100 %"));
        QCOMPARE(QPoint(S().Disc(1).X, S().Disc(1).Y), QPoint(291, 116));
        QCOMPARE(S().Disc(3).Colour, 0xFF0000u);
        QCOMPARE(Screen(QPoint(291, 116)), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TstAddSynth)
#include "tst_addsynth.moc"
