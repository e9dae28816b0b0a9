// The four-colour printing and RGB decomposition windows, made from the
// program's workshop table and driven as a pupil would offscreen, read back
// from the pixels of their panes. The plate arithmetic is tested on the state.
#include "app/WorkshopTableU.h"
#include "shell/AppStateU.h"
#include "shell/PaintBoxU.h"
#include "tests/support/TestSupport.h"
#include "workshops/SepU.h"
#include "workshops/state/SynthState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

using namespace Irisonde;

namespace {

const QRgb White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0), Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0),
           Blue = qRgb(0, 0, 255), Cyan = qRgb(0, 255, 255), Magenta = qRgb(255, 0, 255), Yellow = qRgb(255, 255, 0);
constexpr QRgb Blank = 0; // the empty pane; as a picture: the test card left alone

std::unique_ptr<TSepF> Open(bool rgb)
{
    std::unique_ptr<TWorkshopF> made = WorkshopRow(rgb ? EWorkshop::RGB : EWorkshop::Quadri).Make();
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
        if (name == "resize")
            w.resize(700, 500);
        else
            QTest::mouseClick(w.findChild<QAbstractButton *>(name), Qt::LeftButton);
    }
}
const QStringList CMYK{"CCheck", "MCheck", "YCheck", "KCheck"}, CMY = CMYK.mid(0, 3), Lights{"RCheck", "GCheck", "BCheck"};
// The panes of the plates and the recomposition, in cell order.
QStringList Outputs(bool rgb) { return QStringList{"Zone1", "Zone2", "Zone3", "Zone4", "Zone5"}.mid(0, rgb ? 4 : 5); }

} // namespace

class TstSeparation : public QObject {
    Q_OBJECT

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
        const auto w = Open(rgb);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), rgb ? QStringLiteral(" Décomposition RGB d'une image - Image par défaut")
                                       : QStringLiteral(" Impression par quadrichromie ou trichromie - Image par défaut"));
        QCOMPARE(w->Panel1->geometry(), QRect(0, 413 - 63, 612, 63));
        // Panes of (612 - 26) / 3 by (413 - 110) / 2, labels centred under them.
        const QStringList panes{"OriginZone", "Zone1", "Zone2", "Zone3", rgb ? "Zone4" : "Zone5"};
        const QStringList labels{"Lab", "Lab1", "Lab2", "Lab3", rgb ? "Lab4" : "Lab5"};
        const QPoint places[] = {{4, 4}, {208, 4}, {411, 4}, {4, 180}, {411, 180}};
        for (int k = 0; k < panes.size(); ++k) {
            QCOMPARE(w->findChild<TPaintBox *>(panes[k])->geometry(), QRect(places[k], QSize(195, 151)));
            const QLabel *lab = w->findChild<QLabel *>(labels[k]);
            QCOMPARE(lab->pos(), QPoint(places[k].x() + (195 - lab->width()) / 2, places[k].y() + 152));
        }
        if (rgb) {
            QCOMPARE(w->findChild<TPaintBox *>("LogoZone")->geometry(), QRect(244, 180 + 53, 123, 44));
            IRISONDE_COMPARE_IMAGES(Shown(*w, "LogoZone"), App::Logo());
            for (const char *name : {"RGBCheck", "RCheck", "GCheck", "BCheck"})
                QVERIFY2(w->findChild<QCheckBox *>(name)->toolTip().isEmpty(), name);
        } else {
            QCOMPARE(w->InkChecks[2]->text(), QStringLiteral("Jaune"));
        }
    }

    // A picture of one colour (or the test card) separated and recomposed
    // by the clicks, in either order; each output pane of one colour or
    // blank (no colours: the last pane is the picture again).
    void plates_data()
    {
        QTest::addColumn<bool>("rgb");
        QTest::addColumn<QRgb>("picture");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<QRgb>>("panes");
        QTest::newRow("four colours, red") << false << Red << QStringList{"CMYKCheck"} + CMYK << QList{White, Magenta, Yellow, White, Red};
        QTest::newRow("three colours: black ink changes nothing")
            << false << Black << QStringList{"CMYCheck", "KCheck", "CCheck"} << QList{Cyan, Magenta, Yellow, Blank, Cyan};
        QTest::newRow("lights ticked first, white: red + green = yellow")
            << true << White << QStringList{"RCheck", "GCheck", "RGBCheck"} << QList{Red, Green, Blue, Yellow};
        QTest::newRow("card, four colours") << false << Blank << QStringList{"CMYKCheck"} + CMYK << QList<QRgb>{};
        QTest::newRow("card, three colours") << false << Blank << QStringList{"CMYCheck"} + CMY << QList<QRgb>{};
        QTest::newRow("card, lights") << true << Blank << QStringList{"RGBCheck"} + Lights << QList<QRgb>{};
    }
    void plates()
    {
        QFETCH(bool, rgb);
        QFETCH(QRgb, picture);
        QFETCH(QStringList, clicks);
        QFETCH(QList<QRgb>, panes);
        const auto w = Open(rgb);
        QVERIFY(w);
        if (picture != Blank)
            FillImage(*w->State().PictureImage, picture & 0xFFFFFFu);
        Act(*w, clicks);
        const QStringList zones = Outputs(rgb);
        if (panes.isEmpty())
            IRISONDE_COMPARE_IMAGES(Shown(*w, zones.constLast()), w->State().PictureImage->Image());
        for (int k = 0; k < panes.size(); ++k) {
            QImage expected = w->State().BlankBitmap->Image();
            if (panes[k] != Blank)
                expected.fill(QColor(panes[k]));
            IRISONDE_COMPARE_IMAGES(Shown(*w, zones[k]), expected);
        }
    }

    // After everything is ticked: the other mode unticks the first; the mode
    // unticked blanks the panes; a picture or layout change unticks all.
    void boxesGoOff_data()
    {
        QTest::addColumn<bool>("rgb");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("modeOn");
        QTest::addColumn<bool>("inksStay");
        QTest::newRow("four colours, the other mode") << false << "CMYCheck" << "CMYCheck" << true;
        for (const bool rgb : {false, true}) {
            const char *on = rgb ? "RGBCheck" : "CMYKCheck";
            QTest::addRow("%s unticked", on) << rgb << on << "" << true;
            for (const char *change : {"DefautBout", "StretchCheck", "resize"})
                QTest::addRow("%s, %s", on, change) << rgb << change << "" << false;
        }
    }
    void boxesGoOff()
    {
        QFETCH(bool, rgb);
        QFETCH(QString, change);
        QFETCH(QString, modeOn);
        QFETCH(bool, inksStay);
        const auto w = Open(rgb);
        QVERIFY(w);
        const QStringList inks = rgb ? Lights : CMYK;
        Act(*w, QStringList{rgb ? "RGBCheck" : "CMYKCheck"} + inks + QStringList{change});
        QTRY_COMPARE(w->State().PictureWidth, change == "resize" ? (700 - 26) / 3 : 195);
        for (const QCheckBox *box : w->findChildren<QCheckBox *>(QRegularExpression("^.+Check$")))
            if (box != w->StretchCheck)
                QVERIFY2(box->isChecked() == (box->objectName() == modeOn || (inksStay && inks.contains(box->objectName()))),
                         qPrintable(box->objectName()));
        for (const QString &zone : modeOn.isEmpty() ? Outputs(rgb) : QStringList{"Zone4"})
            IRISONDE_COMPARE_IMAGES(Shown(*w, zone), w->State().BlankBitmap->Image());
    }

    // The copy: the cells side by side without the gaps; "P" the picture, a
    // digit that plate, "R" the recomposition, "-" the background.
    void copy_data()
    {
        QTest::addColumn<bool>("rgb");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QRgb>("background");
        QTest::newRow("four colours, no mode: the picture on white") << false << CMYK << "P-----" << White;
        QTest::newRow("four colours, separated") << false << QStringList{"CMYKCheck"} + CMYK << "P0123R" << White;
        QTest::newRow("RGB, no mode: the picture on black") << true << Lights << "P-----" << Black;
        QTest::newRow("RGB, decomposed: no logo") << true << QStringList{"RGBCheck"} + Lights << "P012-R" << Black;
    }
    void copy()
    {
        QFETCH(bool, rgb);
        QFETCH(QStringList, clicks);
        QFETCH(QString, cells);
        QFETCH(QRgb, background);
        const auto w = Open(rgb);
        QVERIFY(w);
        Act(*w, clicks + QStringList{"CopierBout"});
        const QImage copy = QApplication::clipboard()->image();
        const TSepState &s = w->State();
        const QSize pane(s.PictureWidth, s.PictureHeight);
        QCOMPARE(copy.size(), QSize(3 * pane.width(), 2 * pane.height()));
        for (int k = 0; k < 6; ++k) {
            const QChar c = cells[k];
            QImage expected = c == 'P' ? s.PictureImage->Image() : s.RecomposedBitmap->Image();
            if (c.isDigit())
                expected = s.Plates[size_t(c.digitValue())]->Image();
            else if (c == '-')
                expected.fill(QColor(background));
            IRISONDE_COMPARE_IMAGES(copy.copy(QRect(QPoint(k % 3 * pane.width(), k / 3 * pane.height()), pane)), expected);
        }
    }
};

QTEST_MAIN(TstSeparation)
#include "tst_separation.moc"
