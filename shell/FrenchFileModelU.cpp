// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/FrenchFileModelU.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>

namespace Irisonde {

namespace {

// The columns of Qt's file model.
enum EColumn { NameColumn = 0, SizeColumn = 1, KindColumn = 2, DateColumn = 3 };

QString FrenchSize(qint64 bytes)
{
    const QLocale french(QLocale::French, QLocale::France);
    if (bytes < 1024)
        return bytes < 2 ? QStringLiteral("%1 octet").arg(bytes) : QStringLiteral("%1 octets").arg(bytes);
    return french.formattedDataSize(bytes);
}

} // namespace

QVariant TFrenchFileModel::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !files || !index.isValid() || index.column() == NameColumn)
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QFileInfo info = files->fileInfo(source);
    switch (index.column()) {
    case SizeColumn:
        return info.isDir() ? QString() : FrenchSize(info.size());
    case KindColumn:
        if (info.isDir())
            return info.isRoot() ? QStringLiteral("Lecteur") : QStringLiteral("Dossier");
        return info.suffix().isEmpty() ? QStringLiteral("Fichier") : QStringLiteral("Fichier ") + info.suffix().toUpper();
    case DateColumn:
        return QLocale(QLocale::French, QLocale::France).toString(info.lastModified(), QLocale::ShortFormat);
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

void MakeFileDialogFrench(QFileDialog &dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setProxyModel(new TFrenchFileModel(&dialog));
}

} // namespace Irisonde
