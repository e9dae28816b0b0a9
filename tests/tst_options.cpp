// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The options dialog: OK, Apply, Cancel and the close box on the three
// preferences, and the hints of the workshops after it closes.
#include "app/WorkshopTableU.h"
#include "shell/ProgramU.h"
#include "shell/AppStateU.h"
#include "shell/HelpU.h"
#include "shell/MainU.h"
#include "shell/OptionU.h"
#include "shell/SettingsU.h"
#include "shell/WorkshopU.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowProbe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using namespace Irisonde;

namespace {

// The program whose settings the dialogs under test are given; its help
// window is never asked for, so it may outlive the application object.
Irisonde::TProgram &TestProgram()
{
    static Irisonde::TProgram program;
    return program;
}
Irisonde::TSettings &TestSettings()
{
    return TestProgram().Settings();
}

// Flags as three letters S T B (splash, tip, bubbles), upper case for true.
QString Flags(const Irisonde::TSettings &Settings = TestSettings())
{
    return QString(Settings.SplashFlag ? 'S' : 's') + QChar(Settings.TipFlag ? 'T' : 't') +
           QChar(Settings.BullesFlag ? 'B' : 'b');
}

void SetFlags(const QString &f, Irisonde::TSettings &Settings = TestSettings())
{
    Settings.SplashFlag = f.at(0) == QLatin1Char('S');
    Settings.TipFlag = f.at(1) == QLatin1Char('T');
    Settings.BullesFlag = f.at(2) == QLatin1Char('B');
}

} // namespace

class TstOptions : public QObject {
    Q_OBJECT

    // Performs the steps of a script: "s", "t", "b" click a box; "apply",
    // "ok", "cancel" click a button; "frame" closes by the window frame;
    // "show" opens the dialog again.
    static void Run(TOptionF &d, const QStringList &steps)
    {
        for (const QString &step : steps) {
            if (step == QLatin1String("s"))
                QTest::mouseClick(testsupport::Control<QCheckBox>(d, "SplashCheck"), Qt::LeftButton, {}, QPoint(5, 8));
            else if (step == QLatin1String("t"))
                QTest::mouseClick(testsupport::Control<QCheckBox>(d, "TipCheck"), Qt::LeftButton, {}, QPoint(5, 8));
            else if (step == QLatin1String("b"))
                QTest::mouseClick(testsupport::Control<QCheckBox>(d, "BullesCheck"), Qt::LeftButton, {}, QPoint(5, 8));
            else if (step == QLatin1String("apply"))
                QTest::mouseClick(testsupport::Control<QPushButton>(d, "AppliqueBout"), Qt::LeftButton);
            else if (step == QLatin1String("ok"))
                QTest::mouseClick(testsupport::Control<QPushButton>(d, "OkBout"), Qt::LeftButton);
            else if (step == QLatin1String("cancel"))
                QTest::mouseClick(testsupport::Control<QPushButton>(d, "AnnulBout"), Qt::LeftButton);
            else if (step == QLatin1String("frame"))
                d.close();
            else if (step == QLatin1String("show"))
                d.show();
        }
    }

private slots:
    void layout()
    {
        TOptionF d(TestProgram());
        QCOMPARE(d.windowTitle(), QStringLiteral(" Options du logiciel"));
        QCOMPARE(testsupport::Control<QTabWidget>(d, "Classeur")->count(), 1);
        QCOMPARE(testsupport::Control<QTabWidget>(d, "Classeur")->tabText(0), QStringLiteral(" Préférences "));
        QCOMPARE(testsupport::Control<QCheckBox>(d, "SplashCheck")->parentWidget(), testsupport::Control<QWidget>(d, "PTab"));
        QCOMPARE(testsupport::Control<QCheckBox>(d, "BullesCheck")->text(), QStringLiteral(" Afficher les bulles d'aide "));
    }

    void toolFrameCentredAlike()
    {
        // A tool window's frame: nothing to minimise, which would hide the
        // main window with the modal dialog.
        TOptionF d(TestProgram());
        const Qt::WindowFlags f = d.windowFlags();
        QCOMPARE(f & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!(f & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(f & Qt::CustomizeWindowHint); // or the platform adds its own buttons
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QRect first = d.frameGeometry();
        QVERIFY((first.center() - d.screen()->availableGeometry().center()).manhattanLength() <= 2);
        d.close();
        d.show();
        QCOMPARE(d.frameGeometry(), first);
        d.close();
    }

    void semantics_data()
    {
        QTest::addColumn<QString>("atShow");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("open");
        QTest::newRow("untick tip, apply, cancel: tip back on") << "STB" << QStringList{"t", "apply", "cancel"} << "STB" << false;
        QTest::newRow("untick splash, ok") << "STB" << QStringList{"s", "ok"} << "sTB" << false;
        QTest::newRow("untick bubbles, apply, frame: stays off") << "STB" << QStringList{"b", "apply", "frame"} << "STb" << false;
        QTest::newRow("tick without apply, frame: nothing changes") << "stb" << QStringList{"s", "t", "b", "frame"} << "stb" << false;
        QTest::newRow("apply stays open") << "stb" << QStringList{"t", "apply"} << "sTb" << true;
        QTest::newRow("cancel after two applies: values at show") << "sTb" << QStringList{"s", "apply", "b", "t", "apply", "cancel"} << "sTb" << false;
        QTest::newRow("apply, change again, ok: the boxes") << "STB" << QStringList{"s", "apply", "s", "b", "ok"} << "STb" << false;
        QTest::newRow("apply, change again, frame: as applied") << "STB" << QStringList{"s", "apply", "t", "frame"} << "sTB" << false;
        QTest::newRow("cancel without change") << "sTb" << QStringList{"cancel"} << "sTb" << false;
        // A new showing saves the settings anew: cancel goes back to them only.
        QTest::newRow("ok, reshow, cancel keeps the ok") << "STB" << QStringList{"t", "ok", "show", "b", "apply", "cancel"} << "StB" << false;
    }
    void semantics()
    {
        QFETCH(QString, atShow);
        QFETCH(QStringList, steps);
        QFETCH(QString, after);
        QFETCH(bool, open);
        SetFlags(atShow);
        TOptionF d(TestProgram());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(testsupport::Control<QCheckBox>(d, "SplashCheck")->isChecked(), TestSettings().SplashFlag);
        QCOMPARE(testsupport::Control<QCheckBox>(d, "TipCheck")->isChecked(), TestSettings().TipFlag);
        QCOMPARE(testsupport::Control<QCheckBox>(d, "BullesCheck")->isChecked(), TestSettings().BullesFlag);
        Run(d, steps);
        QCOMPARE(Flags(), after);
        QCOMPARE(d.isVisible(), open);
    }

    // Each showing starts from the settings as they are now.
    void showLoadsCurrentSettings()
    {
        SetFlags(QStringLiteral("STB"));
        TOptionF d(TestProgram());
        d.show();
        d.close();
        SetFlags(QStringLiteral("sTb"));
        d.show();
        QVERIFY(!testsupport::Control<QCheckBox>(d, "SplashCheck")->isChecked());
        QVERIFY(testsupport::Control<QCheckBox>(d, "TipCheck")->isChecked());
        QVERIFY(!testsupport::Control<QCheckBox>(d, "BullesCheck")->isChecked());
        d.close();
    }

    // Through the main window's menu: the workshops' hints follow the
    // bubbles flag once the dialog has closed, whatever closed it.
    void hintsAfterClose_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("hints");
        QTest::newRow("ok") << QStringList{"b", "ok"} << false;
        QTest::newRow("apply then frame") << QStringList{"b", "apply", "frame"} << false;
        QTest::newRow("apply then cancel") << QStringList{"b", "apply", "cancel"} << true;
    }
    void hintsAfterClose()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, hints);
        Irisonde::TProgram program;
        TMainF main(program, Irisonde::WorkshopTable());
        SetFlags(QStringLiteral("STB"), main.Settings());
        TWorkshopF shop(program, Irisonde::WorkshopRow(Irisonde::EWorkshop::Add), 93, false);
        main.SetWorkshop(Irisonde::WorkshopRow(Irisonde::EWorkshop::Add), &shop);
        auto *d = new TOptionF(program, &main);
        main.SetOptionsDialog(d);
        main.ApplyHintSetting();
        QVERIFY(shop.ShowHints());
        bool wasModal = false;
        QTimer::singleShot(100, [&] {
            wasModal = QApplication::activeModalWidget() == d;
            Run(*d, steps);
        });
        main.findChild<QAction *>(QStringLiteral("PreferencesMenu"))->trigger();
        QVERIFY(wasModal);
        QVERIFY(!d->isVisible());
        QCOMPARE(shop.ShowHints(), hints);
        QCOMPARE(main.Settings().BullesFlag, hints);
    }

    // "&Aide" opens the help on a topic that says something.
    void help()
    {
        Irisonde::TProgram program;
        program.State().HelpFile = QDir::cleanPath(QStringLiteral(IRISONDE_TEST_DATA "/../../help/Irisonde.html"));
        TOptionF d(program);
        d.show();
        QTest::mouseClick(testsupport::Control<QPushButton>(d, "AideBout"), Qt::LeftButton);
        QVERIFY(program.HelpWindow());
        THelpF &help = *program.HelpWindow();
        QCOMPARE(help.CurrentTopic(), QStringLiteral("Options"));
        const QString text = help.Browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Annuler ferme la boîte en revenant aux réglages")));
        help.close();
        d.close();
    }
};

QTEST_MAIN(TstOptions)
#include "tst_options.moc"
