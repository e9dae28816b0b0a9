// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/WholeFileU.h"

#include <QFile>
#include <QFileInfo>

namespace Irisonde {

EPictureFault ReadWholeFile(const QString &path, qint64 maxBytes, const TWholeFileFaults &faults, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return faults.Missing;
    if (!info.isFile())
        return faults.NotAFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return EPictureFault::Unreadable;
    if (file.size() > maxBytes)
        return EPictureFault::TooLarge;
    QByteArray read = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return EPictureFault::Unreadable;
    bytes = std::move(read);
    return EPictureFault::None;
}

} // namespace Irisonde
