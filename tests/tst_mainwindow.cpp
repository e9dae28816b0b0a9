// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a pupil would: its layout and menus, the link
// labels, the workshop frame through a small test workshop, placements,
// the clipboard, help, hints and the companion commands.
#include "IrisondeConfig.h"
#include "shell/ProgramU.h"
#include "app/WorkshopTableU.h"
#include "shell/AppStateU.h"
#include "shell/HelpU.h"
#include "shell/HintStyleU.h"
#include "shell/MainU.h"
#include "shell/SettingsU.h"
#include "shell/SupLabU.h"
#include "shell/WorkshopU.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

using namespace Irisonde;

namespace {

// A control, action or timer of the main window by its layout name.
template <class T>
T *Child(const QObject &main, const QString &name)
{
    T *c = main.findChild<T *>(name);
    if (!c)
        qFatal("no %s in the main window", qPrintable(name));
    return c;
}
template <class T>
T *Child(const QObject &main, const char *name)
{
    return Child<T>(main, QString::fromLatin1(name));
}

const TWorkshopRow kTestShopRow{"TTestShopF", "TestShopF", " Atelier d'essai", "TESTSHOP", "TestShopMenu",
                                "Atelier d'&essai", false, 1, "Atelier d'essai ", nullptr};

class TTestShopF : public TWorkshopF {
public:
    explicit TTestShopF(TProgram &program) : TWorkshopF(program, kTestShopRow, 93, true) {}
    int shows = 0, closes = 0;

protected:
    void FormShow() override { ++shows; }
    void FormClose() override { ++closes; }
    QImage CopyImage() const override
    {
        QImage img(10, 7, QImage::Format_RGB32);
        img.fill(Qt::red);
        return img;
    }
};

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void record(const QUrl &url) { urls << url; }
};

QStringList MenuCaptions(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

Q_DECLARE_METATYPE(TPlacement)

class TstMainWindow : public QObject {
    Q_OBJECT
    Irisonde::TProgram m_program;
    UrlRecorder recorder;

private slots:
    void initTestCase()
    {
        for (const char *scheme : {"file", "https", "http", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "record");
    }
    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltrane"), QStringLiteral("Irisonde")).clear();
        recorder.urls.clear();
    }

    void displayMode_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("low");
        QTest::newRow("8 bits") << 8 << "Affichage 1024 sur 768 pixels, 256 couleurs." << true;
        QTest::newRow("15 bits") << 15 << "Affichage 1024 sur 768 pixels, 16 couleurs." << true;
        QTest::newRow("16 bits") << 16 << "Affichage 1024 sur 768 pixels, 65536 couleurs." << false;
        QTest::newRow("24 bits") << 24 << "Affichage 1024 sur 768 pixels, 16 millions de couleurs." << false;
        QTest::newRow("32 bits") << 32 << "Affichage 1024 sur 768 pixels, 16 millions de couleurs." << false;
    }
    void displayMode()
    {
        QFETCH(int, bits);
        QFETCH(QString, text);
        QFETCH(bool, low);
        const TDisplayMode m = DisplayModeFor(1024, 768, bits);
        QCOMPARE(m.text, text);
        QCOMPARE(m.lowColour, low);
    }

    void programFolder_data()
    {
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("folder");
        QTest::newRow("ordinary") << "/opt/irisonde/irisonde" << "/opt/irisonde";
        QTest::newRow("root of the file system") << "/irisonde" << "/";
        QTest::newRow("drive colon") << "C:irisonde.exe" << "C:";
    }
    void programFolder()
    {
        QFETCH(QString, exe);
        QFETCH(QString, folder);
        QCOMPARE(ProgramFolderOf(exe), folder);
    }

    void layoutAndCaptions()
    {
        TMainF main(m_program, Irisonde::WorkshopTable());
        QCOMPARE(main.centralWidget()->size(), QSize(527, 378));
        QCOMPARE(main.windowTitle(), m_program.State().DisplayTitle);
        QCOMPARE(Child<QLabel>(main, "Label1")->pos(), QPoint(20, 12));
        QCOMPARE(Child<QLabel>(main, "Label1")->font().pixelSize(), 19);
        const struct { int n, top; const char *caption; } links[] = {
            {1, 48, "Synthèse trichromique additive  "}, {2, 76, "Synthèse trichromique soustractive "},
            {3, 104, "Eclairage d'une scène "}, {4, 132, "La télévision à la loupe "},
            {10, 160, "Lumière, filtres et vision des couleurs "},
            {8, 204, "Impression en trichromie ou quadrichromie "}, {9, 232, " Décomposition RVB d'une image "},
            {7, 272, "Aide d'Irisonde"}, {6, 300, "Cataloguer les images "}, {5, 328, "Quitter "}};
        for (const auto &l : links) {
            const TSuperLab *lab = Child<TSuperLab>(main, QStringLiteral("LinkLab%1").arg(l.n));
            QCOMPARE(lab->text(), QString::fromUtf8(l.caption));
            QCOMPARE(lab->pos(), QPoint(52, l.top));
            QVERIFY(lab->font().bold() && lab->font().italic());
            QCOMPARE(lab->font().pixelSize(), 16);
            QCOMPARE(lab->LinkCursor(), TCursorId::LinkHand);
            // Its bullet sits 20 pixels to the left, 4 lower.
            const QWidget *bullet = main.centralWidget()->childAt(32 + 6, l.top + 4 + 4);
            QVERIFY2(bullet && bullet->geometry() == QRect(32, l.top + 4, 13, 9), l.caption);
        }
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QWidget *client = main.centralWidget();
        QCOMPARE(Child<QFrame>(main, "Panel1")->geometry(), QRect(0, client->height() - 20, client->width(), 20));
        QCOMPARE(Child<QLabel>(main, "ModeLab")->text(), m_program.State().ShortTitle + QStringLiteral(" - ") + m_program.State().DisplayModeText);
        const QLabel *modeLab = Child<QLabel>(main, "ModeLab");
        QCOMPARE(Child<QLabel>(main, "WarningLab")->x(), modeLab->x() + modeLab->width() + 10);
        QCOMPARE(main.findChild<QFrame *>(QStringLiteral("Bevel2"))->geometry().bottom(), Child<QFrame>(main, "Panel1")->y() - 1);
        // The last link whole above the lower bevel, in the window's size.
        QVERIFY(Child<TSuperLab>(main, "LinkLab5")->geometry().bottom() < main.findChild<QFrame *>(QStringLiteral("Bevel2"))->y());

        QCOMPARE(MenuCaptions(Child<QMenu>(main, "Fichier1")), (QStringList{
            "Synthèse trichromique &additive", "Synthèse trichromique &soustractive", "&Eclairage d'une scène",
            "L'écran de télévision à la &Loupe", "Lumière, &filtres et vision des couleurs", "-", "&Impression par quadrichromie ou trichromie",
            "&Décomposition RVB d'une image", "-", "&Cataloguer les images", "-", "&Quitter"}));
        QCOMPARE(MenuCaptions(Child<QMenu>(main, "EditionMenu")), (QStringList{"&Calculatrice de Windows", "-", "Vider le presse-papiers"}));
        QCOMPARE(MenuCaptions(Child<QMenu>(main, "OptionsMenu")), QStringList{"&Préférences"});
        QCOMPARE(MenuCaptions(Child<QMenu>(main, "AideMenu")), (QStringList{"&Aide du logiciel", "Astuce du &jour", "&Lisez Moi", "-",
                                                           "&Irisonde sur le web", "e-&Mail", "-", "A &propos de..."}));
        QCOMPARE(main.menuBar()->actions().size(), 4);
        // Windows not made yet keep their commands greyed out.
        QVERIFY(!main.findChild<QAction *>(QStringLiteral("AddMenu"))->isEnabled());
        QVERIFY(!Child<QAction>(main, "BrowserMenu")->isEnabled());
    }

    void warningLabelBlinksOnlyInLowColourWhileVisible()
    {
        TMainF main(m_program, Irisonde::WorkshopTable());
        m_program.State().LowColourFlag = true;
        main.show();
        QCOMPARE(Child<QLabel>(main, "WarningLab")->text(), QStringLiteral("Affichage conseillé : 65536 couleurs"));
        QCOMPARE(Child<QLabel>(main, "WarningLab")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(Child<QTimer>(main, "WarningTimer")->isActive());
        QMetaObject::invokeMethod(&main, "WarningTimerTimer");
        QVERIFY(Child<QLabel>(main, "WarningLab")->palette().color(QPalette::WindowText) != QColor(255, 0, 0));
        QMetaObject::invokeMethod(&main, "WarningTimerTimer");
        QCOMPARE(Child<QLabel>(main, "WarningLab")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        main.hide();
        QVERIFY(!Child<QTimer>(main, "WarningTimer")->isActive());

        TMainF good(m_program, Irisonde::WorkshopTable());
        good.show();
        QCOMPARE(Child<QLabel>(good, "WarningLab")->text(), QStringLiteral("Affichage convenable"));
        QCOMPARE(Child<QLabel>(good, "WarningLab")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QVERIFY(!Child<QTimer>(good, "WarningTimer")->isActive());
    }

    void workshopOpensFromItsLinkAndClosesBackHome()
    {
        TMainF main(m_program, Irisonde::WorkshopTable());
        main.Settings().TipFlag = true;
        TTestShopF shop(m_program);
        main.SetWorkshop(Irisonde::WorkshopRow(Irisonde::EWorkshop::Add), &shop);
        QVERIFY(main.findChild<QAction *>(QStringLiteral("AddMenu"))->isEnabled());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY(Child<QTimer>(main, "TipTime")->isActive());
        Child<QTimer>(main, "TipTime")->stop();

        emit Child<TSuperLab>(main, "LinkLab1")->clicked();
        QVERIFY(shop.isVisible());
        QVERIFY(!main.isVisible());
        QCOMPARE(shop.shows, 1);
        const auto button = [&shop](const char *name) { return Child<QToolButton>(shop, name); };
        QCOMPARE(Child<QFrame>(shop, "ToolBar")->geometry(), QRect(0, shop.height() - 93, shop.width(), 93));
        QCOMPARE(button("CloseBout")->geometry(), QRect(5, 3, 30, 26));
        QCOMPARE(button("DefautBout")->geometry(), QRect(140, 3, 30, 26));
        QCOMPARE(button("CopierBout")->toolTip(), QStringLiteral(" Copier l'image dans le presse-papiers"));
        QCOMPARE(button("CloseBout")->focusPolicy(), Qt::TabFocus); // reached by Tab, never taken by a click

        QTest::mouseClick(button("CopierBout"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(10, 7));

        QTest::mouseClick(button("AideBout"), Qt::LeftButton);
        QCOMPARE(m_program.HelpWindow()->CurrentTopic(), QStringLiteral("TESTSHOP"));
        m_program.HelpWindow()->close();

        QTest::mouseClick(button("CloseBout"), Qt::LeftButton);
        QVERIFY(!shop.isVisible());
        QVERIFY(main.isVisible());
        QCOMPARE(shop.closes, 1);
        // Coming home does not repeat the first-show work.
        QVERIFY(!Child<QTimer>(main, "TipTime")->isActive());

        // Same window object, re-initialised on the next opening.
        main.findChild<QAction *>(QStringLiteral("AddMenu"))->trigger();
        QCOMPARE(shop.shows, 2);
        shop.close();
        QCOMPARE(shop.closes, 2);
        QVERIFY(main.isVisible());
    }

    void hintSwitchFollowsBullesFlag()
    {
        QCOMPARE(THintStyle().styleHint(QStyle::SH_ToolTip_WakeUpDelay), 400);
        TMainF main(m_program, Irisonde::WorkshopTable());
        TTestShopF shop(m_program);
        main.SetWorkshop(Irisonde::WorkshopRow(Irisonde::EWorkshop::Sub), &shop);
        shop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shop));
        QToolButton *copier = Child<QToolButton>(shop, "CopierBout");
        const auto askHint = [&] {
            QToolTip::hideText();
            QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), copier->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(copier, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        main.Settings().BullesFlag = false;
        main.ApplyHintSetting();
        QVERIFY(!shop.ShowHints());
        QCOMPARE(askHint(), QString());
        main.Settings().BullesFlag = true;
        main.ApplyHintSetting();
        QCOMPARE(askHint(), QStringLiteral(" Copier l'image dans le presse-papiers"));
        QToolTip::hideText();
        shop.close();
    }

    // A workshop never placed opens at the larger of the default record and
    // the size it was made with; a stored size is kept.
    void firstRunSizes()
    {
        TMainF main(m_program, Irisonde::WorkshopTable());
        main.Settings().TipFlag = false;
        main.Settings().Placement(QStringLiteral("RGBF")) = TPlacement{};
        main.Settings().Placement(QStringLiteral("LoupF")) = {1, 1, 560, 350, false, true};
        std::vector<std::unique_ptr<TWorkshopF>> made;
        for (const EWorkshop kind : {EWorkshop::RGB, EWorkshop::Loup}) {
            made.push_back(Irisonde::MakeWorkshop(m_program, kind));
            main.SetWorkshop(Irisonde::WorkshopRow(kind), made.back().get());
        }
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(made[0]->size(), QSize(612, 413));
        QCOMPARE(made[1]->frameGeometry().size(), QSize(560, 350));
        main.close();
    }

    void placementsAppliedAtFirstShowAndSavedAtClose()
    {
        TMainF main(m_program, Irisonde::WorkshopTable());
        main.Settings().Placement(QStringLiteral("MainF")) = {40, 30, 560, 420, false};
        main.Settings().Placement(QStringLiteral("AddF")) = {-5, 60, 0, 450, false}; // out-of-range fields leave their bound
        main.Settings().Placement(QStringLiteral("SubF")) = {1, 1, 510, 400, true};
        main.Settings().TipFlag = false;
        TTestShopF add(m_program), sub(m_program);
        add.resize(433, 322);
        add.move(11, 12);
        main.SetWorkshop(Irisonde::WorkshopRow(Irisonde::EWorkshop::Add), &add);
        main.SetWorkshop(Irisonde::WorkshopRow(Irisonde::EWorkshop::Sub), &sub);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.frameGeometry().topLeft(), QPoint(40, 30));
        QCOMPARE(main.frameGeometry().size(), QSize(560, 420));
        QCOMPARE(add.frameGeometry().topLeft(), QPoint(11, 60));
        QCOMPARE(add.width(), 433);
        QCOMPARE(add.height(), 450 - (add.frameGeometry().height() - add.height()));
        QVERIFY(sub.windowState() & Qt::WindowMaximized);

        add.move(100, 110);
        main.close();
        QCOMPARE(main.Settings().Placement(QStringLiteral("AddF")).X, 100);
        QCOMPARE(main.Settings().Placement(QStringLiteral("AddF")).Y, 110);
        QVERIFY(main.Settings().Placement(QStringLiteral("SubF")).Maxis);
        QSettings stored(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltrane"), QStringLiteral("Irisonde"));
        QCOMPARE(stored.value(QStringLiteral("AddF/X")).toString(), QStringLiteral("100"));
        QCOMPARE(stored.value(QStringLiteral("SubF/W")).toString(), QStringLiteral("-1"));
        QCOMPARE(stored.value(QStringLiteral("Tips/TipFlag")).toString(), QStringLiteral("0"));
        QCOMPARE(stored.value(QStringLiteral("Browser/wThumb")).toString(), QStringLiteral("80"));
    }

    void hostilePlacementGivesAUsableWindow_data()
    {
        QTest::addColumn<TPlacement>("stored");
        QTest::newRow("largest integers") << TPlacement{1, 1, 2147483647, 2147483647, false};
        QTest::newRow("100000 pixels") << TPlacement{1, 1, 100000, 100000, false};
        QTest::newRow("larger than the screen") << TPlacement{1, 1, 5000, 4000, false};
        QTest::newRow("far off screen") << TPlacement{5000, 5000, 510, 400, false};
        QTest::newRow("one pixel") << TPlacement{1, 1, 1, 1, false};
    }
    void hostilePlacementGivesAUsableWindow()
    {
        QFETCH(TPlacement, stored);
        TMainF main(m_program, Irisonde::WorkshopTable());
        main.Settings().Placement(QStringLiteral("MainF")) = stored;
        main.Settings().TipFlag = false;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect area = main.screen()->availableGeometry();
        const QRect outer = main.frameGeometry();
        const QString seen = QStringLiteral("%1,%2 %3x%4").arg(outer.x()).arg(outer.y()).arg(outer.width()).arg(outer.height());
        QVERIFY2(area.contains(outer.topLeft()) && area.contains(outer.topRight()), qPrintable(seen));
        QVERIFY2(outer.width() <= area.width() && outer.height() <= area.height(), qPrintable(seen));
        QVERIFY2(main.width() >= 260 && main.centralWidget()->height() >= 180, qPrintable(seen));
        main.close();
        const TPlacement saved = main.Settings().Placement(QStringLiteral("MainF"));
        QVERIFY(saved.W <= area.width() && saved.H <= area.height());
        QVERIFY(saved.W >= 260 && saved.H >= 180);
    }

    void clearClipboardOnlyWhenItHoldsAPicture()
    {
        TMainF main(m_program, Irisonde::WorkshopTable());
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(Qt::blue);
        QApplication::clipboard()->setImage(img);
        emit Child<QMenu>(main, "EditionMenu")->aboutToShow();
        QVERIFY(Child<QAction>(main, "ClearMenu")->isEnabled());
        Child<QAction>(main, "ClearMenu")->trigger();
        const QMimeData *left = QApplication::clipboard()->mimeData();
        QVERIFY(!left || !left->hasImage());
        QApplication::clipboard()->setText(QStringLiteral("texte"));
        emit Child<QMenu>(main, "EditionMenu")->aboutToShow();
        QVERIFY(!Child<QAction>(main, "ClearMenu")->isEnabled());
    }

    void helpWebMailReadmeAndCalculator()
    {
        m_program.State().ProgramFolder = QCoreApplication::applicationDirPath();
        TMainF main(m_program, Irisonde::WorkshopTable());
        emit Child<TSuperLab>(main, "LinkLab7")->clicked(); // "Aide d'Irisonde"
        QVERIFY(m_program.HelpWindow() && m_program.HelpWindow()->isVisible());
        QCOMPARE(m_program.HelpWindow()->CurrentTopic(), QStringLiteral("Sommaire"));
        m_program.HelpWindow()->close();

        Child<QAction>(main, "WebAuteurMenu")->trigger();
        Child<QAction>(main, "MailAuteurMenu")->trigger();
        Child<QAction>(main, "LisezMoiMenu")->trigger();
        QCOMPARE(recorder.urls.size(), 3);
        QCOMPARE(recorder.urls[0].scheme(), QStringLiteral("https"));
        QCOMPARE(recorder.urls[1].toString(), QStringLiteral("mailto:" IRISONDE_AUTHOR_EMAIL "?Subject=Irisonde"));
        QCOMPARE(recorder.urls[2].toLocalFile(), m_program.State().ProgramFolder + QStringLiteral("/lisezmoi.txt"));

        // No calculator on the path: nothing happens, silently.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        Child<QAction>(main, "CalcMenu")->trigger();
        qputenv("PATH", path);
    }

    void unwritableSettingsAreSaidAtExit()
    {
        // The settings folder is taken by a plain file: the store cannot be made.
        const QString conf = QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltrane"),
                                       QStringLiteral("Irisonde")).fileName();
        const QString folder = QFileInfo(conf).absolutePath();
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        TMainF main(m_program, Irisonde::WorkshopTable());
        main.show();
        QString title, text;
        QTimer::singleShot(100, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
        main.close();
        QFile::remove(folder);
        QCOMPARE(title, QStringLiteral("Avertissement"));
        QCOMPARE(text, QStringLiteral("Erreur de création de la clé MainF"));
        QVERIFY(!main.isVisible());
    }

    void quitLinkClosesTheWindow()
    {
        TMainF main(m_program, Irisonde::WorkshopTable());
        main.show();
        emit Child<TSuperLab>(main, "LinkLab5")->clicked(); // "Quitter "
        QVERIFY(!main.isVisible());
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
