// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The link label: one saved look per crossing, restored exactly.
#include "shell/SupLabU.h"
#include "tests/support/AccessTree.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

using namespace Irisonde;

namespace {

// The crossings as the window system tells them, repeated ones included.
void Enter(TSuperLab &lab)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&lab, &event);
}
void Leave(TSuperLab &lab)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&lab, &event);
}

} // namespace

class TstSupLab : public QObject {
    Q_OBJECT
private slots:
    void defaults()
    {
        TSuperLab lab;
        QCOMPARE(lab.size(), QSize(65, 65));
        QCOMPARE(lab.LinkCursor(), TCursorId::HourGlass);
        QCOMPARE(lab.LinkColour(), QColor(0, 0, 255));
        QVERIFY(lab.LinkEnabled());
        QVERIFY(!lab.Hovering());
        QCOMPARE(CursorFromId(TCursorId::HourGlass).shape(), Qt::WaitCursor);
        QCOMPARE(CursorFromId(TCursorId::LinkHand).shape(), Qt::BitmapCursor);
    }

    void enterAndLeaveRestoreTheLookOfTheMomentBefore()
    {
        TSuperLab lab;
        lab.SetLinkCursor(TCursorId::LinkHand);
        lab.SetFontColour(QColor(10, 20, 30));
        Enter(lab);
        QCOMPARE(lab.CursorId(), TCursorId::LinkHand);
        QCOMPARE(lab.FontColour(), QColor(0, 0, 255));
        Leave(lab);
        QCOMPARE(lab.CursorId(), TCursorId::Default);
        QCOMPARE(lab.FontColour(), QColor(10, 20, 30));
        // A colour changed while the pointer was away is the one restored next time.
        lab.SetFontColour(QColor(200, 0, 0));
        Enter(lab);
        Leave(lab);
        QCOMPARE(lab.FontColour(), QColor(200, 0, 0));
    }

    void repeatedEnterSavesOnce()
    {
        TSuperLab lab;
        lab.SetFontColour(Qt::black);
        Enter(lab);
        Enter(lab); // must not save the link colour as "before"
        Leave(lab);
        QCOMPARE(lab.FontColour(), QColor(Qt::black));
        QCOMPARE(lab.cursor().shape(), Qt::ArrowCursor);
    }

    void disabledLinkChangesNothing()
    {
        TSuperLab lab;
        lab.SetLinkEnabled(false);
        lab.SetFontColour(Qt::black);
        Enter(lab);
        QVERIFY(!lab.Hovering());
        QCOMPARE(lab.FontColour(), QColor(Qt::black));
    }

    void switchedOffWhileHoveredKeepsTheLinkLook()
    {
        TSuperLab lab;
        lab.SetFontColour(Qt::black);
        Enter(lab);
        lab.SetLinkEnabled(false);
        Leave(lab);
        QCOMPARE(lab.FontColour(), QColor(0, 0, 255));
        lab.SetLinkEnabled(true);
        Enter(lab); // still hovering: nothing new is saved
        Leave(lab);
        QCOMPARE(lab.FontColour(), QColor(Qt::black));
        QVERIFY(!lab.Hovering());
    }

    void realPointerCrossingsAndClick()
    {
        QWidget host;
        host.resize(300, 100);
        auto *lab = new TSuperLab(&host);
        lab->setText(QStringLiteral("Quitter "));
        lab->move(20, 20);
        lab->adjustSize();
        lab->SetFontColour(Qt::black);
        int clicks = 0;
        connect(lab, &TSuperLab::clicked, [&] { ++clicks; });
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseMove(lab, QPoint(5, 5));
        QTRY_VERIFY(lab->Hovering());
        QCOMPARE(lab->FontColour(), QColor(0, 0, 255));
        QTest::mouseClick(lab, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks, 1);
        QTest::mouseClick(lab, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicks, 1);
        QTest::mouseMove(&host, QPoint(250, 90));
        QTRY_VERIFY(!lab->Hovering());
        QCOMPARE(lab->FontColour(), QColor(Qt::black));
    }

    // A screen reader meets a link, named by its caption, and can follow it.
    void readAndFollowedAsALink()
    {
        TSuperLab lab;
        lab.setText(QStringLiteral("Cataloguer les images "));
        int clicks = 0;
        connect(&lab, &TSuperLab::clicked, [&] { ++clicks; });
        QAccessibleInterface *access = testsupport::Access(&lab);
        QCOMPARE(access->role(), QAccessible::Link);
        QVERIFY(access->state().linked);
        QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Cataloguer les images"));
        QAccessibleActionInterface *actions = access->actionInterface();
        QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(TstSupLab)
#include "tst_suplab.moc"
