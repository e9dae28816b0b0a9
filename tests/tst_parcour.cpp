// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The working-folder chooser on screen: OK, Cancel and the close box, going
// into a folder, the lists kept between showings, and an unreadable volume
// with its warning for a while.
#include "catalogue/ParcourU.h"
#include "shell/ProgramU.h"
#include "support/TestSupport.h"
#include "support/WindowProbe.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace Irisonde;
using testsupport::Control;

class TstParcour : public QObject {
    Q_OBJECT
    Irisonde::TProgram m_program;
private:
    QTemporaryDir m_dir; // the "stick": a volume of its own
    QString m_gone;      // a volume that was unplugged

    void Prepare(TParcourF &w)
    {
        const QString stick = m_dir.path(), gone = m_gone;
        w.SetVolumeLister([stick, gone] { return QList<TVolume>{{"/"}, {stick}, {gone}}; });
    }
    static void Open(TParcourF &w, const QString &start)
    {
        w.SetStartPath(start);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    // The warning's timer runs out now, as it would at the end of its stay.
    static void EndWarning(TParcourF &w)
    {
        auto *timer = Control<QTimer>(w, "Warn");
        QVERIFY(timer->isActive());
        timer->setInterval(0); // restarts the running timer
        QTRY_VERIFY(!timer->isActive());
    }
    // Enter on the line of the folder list naming `text`.
    static void Enter(TParcourF &w, const QString &text)
    {
        const auto found = Control<QListWidget>(w, "DirBox")->findItems(text, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        Control<QListWidget>(w, "DirBox")->setCurrentItem(found.first());
        QTest::keyClick(Control<QListWidget>(w, "DirBox"), Qt::Key_Return);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("images/sorties"));
        QVERIFY(QDir(m_dir.path()).mkpath("autres"));
        m_gone = m_dir.path() + "-debranchee";
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("Ok") << "OkBout" << true;
        QTest::newRow("Annuler") << "AnnulBout" << false;
        QTest::newRow("close box") << "" << false;
        QTest::newRow("Escape") << "Escape" << false;
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(bool, confirmed);
        TParcourF w(m_program);
        Prepare(w);
        Open(w, m_dir.path() + "/images/");
        QCOMPARE(w.ChosenPath(), QStringLiteral("None"));
        QCOMPARE(Control<QLineEdit>(w, "Edit1")->text(), " " + m_dir.path() + "/images");
        QCOMPARE(Control<QComboBox>(w, "DriveBox")->currentText(), m_dir.path());
        // Down into "sorties", up again by the path line, down into it again.
        Enter(w, "sorties");
        QCOMPARE(Control<QLineEdit>(w, "Edit1")->text(), " " + m_dir.path() + "/images/sorties");
        Enter(w, "images");
        QCOMPARE(w.Folder(), m_dir.path() + "/images");
        Enter(w, "sorties");
        QVERIFY(w.isVisible()); // Enter opened a folder and pressed no button
        if (how == "Escape")
            QTest::keyClick(&w, Qt::Key_Escape);
        else if (how.isEmpty())
            w.close();
        else
            w.findChild<QPushButton *>(how)->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.ChosenPath(), confirmed ? m_dir.path() + "/images/sorties" : QStringLiteral("None"));

        // No start folder: the lists show what they showed.
        Open(w, QString());
        QCOMPARE(w.Folder(), m_dir.path() + "/images/sorties");
        QCOMPARE(w.ChosenPath(), QStringLiteral("None"));
    }

    void unreadableVolume()
    {
        QCOMPARE(Control<QTimer>(TParcourF(m_program), "Warn")->interval(), 3000);
        QCOMPARE(Control<QTimer>(TParcourF(m_program), "Warn")->timerType(), Qt::PreciseTimer);
        // A stay no test outlasts: the warning ends when the test says so.
        constexpr std::chrono::milliseconds stay = std::chrono::hours(1);
        TParcourF w(m_program, nullptr, stay);
        Prepare(w);
        // The very first fallback of a run goes to the root.
        Open(w, QString());
        Control<QComboBox>(w, "DriveBox")->setCurrentIndex(2);
        QCOMPARE(w.Drive(), QStringLiteral("/"));
        QCOMPARE(Control<QComboBox>(w, "DriveBox")->currentText(), QStringLiteral("/"));
        EndWarning(w);

        // Later, back to the volume that worked last, red for the stay.
        Control<QComboBox>(w, "DriveBox")->setCurrentIndex(1);
        Enter(w, "autres");
        Control<QTimer>(w, "Warn")->setInterval(stay);
        QElapsedTimer clock;
        clock.start();
        Control<QComboBox>(w, "DriveBox")->setCurrentIndex(2);
        const QString warning = QStringLiteral(" Le lecteur choisi est actuellement indisponible !!!");
        QCOMPARE(Control<QComboBox>(w, "DriveBox")->currentText(), m_dir.path());
        QCOMPARE(w.Folder(), m_dir.path() + "/autres");
        QCOMPARE(Control<QLineEdit>(w, "Edit1")->text(), warning);
        QCOMPARE(Control<QLineEdit>(w, "Edit1")->palette().color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(Control<QTimer>(w, "Warn")->isActive() && w.WarningShown());
        // Browsing meanwhile leaves the warning; a second failure does not
        // prolong it: the timer still counts from the first.
        Enter(w, m_dir.path()); // the volume's line
        QCOMPARE(Control<QLineEdit>(w, "Edit1")->text(), warning);
        QTest::qWait(50);
        Control<QComboBox>(w, "DriveBox")->setCurrentIndex(2);
        const qint64 sinceFirst = clock.elapsed();
        const qint64 left = Control<QTimer>(w, "Warn")->remainingTime();
        QVERIFY2(left <= stay.count() - sinceFirst + 10,
                 qPrintable(QStringLiteral("%1 ms left after %2 ms").arg(left).arg(sinceFirst)));
        EndWarning(w);
        QCOMPARE(Control<QLineEdit>(w, "Edit1")->text(), " " + m_dir.path());
        QCOMPARE(Control<QLineEdit>(w, "Edit1")->palette().color(QPalette::Text), QColor(0, 0, 0));
        Control<QPushButton>(w, "OkBout")->click();
        QCOMPARE(w.ChosenPath(), m_dir.path());
    }
};

QTEST_MAIN(TstParcour)
#include "tst_parcour.moc"
