// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The subtractive-synthesis window driven as a pupil would, on the offscreen
// platform, read back from the composed sheet (FrameLayer) and the brush
// strip: its layout, the mouse and the bars reaching the state (whose
// dragging, mixing and inks tst_synthstate covers), the brushes at their
// fixed places, resize, copy and reopening.
#include "shell/PaintBoxU.h"
#include "tests/support/SynthProbe.h"
#include "tests/support/WindowProbe.h"
#include "tests/support/TestSupport.h"
#include "workshops/SubU.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace Irisonde;

namespace {

const auto At = testsupport::ColourAt;

int Count(const TDibPlus &image, QRect r, const QColor &c)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += At(image, QPoint(x, y)) == c;
    return n;
}

// A point on the paint of a brush, from the brush's top-left.
constexpr QPoint PaintSpot(20, 21);

} // namespace

class TstSubSynth : public QObject, testsupport::TSynthWindow<TSubF, Irisonde::EWorkshop::Sub> {
    Q_OBJECT
    QColor Sheet(QPoint p) { return At(*S().FrameLayer(), p); }
    QColor Paint(int k) { return At(*S().StripImage(), QPoint(TSubState::BrushLeft(k), 3) + PaintSpot); }

    void Drag(int k, QPoint to)
    {
        QTest::mousePress(C("Zone"), Qt::LeftButton, Qt::NoModifier, Centre(k).toPoint());
        QCOMPARE(S().DragDisc(), k);
        QTest::mouseMove(C("Zone"), to);
        QCOMPARE(Centre(k), QPointF(to));
        IRISONDE_COMPARE_IMAGES(testsupport::Shown(C("Zone")), S().FrameLayer()->Image());
        QTest::mouseRelease(C("Zone"), Qt::LeftButton, Qt::NoModifier, to);
    }
private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void designSize()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral(" Synthèse soustractive"));
        QCOMPARE(S().DiscAreaH(), 261);
        QCOMPARE(S().DiscRadius(), 43);
        QCOMPARE(C("PinceauZone")->geometry(), QRect(4, 265, 582, 50));
        QCOMPARE(C<QScrollBar>("MBar")->toolTip(), QStringLiteral(" Ajuster la composante magenta"));
        QCOMPARE(C<QCheckBox>("EtenduCheck")->toolTip(), QStringLiteral(" Utiliser la synthèse soustractive étendue"));
        QCOMPARE(C<QLabel>("JLab")->text(), QStringLiteral("Jaune"));
    }

    // Every paint pixel takes the ink, and nothing else of the brush does.
    void brushRecolouredExactly()
    {
        const QRect cyanBrush(TSubState::BrushLeft(1), 3, 140, 43);
        const int cyan = Count(*S().StripImage(), cyanBrush, QColor(0, 255, 255));
        int yellowInPicture = 0;
        for (int y = 0; y < S().BrushPicture().height(); ++y)
            for (int x = 0; x < S().BrushPicture().width(); ++x)
                yellowInPicture += S().BrushPicture().pixelColor(x, y) == QColor(255, 255, 0);
        QVERIFY2(yellowInPicture > 1900 && yellowInPicture < 2030, qPrintable(QString::number(yellowInPicture)));
        QCOMPARE(cyan, yellowInPicture);
        QCOMPARE(Count(*S().StripImage(), cyanBrush, QColor(255, 255, 0)), 0);
        QCOMPARE(Count(*S().StripImage(), QRect(TSubState::BrushLeft(3), 3, 140, 43), QColor(255, 255, 0)), yellowInPicture);
    }

    void linkedBars()
    {
        C<QCheckBox>("EtenduCheck")->click();
        C<QCheckBox>("LinkCheck")->click();
        C<QScrollBar>("JBar")->setValue(50);
        QCOMPARE(C<QScrollBar>("CBar")->value(), 50);
        QCOMPARE(C<QScrollBar>("MBar")->value(), 50);
        for (QLineEdit *e : {C<QLineEdit>("Redit"), C<QLineEdit>("GEdit"), C<QLineEdit>("BEdit")})
            QCOMPARE(e->text(), QStringLiteral(" 50 %"));
        QCOMPARE(Paint(1), QColor(128, 255, 255));
        QCOMPARE(Paint(2), QColor(255, 128, 255));
        QCOMPARE(Paint(3), QColor(255, 255, 128));
        QCOMPARE(Sheet(((Centre(1) + Centre(2) + Centre(3)) / 3).toPoint()), QColor(128, 128, 128));
        IRISONDE_COMPARE_IMAGES(testsupport::Shown(C("Zone")), S().FrameLayer()->Image());

        C<QCheckBox>("EtenduCheck")->click(); // unticked: plain inks again
        QCOMPARE(Paint(2), QColor(255, 0, 255));
        QCOMPARE(C<QScrollBar>("MBar")->value(), 0);
        QVERIFY(C<QCheckBox>("LinkCheck")->isChecked() && !C<QCheckBox>("LinkCheck")->isEnabled());
    }

    void resizeKeepsBrushes()
    {
        win->resize(900, 500);
        QCOMPARE(S().DiscAreaH(), 500 - 152);
        QCOMPARE(S().DiscRadius(), (500 - 152) / 6);
        QCOMPARE(S().StripImage()->Width(), 890);
        QCOMPARE(Paint(1), QColor(0, 255, 255));
        QCOMPARE(Paint(3), QColor(255, 255, 0));
        QCOMPARE(At(*S().StripImage(), QPoint(700, 25)), QColor(255, 255, 255));
        QCOMPARE(C("PinceauZone")->geometry(), QRect(4, 352, 890, 50));
    }

    void copy()
    {
        QApplication::clipboard()->clear();
        QTest::mouseClick(C<QToolButton>("CopierBout"), Qt::LeftButton);
        const QImage copy = QApplication::clipboard()->image();
        QCOMPARE(copy.size(), QSize(582, 311));
        IRISONDE_COMPARE_IMAGES(copy.copy(0, 0, 582, 261), S().FrameLayer()->Image());
        IRISONDE_COMPARE_IMAGES(copy.copy(0, 261, 582, 50), S().StripImage()->Image());
    }

    void reopenResets()
    {
        C<QCheckBox>("EtenduCheck")->click();
        C<QScrollBar>("MBar")->setValue(60);
        Drag(1, QPoint(30, 30));
        win->close();
        QVERIFY(!S().FrameLayer() && !S().HoldsPictures());
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win.get()));
        QCOMPARE(C<QScrollBar>("MBar")->value(), 0);
        QCOMPARE(C<QLineEdit>("GEdit")->text(), QStringLiteral(" 100 %"));
        QCOMPARE(Paint(2), QColor(255, 0, 255));
        QCOMPARE(QPoint(S().Disc(1).X, S().Disc(1).Y), QPoint(291, 130));
    }
};

QTEST_MAIN(TstSubSynth)
#include "tst_subsynth.moc"
