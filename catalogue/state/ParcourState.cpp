// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/state/ParcourState.h"
#include "catalogue/search/MountsU.h"
#include "catalogue/search/RawNameU.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace Irisonde {

namespace {

// Besides the system's own file systems (IsPseudoMount), those that are
// never a volume a teacher mounted: memory, automounter, images and layers.
bool NoVolumeType(const QString &type)
{
    static const QSet<QString> types{"tmpfs", "ramfs", "autofs", "squashfs", "overlay"};
    return types.contains(type);
}

// Shares of another machine, mounted from the network.
bool NetworkType(const QString &type)
{
    static const QSet<QString> types{"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "davfs",
                                     "fuse.davfs2", "afs", "ceph", "glusterfs", "fuse.glusterfs", "9p",
                                     "fuse.rclone"};
    return types.contains(type);
}

bool Under(const QString &path, const QString &root)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

} // namespace

QList<TVolume> TParcourState::VolumesFromMounts(const QString &mounts, const QString &home)
{
    QStringList others;
    for (const TMount &m : MountsFromTable(mounts.toUtf8())) {
        if (IsPseudoMount(m) || NoVolumeType(m.Type))
            continue;
        // Sticks and disks mounted by the desktop (/media, /run/media) or by
        // hand (/mnt), and network shares wherever they are mounted.
        const bool media = m.Point.startsWith(QLatin1String("/media/")) || m.Point.startsWith(QLatin1String("/run/media/"))
            || m.Point.startsWith(QLatin1String("/mnt/"));
        if (media || NetworkType(m.Type))
            others << m.Point;
    }
    others.sort();
    others.removeDuplicates();
    QList<TVolume> volumes{{QStringLiteral("/")}};
    const QString homeFolder = QDir::cleanPath(home);
    if (!home.isEmpty() && homeFolder != QLatin1String("/"))
        volumes.append({homeFolder});
    for (const QString &m : others)
        if (m != homeFolder && m != QLatin1String("/"))
            volumes.append({m});
    return volumes;
}

QList<TVolume> TParcourState::MountedVolumes()
{
    QFile file(QStringLiteral("/proc/self/mounts"));
    QString text;
    if (file.open(QIODevice::ReadOnly))
        text = QString::fromUtf8(file.readAll());
    return VolumesFromMounts(text, QDir::homePath());
}

QString TParcourState::DriveOf(const QString &path, const QList<TVolume> &volumes)
{
    QString best = QStringLiteral("/");
    for (const TVolume &v : volumes)
        if (Under(path, v.Root) && v.Root.size() > best.size())
            best = v.Root;
    return best;
}

bool TParcourState::IsFolder(const QString &path)
{
    struct stat st {};
    return !path.isEmpty() && ::stat(EncodeRawName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool TParcourState::VolumeReady(const QString &root)
{
    DIR *dir = ::opendir(EncodeRawName(root).constData());
    if (!dir)
        return false;
    ::closedir(dir);
    return true;
}

QList<TDirItem> TParcourState::DirItems(const QString &root, const QString &folder)
{
    QList<TDirItem> items{{root, root, 0, true, false}};
    QString path = root;
    const QString rest = folder.mid(root.size());
    int level = 0;
    if (Under(folder, root))
        for (const QString &name : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            path = path == QLatin1String("/") ? path + name : path + QLatin1Char('/') + name;
            items.append({ShownName(name), path, ++level, true, false});
        }
    items.last().Current = true;
    // Read through the bytes of the names: a folder whose name the system's
    // encoding does not read is listed, and opened, all the same.
    QStringList subs;
    const QByteArray native = EncodeRawName(path);
    if (DIR *dir = ::opendir(native.constData())) {
        while (const dirent *d = ::readdir(dir)) {
            if (d->d_name[0] == '.')
                continue; // ".", ".." and the hidden folders
            bool sub = d->d_type == DT_DIR;
            if (d->d_type == DT_LNK || d->d_type == DT_UNKNOWN) {
                struct stat st {};
                sub = ::stat((native + '/' + d->d_name).constData(), &st) == 0 && S_ISDIR(st.st_mode);
            }
            if (sub)
                subs << DecodeRawName(QByteArray(d->d_name));
        }
        ::closedir(dir);
    }
    std::sort(subs.begin(), subs.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    const QString prefix = path == QLatin1String("/") ? path : path + QLatin1Char('/');
    for (const QString &name : subs)
        items.append({ShownName(name), prefix + name, level + 1, false, false});
    return items;
}

QString TParcourState::FormShow()
{
    ChosenPath = QStringLiteral("None");
    if (!IsFolder(StartPath))
        return {};
    return QDir::cleanPath(QDir(StartPath).absolutePath());
}

TDriveChange TParcourState::DriveBoxChange(const QString &root)
{
    if (VolumeReady(root)) {
        LastDrive = root;
        return {true, root, false};
    }
    // The volume that worked last may have gone too (a stick pulled out):
    // falling back to it would fail again, and again; the root never goes.
    if (!VolumeReady(LastDrive))
        LastDrive = QStringLiteral("/");
    const bool start = !WarningShown;
    WarningShown = true;
    return {false, LastDrive, start};
}

QString TParcourState::EditText(const QString &folder) const
{
    return WarningShown ? QStringLiteral(" Le lecteur choisi est actuellement indisponible !!!")
                        : QLatin1Char(' ') + ShownName(folder);
}

} // namespace Irisonde
