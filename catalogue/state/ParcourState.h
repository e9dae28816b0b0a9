// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The working-folder chooser without its window. This file system has no
// drive letters: the "drives" are the places a teacher picks from today: the
// root, the home folder, removable media (mounted under /media, /run/media
// or /mnt) and network shares wherever they are mounted, named by their path;
// pseudo file systems (proc, sysfs, tmpfs, ...) are left out. Like a drive,
// each remembers the folder last shown on it.
//
// A volume that cannot be opened now (gone, not ready, no permission) is an
// unavailable drive: the chooser falls back to the last volume that worked
// (the root at the first fallback of a run) and shows a warning for three
// seconds from the failure that began it; a further failure meanwhile
// rewrites the warning but does not prolong it.
#include <QHash>
#include <QString>
#include <QStringList>

namespace Irisonde {

struct TVolume {
    QString Root; // mount point, also the text of the drive list
};

// One line of the folder list: the path from the volume's root down to the
// current folder (open folders), then the current folder's sub-folders
// (closed folders).
struct TDirItem {
    QString Text;  // the folder's name; the volume's root for the first line
    QString Path;  // full path, without trailing separator except for "/"
    int Level = 0; // indentation step
    bool Open = false;
    bool Current = false;
};

struct TDriveChange {
    bool Ok = true;         // the volume was opened
    QString Drive;          // the volume the lists now show
    bool StartTimer = false; // start the 3000 ms warning timer (not already running)
};

class TParcourState {
public:
    // The volumes of a mounts table (the text of /proc/self/mounts) for a
    // user whose home folder is `home`: the root first, the home folder,
    // then the media and the network shares in path order.
    [[nodiscard]] static QList<TVolume> VolumesFromMounts(const QString &mounts, const QString &home);
    // The same from this machine.
    [[nodiscard]] static QList<TVolume> MountedVolumes();
    // The volume of `volumes` that holds `path` (the longest root it lies
    // under), or "/".
    [[nodiscard]] static QString DriveOf(const QString &path, const QList<TVolume> &volumes);
    // `path` names a folder; its name is read through its bytes (DecodeRawName).
    [[nodiscard]] static bool IsFolder(const QString &path);
    // The volume can be listed now.
    [[nodiscard]] static bool VolumeReady(const QString &root);
    // The folder list for `folder` on the volume `root`: sub-folders listed
    // from disk in name order, hidden ones left out. Names the system's
    // encoding does not read are shown with U+FFFD, their paths keep the bytes.
    [[nodiscard]] static QList<TDirItem> DirItems(const QString &root, const QString &folder);

    // The caller's protocol: StartPath in, ChosenPath out ("None" unless
    // the user confirmed).
    QString StartPath;
    QString ChosenPath;
    QString LastDrive = QStringLiteral("/");
    bool WarningShown = false;

    // The show: ChosenPath := "None"; the folder to show first (StartPath,
    // cleaned, when it names an existing folder), else empty: the lists
    // keep what they showed.
    [[nodiscard]] QString FormShow();
    // The user picked the volume `root`. When it cannot be opened the
    // result names the volume to go back to (the last that worked, or the
    // root when that one has gone too): the window sets its lists to it
    // without asking again, starts its timer when told and shows EditText.
    [[nodiscard]] TDriveChange DriveBoxChange(const QString &root);
    // The warning timer's tick: the warning ends.
    void WarnTimer() { WarningShown = false; }
    // The text line for the folder `folder`: " " + folder, or the warning.
    [[nodiscard]] QString EditText(const QString &folder) const;
    void OkBoutClick(const QString &folder) { ChosenPath = folder; }

    // The folder each volume showed last (its root until then).
    [[nodiscard]] QString FolderOn(const QString &root) const { return m_folderOn.value(root, root); }
    void SetFolder(const QString &root, const QString &folder) { m_folderOn.insert(root, folder); }

private:
    QHash<QString, QString> m_folderOn;
};

} // namespace Irisonde
