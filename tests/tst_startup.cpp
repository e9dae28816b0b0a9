// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Program start: a second copy is refused with its message and leaves no
// trace; a lock left by a killed copy does not block the next start; the
// catalogue is handed the workshops that open pictures.
#include "shell/MainU.h"
#include "app/StartupU.h"
#include "shell/ProgramU.h"
#include "app/WorkshopTableU.h"
#include "shell/WorkshopU.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

using namespace Irisonde;

class TstStartup : public QObject {
    Q_OBJECT

    static QString settingsFile()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltrane"), QStringLiteral("Irisonde")).fileName();
    }

private slots:
    // The session's runtime folder, where the lock lives, exists before any
    // program runs; Qt makes only its last level.
    void initTestCase()
    {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QVERIFY(!runtime.isEmpty() && QDir().mkpath(runtime));
        QVERIFY(QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    }

    void secondCopyIsRefused()
    {
        QFile::remove(settingsFile());
        const auto first = CheckSingleInstance();
        QVERIFY(first);

        QString title, text, buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool mainWindowMade = false;
        QTimer::singleShot(200, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton *b : box->buttons())
                buttons += b->text() + QLatin1Char('|');
            for (QWidget *w : QApplication::topLevelWidgets())
                mainWindowMade = mainWindowMade || qobject_cast<TMainF *>(w);
            box->buttons().constFirst()->click();
        });
        QCOMPARE(RunIrisonde(*qApp), 0);
        QCOMPARE(title, QStringLiteral("Avertissement"));
        QCOMPARE(text, QStringLiteral("Attention, Irisonde est déjà en cours d'exécution."));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QStringLiteral("&Oui|"));
        QVERIFY(!mainWindowMade);
        QVERIFY(!QFile::exists(settingsFile()));
    }

    void lockOfAKilledCopyIsTakenOver()
    {
        QProcess holder;
        holder.start(QStringLiteral(IRISONDE_BUILD_DIR "/tests/lock_holder"));
        QVERIFY(holder.waitForReadyRead(30000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
        QVERIFY(!CheckSingleInstance()); // alive: refused
        holder.kill();                   // SIGKILL: no chance to unlock
        QVERIFY(holder.waitForFinished(30000));
        QVERIFY(QFile::exists(InstanceLockPath()));
        QVERIFY(CheckSingleInstance());
    }

    void pictureWorkshopsForTheCatalogue()
    {
        TProgram program;
        TMainF main(program, WorkshopTable());
        std::vector<std::unique_ptr<TWorkshopF>> made;
        for (const TWorkshopRow &row : WorkshopTable()) {
            made.push_back(row.Make(program, row));
            main.SetWorkshop(row, made.back().get());
        }
        QStringList names;
        for (const TWorkshopChoice &c : PictureWorkshopChoices(main))
            names << c.Name;
        QCOMPARE(names, QStringList({"Eclairage d'une scène", "L'écran de télévision à la Loupe",
                                     "Impression par quadrichromie ou trichromie", "Décomposition RVB d'une image"}));
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
