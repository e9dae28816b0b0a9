// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The scene-lighting window driven as a pupil would, on the offscreen
// platform: mouse, wheel, bars, buttons and boxes, read back from the pixels
// of the lit scene. The lighting itself is tested on the state.
#include "app/WorkshopTableU.h"
#include "imaging/ColourProbeU.h"
#include "shell/PaintBoxU.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowProbe.h"
#include "workshops/EclaireU.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Irisonde;

using Irisonde::TEclaireF;
using testsupport::At;
using testsupport::Control;
using testsupport::Shown;
using testsupport::Wheel;

namespace {

// Each channel of the unlit scene's pixel times its factor div 256.
QRgb Lit(TEclaireF &w, int x, int y)
{
    const QRgb c = At(*w.State().ScenePicture(), x, y);
    const auto &s = w.State();
    return qRgb(qRed(c) * s.FactorR() / 256, qGreen(c) * s.FactorG() / 256, qBlue(c) * s.FactorB() / 256);
}

} // namespace

class TstEclaire : public QObject {
    Q_OBJECT
    Irisonde::TProgram m_program;
    std::unique_ptr<TEclaireF> win;
    const Irisonde::TEclaireState &S() { return win->State(); }
    TDibPlus &LitImage() { return *S().LitImage(); }
    QWidget *Zone() { return Control(*win, "Zone"); }
    QStringList Edits()
    {
        return {Control<QLineEdit>(*win, "Redit")->text(), Control<QLineEdit>(*win, "GEdit")->text(),
                Control<QLineEdit>(*win, "BEdit")->text()};
    }

private slots:
    void init()
    {
        win = std::make_unique<TEclaireF>(m_program, Irisonde::WorkshopRow(Irisonde::EWorkshop::Eclaire));
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win.get()));
    }
    void cleanup() { win.reset(); }

    void firstShow()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral(" Eclairage d'une scène - Image par défaut"));
        QCOMPARE(win->size(), QSize(612, 413));
        QCOMPARE(Zone()->geometry(), QRect(6, 4, 297, 231));
        QCOMPARE(Control(*win, "ProjoZone")->geometry(), QRect(6, 235, 297, 81));
        QCOMPARE(Control(*win, "OriginZone")->geometry(), QRect(309, 4, 297, 231));
        QCOMPARE(Edits(), QStringList(3, QStringLiteral(" 100 %")));
        // The spot of radius 100 in the middle, black around it.
        QCOMPARE(QPoint(S().SpotX(), S().SpotY()), QPoint(148, 115));
        QCOMPARE(At(LitImage(), 148, 115), At(*S().ScenePicture(), 148, 115));
        QCOMPARE(At(LitImage(), 148 + 99, 116), Lit(*win, 148 + 99, 116));
        QCOMPARE(At(LitImage(), 148 + 102, 116), qRgb(0, 0, 0));
        QCOMPARE(At(LitImage(), 2, 2), qRgb(0, 0, 0));
        QVERIFY(At(*S().ScenePicture(), 2, 2) != qRgb(0, 0, 0)); // the card is there
        // What the window shows is what the state holds.
        IRISONDE_COMPARE_IMAGES(Zone()->grab().toImage(), LitImage().Image());
    }

    void lightControls()
    {
        // The grey button: 75 per cent, a lamp of 192, 192, 192, the bars moved.
        QTest::mouseClick(win->findChild<QToolButton *>(QStringLiteral("grBout")), Qt::LeftButton);
        QCOMPARE(Edits(), QStringList(3, QStringLiteral(" 75 %")));
        QCOMPARE(S().LightColour(), 0xC0C0C0u);
        QCOMPARE(Control<QScrollBar>(*win, "GBar")->value(), 63);
        QCOMPARE(At(LitImage(), 148, 115), Lit(*win, 148, 115));
        // Linked, one bar at 128 takes the other two.
        QTest::mouseClick(Control<QCheckBox>(*win, "LinkCheck"), Qt::LeftButton);
        Control<QScrollBar>(*win, "GBar")->setValue(128);
        QCOMPARE(Edits(), QStringList(3, QStringLiteral(" 50 %")));
        QCOMPARE(Control<QScrollBar>(*win, "RBar")->value(), 128);
        QCOMPARE(At(LitImage(), 148, 115), Lit(*win, 148, 115));
        QCOMPARE(At(LitImage(), 2, 2), qRgb(0, 0, 0));
    }

    void mouse()
    {
        // A press takes the spot there; a drag below the bottom stops it at
        // PictureHeight - Radius - 3; a move without the button does nothing.
        QTest::mousePress(Zone(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
        QCOMPARE(QPoint(S().SpotX(), S().SpotY()), QPoint(40, 30));
        QCOMPARE(At(LitImage(), 5, 30), Lit(*win, 5, 30)); // a spot half off the left edge
        IRISONDE_COMPARE_IMAGES(Shown(Zone()), LitImage().Image());
        QTest::mouseMove(Zone(), QPoint(200, 230));
        QCOMPARE(QPoint(S().SpotX(), S().SpotY()), QPoint(200, 231 - 100 - 3));
        IRISONDE_COMPARE_IMAGES(Shown(Zone()), LitImage().Image());
        QVERIFY(S().BeamAngle() > 0.0); // right of the middle turns the lamp right
        QCOMPARE(At(LitImage(), 200, 128), Lit(*win, 200, 128));
        QCOMPARE(At(LitImage(), 40, 30), qRgb(0, 0, 0));
        QTest::mouseRelease(Zone(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 230));
        QTest::mouseMove(Zone(), QPoint(20, 20));
        QCOMPARE(S().SpotX(), 200);
        // Right click grows the spot, Ctrl+right shrinks it.
        QTest::mouseClick(Zone(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(S().Radius(), 110);
        QTest::mouseClick(Zone(), Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QTest::mouseClick(Zone(), Qt::RightButton, Qt::ControlModifier, QPoint(5, 5));
        QCOMPARE(S().Radius(), 90);
        // The wheel in whole notches, horizontal as Shift gives on some platforms.
        Wheel(Zone(), QPoint(0, 240));
        Wheel(Zone(), QPoint(0, -119));
        QCOMPARE(S().Radius(), 110);
        Wheel(Zone(), QPoint(-120, 0));
        QCOMPARE(S().Radius(), 100);
        QCOMPARE(At(LitImage(), 200 - 99, 127), Lit(*win, 200 - 99, 127)); // the centre row
        QCOMPARE(At(LitImage(), 200 - 101, 127), qRgb(0, 0, 0));
    }

    // Without a mouse: the lit scene has the keys; the arrows take the spot
    // as the left button would (Shift: by ten, kept on the scene, stopped
    // above the strip), + and - size it as the right button does; Tab then
    // reaches the unlit picture, which takes the keys' frame.
    void keyboard()
    {
        QVERIFY(QTest::qWaitForWindowActive(win.get()));
        QCOMPARE(QApplication::focusWidget(), Zone());
        QTest::keyClick(Zone(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(Zone(), Qt::Key_Down);
        QCOMPARE(QPoint(S().SpotX(), S().SpotY()), QPoint(148 - 10, 116));
        QCOMPARE(At(LitImage(), 138, 116), Lit(*win, 138, 116));
        // The colour probe follows the spot's middle, as shown.
        const QRgb under = testsupport::Shown(Zone()).pixel(138, 116);
        QTRY_VERIFY(testsupport::Control<QLabel>(*win, "SondeLab")->text().startsWith(ProbeChannelText(under) + u'\n'));
        QTest::keyClick(Zone(), Qt::Key_Minus);
        QCOMPARE(S().Radius(), 90);
        QTest::keyClick(Zone(), Qt::Key_Plus);
        QTest::keyClick(Zone(), Qt::Key_Equal);
        QCOMPARE(S().Radius(), 110);
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(Zone(), Qt::Key_Left, Qt::ShiftModifier);
            QTest::keyClick(Zone(), Qt::Key_Down, Qt::ShiftModifier);
        }
        QCOMPARE(QPoint(S().SpotX(), S().SpotY()), QPoint(0, 231 - 110 - 3));
        IRISONDE_COMPARE_IMAGES(Shown(Zone()), LitImage().Image());
        const QString said = QAccessible::queryAccessibleInterface(Zone())->text(QAccessible::Description);
        QVERIFY2(said.contains(QStringLiteral("rayon 110 pixels à 0 pixels du bord gauche")), qPrintable(said));

        QTest::keyClick(Zone(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Control(*win, "OriginZone"));
        QTest::keyClick(Control(*win, "OriginZone"), Qt::Key_Left);
        QCOMPARE(S().SpotX(), 0); // only the lit scene moves the spot

        // Tab goes from bar to bar, past the figures, and a focused bar is
        // ringed on screen.
        auto *gBar = Control<QScrollBar>(*win, "GBar");
        for (int i = 0; i < 12 && QApplication::focusWidget() != gBar; ++i) {
            QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), gBar);
        const QImage panel = Shown(Control(*win, "Panel1"));
        QCOMPARE(panel.pixel(gBar->x() - 1, gBar->y() + 10), win->palette().color(QPalette::Highlight).rgb());
    }

    void wholeSceneAndReopen()
    {
        QTest::mouseClick(win->findChild<QToolButton *>(QStringLiteral("cBout")), Qt::LeftButton);
        QTest::mouseClick(Control<QCheckBox>(*win, "FullSizeCheck"), Qt::LeftButton);
        QCOMPARE(At(LitImage(), 2, 2), Lit(*win, 2, 2));
        // Dragging still moves the hidden spot; the projector stays upright.
        const QImage upright = S().ProjoStrip()->Image();
        QTest::mousePress(Zone(), Qt::LeftButton, Qt::NoModifier, QPoint(280, 20));
        IRISONDE_COMPARE_IMAGES(S().ProjoStrip()->Image(), upright);
        QCOMPARE(S().SpotX(), 280);
        // The clipboard picture: the scene above the strip.
        QCOMPARE(S().CopyImage().size(), QSize(297, 231 + 81));

        win->close();
        QVERIFY(!S().LitImage());
        win->show();
        QVERIFY(!Control<QCheckBox>(*win, "FullSizeCheck")->isChecked());
        QCOMPARE(Edits(), QStringList(3, QStringLiteral(" 100 %")));
        QCOMPARE(S().Radius(), 100);
        QCOMPARE(QPoint(S().SpotX(), S().SpotY()), QPoint(148, 115));
        QCOMPARE(At(LitImage(), 2, 2), qRgb(0, 0, 0));
    }

    void resizing()
    {
        QTest::mouseClick(win->findChild<QToolButton *>(QStringLiteral("RBout")), Qt::LeftButton);
        win->resize(818, 600);
        QTRY_COMPARE(Zone()->size(), QSize(400, 418));
        QCOMPARE(S().FactorG(), 0); // the light stays
        QCOMPARE(QPoint(S().SpotX(), S().SpotY()), QPoint(200, 209));
        QCOMPARE(At(LitImage(), 200, 209), Lit(*win, 200, 209));
        win->resize(100, 100);
        // The colour buttons end at 462, then the colour probe under the
        // colour-vision, save and print buttons: the least width keeps
        // them all whole.
        QTRY_COMPARE(win->frameGeometry().size(), QSize(579, 300));
        QCOMPARE(S().PictureWidth(), (win->width() - 18) / 2);
        // The stretch box and the default button redraw the card.
        QTest::mouseClick(win->StretchCheck(), Qt::LeftButton);
        QVERIFY(win->Picture().StretchFlag());
        QTest::mouseClick(Control<QToolButton>(*win, "DefautBout"), Qt::LeftButton);
        QCOMPARE(win->windowTitle(), QStringLiteral(" Eclairage d'une scène - Image par défaut"));
    }

    void help()
    {
        QVERIFY(testsupport::HelpShows(m_program, Control<QToolButton>(*win, "AideBout"), QStringLiteral("ECLAIRAGE"),
                                       QStringLiteral("en lumière verte ou bleue, il ne reçoit rien")));
    }
};

QTEST_MAIN(TstEclaire)
#include "tst_eclaire.moc"
