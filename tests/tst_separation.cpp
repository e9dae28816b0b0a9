// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The four-colour printing and RGB decomposition windows, made from the
// program's workshop table and driven as a pupil would offscreen, read back
// from the pixels of their panes. The plate arithmetic is tested on the state.
#include "app/WorkshopTableU.h"
#include "imaging/ColourProbeU.h"
#include "shell/ProgramU.h"
#include "shell/AppStateU.h"
#include "shell/PaintBoxU.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowProbe.h"
#include "workshops/SepU.h"
#include "workshops/state/SepPlates.h"
#include "workshops/state/SynthState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QtTest>

using namespace Irisonde;

namespace {

const QRgb White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0), Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0),
           Blue = qRgb(0, 0, 255), Cyan = qRgb(0, 255, 255), Magenta = qRgb(255, 0, 255), Yellow = qRgb(255, 255, 0);
constexpr QRgb Blank = 0; // the empty pane; as a picture: the test card left alone

std::unique_ptr<TSepF> Open(TProgram &program, bool rgb)
{
    std::unique_ptr<TWorkshopF> made = MakeWorkshop(program, rgb ? EWorkshop::RGB : EWorkshop::Quadri);
    if (!qobject_cast<TSepF *>(made.get()))
        return nullptr;
    std::unique_ptr<TSepF> w(static_cast<TSepF *>(made.release()));
    w->show();
    return QTest::qWaitForWindowExposed(w.get()) ? std::move(w) : nullptr;
}
QImage Shown(TSepF &w, const QString &zone) { return w.findChild<TPaintBox *>(zone)->grab().toImage(); }
// Clicks the buttons and boxes named, in turn; "resize" makes the window larger.
void Act(TSepF &w, const QStringList &names)
{
    for (const QString &name : names) {
        if (name == "resize") {
            w.resize(700, 500);
            QTRY_COMPARE(w.State().PictureWidth(), (700 - 26) / 3);
        } else {
            QTest::mouseClick(w.findChild<QAbstractButton *>(name), Qt::LeftButton);
        }
    }
}
const QStringList CMYK{"CCheck", "MCheck", "YCheck", "KCheck"}, CMY = CMYK.mid(0, 3), Lights{"RCheck", "GCheck", "BCheck"};
// The panes of the plates and the recomposition, in cell order.
QStringList Outputs(bool rgb) { return QStringList{"Zone1", "Zone2", "Zone3", "Zone4", "Zone5"}.mid(0, rgb ? 4 : 5); }

} // namespace

class TstSeparation : public QObject {
    Q_OBJECT
    Irisonde::TProgram m_program;

private slots:
    void layout_data()
    {
        QTest::addColumn<bool>("rgb");
        QTest::newRow("four-colour printing") << false;
        QTest::newRow("RGB decomposition") << true;
    }
    void layout()
    {
        QFETCH(bool, rgb);
        const auto w = Open(m_program, rgb);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), rgb ? QStringLiteral(" Décomposition RGB d'une image - Image par défaut")
                                       : QStringLiteral(" Impression par quadrichromie ou trichromie - Image par défaut"));
        // The four-colour window opens wider than its first size, so that
        // the colour probe shows the four inks whole.
        const int width = w->width();
        QCOMPARE(width, rgb ? 612 : 635);
        QCOMPARE(testsupport::Control<QFrame>(*w, "Panel1")->geometry(), QRect(0, 413 - 63, width, 63));
        // Panes of (width - 26) / 3 by (413 - 110) / 2, labels centred under them.
        const int pane = (width - 26) / 3;
        const QStringList panes{"OriginZone", "Zone1", "Zone2", "Zone3", rgb ? "Zone4" : "Zone5"};
        const QStringList labels{"Lab", "Lab1", "Lab2", "Lab3", rgb ? "Lab4" : "Lab5"};
        const QPoint places[] = {{4, 4}, {pane + 13, 4}, {2 * pane + 21, 4}, {4, 180}, {2 * pane + 21, 180}};
        for (int k = 0; k < panes.size(); ++k) {
            QCOMPARE(w->findChild<TPaintBox *>(panes[k])->geometry(), QRect(places[k], QSize(pane, 151)));
            const QLabel *lab = w->findChild<QLabel *>(labels[k]);
            QCOMPARE(lab->pos(), QPoint(places[k].x() + (pane - lab->width()) / 2, places[k].y() + 152));
        }
        // The colour probe over the picture as shown; in the four-colour
        // window, with the inks its plates lay for that colour.
        QWidget *origin = w->findChild<TPaintBox *>("OriginZone");
        const QPoint middle = origin->rect().center();
        QTest::mouseMove(origin, middle);
        const QRgb shown = testsupport::Shown(origin).pixel(middle);
        const std::array<int32_t, 4> inks = FourColourInkPercents(shown);
        QCOMPARE(testsupport::Control<QLabel>(*w, "SondeLab")->text(),
                 rgb ? ProbeChannelText(shown) + u'\n' + ProbeHexText(shown)
                     : ProbeChannelText(shown) + QStringLiteral("   ") + ProbeHexText(shown) + u'\n' + ProbeInkText(inks[0], inks[1], inks[2], inks[3]));
        if (rgb) {
            QCOMPARE(w->findChild<TPaintBox *>("LogoZone")->geometry(), QRect(244, 180 + 53, 123, 44));
            IRISONDE_COMPARE_IMAGES(Shown(*w, "LogoZone"), App::Logo());
            for (const char *name : {"RGBCheck", "RCheck", "GCheck", "BCheck"})
                QVERIFY2(w->findChild<QCheckBox *>(name)->toolTip().isEmpty(), name);
        }
    }

    // A picture of one colour (or the test card) and the buttons clicked in
    // turn: the boxes left ticked, each output pane of one colour or blank
    // (no colours: the last pane is the picture again), and the copy
    // holding what the panes show, the background for the blanks and the logo.
    void boxes_data()
    {
        QTest::addColumn<bool>("rgb");
        QTest::addColumn<QRgb>("picture");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QList<QRgb>>("panes");
        const QStringList four = QStringList{"CMYKCheck"} + CMYK, three = QStringList{"CMYCheck"} + CMY,
                          lights = QStringList{"RGBCheck"} + Lights, kc{"CMYCheck", "KCheck", "CCheck"},
                          rg{"RCheck", "GCheck", "RGBCheck"};
        const QList<QRgb> blanks(5, Blank);
        QTest::newRow("nothing ticked") << false << Red << QStringList{} << QStringList{} << blanks;
        QTest::newRow("four colours, red") << false << Red << four << four << QList{White, Magenta, Yellow, White, Red};
        QTest::newRow("three colours: black ink changes nothing") << false << Black << kc << kc
                                                                  << QList{Cyan, Magenta, Yellow, Blank, Cyan};
        QTest::newRow("lights ticked first: red + green = yellow") << true << White << rg << rg << QList{Red, Green, Blue, Yellow};
        QTest::newRow("card, four colours") << false << Blank << four << four << QList<QRgb>{};
        QTest::newRow("card, three colours") << false << Blank << three << three << QList<QRgb>{};
        QTest::newRow("card, lights") << true << Blank << lights << lights << QList<QRgb>{};
        QTest::newRow("the other mode unticks the first") << false << White << four + QStringList{"CMYCheck"}
                                                          << three + QStringList{"KCheck"} << QList{White, White, White, Blank, White};
        for (const bool rgb : {false, true}) {
            const QStringList all = rgb ? lights : four, inks = all.mid(1);
            QTest::addRow("%s unticked: inks stay", qPrintable(all[0])) << rgb << White << all + all.mid(0, 1) << inks << blanks;
            for (const QString change : {"DefautBout", "StretchCheck", "resize"})
                QTest::addRow("%s, %s: all off", qPrintable(all[0]), qPrintable(change))
                    << rgb << White << all + QStringList{change} << (change == "StretchCheck" ? QStringList{change} : QStringList{})
                    << blanks;
        }
    }
    void boxes()
    {
        QFETCH(bool, rgb);
        QFETCH(QRgb, picture);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, ticked);
        QFETCH(QList<QRgb>, panes);
        const auto w = Open(m_program, rgb);
        QVERIFY(w);
        const TSepState &s = w->State();
        if (picture != Blank)
            FillImage(*s.PictureImage(), picture & 0xFFFFFFu);
        Act(*w, clicks);
        for (const QCheckBox *box : w->findChildren<QCheckBox *>())
            QVERIFY2(box->isChecked() == ticked.contains(box->objectName()), qPrintable(box->objectName()));
        const QStringList zones = Outputs(rgb);
        if (panes.isEmpty())
            IRISONDE_COMPARE_IMAGES(Shown(*w, zones.constLast()), s.PictureImage()->Image());
        for (int k = 0; k < zones.size() && k < panes.size(); ++k) {
            QImage expected = s.BlankBitmap()->Image();
            if (panes[k] != Blank)
                expected.fill(QColor(panes[k]));
            IRISONDE_COMPARE_IMAGES(Shown(*w, zones[k]), expected);
        }

        Act(*w, {"CopierBout"});
        const QImage copy = QApplication::clipboard()->image();
        const QSize pane(s.PictureWidth(), s.PictureHeight());
        QCOMPARE(copy.size(), QSize(3 * pane.width(), 2 * pane.height()));
        for (int c = 0; c < SepCellCount; ++c) {
            const TDibPlus *shown = s.CellImage(c);
            QImage expected(pane, QImage::Format_RGB32);
            expected.fill(rgb ? Black : White);
            if (shown && shown != s.BlankBitmap())
                expected = shown->Image();
            IRISONDE_COMPARE_IMAGES(copy.copy(QRect(QPoint(c % 3 * pane.width(), c / 3 * pane.height()), pane)), expected);
        }
    }
};

QTEST_MAIN(TstSeparation)
#include "tst_separation.moc"
