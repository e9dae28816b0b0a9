// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every workshop at its least size and at its first-run size: each control
// the pupil uses lies whole inside the window, its text whole, none over
// another. Read from the widgets as laid out, for each workshop of the table.
#include "app/WorkshopTableU.h"
#include "shell/ProgramU.h"
#include "shell/WorkshopU.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace Irisonde;

namespace {

bool IsControl(const QWidget *w)
{
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractSlider *>(w)
        || qobject_cast<const QLineEdit *>(w);
}

// The first fault of the window's layout, or empty.
QString LayoutFault(const QWidget &window)
{
    QList<QPair<QRect, const QWidget *>> placed;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&window) || !IsControl(w) || w->parentWidget()->inherits("QAbstractSlider"))
            continue;
        const QRect at(w->mapTo(&window, QPoint()), w->size());
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        if (!window.rect().contains(at))
            return QStringLiteral("%1 at %2,%3 %4x%5 leaves the %6x%7 window")
                .arg(name).arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height()).arg(window.width()).arg(window.height());
        if (const auto *label = qobject_cast<const QLabel *>(w); label && !label->text().isEmpty()
            && (label->sizeHint().width() > label->width() || label->sizeHint().height() > label->height()))
            return QStringLiteral("%1 cuts its text \"%2\"").arg(name, label->text());
        for (const auto &[other, owner] : placed)
            if (other.intersects(at.adjusted(2, 2, -2, -2)) && !owner->isAncestorOf(w) && !w->isAncestorOf(owner))
                return QStringLiteral("%1 lies over %2").arg(name, owner->objectName());
        placed.append({at, w});
    }
    return {};
}

} // namespace

class TstWorkshopSizes : public QObject {
    Q_OBJECT
    Irisonde::TProgram m_program;
private slots:
    void wholeControls_data()
    {
        QTest::addColumn<EWorkshop>("kind");
        for (const EWorkshop kind : {EWorkshop::Add, EWorkshop::Sub, EWorkshop::Eclaire, EWorkshop::Loup, EWorkshop::Lumiere, EWorkshop::Quadri,
                                       EWorkshop::RGB})
            QTest::newRow(WorkshopRow(kind).Section) << kind;
    }
    void wholeControls()
    {
        QFETCH(EWorkshop, kind);
        const std::unique_ptr<TWorkshopF> w = MakeWorkshop(m_program, kind);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QString atFirst = LayoutFault(*w);
        QVERIFY2(atFirst.isEmpty(), qPrintable(QStringLiteral("first size: ") + atFirst));
        // Without a window manager the program keeps its own least size,
        // never below 400 x 300 outside.
        w->resize(1, 1);
        QTRY_COMPARE(w->size(), w->minimumSize());
        const QSize outer = w->frameGeometry().size();
        QVERIFY2(outer.width() >= 400 && outer.height() >= 300, qPrintable(QStringLiteral("least %1 x %2").arg(outer.width()).arg(outer.height())));
        const QString atLeast = LayoutFault(*w);
        QVERIFY2(atLeast.isEmpty(), qPrintable(QStringLiteral("least size: ") + atLeast));
    }
};

QTEST_MAIN(TstWorkshopSizes)
#include "tst_workshopsizes.moc"
