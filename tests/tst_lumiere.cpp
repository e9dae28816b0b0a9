// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The light-and-colour-vision window driven as a pupil would, on the
// offscreen platform, read back from what the window shows: its controls
// wired to the picture, and the metamer experiment by the keyboard alone.
// The light and the eye are tested on the state.
#include "app/WorkshopTableU.h"
#include "imaging/ColourProbeU.h"
#include "shell/ProgramU.h"
#include "tests/support/WindowProbe.h"
#include "workshops/LumiereU.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace Irisonde;

using testsupport::Control;
using testsupport::Shown;

namespace {

QString Hex(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

bool Near(QRgb a, QRgb b, int d)
{
    return std::abs(qRed(a) - qRed(b)) <= d && std::abs(qGreen(a) - qGreen(b)) <= d && std::abs(qBlue(a) - qBlue(b)) <= d;
}

} // namespace

class TstLumiere : public QObject {
    Q_OBJECT
    TProgram program;
    std::unique_ptr<TWorkshopF> made;
    TLumiereF *win = nullptr;
    QWidget *Zone() { return Control(*win, "Zone"); }
    // A pixel of the screen as shown, at a client-area point.
    QRgb ShownAt(QPoint client) { return Shown(Zone()).pixel(client - Zone()->pos()); }
    QRgb PatchShown() { return ShownAt(win->Screen().Places().Patch.center()); }
    QRgb CompareShown() { return ShownAt(win->Screen().Places().Compare.center()); }
    QString Said() { return QAccessible::queryAccessibleInterface(Zone())->text(QAccessible::Description); }
    void Keys(Qt::Key key, int times, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(Zone(), key, mods);
    }

private slots:
    void init()
    {
        made = MakeWorkshop(program, EWorkshop::Lumiere);
        win = qobject_cast<TLumiereF *>(made.get());
        QVERIFY(win);
        win->show();
        QVERIFY(QTest::qWaitForWindowExposed(win));
    }
    void cleanup() { made.reset(); }

    // The controls and the mouse reach the picture: 700 nm shows a red
    // marked beyond the screen, "Comparer" keeps it while the line is
    // dragged to a green, the filter and the colour-vision view reach the
    // sentence; the help opens at the workshop's section.
    void wiring()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral(" Lumière, filtres et vision des couleurs"));
        QCOMPARE(PatchShown(), qRgb(255, 255, 255)); // the equal-energy white
        Control<QComboBox>(*win, "LightCombo")->setCurrentIndex(int(ELight::Sources));
        Control<QSpinBox>(*win, "NmSpin1")->setValue(700);
        const QRgb red = PatchShown();
        QVERIFY2(qRed(red) >= 2 * qGreen(red) + 10 && qRed(red) >= 2 * qBlue(red) + 10, qPrintable(Hex(red)));
        QCOMPARE(red, qRgb(win->Screen().State().Colour().Rgb.R, win->Screen().State().Colour().Rgb.G, win->Screen().State().Colour().Rgb.B));
        QVERIFY(Said().startsWith(QStringLiteral("Lumière : 700 nm à 100 %. Filtre : aucun.")));
        QVERIFY(Said().contains(QStringLiteral("Hors des couleurs de l'écran")));
        // The line on the plot, in the colour of its wavelength.
        const TLumierePlaces &at = win->Screen().Places();
        const QRgb line = ShownAt(QPoint(win->Screen().XOf(700), at.Band.bottom() - 4));
        QVERIFY2(qRed(line) > 150 && qGreen(line) < 80, qPrintable(Hex(line)));

        QTest::mouseClick(Control<QPushButton>(*win, "CompareBout"), Qt::LeftButton);
        // The line dragged by the mouse to 530 nm, the wheel taking 5 %.
        const QPoint origin = Zone()->pos(), y(0, at.Band.center().y());
        QTest::mousePress(Zone(), Qt::LeftButton, {}, QPoint(win->Screen().XOf(700), 0) + y - origin);
        QTest::mouseMove(Zone(), QPoint(win->Screen().XOf(600), 0) + y - origin);
        QTest::mouseMove(Zone(), QPoint(win->Screen().XOf(530), 0) + y - origin);
        QTest::mouseRelease(Zone(), Qt::LeftButton, {}, QPoint(win->Screen().XOf(530), 0) + y - origin);
        QCOMPARE(Control<QSpinBox>(*win, "NmSpin1")->value(), 530);
        testsupport::Wheel(Zone(), QPoint(0, -120));
        QCOMPARE(Control<QSpinBox>(*win, "PercentSpin1")->value(), 95);
        const QRgb green = PatchShown();
        QVERIFY2(qGreen(green) >= 2 * qRed(green) + 10, qPrintable(Hex(green)));
        QCOMPARE(CompareShown(), red);

        Control<QComboBox>(*win, "FilterCombo")->setCurrentIndex(int(EFilter::Magenta));
        QVERIFY(Said().contains(QStringLiteral("Filtre : magenta.")));
        QVERIFY(qGreen(PatchShown()) < qGreen(green));
        win->SetVision(EVision::Deuteranopia);
        QVERIFY(Said().endsWith(QStringLiteral("cônes M absents.")));
        QVERIFY(testsupport::HelpShows(program, Control<QAbstractButton>(*win, "AideBout"), QStringLiteral("SPECTRE"),
                                       QStringLiteral("ce sont des métamères")));
    }

    // 580 nm alone against 545 and 615 nm, set by the keys only: the two
    // patches alike, the cones within 2 % of the largest, and the probe on
    // the colour perceived.
    void metamerByKeys()
    {
        QTest::keyClick(Control<QComboBox>(*win, "LightCombo"), Qt::Key_Down); // the sources
        QTest::keyClick(Control<QPushButton>(*win, "CompareBout"), Qt::Key_Space); // 580 nm kept
        const TConeResponse target = win->Screen().State().Comparison()->Cones;
        Zone()->setFocus();
        Keys(Qt::Key_Left, 3, Qt::ShiftModifier); // source 1: 550 nm
        Keys(Qt::Key_Left, 5);                    // 545 nm
        Keys(Qt::Key_Minus, 9);                   // 55 %
        Keys(Qt::Key_Down, 1);                    // 54 %
        Keys(Qt::Key_2, 1);
        Keys(Qt::Key_Space, 1);                    // source 2 lit, at 530 nm
        Keys(Qt::Key_Right, 8, Qt::ShiftModifier); // 610 nm
        Keys(Qt::Key_Right, 5);                    // 615 nm
        Keys(Qt::Key_Minus, 5);                    // 75 %
        Keys(Qt::Key_Up, 1);                       // 76 %
        QCOMPARE(Said().left(41), QStringLiteral("Lumière : 545 nm à 54 % et 615 nm à 76 %."));
        QCOMPARE(Control<QSpinBox>(*win, "NmSpin2")->value(), 615);
        QVERIFY(Control<QCheckBox>(*win, "SourceCheck2")->isChecked());
        const TConeResponse now = win->Screen().State().Cones();
        const double worst = std::max({std::abs(now.L - target.L), std::abs(now.M - target.M), std::abs(now.S - target.S)});
        QVERIFY2(worst < 0.02 * target.Largest(), qPrintable(QString::number(worst)));
        QVERIFY2(Near(PatchShown(), CompareShown(), 1), qPrintable(Hex(PatchShown()) + QStringLiteral(" against ") + Hex(CompareShown())));
        // After the keys, the probe reads the colour perceived as shown.
        QTRY_VERIFY(Control<QLabel>(*win, "SondeLab")->text().startsWith(ProbeChannelText(PatchShown())));
    }
};

QTEST_MAIN(TstLumiere)
#include "tst_lumiere.moc"
