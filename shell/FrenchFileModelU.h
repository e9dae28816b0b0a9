// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What Qt's own file dialog lists, in French whatever the desktop's
// language: its file model writes sizes, kinds and dates in the system's
// language, and Qt's French translation leaves some of them out ("Folder",
// "bytes"). Laid over the dialog's model, this says them in French.
#include <QIdentityProxyModel>

class QFileDialog;

namespace Irisonde {

class TFrenchFileModel : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};

// The dialog made French: its list through TFrenchFileModel.
void MakeFileDialogFrench(QFileDialog &dialog);

} // namespace Irisonde
