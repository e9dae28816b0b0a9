// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/state/ParcourState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <dirent.h>

namespace Irisonde {

namespace {

// File systems that hold no user files.
const QSet<QString> &PseudoTypes()
{
    static const QSet<QString> types{"proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "cgroup", "cgroup2",
                                     "securityfs", "pstore", "debugfs", "tracefs", "configfs", "fusectl",
                                     "mqueue", "hugetlbfs", "bpf", "autofs", "binfmt_misc", "efivarfs",
                                     "nsfs", "ramfs", "rpc_pipefs", "squashfs", "overlay", "selinuxfs"};
    return types;
}

// The mounts table writes blanks, tabs, line breaks and backslashes of a
// path as three octal digits after a backslash.
QString Unescape(const QString &field)
{
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == QLatin1Char('\\') && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
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
    QString homeRoot = QStringLiteral("/");
    QStringList media;
    for (const QString &line : mounts.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() < 3 || PseudoTypes().contains(f[2]))
            continue;
        const QString point = Unescape(f[1]);
        if (!home.isEmpty() && Under(home, point) && point.size() > homeRoot.size())
            homeRoot = point;
        if (point.startsWith(QLatin1String("/media/")) || point.startsWith(QLatin1String("/mnt/")))
            media << point;
    }
    media.sort();
    media.removeDuplicates();
    QList<TVolume> volumes{{QStringLiteral("/")}};
    if (homeRoot != QLatin1String("/"))
        volumes.append({homeRoot});
    for (const QString &m : media)
        if (m != homeRoot)
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

bool TParcourState::VolumeReady(const QString &root)
{
    DIR *dir = ::opendir(QFile::encodeName(root).constData());
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
            items.append({name, path, ++level, true, false});
        }
    items.last().Current = true;
    QDir dir(path);
    const QStringList subs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subs)
        items.append({name, dir.filePath(name), level + 1, false, false});
    return items;
}

QString TParcourState::FormShow()
{
    ChosenPath = QStringLiteral("None");
    if (StartPath.isEmpty() || !QFileInfo(StartPath).isDir())
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
                        : QLatin1Char(' ') + folder;
}

} // namespace Irisonde
