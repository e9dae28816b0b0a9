// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The open-picture dialog of the picture workshops (`OuvreBout`).
#include <QString>

class QPainter;
class QWidget;

namespace Irisonde {

class TPicture;

// Runs the open dialog in the program folder; on confirmation loads and
// draws the chosen file into `picture` (LoadPictureFile), showing its message on failure.
// The new caption: the current one when cancelled or failed.
[[nodiscard]] QString ChoosePictureFile(Irisonde::TPicture &picture, QPainter &canvas, const QString &baseCaption, const QString &currentCaption,
                                        QWidget *parent);

// The same after the dialog: loads `path`, shows the message of a failure.
[[nodiscard]] QString LoadPictureFileShowing(Irisonde::TPicture &picture, const QString &path, QPainter &canvas, const QString &baseCaption,
                                             const QString &currentCaption, QWidget *parent);

} // namespace Irisonde
