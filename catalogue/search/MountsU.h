// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The mounted file systems, as the search needs them: which folders belong
// to the system rather than to anybody's files (the process table, the
// devices, the kernel's settings, the run-time folders), so that a search of
// "/" neither walks them nor reports pictures through their aliases of real
// folders (/proc/<pid>/cwd/...).
#include <QList>
#include <QString>

namespace Irisonde {

struct TMount {
    QString Point; // the mount point, its bytes kept as DecodeRawName keeps them
    QString Type;  // the file system type: "ext4", "proc", "tmpfs"...
};

// The mounts of a mounts table (the text of /proc/self/mounts).
[[nodiscard]] QList<TMount> MountsFromTable(const QByteArray &table);
// This process's mounts, read now; empty when the table cannot be read.
[[nodiscard]] QList<TMount> ReadMounts();

// A file system of the system's, which no search enters: a pseudo file
// system (proc, sysfs, devtmpfs, cgroup...), or a memory one (tmpfs, ramfs)
// mounted for the system under /run, /dev, /sys or /proc. A tmpfs elsewhere
// (/tmp) holds the users' files and stays searchable.
[[nodiscard]] bool IsSystemMount(const TMount &mount);
// Of those, the ones whose every folder is the system's, whatever path
// reaches it: not the memory ones, under which a stick may be mounted
// (/run/media/...), only their top folder is.
[[nodiscard]] bool IsPseudoMount(const TMount &mount);

} // namespace Irisonde
