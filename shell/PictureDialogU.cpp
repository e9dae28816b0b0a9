// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/PictureDialogU.h"
#include "imaging/PictureU.h"
#include "shell/AppStateU.h"

#include <QFileDialog>

namespace Irisonde {

QString LoadPictureFileShowing(Irisonde::TPicture &picture, const QString &path, QPainter &canvas, const QString &baseCaption,
                               const QString &currentCaption, QWidget *parent)
{
    const Irisonde::TPictureLoad load = picture.LoadPictureFile(path, baseCaption, currentCaption, canvas);
    if (load.Fault != EPictureFault::None)
        App::ShowWarning(load.Message, parent);
    return load.Caption;
}

QString ChoosePictureFile(Irisonde::TPicture &picture, QPainter &canvas, const QString &baseCaption, const QString &currentCaption, QWidget *parent)
{
    QFileDialog dialog(parent, QStringLiteral(" Ouvrir une image bitmap ou un métafichier"), App::State().PicturesStart());
    // The one filter shows its own description; the patterns behind it also
    // take upper-case names, which the file systems here tell apart.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilter(QStringLiteral("Images Bitmap et métafichiers (*.bmp, *.wmf) (*.bmp *.wmf *.BMP *.WMF)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return currentCaption;
    return LoadPictureFileShowing(picture, dialog.selectedFiles().constFirst(), canvas, baseCaption, currentCaption, parent);
}

} // namespace Irisonde
