// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue's computations without its window: fitting, caption cuts,
// texts, pages, the wheel and the sizes.
#include "catalogue/state/BrowseState.h"
#include "catalogue/state/ThumbState.h"
#include "tests/support/TestSupport.h"

#include <QPainter>
#include <QTemporaryDir>

#include <QtTest>

using namespace Irisonde;

namespace {

// A font where every character is 6 pixels wide.
int SixEach(const QString &s) { return 6 * int(s.size()); }

void Find(TBrowseState &state, int count)
{
    QVERIFY(state.BeginSearch());
    for (int i = 1; i <= count; ++i)
        state.FileFound(QStringLiteral("/i/f%1.bmp").arg(i));
    state.EndSearch();
}

} // namespace

class TstBrowseState : public QObject {
    Q_OBJECT
private slots:
    void fitPicture_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("640 x 480, wide") << QSize(640, 480) << QRect(0, 10, 80, 60);
        QTest::newRow("50 x 30, small") << QSize(50, 30) << QRect(15, 25, 50, 30);
        QTest::newRow("100 x 200, tall") << QSize(100, 200) << QRect(20, 0, 40, 80);
        QTest::newRow("100 x 100, square") << QSize(100, 100) << QRect(0, 0, 80, 80);
        QTest::newRow("160 x 5, 2.5 to even") << QSize(160, 5) << QRect(0, 39, 80, 2);
        QTest::newRow("160 x 7, 3.5 to even") << QSize(160, 7) << QRect(0, 38, 80, 4);
        QTest::newRow("height 0, wide") << QSize(300, 0) << QRect(40, 40, 0, 0);
        QTest::newRow("width 0, tall") << QSize(0, 300) << QRect(40, 40, 0, 0);
    }
    void fitPicture()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, expected);
        QCOMPARE(TBrowseState::FitPicture(picture.width(), picture.height(), 80), expected);
    }

    void cutCaption_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slotWidth");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("left");
        QTest::newRow("fits") << "a.bmp" << 92 << "a.bmp" << 31;
        QTest::newRow("exactly the limit") << "abcdefghi.bmp" << 88 << "abcdefghi.bmp" << 5;
        QTest::newRow("cut") << "un_nom_tres_long.bmp" << 92 << "un_nom_tre..." << 7;
        QTest::newRow("narrower than the dots") << "abcdef" << 20 << "..." << 1;
    }
    void cutCaption()
    {
        QFETCH(QString, text);
        QFETCH(int, slotWidth);
        QFETCH(QString, expected);
        QFETCH(int, left);
        const TSlotCaption c = TBrowseState::CutCaption(text, slotWidth, SixEach);
        QCOMPARE(c.Text, expected);
        QCOMPARE(c.Left, left);
    }

    void summary_data()
    {
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList{} << "0 Fichier image trouvé - ( 0 BitMap et 0 Métafichier )";
        QTest::newRow("one bitmap") << QStringList{"/i/a.bmp"} << "1 Fichier image trouvé - ( 1 BitMap et 0 Métafichier )";
        QTest::newRow("two bitmaps, one metafile") << QStringList{"/i/a.bmp", "/i/Photo.BMP", "/i/c.WMF"}
                                                   << "3 Fichiers image trouvés - ( 2 BitMaps et 1 Métafichier )";
    }
    void summary()
    {
        QFETCH(QStringList, found);
        QFETCH(QString, expected);
        TBrowseState state;
        QVERIFY(state.BeginSearch());
        QVERIFY(!state.BeginSearch()); // a second search while one runs
        for (const QString &p : found)
            state.FileFound(p);
        state.EndSearch();
        QCOMPARE(state.SummaryText(), expected);
        QCOMPARE(state.StatusText(), expected);
        QCOMPARE(state.EndCaption(QStringLiteral("/i")),
                 QStringLiteral(" Catalogue des images, dossier : /i - %1 fichiers trouvés.").arg(found.size()));
    }

    void pages()
    {
        TBrowseState state;
        Find(state, 12);
        QCOMPARE(state.PageText(), QStringLiteral("Page 1 sur 1"));
        QVERIFY(!state.PredEnabled() && !state.SuccEnabled());
        Find(state, 13);
        QCOMPARE(state.PageText(), QStringLiteral("Page 1 sur 2"));
        QVERIFY(state.SuccPage());
        QVERIFY(!state.SuccPage());
        QCOMPARE(state.SlotFile(1), QStringLiteral("/i/f13.bmp"));
        for (int k = 2; k <= 12; ++k)
            QCOMPARE(state.SlotCaption(k, SixEach).Text, QStringLiteral("Pas d'image"));
        // Selecting, the status line, selecting again deselects; while its
        // thumbnail is being made, the file alone.
        QCOMPARE(state.SlotClick(1).Selected, 1);
        QCOMPARE(state.StatusText(), QStringLiteral("Fichier : /i/f13.bmp"));
        (void)state.ClearSelection();
        state.PicSize[0] = QSize(640, 480);
        state.PicKnown[0] = true;
        QCOMPARE(state.SlotClick(1).Selected, 1);
        QCOMPARE(state.StatusText(), QStringLiteral("Fichier : /i/f13.bmp - Taille : 640 sur 480 pixels"));
        const TSelectionChange again = state.SlotClick(1);
        QVERIFY(again.Old == 1 && again.Selected == -1);
        QCOMPARE(state.SlotClick(5).Selected, 5); // a slot without file can be selected
        QCOMPARE(state.StatusText(), state.SummaryText());
        QCOMPARE(state.ClearSelection(), 5);
        // A picture drawn as damaged has no size to give.
        state.PicSize[0] = QSize();
        (void)state.SlotClick(1);
        QCOMPARE(state.StatusText(), QStringLiteral("Fichier : /i/f13.bmp - Image illisible"));
    }

    // The keyboard's moves stay on the slots that show a picture.
    void slotMoves()
    {
        TBrowseState state;
        QCOMPARE(state.SlotAfterMove(1, ESlotMove::Right), -1);
        Find(state, 19); // 12 on page 1, 7 on page 2
        QCOMPARE(state.SlotAfterMove(1, ESlotMove::Left), 1);
        QCOMPARE(state.SlotAfterMove(4, ESlotMove::Right), 5);
        QCOMPARE(state.SlotAfterMove(2, ESlotMove::Up), 2);
        QCOMPARE(state.SlotAfterMove(10, ESlotMove::Up), 6);
        QCOMPARE(state.SlotAfterMove(12, ESlotMove::Right), 12);
        QCOMPARE(state.SlotAfterMove(6, ESlotMove::Last), 12);
        QVERIFY(state.SuccPage());
        QCOMPARE(state.FilledSlots(), 7);
        QCOMPARE(state.SlotAfterMove(4, ESlotMove::Down), 7);
        QCOMPARE(state.SlotAfterMove(7, ESlotMove::Right), 7);
        QCOMPARE(state.SlotAfterMove(3, ESlotMove::Last), 7);
        QCOMPARE(state.SlotAfterMove(7, ESlotMove::First), 1);
    }

    void wheel()
    {
        TBrowseState state;
        Find(state, 30);
        QCOMPARE(state.WheelPage(120), EPageStep::Pred); // page 1: the window's PredPage then does nothing
        QVERIFY(!state.PredPage());
        QVERIFY(state.SuccPage() && state.SuccPage());
        QCOMPARE(state.CurrentPage, 3);
        QCOMPARE(state.WheelPage(120), EPageStep::Pred);
        QVERIFY(state.PredPage());
        QCOMPARE(state.CurrentPage, 2);
        QCOMPARE(state.WheelPage(-960), EPageStep::Succ); // one page however far it turns
        QCOMPARE(state.WheelPage(-40), EPageStep::None);  // a fine wheel adds up to a notch
        QCOMPARE(state.WheelPage(-40), EPageStep::None);
        QCOMPARE(state.WheelPage(-40), EPageStep::Succ);
    }

    void sizes()
    {
        TBrowseState state;
        const QList<QSize> clients{{516, 354}, {596, 354}, {676, 414}, {756, 474}};
        for (int item = 0; item < TBrowseState::ThumbItems; ++item) {
            state.SetThumb(TBrowseState::ThumbOfItem(item));
            QCOMPARE(TBrowseState::ThumbItemOf(state.Thumb()), item);
            QCOMPARE(state.ClientSize(), clients[item]);
        }
        QCOMPARE(TBrowseState::ThumbItemCaption(2), QStringLiteral(" Vignettes de 100 sur 100 pixels"));
        state.Selected = 3;
        state.SetThumb(90); // a stored size between the items; the selection stays
        QCOMPARE(state.Selected, 3);
        QCOMPARE(TBrowseState::ThumbItemOf(90), 1);
        QCOMPARE(state.SlotRect(6), QRect(209 + 106, 4 + 119, 102, 116));
        state.SetThumb(3);
        QCOMPARE(state.Thumb(), TBrowseState::MinThumb);
        state.SetThumb(1 << 30);
        QCOMPARE(state.Thumb(), TBrowseState::MaxThumb);
    }

    // A bitmap fitted on the slot's background, a metafile, a damaged file
    // shown as the placeholder and reported once per search, a photo and a
    // drawing, an empty slot.
    void thumbnails()
    {
        QTemporaryDir dir;
        QImage green(640, 480, QImage::Format_RGB888);
        green.fill(QColor(10, 200, 30));
        QVERIFY(green.save(dir.filePath("Photo.BMP"), "BMP"));
        QFile bad(dir.filePath("bad.bmp"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("not a bitmap") > 0);
        bad.close();
        TBrowseState state;
        QVERIFY(state.BeginSearch());
        for (const QString &p : {dir.filePath("Photo.BMP"), testsupport::DataFile("wmf_rectangle.wmf"), dir.filePath("bad.bmp"),
                                 testsupport::DataFile("exif_orientation_6.jpg"), testsupport::DataFile("format_svgz.svgz")})
            state.FileFound(p);
        state.EndSearch();
        QCOMPARE(state.BmpCount, 3); // the photo among the "BitMaps"
        QCOMPARE(state.MetaCount, 2); // the drawing among the "Métafichiers"
        TThumbState thumbs;
        QImage box(80, 80, QImage::Format_RGB32);
        const QColor face(240, 240, 240);
        // Made as a worker makes it, then handed in and drawn.
        auto draw = [&](int k) {
            const TThumbImage made = MakeThumb(state.SlotFile(k), 80, nullptr);
            const std::pair<EPictureFault, bool> result{made.Fault, thumbs.Accept(state, k, made)};
            QPainter p(&box);
            thumbs.DrawThumb(p, state, k, face);
            return result;
        };
        QCOMPARE(draw(1).first, EPictureFault::None);
        QCOMPARE(box.pixelColor(40, 40), QColor(10, 200, 30));
        QCOMPARE(box.pixelColor(40, 5), face);
        QCOMPARE(state.PicSize[0], QSize(640, 480));
        QCOMPARE(draw(2).first, EPictureFault::None);
        QVERIFY(!state.PicSize[1].isEmpty());
        const auto first = draw(3);
        QVERIFY(first.first != EPictureFault::None && first.second);
        QVERIFY(state.PicKnown[2] && !state.PicSize[2].isValid());
        IRISONDE_COMPARE_IMAGES(box, TThumbState::MakeFaultThumb(80));
        QVERIFY(!draw(3).second);
        thumbs.ForgetFaults();
        QVERIFY(draw(3).second);
        // A turned photo, on white; a compressed drawing: red left, blue right.
        QCOMPARE(draw(4).first, EPictureFault::None);
        QCOMPARE(state.PicSize[3], QSize(48, 32));
        QVERIFY(qAbs(box.pixelColor(40 - 16, 40 - 8).red() - 255) < 40 && box.pixelColor(40 - 16, 40 - 8).green() < 40);
        QCOMPARE(draw(5).first, EPictureFault::None);
        QCOMPARE(box.pixelColor(20, 40), QColor(255, 0, 0));
        QCOMPARE(box.pixelColor(60, 40), QColor(0, 0, 255));
        draw(6);
        IRISONDE_COMPARE_IMAGES(box, TThumbState::MakeEmptyThumb(80));
    }
};

QTEST_MAIN(TstBrowseState)
#include "tst_browsestate.moc"
