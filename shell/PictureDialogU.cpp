// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/PictureDialogU.h"
#include "shell/AppStateU.h"
#include "shell/FrenchFileModelU.h"

#include <QFileDialog>

namespace Irisonde {

QString ChoosePictureFile(QWidget *parent)
{
    QFileDialog dialog(parent, QStringLiteral(" Ouvrir une image bitmap ou un métafichier"), App::State().PicturesStart());
    // The one filter shows its own description; the patterns behind it also
    // take upper-case names, which the file systems here tell apart.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilter(QStringLiteral("Images Bitmap et métafichiers (*.bmp, *.wmf) (*.bmp *.wmf *.BMP *.WMF)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    MakeFileDialogFrench(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace Irisonde
