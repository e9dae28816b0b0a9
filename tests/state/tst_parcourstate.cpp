// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// The working-folder chooser without its window: the volumes offered as
// drives, the folder list, the unavailable-drive fallback and its warning.
#include "catalogue/state/ParcourState.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Irisonde;

class TstParcourState : public QObject {
    Q_OBJECT
private slots:
    void volumes()
    {
        const QString mounts = QStringLiteral(
            "/dev/sda1 / ext4 rw 0 0\n"
            "proc /proc proc rw 0 0\n"
            "tmpfs /run tmpfs rw 0 0\n"
            "/dev/sda2 /home ext4 rw 0 0\n"
            "/dev/sdb1 /media/eleve/CLE\\040USB vfat rw 0 0\n"
            "serveur:/cours /mnt/reseau nfs4 rw 0 0\n"
            "tmpfs /media/ram tmpfs rw 0 0\n"
            "/dev/loop0 /snap/core squashfs ro 0 0\n"
            "/dev/sdc1 /run/media/eleve/DISQUE exfat rw 0 0\n"
            "//serveur/partage /srv/partage cifs rw 0 0\n");
        const QList<TVolume> v = TParcourState::VolumesFromMounts(mounts, QStringLiteral("/home/eleve"));
        QStringList roots;
        for (const TVolume &x : v)
            roots << x.Root;
        QCOMPARE(roots, QStringList({"/", "/home/eleve", "/media/eleve/CLE USB", "/mnt/reseau", "/run/media/eleve/DISQUE",
                                     "/srv/partage"}));
        QCOMPARE(TParcourState::DriveOf(QStringLiteral("/home/eleve/Images"), v), QStringLiteral("/home/eleve"));
        QCOMPARE(TParcourState::DriveOf(QStringLiteral("/media/eleve/CLE USB/photos"), v), QStringLiteral("/media/eleve/CLE USB"));
        QCOMPARE(TParcourState::DriveOf(QStringLiteral("/homework"), v), QStringLiteral("/"));
        QVERIFY(!TParcourState::MountedVolumes().isEmpty());
    }

    void folderList()
    {
        QTemporaryDir dir;
        for (const char *d : {"a/b/c", "a/b/D", "a/b/.h"})
            QVERIFY(QDir(dir.path()).mkpath(QString::fromLatin1(d)));
        const QList<TDirItem> items = TParcourState::DirItems(dir.path(), dir.path() + "/a/b");
        QStringList seen;
        for (const TDirItem &i : items)
            seen << QStringLiteral("%1%2%3%4").arg(QString(i.Level, QLatin1Char('-')), i.Open ? "+" : "", i.Current ? "*" : "",
                                                 i.Level ? i.Text : QStringLiteral("R"));
        QCOMPARE(seen, QStringList({"+R", "-+a", "--+*b", "---c", "---D"}));
        QCOMPARE(items[4].Path, dir.path() + "/a/b/D");
        // A folder whose name is no valid UTF-8 is listed, shown with U+FFFD,
        // and its path leads back to it.
        QVERIFY(::mkdir(QFile::encodeName(dir.path() + "/a/b/caf").append('\xE9').constData(), 0700) == 0);
        const QList<TDirItem> raw = TParcourState::DirItems(dir.path(), dir.path() + "/a/b");
        QCOMPARE(raw.size(), 6);
        QCOMPARE(raw[4].Text, QString::fromUtf8("caf\uFFFD"));
        QVERIFY(TParcourState::IsFolder(raw[4].Path));
        QCOMPARE(TParcourState::DirItems(dir.path(), raw[4].Path).last().Text, QString::fromUtf8("caf\uFFFD"));
        QVERIFY(::rmdir(QFile::encodeName(dir.path() + "/a/b/caf").append('\xE9').constData()) == 0);
    }

    void showAndUnavailableDrive()
    {
        QTemporaryDir stick;
        TParcourState state;
        state.StartPath = stick.path() + "/";
        QCOMPARE(state.FormShow(), stick.path());
        QCOMPARE(state.ChosenPath, QStringLiteral("None"));
        state.StartPath = stick.path() + "/missing";
        QVERIFY(state.FormShow().isEmpty());

        QVERIFY(state.DriveBoxChange(stick.path()).Ok);
        QCOMPARE(state.LastDrive, stick.path());
        TDriveChange c = state.DriveBoxChange(QStringLiteral("/nonexistent-volume"));
        QVERIFY(!c.Ok && c.StartTimer);
        QCOMPARE(c.Drive, stick.path());
        QCOMPARE(state.EditText(QStringLiteral("/x")), QStringLiteral(" Le lecteur choisi est actuellement indisponible !!!"));
        c = state.DriveBoxChange(QStringLiteral("/nonexistent-volume"));
        QVERIFY(!c.StartTimer); // the running warning is not prolonged
        state.WarnTimer();
        QCOMPARE(state.EditText(QStringLiteral("/x")), QStringLiteral(" /x"));
        // The volume that worked last is gone too: the root, not an endless fallback.
        QVERIFY(stick.remove());
        c = state.DriveBoxChange(QStringLiteral("/nonexistent-volume"));
        QCOMPARE(c.Drive, QStringLiteral("/"));
        state.OkBoutClick(QStringLiteral("/tmp"));
        QCOMPARE(state.ChosenPath, QStringLiteral("/tmp"));
    }
};

QTEST_GUILESS_MAIN(TstParcourState)
#include "tst_parcourstate.moc"
