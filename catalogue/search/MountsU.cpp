// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/search/MountsU.h"

#include "catalogue/search/RawNameU.h"

#include <QFile>
#include <QSet>

namespace Irisonde {

namespace {

const QSet<QString> &PseudoTypes()
{
    static const QSet<QString> types{"proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs",
                                     "pstore", "debugfs", "tracefs", "configfs", "fusectl", "mqueue",
                                     "hugetlbfs", "bpf", "binfmt_misc", "efivarfs", "nsfs", "rpc_pipefs",
                                     "selinuxfs"};
    return types;
}

bool Under(const QString &path, const QString &root) { return path == root || path.startsWith(root + QLatin1Char('/')); }

// Blanks, tabs, line breaks and backslashes of a path come as a backslash
// and three octal digits.
QByteArray Unescape(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code < 256) {
                out += char(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

} // namespace

QList<TMount> MountsFromTable(const QByteArray &table)
{
    QList<TMount> mounts;
    for (const QByteArray &line : table.split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() < 3)
            continue;
        mounts.append({DecodeRawName(Unescape(f[1])), QString::fromLatin1(f[2])});
    }
    return mounts;
}

QList<TMount> ReadMounts()
{
    QFile file(QStringLiteral("/proc/self/mounts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return MountsFromTable(file.readAll());
}

bool IsPseudoMount(const TMount &mount) { return PseudoTypes().contains(mount.Type); }

bool IsSystemMount(const TMount &mount)
{
    if (IsPseudoMount(mount))
        return true;
    if (mount.Type != QLatin1String("tmpfs") && mount.Type != QLatin1String("ramfs"))
        return false;
    for (const char *system : {"/run", "/dev", "/sys", "/proc", "/var/run", "/var/lock"})
        if (Under(mount.Point, QString::fromLatin1(system)))
            return true;
    return false;
}

} // namespace Irisonde
