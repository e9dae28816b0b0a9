// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue window on screen: a search filling its pages, paging and
// selection, size changes, reopening, input and closing during a search (the
// walk beside the window's event loop, never inside one of its own),
// thumbnails of a page turned while they are made, a damaged thumbnail
// reported once, the keyboard, opening in a workshop and names the system's
// encoding does not read.
#include "catalogue/BrowseU.h"
#include "shell/ProgramU.h"
#include "shell/SettingsU.h"
#include "support/AccessTree.h"
#include "support/TestSupport.h"
#include "support/WindowProbe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>

using namespace Irisonde;
using testsupport::Control;

namespace {

// A plain bitmap of w x h pixels at `path`, its folders made.
void Bmp(const QString &path, int w, int h, QColor colour)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

void Copy(const char *name, const QString &path) { QVERIFY(QFile::copy(testsupport::DataFile(name), path)); }

} // namespace

class TstBrowser : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QTemporaryDir m_cache; // the thumbnail cache: never the user's
    TProgram m_program;
    TSettings &m_settings = m_program.Settings();

    static void Open(TBrowserF &w)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    // The search over and the page's thumbnails in.
    static void Settle(const TBrowserF &w) { QTRY_VERIFY_WITH_TIMEOUT(!w.Searching() && !w.ThumbsPending(), 20000); }
    static void Search(TBrowserF &w)
    {
        Control<QPushButton>(w, "SearchBout")->click();
        Settle(w);
    }
    // The text of the window's label `name` ("Status", "Pagelab").
    static QString Text(const TBrowserF &w, const char *name) { return Control<QLabel>(w, name)->text(); }
    static QString Caption(const TBrowserF &w, int k) { return w.Slot(k).NameLab->text(); }
    static QImage Thumb(const TBrowserF &w, int k) { return w.Slot(k).ThumbBox->grab().toImage(); }
    // What a screen reader hears of slot k's picture.
    static QString Spoken(const TBrowserF &w, int k)
    {
        return testsupport::Access(w.Slot(k).ThumbBox)->text(QAccessible::Name);
    }
    static bool SpokenSelected(const TBrowserF &w, int k)
    {
        return testsupport::Access(w.Slot(k).ThumbBox)->state().selected;
    }
    static bool Blue(const TBrowserF &w, int k)
    {
        return w.Slot(k).SlotPanel->palette().color(QPalette::Window) == QColor(0, 0, 255);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
        // Report order: bitmaps, metafiles, then each sub-folder; 13 files.
        const QString d = m_dir.path();
        Bmp(d + "/a.bmp", 640, 480, Qt::red);
        Copy("wmf_rectangle.wmf", d + "/b.wmf");
        for (int i = 1; i <= 10; ++i)
            Bmp(d + QStringLiteral("/s/f%1.bmp").arg(i, 2, 10, QLatin1Char('0')), 8, 8, Qt::green);
        Bmp(d + "/s/un_nom_vraiment_tres_long.bmp", 50, 30, Qt::blue);
        m_settings.brwPath = d;
    }

    void showAndSearch()
    {
        TBrowserF w(m_program);
        Open(w);
        QCOMPARE(w.size(), QSize(596, 354));
        QCOMPARE(Text(w, "Pagelab"), QStringLiteral("Page 0 sur 0"));
        QVERIFY(!Control<QPushButton>(w, "PredBout")->isEnabled() && !Control<QPushButton>(w, "SuccBout")->isEnabled());
        QCOMPARE(Caption(w, 12), QStringLiteral("Pas d'image"));
        QCOMPARE(Text(w, "Status"), QStringLiteral("0 Fichier image trouvé - ( 0 BitMap et 0 Métafichier )"));
        QCOMPARE(w.Slot(12).SlotPanel->geometry(), QRect(209 + 3 * 96, 4 + 2 * 109, 92, 106));

        Search(w);
        QCOMPARE(w.windowTitle(), " Catalogue des images, dossier : " + m_dir.path() + " - 13 fichiers trouvés.");
        QCOMPARE(Text(w, "Status"), QStringLiteral("13 Fichiers image trouvés - ( 12 BitMaps et 1 Métafichier )"));
        QCOMPARE(Text(w, "Pagelab"), QStringLiteral("Page 1 sur 2"));
        QCOMPARE(Caption(w, 1), QStringLiteral("a.bmp"));
        QCOMPARE(Caption(w, 2), QStringLiteral("b.wmf"));
        QCOMPARE(Caption(w, 3), QStringLiteral("f01.bmp"));
        QCOMPARE(Caption(w, 12), QStringLiteral("f10.bmp"));
        QCOMPARE(Spoken(w, 1), QStringLiteral("Case 1 : a.bmp"));
        QCOMPARE(Spoken(w, 12), QStringLiteral("Case 12 : f10.bmp"));
        QVERIFY(!Control<QPushButton>(w, "PredBout")->isEnabled() && Control<QPushButton>(w, "SuccBout")->isEnabled());

        // 640 x 480 drawn 80 x 60 at 0, 10 on the button face; the metafile on white.
        const QImage a = Thumb(w, 1);
        QCOMPARE(a.pixelColor(40, 40), QColor(Qt::red));
        QCOMPARE(a.pixelColor(40, 10), QColor(Qt::red));
        QVERIFY(a.pixelColor(40, 9) != QColor(Qt::red));
        QCOMPARE(Thumb(w, 2).pixelColor(40, 40), QColor(Qt::red));

        // Selection: blue panel, the file's path and size; a second click deselects.
        QTest::mouseClick(w.Slot(1).ThumbBox, Qt::LeftButton);
        QCOMPARE(Text(w, "Status"), "Fichier : " + m_dir.path() + "/a.bmp - Taille : 640 sur 480 pixels");
        QVERIFY(Blue(w, 1));
        QVERIFY(SpokenSelected(w, 1) && !SpokenSelected(w, 2));
        QCOMPARE(Thumb(w, 1).pixelColor(40, 5), QColor(0, 0, 255));
        QTest::mouseClick(w.Slot(2).ThumbBox, Qt::LeftButton);
        QVERIFY(!Blue(w, 1) && Blue(w, 2));
        QVERIFY(!SpokenSelected(w, 1) && SpokenSelected(w, 2));
        QTest::mouseClick(w.Slot(2).ThumbBox, Qt::LeftButton);
        QVERIFY(w.State().Selected == -1 && !Blue(w, 2));

        // Paging deselects; the wheel turns one page per notification.
        QTest::mouseClick(w.Slot(3).ThumbBox, Qt::LeftButton);
        Control<QPushButton>(w, "SuccBout")->click();
        QVERIFY(w.State().Selected == -1 && !Blue(w, 3));
        QCOMPARE(Text(w, "Pagelab"), QStringLiteral("Page 2 sur 2"));
        QVERIFY2(Caption(w, 1).startsWith("un_nom") && Caption(w, 1).endsWith("..."), qPrintable(Caption(w, 1)));
        QCOMPARE(Caption(w, 2), QStringLiteral("Pas d'image"));
        // The caption is cut; the spoken name is not, and follows the page.
        QCOMPARE(Spoken(w, 1), QStringLiteral("Case 1 : un_nom_vraiment_tres_long.bmp"));
        QCOMPARE(Spoken(w, 2), QStringLiteral("Case 2 : pas d'image"));
        const auto wheel = [&w](int delta) {
            QWheelEvent e(QPointF(300, 100), w.mapToGlobal(QPointF(300, 100)), {}, {0, delta}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(&w, &e);
        };
        wheel(-240);
        QCOMPARE(w.State().CurrentPage, 2);
        wheel(480);
        QCOMPARE(w.State().CurrentPage, 1);

        // A size change keeps the selection; the window and the slots follow.
        QTest::mouseClick(w.Slot(2).ThumbBox, Qt::LeftButton);
        Control<QComboBox>(w, "wThumbCombo")->setCurrentIndex(3);
        QCOMPARE(m_settings.wThumb, 120);
        QCOMPARE(w.size(), QSize(756, 474));
        QCOMPARE(w.Slot(2).ThumbBox->size(), QSize(120, 120));
        QVERIFY(w.State().Selected == 2 && Blue(w, 2));
        Control<QComboBox>(w, "wThumbCombo")->setCurrentIndex(1);
        QTest::mouseClick(w.Slot(1).ThumbBox, Qt::LeftButton);
        QTRY_COMPARE(Text(w, "Status"), "Fichier : " + m_dir.path() + "/a.bmp - Taille : 640 sur 480 pixels");

        // Thumbnails made anew at the new size.
        Settle(w);
        QCOMPARE(Thumb(w, 1).pixelColor(60, 60), QColor(Qt::red));
        // Reopening: empty slots, the caption of the last search kept.
        w.close();
        QVERIFY(!w.Slot(1).SlotPanel);
        Open(w);
        QCOMPARE(Text(w, "Pagelab"), QStringLiteral("Page 0 sur 0"));
        QCOMPARE(Caption(w, 1), QStringLiteral("Pas d'image"));
        QVERIFY(w.windowTitle().endsWith(" - 13 fichiers trouvés."));
    }

    // Stored settings shown at show, switches changed at once, a size the list lacks.
    void settingsShownAndChanged()
    {
        TProgram program;
        TSettings &s = program.Settings();
        s = m_settings;
        s.wThumb = 90;
        s.brwMetaFlag = false;
        TBrowserF w(program);
        Open(w);
        QCOMPARE(Control<QComboBox>(w, "wThumbCombo")->currentIndex(), 1);
        QCOMPARE(w.Slot(1).ThumbBox->size(), QSize(90, 90));
        QCOMPARE(s.wThumb, 90);
        QVERIFY(!Control<QCheckBox>(w, "MetaCheck")->isChecked() && Control<QCheckBox>(w, "BmpCheck")->isChecked());
        QCOMPARE(Control<QLineEdit>(w, "PathEd")->text(), m_dir.path());
        Control<QCheckBox>(w, "RecurseCheck")->click();
        QVERIFY(!s.brwRecurseFlag);
        Search(w);
        QCOMPARE(Text(w, "Status"), QStringLiteral("1 Fichier image trouvé - ( 1 BitMap et 0 Métafichier )"));
    }

    // The walk runs beside the window's event loop, never inside one of its
    // own: the click returns at once and what is found comes later. Input
    // during it never mixes searches or counts (a second click starts
    // again); closing stops it, and nothing of it lands afterwards.
    void searchBesideTheEventLoop()
    {
        QTemporaryDir big;
        for (int i = 0; i < 300; ++i)
            for (int j = 0; j < 2; ++j)
                Bmp(big.path() + QStringLiteral("/d%1/p%2.bmp").arg(i, 3, 10, QLatin1Char('0')).arg(j), 4, 4, Qt::gray);
        TProgram program;
        TSettings &s = program.Settings();
        s = m_settings;
        s.brwPath = big.path();
        TBrowserF w(program);
        Open(w);
        // Slowed down, so that the input below meets a walk under way.
        w.SearchRun().Prepare = [](TPictureSearch &search) {
            search.Step = [step = search.Step] {
                QThread::usleep(50);
                return step();
            };
        };
        bool inClick = false, reentered = false, once = false;
        QTimer::singleShot(0, &w, [&] {
            reentered = inClick;
            once = true;
            QVERIFY(w.Searching());
            Control<QPushButton>(w, "SearchBout")->click(); // starts again
            Control<QPushButton>(w, "SuccBout")->click();
            QTest::mouseClick(w.Slot(4).ThumbBox, Qt::LeftButton);
        });
        QSignalSpy ended(&w, &TBrowserF::SearchEnded);
        inClick = true;
        Control<QPushButton>(w, "SearchBout")->click();
        inClick = false;
        QVERIFY(!once && w.Searching() && w.State().FileCount == 0);
        QVERIFY(ended.wait(20000));
        QVERIFY(once && !reentered);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(w.State().FileCount, 600);
        QStringList files = w.State().FileList;
        QCOMPARE(files.size(), 600);
        QCOMPARE(files.removeDuplicates(), 0);
        QCOMPARE(Text(w, "Pagelab"), QStringLiteral("Page 1 sur 50"));
        QVERIFY(w.State().Selected == -1 && !Blue(w, 4));

        // Closed during the walk: it stops at once, nothing is left behind
        // or lands later, the caption names the last finished search.
        const QString finished = w.windowTitle();
        Control<QPushButton>(w, "SearchBout")->click();
        QTRY_VERIFY(Text(w, "Status").startsWith("Recherche en cours : "));
        w.close();
        QVERIFY(!w.isVisible() && !w.Searching());
        QTest::qWait(100);
        QVERIFY(!w.Slot(1).SlotPanel);
        QCOMPARE(w.State().FileCount, 0);
        QCOMPARE(w.windowTitle(), finished);
        QCOMPARE(ended.size(), 1);
        Open(w);
        Search(w);
        QCOMPARE(w.State().FileCount, 600);
    }

    // A page turned while its thumbnails are being made: only the new
    // page's are delivered and shown.
    void pageTurnedWhileDecoding()
    {
        QTemporaryDir dir;
        for (int i = 0; i < 24; ++i) {
            QImage photo(1600, 1200, QImage::Format_RGB32);
            photo.fill(i < 12 ? Qt::red : Qt::green);
            QVERIFY(photo.save(dir.filePath(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0'))), "JPEG"));
        }
        TProgram program;
        TSettings &s = program.Settings();
        s = m_settings;
        s.brwPath = dir.path();
        TBrowserF w(program);
        Open(w);
        QList<int> pages;
        connect(&w.Pool(), &TThumbPool::Ready, &w, [&](int page, int, const TThumbImage &) { pages << page; });
        // Turned as soon as page 1 has asked for its thumbnails.
        connect(&w, &TBrowserF::SearchEnded, &w, [&w] { Control<QPushButton>(w, "SuccBout")->click(); });
        Search(w);
        QCOMPARE(w.State().CurrentPage, 2);
        QCOMPARE(pages.size(), 12);
        QCOMPARE(pages.count(w.Pool().Page()), 12);
        for (int k = 1; k <= 12; ++k) {
            const QColor c = Thumb(w, k).pixelColor(40, 40);
            QVERIFY2(c.green() > 200 && c.red() < 60, qPrintable(QString::number(k)));
        }
    }

    // Tab reaches the page once; arrows, pages, Home and End move the
    // selection, which the status line and the focused slot's description
    // give; Enter presses a focused button, and on a picture offers the
    // workshops, of which the chosen one opens it.
    void keyboardAndOpening()
    {
        TBrowserF w(m_program);
        QStringList opened;
        w.SetWorkshops({{QStringLiteral("Eclairage"), [&](const QString &p) { opened << "E " + p; }},
                        {QStringLiteral("Loupe"), [&](const QString &p) { opened << "L " + p; }}});
        Open(w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QSet<QChar> letters;
        for (const QPushButton *b : w.findChildren<QPushButton *>()) {
            const QChar letter = b->text().mid(b->text().indexOf(QLatin1Char('&')) + 1, 1).toLower().front();
            QVERIFY2(!letters.contains(letter), qPrintable(b->text()));
            letters.insert(letter);
        }
        Search(w);
        QVERIFY(!Control<QPushButton>(w, "OpenBout")->isEnabled());
        const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        Control<QPushButton>(w, "SuccBout")->setFocus();
        key(Qt::Key_Return);
        QCOMPARE(w.State().CurrentPage, 2);
        Control<QPushButton>(w, "PredBout")->setFocus();
        key(Qt::Key_Enter);
        QCOMPARE(w.State().CurrentPage, 1);
        Control<QPushButton>(w, "AideBout")->setFocus();
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Slot(1).ThumbBox);

        const auto expect = [&](int page, int slot) {
            QCOMPARE(w.State().CurrentPage, page);
            QCOMPARE(w.State().Selected, slot);
            QCOMPARE(QApplication::focusWidget(), w.Slot(slot).ThumbBox);
            QVERIFY(Blue(w, slot));
            QCOMPARE(testsupport::Access(w.Slot(slot).ThumbBox)->text(QAccessible::Description), Text(w, "Status"));
        };
        key(Qt::Key_Right); // nothing selected yet: the slot with the focus
        expect(1, 1);
        // The size once the thumbnail of the page turned back has come.
        QTRY_COMPARE(Text(w, "Status"), "Fichier : " + m_dir.path() + "/a.bmp - Taille : 640 sur 480 pixels");
        QCOMPARE(testsupport::Access(w.Slot(1).ThumbBox)->text(QAccessible::Description), Text(w, "Status"));
        key(Qt::Key_Down);
        expect(1, 5);
        key(Qt::Key_Left);
        expect(1, 4);
        key(Qt::Key_End);
        expect(1, 12);
        key(Qt::Key_PageDown); // one picture on page 2
        expect(2, 1);
        QTRY_VERIFY(Text(w, "Status").contains("un_nom_vraiment_tres_long.bmp - Taille : 50 sur 30 pixels"));
        key(Qt::Key_PageUp);
        expect(1, 1);
        key(Qt::Key_Home);
        key(Qt::Key_Right);
        expect(1, 2);
        // Tab leaves the page at once.
        key(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != w.Slot(2).ThumbBox);
        QCOMPARE(QApplication::focusWidget()->parentWidget(), &w);

        QVERIFY(Control<QPushButton>(w, "OpenBout")->isEnabled());
        w.Slot(2).ThumbBox->setFocus();
        key(Qt::Key_Return);
        auto *menu = w.findChild<QMenu *>(QStringLiteral("OpenMenu"));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->actions().size(), 2);
        menu->actions().at(1)->trigger();
        QCOMPARE(opened, QStringList{"L " + m_dir.path() + "/b.wmf"});
        QVERIFY(!w.isVisible() && !menu->isVisible());
    }

    // A name that is no valid UTF-8 opens through its bytes, shown with
    // U+FFFD; a workshop cannot take it, and a message says why. A thumbnail
    // that cannot be read gives no size.
    void rawNameAndUnreadableThumbnail()
    {
        QTemporaryDir dir;
        Bmp(dir.path() + "/plain.bmp", 8, 6, Qt::green);
        const QByteArray raw = QFile::encodeName(dir.path()) + "/\xE9t\xE9.bmp";
        QVERIFY(std::rename(QFile::encodeName(dir.path() + "/plain.bmp").constData(), raw.constData()) == 0);
        Copy("bmp_bad_signature.bmp", dir.path() + "/bad.bmp");
        TProgram program;
        TSettings &s = program.Settings();
        s = m_settings;
        s.brwPath = dir.path();
        TBrowserF w(program);
        QStringList opened;
        w.SetWorkshops({{QStringLiteral("Loupe"), [&](const QString &p) { opened << p; }}});
        Open(w);
        QStringList shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->close();
            }
        });
        closer.start(20);
        Search(w);
        QCOMPARE(w.State().FileCount, 2);
        const QString name = QString::fromUtf8("\uFFFDt\uFFFD.bmp");
        QCOMPARE(Caption(w, 2), name);
        QCOMPARE(Spoken(w, 2), "Case 2 : " + name);
        QTest::mouseClick(w.Slot(2).ThumbBox, Qt::LeftButton);
        QCOMPARE(Text(w, "Status"), "Fichier : " + dir.path() + "/" + name + " - Taille : 8 sur 6 pixels");
        QCOMPARE(Thumb(w, 2).pixelColor(40, 40), QColor(Qt::green));
        QTest::mouseClick(w.Slot(1).ThumbBox, Qt::LeftButton);
        QCOMPARE(Text(w, "Status"), "Fichier : " + dir.path() + "/bad.bmp - Image illisible");

        QTest::mouseClick(w.Slot(2).ThumbBox, Qt::LeftButton);
        Control<QPushButton>(w, "OpenBout")->click();
        auto *menu = w.findChild<QMenu *>(QStringLiteral("OpenMenu"));
        QTRY_VERIFY(menu->isVisible());
        menu->actions().at(0)->trigger();
        QTRY_VERIFY(!shown.isEmpty() && shown.last().contains("ne peut pas être lu"));
        QVERIFY(opened.isEmpty() && w.isVisible());
        QVERIFY(std::remove(raw.constData()) == 0); // QTemporaryDir would miss it
    }

    // A damaged file: placeholder, one message when its thumbnail comes, not
    // again at later repaints; a new search may say it again.
    void damagedThumbnailReportedOnce()
    {
        QTemporaryDir dir;
        Copy("bmp_bad_signature.bmp", dir.path() + "/bad.bmp");
        TProgram program;
        TSettings &s = program.Settings();
        s = m_settings;
        s.brwPath = dir.path();
        TBrowserF w(program);
        Open(w);
        QStringList shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->close();
            }
        });
        closer.start(20);
        for (int search = 1; search <= 2; ++search) {
            Search(w);
            QTRY_COMPARE(shown.size(), search);
            for (int i = 0; i < 3; ++i) {
                w.Slot(1).ThumbBox->repaint();
                QTest::qWait(60);
            }
            QCOMPARE(shown.size(), search);
        }
        QVERIFY2(shown[0].contains("bad.bmp") && shown[0].contains("format de fichier incorrect"), qPrintable(shown[0]));
        QCOMPARE(Thumb(w, 1).pixelColor(w.State().Thumb() / 2 - 1, w.State().Thumb() / 2 - 1), QColor(255, 0, 0));
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(TstBrowser)
#include "tst_browser.moc"
