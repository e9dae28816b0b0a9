// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ResourceU.h"

#include <QFile>

namespace Irisonde {

QByteArray LoadResourceBytes(const QString &fileName)
{
    QFile f(QStringLiteral(":/res/") + fileName);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QImage LoadResourceBitmap(const QString &name)
{
    return QImage(QStringLiteral(":/res/") + name + QStringLiteral(".bmp"));
}

} // namespace Irisonde
