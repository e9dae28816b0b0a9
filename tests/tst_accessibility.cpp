// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window of the program read as a screen reader reads it: no control
// without a French name, and the picture areas saying what they show.
#include "app/WorkshopTableU.h"
#include "shell/ProgramU.h"
#include "catalogue/BrowseU.h"
#include "catalogue/ParcourU.h"
#include "shell/HelpU.h"
#include "shell/MainU.h"
#include "shell/OptionU.h"
#include "shell/SplashU.h"
#include "shell/WorkshopU.h"
#include "tips/Tipu.h"
#include "tests/support/AccessTree.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowProbe.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QtTest>

#include <memory>
#include <vector>

using namespace Irisonde;

class TstAccessibility : public QObject {
    Q_OBJECT
    Irisonde::TProgram m_program;
private:
    std::unique_ptr<TMainF> m_main;
    std::vector<std::unique_ptr<TWorkshopF>> m_workshops;

private slots:
    void initTestCase()
    {
        m_main = std::make_unique<TMainF>(m_program, WorkshopTable());
        for (const TWorkshopRow &row : WorkshopTable())
            m_workshops.push_back(row.Make(m_program, row));
    }

    void everyControlIsNamed_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *w : {"principale", "options", "astuce", "présentation", "catalogue", "sélecteur", "aide"})
            QTest::newRow(w) << QString::fromUtf8(w);
        for (size_t i = 0; i < WorkshopTable().size(); ++i)
            QTest::newRow(qPrintable(QStringLiteral("atelier %1").arg(i))) << QStringLiteral("atelier %1").arg(i);
    }

    void everyControlIsNamed()
    {
        QFETCH(QString, window);
        std::unique_ptr<QWidget> owned;
        QWidget *w = nullptr;
        if (window == QStringLiteral("principale")) {
            w = m_main.get();
        } else if (window == QStringLiteral("options")) {
            owned = std::make_unique<TOptionF>(m_program);
        } else if (window == QStringLiteral("astuce")) {
            owned = std::make_unique<TTipF>(m_program.Settings());
        } else if (window == QStringLiteral("présentation")) {
            owned = std::make_unique<TSplashF>(m_program.State().DisplayTitle);
        } else if (window == QStringLiteral("catalogue")) {
            owned = std::make_unique<TBrowserF>(m_program);
        } else if (window == QStringLiteral("sélecteur")) {
            owned = std::make_unique<TParcourF>(m_program);
        } else if (window == QStringLiteral("aide")) {
            owned = std::make_unique<THelpF>();
        } else {
            w = m_workshops[size_t(window.section(' ', 1).toInt())].get();
        }
        if (owned)
            w = owned.get();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QStringList unnamed = testsupport::UnnamedControls(w);
        w->close();
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
    }

    // The additive screen as a picture whose sentence follows the pupil's
    // settings; a bar says its colour and strength, a box its tick.
    void liveStateOfAWorkshop()
    {
        QWidget *shop = m_workshops[size_t(EWorkshop::Add)].get();
        shop->show();
        QVERIFY(QTest::qWaitForWindowExposed(shop));
        auto *zone = shop->findChild<QWidget *>(QStringLiteral("Zone"));
        auto *box = shop->findChild<QCheckBox *>(QStringLiteral("EtenduCheck"));
        auto *bar = shop->findChild<QScrollBar *>(QStringLiteral("rBar"));
        QVERIFY(zone && box && bar);
        QAccessibleInterface *picture = testsupport::Access(zone);
        QCOMPARE(picture->role(), QAccessible::Graphic);
        QVERIFY(picture->state().focusable);
        QVERIFY(picture->text(QAccessible::Description).startsWith(QStringLiteral("Disque rouge : 100 %")));

        box->click();
        QVERIFY(testsupport::Access(box)->state().checked);
        bar->setValue(25);
        QCOMPARE(testsupport::Access(bar)->text(QAccessible::Name), QStringLiteral("Rouge : 75 %"));
        const QString said = picture->text(QAccessible::Description);
        QVERIFY2(said.startsWith(QStringLiteral("Disque rouge : 75 %, disque vert : 100 %")), qPrintable(said));
        bar->setValue(100);
        QVERIFY(picture->text(QAccessible::Description).startsWith(QStringLiteral("Disque rouge : éteint")));
        shop->close();
    }

    // What a screen reader announces of windows, lists, status lines and
    // the panes whose state the pupil changes.
    void screenReaderItems()
    {
        for (const auto &shop : m_workshops)
            QCOMPARE(testsupport::Access(shop.get())->role(), QAccessible::Window);
        THelpF help;
        QCOMPARE(testsupport::Access(&help)->role(), QAccessible::Window);
        TSplashF about(m_program.State().DisplayTitle);
        QVERIFY(!testsupport::Access(&about)->text(QAccessible::Name).isEmpty());

        TBrowserF catalogue(m_program);
        TParcourF chooser(m_program);
        const std::pair<QWidget *, const char *> lists[] = {{&catalogue, "wThumbCombo"}, {&chooser, "DriveBox"}};
        for (const auto &[window, name] : lists) {
            const auto labels = testsupport::Access(testsupport::Control(*window, name))->relations(QAccessible::Label);
            QVERIFY2(labels.size() == 1 && !labels[0].first->text(QAccessible::Name).isEmpty(), name);
        }
        QCOMPARE(testsupport::Access(testsupport::Control(*m_main, "ModeLab"))->role(), QAccessible::StatusBar);
        QCOMPARE(testsupport::Access(testsupport::Control(catalogue, "Status"))->role(), QAccessible::StatusBar);

        QWidget *add = m_workshops[size_t(EWorkshop::Add)].get();
        add->show();
        QVERIFY(QTest::qWaitForWindowExposed(add));
        const QString places = testsupport::Access(testsupport::Control(*add, "Zone"))->text(QAccessible::Description);
        QVERIFY2(places.contains(QStringLiteral("De gauche à droite")) && places.contains(QStringLiteral("se superposent")),
                 qPrintable(places));
        add->close();

        QWidget *quadri = m_workshops[size_t(EWorkshop::Quadri)].get();
        quadri->show();
        QVERIFY(QTest::qWaitForWindowExposed(quadri));
        const auto said = [quadri](const char *zone) {
            return testsupport::Access(testsupport::Control(*quadri, zone))->text(QAccessible::Description);
        };
        testsupport::Control<QCheckBox>(*quadri, "CMYCheck")->click();
        QCOMPARE(said("Zone4"), QStringLiteral("Vide : la trichromie n'a pas cette composante."));
        QCOMPARE(said("Zone5"), QStringLiteral("Vide : aucune composante n'est cochée pour recomposer l'image."));
        testsupport::Control<QCheckBox>(*quadri, "CCheck")->click();
        QCOMPARE(said("Zone5"), QStringLiteral("Recomposée à partir de la composante cyan."));
        quadri->close();
        QWidget *rgb = m_workshops[size_t(EWorkshop::RGB)].get();
        QCOMPARE(testsupport::Access(testsupport::Control(*rgb, "RGBCheck"))->text(QAccessible::Name),
                 QStringLiteral("Décomposition de l'image : Activée"));
    }
};

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
